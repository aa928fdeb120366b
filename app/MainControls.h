// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

#pragma once

#include "SoundObjectNumber.h"
#include "SoundObjectPanel.h"

#include <array>
#include <vector>

class QFrame;
class QLineEdit;
class QTabWidget;

namespace numbrook {

class ColourPanel;
class PictureButton;
class SkinLabel;

// The main window's controls, built from its layout table. Each member is named by the
// control's objectName; numbered families are arrays indexed by their number (element 0 of a
// 1-based family is unused), the sound objects' by the object number (PerObject).
struct MainControls {
    PictureButton *Sb_Results = nullptr;
    PictureButton *Sb_Help = nullptr;
    PictureButton *Sb_Internet = nullptr;
    PictureButton *Sb_Min = nullptr;
    PictureButton *Sb_Close = nullptr;
    PictureButton *Sb_Speed_Math_Down = nullptr;
    PictureButton *Sb_Speed_Math_Up = nullptr;
    PictureButton *Sb_HotKey_Up = nullptr;
    PictureButton *Sb_HotKey_Down = nullptr;
    PictureButton *Sb_Lang_Up = nullptr;
    PictureButton *Sb_Lang_Down = nullptr;
    PictureButton *Sb_Start = nullptr;
    PictureButton *Img_Porog1 = nullptr;
    PictureButton *Img_HotKey = nullptr;
    // The line under the system settings with the last quiz's score.
    SkinLabel *Lbl_LastQuiz = nullptr;

    // Option boxes and the labels beside them.
    std::array<PictureButton *, 4> Cb_Diff_Math{};
    std::array<SkinLabel *, 4> Lbl_Diff_Math{};
    std::array<PictureButton *, 11> Cb_Znak_Math{};
    std::array<SkinLabel *, 11> Lbl_Znak_Math{};
    std::array<PictureButton *, 3> Cb_Screen_Res{};
    std::array<SkinLabel *, 3> Lbl_Screen_Res{};
    PictureButton *Cb_Show_SPDIF = nullptr;
    PictureButton *Cb_Show_Points = nullptr;
    PictureButton *Cb_Show_Otvet_Mode = nullptr;
    PictureButton *Cb_Large_Text = nullptr;
    PictureButton *Cb_MinFormShow = nullptr;
    PictureButton *Cb_AutoRun = nullptr;
    PictureButton *Cb_HintShow = nullptr;
    SkinLabel *Lbl_Show_SPDIF = nullptr;
    SkinLabel *Lbl_Show_Points = nullptr;
    SkinLabel *Lbl_Show_Otvet_Mode = nullptr;
    SkinLabel *Lbl_Large_Text = nullptr;
    SkinLabel *Lbl_MinFormShow = nullptr;
    SkinLabel *Lbl_AutoRun = nullptr;
    SkinLabel *Lbl_HintShow = nullptr;
    SkinLabel *Lbl_ClapsOnly1 = nullptr; // beside object 1's "Only claps" box

    // Captions.
    std::array<SkinLabel *, 5> Lbl_Title{}; // the four section titles
    SkinLabel *Lbl_Title_Diff_Math = nullptr;
    SkinLabel *Lbl_Title_Speed_Math = nullptr;
    SkinLabel *Lbl_Title_Znak_Math = nullptr;
    SkinLabel *Lbl_Title_Screen_Res = nullptr;
    SkinLabel *Lbl_Title_HotKey = nullptr;
    SkinLabel *Lbl_3_Screen = nullptr;
    SkinLabel *Lbl_Lang = nullptr;
    SkinLabel *laThreadCnt = nullptr;
    SkinLabel *laThreadInCnt = nullptr;

    QLineEdit *Edit_Speed_Math = nullptr;
    QLineEdit *Edit_HotKey = nullptr;
    QLineEdit *Edit_Lang = nullptr;

    // Sound objects 1..4: their controls and their eight captions Lbl_<k>_Obj<n>.
    PerObject<SoundObjectPanel> objects;
    PerObject<std::array<SkinLabel *, 9>> objectLabels;

    ColourPanel *Indicator_Play = nullptr;
    // The page control that holds the four sound object panels, below the visible area.
    QTabWidget *PageControl1 = nullptr;

    // Beside the hotkey chooser where the keys cannot be held for the whole desktop: the
    // answer key then works only while a window of the program has the focus.
    SkinLabel *Lbl_HotKey_Focus = nullptr;

    // The child who plays next (the chooser is shown from two children on), practice mode,
    // the fluency time and the school notation.
    SkinLabel *Lbl_Title_Child = nullptr;
    PictureButton *Sb_Child_Down = nullptr;
    PictureButton *Img_Child_Fon = nullptr;
    QLineEdit *Edit_Child = nullptr;
    PictureButton *Sb_Child_Up = nullptr;
    PictureButton *Cb_Practice_Math = nullptr;
    SkinLabel *Lbl_Practice_Math = nullptr;
    SkinLabel *Lbl_Practice_Note = nullptr;
    SkinLabel *Lbl_Title_Fluency_Time = nullptr;
    PictureButton *Sb_Fluency_Time_Down = nullptr;
    QLineEdit *Edit_Fluency_Time = nullptr;
    PictureButton *Sb_Fluency_Time_Up = nullptr;
    PictureButton *Cb_School_Notation = nullptr;
    SkinLabel *Lbl_School_Notation = nullptr;

    // Every caption label, to follow the length of its text after a language switch.
    std::vector<SkinLabel *> captions;
};

} // namespace numbrook
