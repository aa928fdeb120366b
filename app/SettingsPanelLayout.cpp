// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

#include "SettingsPanelLayout.h"

#include "BitmapLists.h"
#include "MainControls.h"
#include "SkinWidgets.h"

#include <QCheckBox>
#include <QFrame>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <type_traits>

namespace numbrook {

namespace {

enum class Kind {
    Button,  // picture button
    Box,     // option box drawn as a picture
    Picture, // picture without a click
    Label,   // caption label
    Title,   // section title label
    Edit,    // read-only text over a field picture
    Track,   // vertical track bar
    Level,   // segmented level bar
    Check,   // plain check box (sound object panels)
    Input,   // editable number field (sound object panels)
};

// Where a built control goes in MainControls; `n` is the sound object the control belongs to
// (1 for the window's own controls). A control of an unexpected type stops the program at
// once, so a wrong table row cannot connect nothing unnoticed.
using Store = void (*)(MainControls &, int n, QWidget *);

template <typename Slot> void put(Slot &slot, QWidget *widget) {
    using T = std::remove_pointer_t<Slot>;
    slot = qobject_cast<T *>(widget);
    if (!slot) {
        qFatal("layout: %s has an unexpected type", qPrintable(widget->objectName()));
    }
}

template <auto Member> void field(MainControls &c, int, QWidget *widget) {
    put(c.*Member, widget);
}

template <auto Member, int Index> void element(MainControls &c, int, QWidget *widget) {
    put((c.*Member)[Index], widget);
}

// A control of sound object n's panel.
template <auto Member> void object(MainControls &c, int n, QWidget *widget) {
    put(c.objects[n].*Member, widget);
}

// Caption Lbl_<Index>_Obj<n>.
template <int Index> void objectLabel(MainControls &c, int n, QWidget *widget) {
    put(c.objectLabels[n][Index], widget);
}

using C = MainControls;
using P = SoundObjectPanel;
using Pic = ButtonPicture;

struct Control {
    const char *name;
    Kind kind;
    int x, y, w, h;
    Pic picture;      // for pictures and buttons
    const char *text; // for labels (UTF-8)
    Store store;      // null for a control the program never reaches
};

// Positions are client coordinates. Everything from y = 580 down lies outside the visible
// client area: it exists, keeps its handlers and is never seen.
const Control kLayout[] = {
    {"Sb_Results", Kind::Button, 678, 5, 22, 23, Pic::Results, "", &field<&C::Sb_Results>},
    {"Sb_Help", Kind::Button, 702, 5, 22, 23, Pic::Help, "", &field<&C::Sb_Help>},
    {"Sb_Internet", Kind::Button, 726, 5, 22, 23, Pic::Website, "", &field<&C::Sb_Internet>},
    {"Sb_Min", Kind::Button, 750, 5, 22, 23, Pic::Minimise, "", &field<&C::Sb_Min>},
    {"Sb_Close", Kind::Button, 774, 5, 22, 23, Pic::Close, "", &field<&C::Sb_Close>},

    {"Lbl_Title_1", Kind::Title, 24, 88, 0, 0, Pic::None, "Настройки вопросов",
     &element<&C::Lbl_Title, 1>},
    {"Lbl_Title_2", Kind::Title, 400, 88, 0, 0, Pic::None, "Настройки действий",
     &element<&C::Lbl_Title, 2>},
    {"Lbl_Title_3", Kind::Title, 24, 376, 0, 0, Pic::None, "Настройки дисплея",
     &element<&C::Lbl_Title, 3>},
    {"Lbl_Title_4", Kind::Title, 400, 376, 0, 0, Pic::None, "Настройки системы",
     &element<&C::Lbl_Title, 4>},

    {"Lbl_Title_Diff_Math", Kind::Label, 40, 120, 0, 0, Pic::None, "Сложность",
     &field<&C::Lbl_Title_Diff_Math>},
    {"Cb_1_Diff_Math", Kind::Box, 40, 140, 23, 23, Pic::BoxOff, "", &element<&C::Cb_Diff_Math, 1>},
    {"Cb_2_Diff_Math", Kind::Box, 40, 164, 23, 23, Pic::BoxOff, "", &element<&C::Cb_Diff_Math, 2>},
    {"Cb_3_Diff_Math", Kind::Box, 40, 188, 23, 23, Pic::BoxOff, "", &element<&C::Cb_Diff_Math, 3>},
    {"Lbl_1_Diff_Math", Kind::Label, 68, 144, 0, 0, Pic::None, "1", &element<&C::Lbl_Diff_Math, 1>},
    {"Lbl_2_Diff_Math", Kind::Label, 68, 168, 0, 0, Pic::None, "2", &element<&C::Lbl_Diff_Math, 2>},
    {"Lbl_3_Diff_Math", Kind::Label, 68, 192, 0, 0, Pic::None, "3", &element<&C::Lbl_Diff_Math, 3>},

    {"Lbl_Title_Speed_Math", Kind::Label, 140, 120, 0, 0, Pic::None, "Скорость",
     &field<&C::Lbl_Title_Speed_Math>},
    {"Sb_Speed_Math_Down", Kind::Button, 140, 140, 17, 21, Pic::ArrowLeft, "",
     &field<&C::Sb_Speed_Math_Down>},
    {"Img_Speed_Math_Fon", Kind::Picture, 158, 140, 72, 21, Pic::Field, "", nullptr},
    {"Edit_Speed_Math", Kind::Edit, 162, 144, 55, 13, Pic::None, "", &field<&C::Edit_Speed_Math>},
    {"Sb_Speed_Math_Up", Kind::Button, 231, 140, 17, 21, Pic::ArrowRight, "",
     &field<&C::Sb_Speed_Math_Up>},

    {"Lbl_Title_Znak_Math", Kind::Label, 300, 120, 0, 0, Pic::None, "Действия",
     &field<&C::Lbl_Title_Znak_Math>},
    {"Cb_1_Znak_Math", Kind::Box, 300, 140, 23, 23, Pic::BoxOff, "", &element<&C::Cb_Znak_Math, 1>},
    {"Lbl_1_Znak_Math", Kind::Label, 328, 144, 0, 0, Pic::None, "+ и -",
     &element<&C::Lbl_Znak_Math, 1>},
    {"Cb_2_Znak_Math", Kind::Box, 300, 164, 23, 23, Pic::BoxOff, "", &element<&C::Cb_Znak_Math, 2>},
    {"Lbl_2_Znak_Math", Kind::Label, 328, 168, 0, 0, Pic::None, "* и /",
     &element<&C::Lbl_Znak_Math, 2>},

    {"Cb_Practice_Math", Kind::Box, 300, 188, 23, 23, Pic::BoxOff, "",
     &field<&C::Cb_Practice_Math>},
    {"Lbl_Practice_Math", Kind::Label, 328, 192, 0, 0, Pic::None, "Тренировка",
     &field<&C::Lbl_Practice_Math>},
    {"Lbl_Practice_Note", Kind::Label, 300, 214, 0, 0, Pic::None, "только уровень 1",
     &field<&C::Lbl_Practice_Note>},
    {"Lbl_Title_Fluency_Time", Kind::Label, 140, 176, 0, 0, Pic::None, "Выучено, если за",
     &field<&C::Lbl_Title_Fluency_Time>},
    {"Sb_Fluency_Time_Down", Kind::Button, 140, 196, 17, 21, Pic::ArrowLeft, "",
     &field<&C::Sb_Fluency_Time_Down>},
    {"Img_Fluency_Time_Fon", Kind::Picture, 158, 196, 72, 21, Pic::Field, "", nullptr},
    {"Edit_Fluency_Time", Kind::Edit, 162, 200, 55, 13, Pic::None, "",
     &field<&C::Edit_Fluency_Time>},
    {"Sb_Fluency_Time_Up", Kind::Button, 231, 196, 17, 21, Pic::ArrowRight, "",
     &field<&C::Sb_Fluency_Time_Up>},
    {"Lbl_Title_Child", Kind::Label, 40, 236, 0, 0, Pic::None, "Ребёнок",
     &field<&C::Lbl_Title_Child>},
    {"Sb_Child_Down", Kind::Button, 40, 256, 17, 21, Pic::ArrowLeft, "", &field<&C::Sb_Child_Down>},
    {"Img_Child_Fon", Kind::Picture, 58, 256, 172, 21, Pic::Field, "", &field<&C::Img_Child_Fon>},
    {"Edit_Child", Kind::Edit, 62, 260, 164, 13, Pic::None, "", &field<&C::Edit_Child>},
    {"Sb_Child_Up", Kind::Button, 231, 256, 17, 21, Pic::ArrowRight, "", &field<&C::Sb_Child_Up>},

    {"Lbl_2_Obj1", Kind::Label, 420, 120, 0, 0, Pic::None, "Микрофон", &objectLabel<2>},
    {"Sb_Mic1_Up", Kind::Button, 420, 140, 17, 21, Pic::ArrowLeft, "",
     &object<&P::microphonePrevious>},
    {"Img_Mic1_Fon", Kind::Picture, 438, 140, 300, 21, Pic::Field, "", nullptr},
    {"edMic1", Kind::Edit, 442, 144, 286, 13, Pic::None, "", &object<&P::edMic>},
    {"Sb_Mic1_Down", Kind::Button, 740, 140, 17, 21, Pic::ArrowRight, "",
     &object<&P::microphoneNext>},
    {"Lbl_8_Obj1", Kind::Label, 420, 202, 0, 0, Pic::None, "Порог", &objectLabel<8>},
    {"Lbl_5_Obj1", Kind::Label, 500, 202, 0, 0, Pic::None, "Lvl", &objectLabel<5>},
    {"tbTrig1", Kind::Track, 420, 213, 20, 87, Pic::None, "", &object<&P::tbTrig>},
    {"tbMixerVol1", Kind::Track, 497, 213, 20, 87, Pic::None, "", &object<&P::tbMixerVol>},
    {"pbSig1", Kind::Level, 520, 219, 12, 75, Pic::None, "", &object<&P::pbSig>},
    {"Img_Porog1", Kind::Picture, 560, 246, 48, 48, Pic::LampOff, "", &field<&C::Img_Porog1>},
    {"lcPorogValue1", Kind::Label, 444, 284, 0, 0, Pic::None, "00", &object<&P::lcPorogValue>},

    {"Cb_Show_SPDIF", Kind::Box, 420, 166, 18, 18, Pic::SmallBoxOff, "", &field<&C::Cb_Show_SPDIF>},
    {"Lbl_Show_SPDIF", Kind::Label, 442, 168, 0, 0, Pic::None, "Показывать SPDIF",
     &field<&C::Lbl_Show_SPDIF>},
    {"Cb_ClapsOnly1", Kind::Box, 590, 166, 18, 18, Pic::SmallBoxOff, "", &object<&P::cbClapsOnly>},
    {"Lbl_ClapsOnly1", Kind::Label, 612, 168, 0, 0, Pic::None, "Только хлопки",
     &field<&C::Lbl_ClapsOnly1>},

    {"Lbl_Title_HotKey", Kind::Label, 420, 312, 0, 0, Pic::None, "Горячие клавиши",
     &field<&C::Lbl_Title_HotKey>},
    {"Sb_HotKey_Up", Kind::Button, 420, 332, 17, 21, Pic::ArrowLeft, "", &field<&C::Sb_HotKey_Up>},
    {"Img_HotKey_Fon", Kind::Picture, 438, 332, 92, 21, Pic::Field, "", nullptr},
    {"Edit_HotKey", Kind::Edit, 442, 336, 90, 13, Pic::None, "", &field<&C::Edit_HotKey>},
    {"Sb_HotKey_Down", Kind::Button, 531, 332, 17, 21, Pic::ArrowRight, "",
     &field<&C::Sb_HotKey_Down>},
    {"Img_HotKey", Kind::Picture, 560, 304, 48, 48, Pic::LampOff, "", &field<&C::Img_HotKey>},

    {"Lbl_Title_Screen_Res", Kind::Label, 40, 406, 0, 0, Pic::None, "Разрешение",
     &field<&C::Lbl_Title_Screen_Res>},
    {"Cb_1_Screen_Res", Kind::Box, 40, 426, 23, 23, Pic::BoxOff, "",
     &element<&C::Cb_Screen_Res, 1>},
    {"Lbl_1_Screen_Res", Kind::Label, 68, 430, 0, 0, Pic::None, "800х600",
     &element<&C::Lbl_Screen_Res, 1>},
    {"Cb_2_Screen_Res", Kind::Box, 40, 450, 23, 23, Pic::BoxOff, "",
     &element<&C::Cb_Screen_Res, 2>},
    {"Lbl_2_Screen_Res", Kind::Label, 68, 454, 0, 0, Pic::None, "FullScreen",
     &element<&C::Lbl_Screen_Res, 2>},
    {"Cb_Show_Points", Kind::Box, 196, 426, 18, 18, Pic::SmallBoxOff, "",
     &field<&C::Cb_Show_Points>},
    {"Lbl_Show_Points", Kind::Label, 218, 428, 0, 0, Pic::None, "Баллы",
     &field<&C::Lbl_Show_Points>},
    {"Cb_Show_Otvet_Mode", Kind::Box, 196, 450, 18, 18, Pic::SmallBoxOff, "",
     &field<&C::Cb_Show_Otvet_Mode>},
    {"Lbl_Show_Otvet_Mode", Kind::Label, 218, 452, 0, 0, Pic::None, "Подсказка",
     &field<&C::Lbl_Show_Otvet_Mode>},
    {"Cb_Large_Text", Kind::Box, 300, 450, 18, 18, Pic::SmallBoxOff, "", &field<&C::Cb_Large_Text>},
    {"Lbl_Large_Text", Kind::Label, 320, 452, 0, 0, Pic::None, "Крупный текст",
     &field<&C::Lbl_Large_Text>},
    {"Cb_School_Notation", Kind::Box, 300, 426, 18, 18, Pic::SmallBoxOff, "",
     &field<&C::Cb_School_Notation>},
    {"Lbl_School_Notation", Kind::Label, 320, 428, 0, 0, Pic::None, "Школьные знаки",
     &field<&C::Lbl_School_Notation>},
    {"Lbl_3_Screen", Kind::Label, 40, 482, 0, 0, Pic::None, "*ESC - закрыть дисплей",
     &field<&C::Lbl_3_Screen>},

    {"Lbl_Lang", Kind::Label, 420, 448, 0, 0, Pic::None, "Интерфейс:", &field<&C::Lbl_Lang>},
    {"Sb_Lang_Up", Kind::Button, 420, 468, 17, 21, Pic::ArrowLeft, "", &field<&C::Sb_Lang_Up>},
    {"Img_Lang_Fon", Kind::Picture, 438, 468, 92, 21, Pic::Field, "", nullptr},
    {"Edit_Lang", Kind::Edit, 442, 472, 90, 14, Pic::None, "", &field<&C::Edit_Lang>},
    {"Sb_Lang_Down", Kind::Button, 531, 468, 17, 21, Pic::ArrowRight, "", &field<&C::Sb_Lang_Down>},

    {"Sb_Start", Kind::Button, 32, 510, 164, 50, Pic::Start, "", &field<&C::Sb_Start>},

    // Below the visible area.
    {"Cb_3_Znak_Math", Kind::Box, 300, 600, 23, 23, Pic::BoxOff, "", &element<&C::Cb_Znak_Math, 3>},
    {"Lbl_3_Znak_Math", Kind::Label, 328, 604, 0, 0, Pic::None, "> и <",
     &element<&C::Lbl_Znak_Math, 3>},
    {"Cb_4_Znak_Math", Kind::Box, 300, 624, 23, 23, Pic::BoxOff, "", &element<&C::Cb_Znak_Math, 4>},
    {"Lbl_4_Znak_Math", Kind::Label, 328, 628, 0, 0, Pic::None, "1/2",
     &element<&C::Lbl_Znak_Math, 4>},
    {"Cb_5_Znak_Math", Kind::Box, 300, 648, 23, 23, Pic::BoxOff, "", &element<&C::Cb_Znak_Math, 5>},
    {"Lbl_5_Znak_Math", Kind::Label, 328, 652, 0, 0, Pic::None, "3.5",
     &element<&C::Lbl_Znak_Math, 5>},
    {"Cb_6_Znak_Math", Kind::Box, 300, 672, 23, 23, Pic::BoxOff, "", &element<&C::Cb_Znak_Math, 6>},
    {"Lbl_6_Znak_Math", Kind::Label, 328, 676, 0, 0, Pic::None, "ln",
     &element<&C::Lbl_Znak_Math, 6>},
    {"Cb_7_Znak_Math", Kind::Box, 300, 696, 23, 23, Pic::BoxOff, "", &element<&C::Cb_Znak_Math, 7>},
    {"Lbl_7_Znak_Math", Kind::Label, 328, 700, 0, 0, Pic::None, "log",
     &element<&C::Lbl_Znak_Math, 7>},
    {"Cb_8_Znak_Math", Kind::Box, 300, 720, 23, 23, Pic::BoxOff, "", &element<&C::Cb_Znak_Math, 8>},
    {"Lbl_8_Znak_Math", Kind::Label, 328, 724, 0, 0, Pic::None, "!",
     &element<&C::Lbl_Znak_Math, 8>},
    {"Cb_9_Znak_Math", Kind::Box, 300, 744, 23, 23, Pic::BoxOff, "", &element<&C::Cb_Znak_Math, 9>},
    {"Lbl_9_Znak_Math", Kind::Label, 328, 748, 0, 0, Pic::None, "sin и cos",
     &element<&C::Lbl_Znak_Math, 9>},
    {"Cb_10_Znak_Math", Kind::Box, 300, 768, 23, 23, Pic::BoxOff, "",
     &element<&C::Cb_Znak_Math, 10>},
    {"Lbl_10_Znak_Math", Kind::Label, 328, 772, 0, 0, Pic::None, "tg и ctg",
     &element<&C::Lbl_Znak_Math, 10>},
    {"Cb_MinFormShow", Kind::Box, 420, 600, 23, 23, Pic::BoxOff, "", &field<&C::Cb_MinFormShow>},
    {"Lbl_MinFormShow", Kind::Label, 448, 604, 0, 0, Pic::None, "Минимизация",
     &field<&C::Lbl_MinFormShow>},
    {"Cb_AutoRun", Kind::Box, 420, 624, 23, 23, Pic::BoxOff, "", &field<&C::Cb_AutoRun>},
    {"Lbl_AutoRun", Kind::Label, 448, 628, 0, 0, Pic::None, "Автозапуск", &field<&C::Lbl_AutoRun>},
    {"Cb_HintShow", Kind::Box, 420, 648, 23, 23, Pic::BoxOff, "", &field<&C::Cb_HintShow>},
    {"Lbl_HintShow", Kind::Label, 448, 652, 0, 0, Pic::None, "Показывать подсказки",
     &field<&C::Lbl_HintShow>},
    {"laThreadCnt", Kind::Label, 24, 600, 0, 0, Pic::None,
     "Количество потоков Out: ", &field<&C::laThreadCnt>},
    {"laThreadInCnt", Kind::Label, 24, 620, 0, 0, Pic::None,
     "Количество потоков In:  ", &field<&C::laThreadInCnt>},
};

// The controls of each sound object panel on PageControl1; %1 is the object number. The
// playback side sits on Panel_Obj<n>, the microphone side on its inner panel Panel_Obj<n>_1.
// Object 1's microphone controls (and its hidden answer box) are on the window itself, so
// `mainForObject1` leaves them out of panel 1.
struct PanelControl {
    const char *name;
    Kind kind;
    bool microphoneSide;
    bool mainForObject1;
    int x, y, w, h;
    Pic picture;
    const char *text;
    Store store;
};
const PanelControl kPanelLayout[] = {
    {"Lbl_1_Obj%1", Kind::Label, false, false, 8, 8, 0, 0, Pic::None, "Звуковка", &objectLabel<1>},
    {"Sb_Obj%1_Up", Kind::Button, false, false, 8, 28, 17, 21, Pic::ArrowLeft, "",
     &object<&P::outputPrevious>},
    {"edObj%1", Kind::Edit, false, false, 28, 32, 260, 13, Pic::None, "", &object<&P::edObj>},
    {"Sb_Obj%1_Down", Kind::Button, false, false, 292, 28, 17, 21, Pic::ArrowRight, "",
     &object<&P::outputNext>},
    {"Lbl_3_Obj%1", Kind::Label, false, false, 12, 60, 0, 0, Pic::None, "Л", &objectLabel<3>},
    {"Lbl_4_Obj%1", Kind::Label, false, false, 44, 60, 0, 0, Pic::None, "П", &objectLabel<4>},
    {"tbVL%1", Kind::Track, false, false, 8, 78, 20, 87, Pic::None, "", &object<&P::tbVL>},
    {"tbVR%1", Kind::Track, false, false, 40, 78, 20, 87, Pic::None, "", &object<&P::tbVR>},
    {"pbL%1", Kind::Level, false, false, 72, 84, 12, 75, Pic::None, "", &object<&P::pbL>},
    {"pbR%1", Kind::Level, false, false, 90, 84, 12, 75, Pic::None, "", &object<&P::pbR>},
    {"Lbl_6_Obj%1", Kind::Label, false, false, 120, 60, 0, 0, Pic::None, "Внешний файл",
     &objectLabel<6>},
    {"cbPlayFromFile%1", Kind::Check, false, false, 120, 80, 160, 20, Pic::None, "Внешний файл",
     &object<&P::cbPlayFromFile>},
    {"cbLoop%1", Kind::Check, false, false, 120, 104, 160, 20, Pic::None, "Loop",
     &object<&P::cbLoop>},
    {"Sb_File%1_Up", Kind::Button, false, false, 120, 130, 17, 21, Pic::ArrowLeft, "",
     &object<&P::filePrevious>},
    {"edFile%1", Kind::Edit, false, false, 140, 134, 150, 13, Pic::None, "", &object<&P::edFile>},
    {"Sb_File%1_Down", Kind::Button, false, false, 294, 130, 17, 21, Pic::ArrowRight, "",
     &object<&P::fileNext>},
    {"Sb_StartPlay_Obj%1", Kind::Button, false, false, 120, 160, 82, 25, Pic::Start, "",
     &object<&P::Sb_StartPlay>},
    {"Sb_StopPlay_Obj%1", Kind::Button, false, false, 210, 160, 82, 25, Pic::Start, "",
     &object<&P::Sb_StopPlay>},

    {"Lbl_2_Obj%1", Kind::Label, true, true, 8, 8, 0, 0, Pic::None, "Микрофон", &objectLabel<2>},
    {"Sb_Mic%1_Up", Kind::Button, true, true, 8, 28, 17, 21, Pic::ArrowLeft, "",
     &object<&P::microphonePrevious>},
    {"edMic%1", Kind::Edit, true, true, 28, 32, 260, 13, Pic::None, "", &object<&P::edMic>},
    {"Sb_Mic%1_Down", Kind::Button, true, true, 292, 28, 17, 21, Pic::ArrowRight, "",
     &object<&P::microphoneNext>},
    {"Lbl_8_Obj%1", Kind::Label, true, true, 8, 60, 0, 0, Pic::None, "Порог", &objectLabel<8>},
    {"Lbl_5_Obj%1", Kind::Label, true, true, 60, 60, 0, 0, Pic::None, "Lvl", &objectLabel<5>},
    {"tbTrig%1", Kind::Track, true, true, 8, 78, 20, 87, Pic::None, "", &object<&P::tbTrig>},
    {"tbMixerVol%1", Kind::Track, true, true, 60, 78, 20, 87, Pic::None, "",
     &object<&P::tbMixerVol>},
    {"pbSig%1", Kind::Level, true, true, 90, 84, 12, 75, Pic::None, "", &object<&P::pbSig>},
    {"lcPorogValue%1", Kind::Label, true, true, 8, 170, 0, 0, Pic::None, "00",
     &object<&P::lcPorogValue>},
    {"Lbl_7_Obj%1", Kind::Label, true, false, 130, 60, 0, 0, Pic::None, "Задержка",
     &objectLabel<7>},
    {"edDelay%1", Kind::Input, true, false, 130, 80, 40, 18, Pic::None, "", &object<&P::edDelay>},
    {"cbPorog%1", Kind::Check, true, true, 130, 110, 80, 20, Pic::None, "Rec",
     &object<&P::cbPorog>},
    {"Sb_StartMic_Obj%1", Kind::Button, true, false, 130, 140, 82, 25, Pic::Start, "",
     &object<&P::Sb_StartMic>},
    {"Sb_StopMic_Obj%1", Kind::Button, true, false, 220, 140, 82, 25, Pic::Start, "",
     &object<&P::Sb_StopMic>},
};

QWidget *createPicture(const BitmapList &list, Kind kind, Pic picture, QWidget *parent) {
    auto *button = new PictureButton(list, parent);
    button->setPicture(picture);
    button->setRole(kind == Kind::Button ? PictureButton::Role::Button
                    : kind == Kind::Box  ? PictureButton::Role::Box
                                         : PictureButton::Role::Picture);
    if (kind != Kind::Picture) {
        button->setCursor(Qt::PointingHandCursor);
    }
    return button;
}

SkinLabel *createLabel(Kind kind, const QString &text, QWidget *parent) {
    auto *label = new SkinLabel(text, parent);
    label->setFont(kind == Kind::Title ? SkinFont(15, true) : SkinFont(12, true));
    label->setTextColor(kind == Kind::Title ? QColor(0xF0, 0xB9, 0x26) : QColor(0xF2, 0xF6, 0xFC));
    return label;
}

QWidget *createEdit(Kind kind, QWidget *parent) {
    auto *edit = new QLineEdit(parent);
    edit->setReadOnly(kind == Kind::Edit);
    edit->setFrame(kind == Kind::Input);
    edit->setFont(SkinFont(11, true));
    edit->setAlignment(Qt::AlignCenter);
    if (kind == Kind::Edit) {
        // A text on the panel, not a field: no background of its own.
        edit->setFocusPolicy(Qt::NoFocus);
        QPalette palette = edit->palette();
        palette.setColor(QPalette::Base, Qt::transparent);
        palette.setColor(QPalette::Text, QColor(0x15, 0x3A, 0x6B));
        edit->setPalette(palette);
    }
    return edit;
}

// One control of a table row, named, placed and stored where the program reaches it.
template <typename Row>
void createControl(const Row &row, const BitmapList &pictures, MainControls &c, int n,
                   const QString &name, QWidget *parent) {
    const QString text = QString::fromUtf8(row.text);
    QWidget *widget = nullptr;
    switch (row.kind) {
    case Kind::Button:
    case Kind::Box:
    case Kind::Picture:
        widget = createPicture(pictures, row.kind, row.picture, parent);
        break;
    case Kind::Label:
    case Kind::Title: {
        SkinLabel *label = createLabel(row.kind, text, parent);
        c.captions.push_back(label);
        widget = label;
        break;
    }
    case Kind::Edit:
    case Kind::Input:
        widget = createEdit(row.kind, parent);
        break;
    case Kind::Check:
        widget = new QCheckBox(text, parent);
        break;
    case Kind::Track:
        widget = new TrackBar(parent);
        break;
    case Kind::Level:
        widget = new LevelBar(parent);
        break;
    }
    widget->setObjectName(name);
    if (row.w > 0) {
        widget->setGeometry(row.x, row.y, row.w, row.h);
    } else {
        // A caption (the only control without a size in the tables) takes the size of its
        // text when the window's language is applied, before the window is first shown.
        widget->move(row.x, row.y);
    }
    if (row.store) {
        row.store(c, n, widget);
    }
}

// The starting values of sound object n's controls until its settings are loaded. The delay
// field starts at 1 second for object 1 and 3 for the others.
void setObjectDefaults(const SoundObjectPanel &panel, int n) {
    panel.edDelay->setText(n == 1 ? QStringLiteral("1") : QStringLiteral("3"));
    panel.tbVL->setRange(0, 100);
    panel.tbVR->setRange(0, 100);
    panel.tbTrig->setRange(0, 128);
    panel.tbMixerVol->setRange(0, 100);
    panel.pbSig->setSegments(18);
}

} // namespace

SettingsPanelLayout::SettingsPanelLayout(QWidget &window, const BitmapList &pictures,
                                         MainControls &controls)
    : window_(window), pictures_(pictures), c_(controls) {}

void SettingsPanelLayout::buildPanel() const {
    for (const Control &row : kLayout) {
        createControl(row, pictures_, c_, 1, QString::fromLatin1(row.name), &window_);
    }
    buildTitle();
}

void SettingsPanelLayout::buildTitle() const {
    auto *title = new SkinLabel(QStringLiteral("Numbrook"), &window_);
    auto *shadow = new SkinLabel(QStringLiteral("Numbrook"), &window_);
    shadow->setObjectName(QStringLiteral("Label_Title_Name_Shadow"));
    title->setObjectName(QStringLiteral("Label_Title_Name"));
    // Verdana 27 px; a wider stand-in for Verdana is made smaller until the name fits the
    // designed 137 pixels.
    QFont font = SkinFont(27);
    while (font.pixelSize() > 20 &&
           QFontMetrics(font).boundingRect(title->text()).right() + 3 > 137) {
        font.setPixelSize(font.pixelSize() - 1);
    }
    for (SkinLabel *label : {shadow, title}) {
        label->setFont(font);
    }
    shadow->setTextColor(QColor(0xC5, 0x60, 0x0E));
    title->setTextColor(QColor(0xF0, 0xB9, 0x26));
    shadow->setGeometry(9, 3, 137, 34);
    title->setGeometry(8, 2, 137, 34);
    shadow->lower();

    auto *indicatorPanel = new ColourPanel(QColor(0x10, 0x28, 0x4A), &window_);
    indicatorPanel->setObjectName(QStringLiteral("Panel_Indicator_Play"));
    indicatorPanel->setGeometry(750, 37, 22, 9);
    c_.Indicator_Play = new ColourPanel(QColor(0, 128, 192), indicatorPanel);
    c_.Indicator_Play->setObjectName(QStringLiteral("Indicator_Play"));
    c_.Indicator_Play->setGeometry(1, 1, 20, 7);
}

void SettingsPanelLayout::buildObjectPages() const {
    auto *pages = new QTabWidget(&window_);
    pages->setObjectName(QStringLiteral("PageControl1"));
    c_.PageControl1 = pages;
    pages->setGeometry(16, 810, 774, 330);
    // Nobody sees these pages: they take a font the visible panel has loaded already, since
    // each further font size costs a font engine before the first paint.
    pages->setFont(SkinFont(11, true));
    for (int n = kFirstSoundObject; n <= kLastSoundObject; ++n) {
        auto *sheet = new QWidget;
        sheet->setObjectName(QStringLiteral("TabSheet%1").arg(n));
        auto *panel = new QFrame(sheet);
        panel->setObjectName(QStringLiteral("Panel_Obj%1").arg(n));
        panel->setGeometry(0, 0, 770, 300);
        auto *microphone = new QFrame(panel);
        microphone->setObjectName(QStringLiteral("Panel_Obj%1_1").arg(n));
        microphone->setGeometry(380, 0, 390, 300);
        pages->addTab(sheet, QString::number(n));
    }
    buildObjectPage(kFirstSoundObject);
}

void SettingsPanelLayout::buildObjectPage(int n) const {
    auto *panel = c_.PageControl1->findChild<QFrame *>(QStringLiteral("Panel_Obj%1").arg(n));
    auto *microphone = panel->findChild<QFrame *>(QStringLiteral("Panel_Obj%1_1").arg(n));
    for (const PanelControl &row : kPanelLayout) {
        if (n == 1 && row.mainForObject1) {
            continue;
        }
        createControl(row, pictures_, c_, n, QString::fromLatin1(row.name).arg(n),
                      row.microphoneSide ? microphone : panel);
    }
    setObjectDefaults(c_.objects[n], n);
}

HiddenControls SettingsPanelLayout::buildHiddenControls() const {
    auto *Memo1 = new QPlainTextEdit(&window_);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setReadOnly(true);
    Memo1->setGeometry(16, 1150, 774, 200);
    Memo1->setFont(SkinFont(11, true));
    Memo1->setPlainText(QStringLiteral("Memo1"));

    auto *cbPorog1 = new QCheckBox(QStringLiteral("Хлоп"), &window_);
    cbPorog1->setObjectName(QStringLiteral("cbPorog1"));
    auto *cbHotKey1 = new QCheckBox(QStringLiteral("Клац"), &window_);
    cbHotKey1->setObjectName(QStringLiteral("cbHotKey1"));
    for (QCheckBox *box : {cbPorog1, cbHotKey1}) {
        box->setGeometry(600, 600, 80, 20);
        box->hide();
    }
    return {Memo1, cbPorog1, cbHotKey1};
}

void SettingsPanelLayout::hideControlsBelowTheWindow() const {
    // The controls below the client area exist and keep their handlers, but nobody sees them:
    // hidden, a screen reader does not report them as showing either.
    for (QWidget *widget : window_.findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (widget->y() >= window_.height()) {
            widget->hide();
        }
    }
}

void SettingsPanelLayout::keepFocusOffBelow() const {
    const auto below = [this](QWidget *widget) {
        return widget->mapTo(&window_, QPoint(0, 0)).y() >= window_.height();
    };
    for (QWidget *widget : window_.findChildren<QWidget *>()) {
        if (below(widget) || (widget->parentWidget() && below(widget->parentWidget()))) {
            widget->setFocusPolicy(Qt::NoFocus);
        }
    }
}

void SettingsPanelLayout::setKeyboardOrder() const {
    keepFocusOffBelow();
    const SoundObjectPanel &objectOne = c_.objects[1];
    // The four sections column by column, each from the top down, then Start.
    const std::vector<QWidget *> order = {
        c_.Sb_Results,
        c_.Sb_Help,
        c_.Sb_Internet,
        c_.Sb_Min,
        c_.Sb_Close,
        c_.Cb_Diff_Math[1],
        c_.Cb_Diff_Math[2],
        c_.Cb_Diff_Math[3],
        c_.Sb_Speed_Math_Down,
        c_.Sb_Speed_Math_Up,
        c_.Cb_Znak_Math[1],
        c_.Cb_Znak_Math[2],
        objectOne.microphonePrevious,
        objectOne.microphoneNext,
        c_.Cb_Show_SPDIF,
        objectOne.cbClapsOnly,
        objectOne.tbTrig,
        objectOne.tbMixerVol,
        c_.Sb_HotKey_Up,
        c_.Sb_HotKey_Down,
        c_.Cb_Screen_Res[1],
        c_.Cb_Screen_Res[2],
        c_.Cb_Show_Points,
        c_.Cb_Show_Otvet_Mode,
        c_.Cb_Large_Text,
        c_.Sb_Lang_Up,
        c_.Sb_Lang_Down,
        c_.Sb_Start,
    };
    for (std::size_t i = 1; i < order.size(); ++i) {
        QWidget::setTabOrder(order[i - 1], order[i]);
    }
}

} // namespace numbrook
