// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

#pragma once

class QCheckBox;
class QLabel;
class QLineEdit;

namespace numbrook {

class LevelBar;
class PictureButton;
class TrackBar;

// The controls of one sound object on the main window. The window builds them from its layout
// table and hands them over; the sound object table connects their handlers and keeps them up
// to date. A control the window does not have stays null.
struct SoundObjectPanel {
    // Playback side.
    PictureButton *outputPrevious = nullptr; // Sb_Obj<n>_Up
    PictureButton *outputNext = nullptr;     // Sb_Obj<n>_Down
    QLineEdit *edObj = nullptr;
    TrackBar *tbVL = nullptr;
    TrackBar *tbVR = nullptr;
    LevelBar *pbL = nullptr;
    LevelBar *pbR = nullptr;
    QCheckBox *cbLoop = nullptr;
    QCheckBox *cbPlayFromFile = nullptr;
    PictureButton *filePrevious = nullptr; // Sb_File<n>_Up
    PictureButton *fileNext = nullptr;     // Sb_File<n>_Down
    QLineEdit *edFile = nullptr;
    PictureButton *Sb_StartPlay = nullptr;
    PictureButton *Sb_StopPlay = nullptr;

    // Microphone side.
    PictureButton *microphonePrevious = nullptr; // Sb_Mic<n>_Up
    PictureButton *microphoneNext = nullptr;     // Sb_Mic<n>_Down
    QLineEdit *edMic = nullptr;
    LevelBar *pbSig = nullptr;
    TrackBar *tbMixerVol = nullptr;
    TrackBar *tbTrig = nullptr;
    QLineEdit *edDelay = nullptr;
    QCheckBox *cbPorog = nullptr;
    PictureButton *cbClapsOnly = nullptr; // object 1's "Only claps" box
    QLabel *lcPorogValue = nullptr;
    PictureButton *Sb_StartMic = nullptr;
    PictureButton *Sb_StopMic = nullptr;
};

} // namespace numbrook
