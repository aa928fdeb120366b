// The main window's controls: one table with every control's name, kind, place and picture.
#include "MainForm.h"

#include "BitmapLists.h"
#include "SkinWidgets.h"

#include <QCheckBox>
#include <QFrame>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabWidget>

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

struct Control {
    const char *name;
    Kind kind;
    int x, y, w, h;
    int picture;      // for pictures and buttons
    const char *text; // for labels (UTF-8)
};

// Positions are client coordinates. Everything from y = 580 down lies outside the visible
// client area: it exists, keeps its handlers and is never seen.
const Control kLayout[] = {
    {"Sb_Help", Kind::Button, 702, 5, 22, 23, 1, ""},
    {"Sb_Internet", Kind::Button, 726, 5, 22, 23, 3, ""},
    {"Sb_Min", Kind::Button, 750, 5, 22, 23, 5, ""},
    {"Sb_Close", Kind::Button, 774, 5, 22, 23, 7, ""},

    {"Lbl_Title_1", Kind::Title, 24, 88, 0, 0, -1, "Настройки вопросов"},
    {"Lbl_Title_2", Kind::Title, 400, 88, 0, 0, -1, "Настройки действий"},
    {"Lbl_Title_3", Kind::Title, 24, 376, 0, 0, -1, "Настройки дисплея"},
    {"Lbl_Title_4", Kind::Title, 400, 376, 0, 0, -1, "Настройки системы"},

    {"Lbl_Title_Diff_Math", Kind::Label, 40, 120, 0, 0, -1, "Сложность"},
    {"Cb_1_Diff_Math", Kind::Box, 40, 140, 23, 23, 21, ""},
    {"Cb_2_Diff_Math", Kind::Box, 40, 164, 23, 23, 21, ""},
    {"Cb_3_Diff_Math", Kind::Box, 40, 188, 23, 23, 21, ""},
    {"Lbl_1_Diff_Math", Kind::Label, 68, 144, 0, 0, -1, "1"},
    {"Lbl_2_Diff_Math", Kind::Label, 68, 168, 0, 0, -1, "2"},
    {"Lbl_3_Diff_Math", Kind::Label, 68, 192, 0, 0, -1, "3"},

    {"Lbl_Title_Speed_Math", Kind::Label, 140, 120, 0, 0, -1, "Скорость"},
    {"Sb_Speed_Math_Down", Kind::Button, 140, 140, 17, 21, 52, ""},
    {"Img_Speed_Math_Fon", Kind::Picture, 158, 140, 72, 21, 54, ""},
    {"Edit_Speed_Math", Kind::Edit, 162, 144, 55, 13, -1, ""},
    {"Sb_Speed_Math_Up", Kind::Button, 231, 140, 17, 21, 50, ""},

    {"Lbl_Title_Znak_Math", Kind::Label, 300, 120, 0, 0, -1, "Действия"},
    {"Cb_1_Znak_Math", Kind::Box, 300, 140, 23, 23, 21, ""},
    {"Lbl_1_Znak_Math", Kind::Label, 328, 144, 0, 0, -1, "+ и -"},
    {"Cb_2_Znak_Math", Kind::Box, 300, 164, 23, 23, 21, ""},
    {"Lbl_2_Znak_Math", Kind::Label, 328, 168, 0, 0, -1, "* и /"},

    {"Lbl_2_Obj1", Kind::Label, 420, 120, 0, 0, -1, "Микрофон"},
    {"Sb_Mic1_Up", Kind::Button, 420, 140, 17, 21, 52, ""},
    {"Img_Mic1_Fon", Kind::Picture, 438, 140, 300, 21, 54, ""},
    {"edMic1", Kind::Edit, 442, 144, 286, 13, -1, ""},
    {"Sb_Mic1_Down", Kind::Button, 740, 140, 17, 21, 50, ""},
    {"Lbl_8_Obj1", Kind::Label, 420, 202, 0, 0, -1, "Порог"},
    {"Lbl_5_Obj1", Kind::Label, 500, 202, 0, 0, -1, "Lvl"},
    {"tbTrig1", Kind::Track, 420, 213, 20, 87, -1, ""},
    {"tbMixerVol1", Kind::Track, 497, 213, 20, 87, -1, ""},
    {"pbSig1", Kind::Level, 520, 219, 12, 75, -1, ""},
    {"Img_Porog1", Kind::Picture, 560, 246, 48, 48, 59, ""},
    {"lcPorogValue1", Kind::Label, 444, 284, 0, 0, -1, "00"},

    {"Cb_Show_SPDIF", Kind::Box, 420, 166, 18, 18, 36, ""},
    {"Lbl_Show_SPDIF", Kind::Label, 442, 168, 0, 0, -1, "Показывать SPDIF"},

    {"Lbl_Title_HotKey", Kind::Label, 420, 312, 0, 0, -1, "Горячие клавиши"},
    {"Sb_HotKey_Up", Kind::Button, 420, 332, 17, 21, 52, ""},
    {"Img_HotKey_Fon", Kind::Picture, 438, 332, 92, 21, 54, ""},
    {"Edit_HotKey", Kind::Edit, 442, 336, 90, 13, -1, ""},
    {"Sb_HotKey_Down", Kind::Button, 531, 332, 17, 21, 50, ""},
    {"Img_HotKey", Kind::Picture, 560, 304, 48, 48, 59, ""},

    {"Lbl_Title_Screen_Res", Kind::Label, 40, 406, 0, 0, -1, "Разрешение"},
    {"Cb_1_Screen_Res", Kind::Box, 40, 426, 23, 23, 21, ""},
    {"Lbl_1_Screen_Res", Kind::Label, 68, 430, 0, 0, -1, "800х600"},
    {"Cb_2_Screen_Res", Kind::Box, 40, 450, 23, 23, 21, ""},
    {"Lbl_2_Screen_Res", Kind::Label, 68, 454, 0, 0, -1, "FullScreen"},
    {"Cb_Show_Points", Kind::Box, 196, 426, 18, 18, 36, ""},
    {"Lbl_Show_Points", Kind::Label, 218, 428, 0, 0, -1, "Баллы"},
    {"Cb_Show_Otvet_Mode", Kind::Box, 196, 450, 18, 18, 36, ""},
    {"Lbl_Show_Otvet_Mode", Kind::Label, 218, 452, 0, 0, -1, "Подсказка"},
    {"Lbl_3_Screen", Kind::Label, 40, 482, 0, 0, -1, "*ESC - закрыть дисплей"},

    {"Lbl_Lang", Kind::Label, 420, 448, 0, 0, -1, "Интерфейс:"},
    {"Sb_Lang_Up", Kind::Button, 420, 468, 17, 21, 52, ""},
    {"Img_Lang_Fon", Kind::Picture, 438, 468, 92, 21, 54, ""},
    {"Edit_Lang", Kind::Edit, 442, 472, 90, 14, -1, ""},
    {"Sb_Lang_Down", Kind::Button, 531, 468, 17, 21, 50, ""},

    {"Sb_Start", Kind::Button, 32, 510, 164, 50, 57, ""},

    // Below the visible area.
    {"Cb_3_Znak_Math", Kind::Box, 300, 600, 23, 23, 21, ""},
    {"Lbl_3_Znak_Math", Kind::Label, 328, 604, 0, 0, -1, "> и <"},
    {"Cb_4_Znak_Math", Kind::Box, 300, 624, 23, 23, 21, ""},
    {"Lbl_4_Znak_Math", Kind::Label, 328, 628, 0, 0, -1, "1/2"},
    {"Cb_5_Znak_Math", Kind::Box, 300, 648, 23, 23, 21, ""},
    {"Lbl_5_Znak_Math", Kind::Label, 328, 652, 0, 0, -1, "3.5"},
    {"Cb_6_Znak_Math", Kind::Box, 300, 672, 23, 23, 21, ""},
    {"Lbl_6_Znak_Math", Kind::Label, 328, 676, 0, 0, -1, "ln"},
    {"Cb_7_Znak_Math", Kind::Box, 300, 696, 23, 23, 21, ""},
    {"Lbl_7_Znak_Math", Kind::Label, 328, 700, 0, 0, -1, "log"},
    {"Cb_8_Znak_Math", Kind::Box, 300, 720, 23, 23, 21, ""},
    {"Lbl_8_Znak_Math", Kind::Label, 328, 724, 0, 0, -1, "!"},
    {"Cb_9_Znak_Math", Kind::Box, 300, 744, 23, 23, 21, ""},
    {"Lbl_9_Znak_Math", Kind::Label, 328, 748, 0, 0, -1, "sin и cos"},
    {"Cb_10_Znak_Math", Kind::Box, 300, 768, 23, 23, 21, ""},
    {"Lbl_10_Znak_Math", Kind::Label, 328, 772, 0, 0, -1, "tg и ctg"},
    {"Cb_MinFormShow", Kind::Box, 420, 600, 23, 23, 21, ""},
    {"Lbl_MinFormShow", Kind::Label, 448, 604, 0, 0, -1, "Минимизация"},
    {"Cb_AutoRun", Kind::Box, 420, 624, 23, 23, 21, ""},
    {"Lbl_AutoRun", Kind::Label, 448, 628, 0, 0, -1, "Автозапуск"},
    {"Cb_HintShow", Kind::Box, 420, 648, 23, 23, 21, ""},
    {"Lbl_HintShow", Kind::Label, 448, 652, 0, 0, -1, "Показывать подсказки"},
    {"laThreadCnt", Kind::Label, 24, 600, 0, 0, -1, "Количество потоков Out: "},
    {"laThreadInCnt", Kind::Label, 24, 620, 0, 0, -1, "Количество потоков In:  "},
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
    int picture;
    const char *text;
};
const PanelControl kPanelLayout[] = {
    {"Lbl_1_Obj%1", Kind::Label, false, false, 8, 8, 0, 0, -1, "Звуковка"},
    {"Sb_Obj%1_Up", Kind::Button, false, false, 8, 28, 17, 21, 52, ""},
    {"edObj%1", Kind::Edit, false, false, 28, 32, 260, 13, -1, ""},
    {"Sb_Obj%1_Down", Kind::Button, false, false, 292, 28, 17, 21, 50, ""},
    {"Lbl_3_Obj%1", Kind::Label, false, false, 12, 60, 0, 0, -1, "Л"},
    {"Lbl_4_Obj%1", Kind::Label, false, false, 44, 60, 0, 0, -1, "П"},
    {"tbVL%1", Kind::Track, false, false, 8, 78, 20, 87, -1, ""},
    {"tbVR%1", Kind::Track, false, false, 40, 78, 20, 87, -1, ""},
    {"pbL%1", Kind::Level, false, false, 72, 84, 12, 75, -1, ""},
    {"pbR%1", Kind::Level, false, false, 90, 84, 12, 75, -1, ""},
    {"Lbl_6_Obj%1", Kind::Label, false, false, 120, 60, 0, 0, -1, "Внешний файл"},
    {"cbPlayFromFile%1", Kind::Check, false, false, 120, 80, 160, 20, -1, "Внешний файл"},
    {"cbLoop%1", Kind::Check, false, false, 120, 104, 160, 20, -1, "Loop"},
    {"Sb_File%1_Up", Kind::Button, false, false, 120, 130, 17, 21, 52, ""},
    {"edFile%1", Kind::Edit, false, false, 140, 134, 150, 13, -1, ""},
    {"Sb_File%1_Down", Kind::Button, false, false, 294, 130, 17, 21, 50, ""},
    {"Sb_StartPlay_Obj%1", Kind::Button, false, false, 120, 160, 82, 25, 57, ""},
    {"Sb_StopPlay_Obj%1", Kind::Button, false, false, 210, 160, 82, 25, 57, ""},

    {"Lbl_2_Obj%1", Kind::Label, true, true, 8, 8, 0, 0, -1, "Микрофон"},
    {"Sb_Mic%1_Up", Kind::Button, true, true, 8, 28, 17, 21, 52, ""},
    {"edMic%1", Kind::Edit, true, true, 28, 32, 260, 13, -1, ""},
    {"Sb_Mic%1_Down", Kind::Button, true, true, 292, 28, 17, 21, 50, ""},
    {"Lbl_8_Obj%1", Kind::Label, true, true, 8, 60, 0, 0, -1, "Порог"},
    {"Lbl_5_Obj%1", Kind::Label, true, true, 60, 60, 0, 0, -1, "Lvl"},
    {"tbTrig%1", Kind::Track, true, true, 8, 78, 20, 87, -1, ""},
    {"tbMixerVol%1", Kind::Track, true, true, 60, 78, 20, 87, -1, ""},
    {"pbSig%1", Kind::Level, true, true, 90, 84, 12, 75, -1, ""},
    {"lcPorogValue%1", Kind::Label, true, true, 8, 170, 0, 0, -1, "00"},
    {"Lbl_7_Obj%1", Kind::Label, true, false, 130, 60, 0, 0, -1, "Задержка"},
    {"edDelay%1", Kind::Input, true, false, 130, 80, 40, 18, -1, ""},
    {"cbPorog%1", Kind::Check, true, true, 130, 110, 80, 20, -1, "Rec"},
    {"Sb_StartMic_Obj%1", Kind::Button, true, false, 130, 140, 82, 25, 57, ""},
    {"Sb_StopMic_Obj%1", Kind::Button, true, false, 220, 140, 82, 25, 57, ""},
};

QFont verdana(int pixelSize, bool bold = false) {
    QFont font(QStringLiteral("Verdana"));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

} // namespace

QWidget *TfmMain::createControl(int kindValue, const QString &name, const QString &text,
                                int picture, QWidget *parent) {
    const auto kind = Kind(kindValue);
    QWidget *widget = nullptr;
    switch (kind) {
    case Kind::Button:
    case Kind::Box:
    case Kind::Picture: {
        auto *button = new PictureButton(BitmapList_Btn(), parent);
        button->setPicture(picture);
        if (kind != Kind::Picture) {
            button->setCursor(Qt::PointingHandCursor);
        }
        widget = button;
        break;
    }
    case Kind::Label:
    case Kind::Title: {
        auto *label = new SkinLabel(text, parent);
        label->setFont(kind == Kind::Title ? verdana(15, true) : verdana(12, true));
        label->setTextColor(kind == Kind::Title ? QColor(0xF0, 0xB9, 0x26)
                                                : QColor(0xF2, 0xF6, 0xFC));
        widget = label;
        break;
    }
    case Kind::Edit:
    case Kind::Input: {
        auto *edit = new QLineEdit(parent);
        edit->setReadOnly(kind == Kind::Edit);
        edit->setFrame(kind == Kind::Input);
        edit->setFont(verdana(11, true));
        edit->setAlignment(Qt::AlignCenter);
        if (kind == Kind::Edit) {
            edit->setFocusPolicy(Qt::NoFocus);
            edit->setStyleSheet(QStringLiteral(
                "QLineEdit { background: transparent; color: #153A6B; padding: 0; }"));
        }
        widget = edit;
        break;
    }
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
    controls_[name] = widget;
    return widget;
}

void TfmMain::buildLayout() {
    for (const Control &c : kLayout) {
        QWidget *widget = createControl(int(c.kind), QString::fromLatin1(c.name),
                                        QString::fromUtf8(c.text), c.picture, this);
        if (c.w > 0) {
            widget->setGeometry(c.x, c.y, c.w, c.h);
        } else {
            widget->move(c.x, c.y);
            widget->adjustSize();
        }
    }
    auto *title = new SkinLabel(QStringLiteral("Numbrook"), this);
    auto *shadow = new SkinLabel(QStringLiteral("Numbrook"), this);
    shadow->setObjectName(QStringLiteral("Label_Title_Name_Shadow"));
    title->setObjectName(QStringLiteral("Label_Title_Name"));
    for (SkinLabel *label : {shadow, title}) {
        label->setFont(verdana(27, true));
    }
    shadow->setTextColor(QColor(0xC5, 0x60, 0x0E));
    title->setTextColor(QColor(0xF0, 0xB9, 0x26));
    shadow->setGeometry(9, 3, 170, 34);
    title->setGeometry(8, 2, 170, 34);
    shadow->lower();
    controls_[title->objectName()] = title;
    controls_[shadow->objectName()] = shadow;

    auto *indicatorPanel = new QFrame(this);
    indicatorPanel->setObjectName(QStringLiteral("Panel_Indicator_Play"));
    indicatorPanel->setGeometry(750, 37, 22, 9);
    indicatorPanel->setStyleSheet(QStringLiteral("QFrame#Panel_Indicator_Play {"
                                                 " background: #10284A; border-radius: 2px; }"));
    auto *indicator = new QFrame(indicatorPanel);
    indicator->setObjectName(QStringLiteral("Indicator_Play"));
    indicator->setGeometry(1, 1, 20, 7);
    indicator->setStyleSheet(indicatorStyle(false));
    controls_[indicatorPanel->objectName()] = indicatorPanel;
    controls_[indicator->objectName()] = indicator;

    auto *pages = new QTabWidget(this);
    pages->setObjectName(QStringLiteral("PageControl1"));
    pages->setGeometry(16, 810, 774, 330);
    for (int n = 1; n <= 4; ++n) {
        auto *sheet = new QWidget;
        sheet->setObjectName(QStringLiteral("TabSheet%1").arg(n));
        auto *panel = new QFrame(sheet);
        panel->setObjectName(QStringLiteral("Panel_Obj%1").arg(n));
        panel->setGeometry(0, 0, 770, 300);
        auto *microphone = new QFrame(panel);
        microphone->setObjectName(QStringLiteral("Panel_Obj%1_1").arg(n));
        microphone->setGeometry(380, 0, 390, 300);
        pages->addTab(sheet, QString::number(n));
        controls_[sheet->objectName()] = sheet;
        controls_[panel->objectName()] = panel;
        controls_[microphone->objectName()] = microphone;
        for (const PanelControl &c : kPanelLayout) {
            if (n == 1 && c.mainForObject1) {
                continue;
            }
            QWidget *widget = createControl(int(c.kind), QString::fromLatin1(c.name).arg(n),
                                            QString::fromUtf8(c.text), c.picture,
                                            c.microphoneSide ? microphone : panel);
            if (c.w > 0) {
                widget->setGeometry(c.x, c.y, c.w, c.h);
            } else {
                widget->move(c.x, c.y);
                widget->adjustSize();
            }
        }
        // The delay field starts at 1 second for object 1 and 3 for the others, until loaded.
        static_cast<QLineEdit *>(control(QStringLiteral("edDelay%1").arg(n)))
            ->setText(n == 1 ? QStringLiteral("1") : QStringLiteral("3"));
        for (const QString &bar : {QStringLiteral("tbVL%1"), QStringLiteral("tbVR%1")}) {
            static_cast<TrackBar *>(control(bar.arg(n)))->setRange(0, 100);
        }
        static_cast<TrackBar *>(control(QStringLiteral("tbTrig%1").arg(n)))->setRange(0, 128);
        static_cast<TrackBar *>(control(QStringLiteral("tbMixerVol%1").arg(n)))->setRange(0, 100);
        static_cast<LevelBar *>(control(QStringLiteral("pbSig%1").arg(n)))->setSegments(18);
    }
    controls_[pages->objectName()] = pages;

    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setReadOnly(true);
    Memo1->setGeometry(16, 1150, 774, 200);
    Memo1->setPlainText(QStringLiteral("Memo1"));
    controls_[Memo1->objectName()] = Memo1;

    cbPorog1 = new QCheckBox(QStringLiteral("Хлоп"), this);
    cbPorog1->setObjectName(QStringLiteral("cbPorog1"));
    cbHotKey1 = new QCheckBox(QStringLiteral("Клац"), this);
    cbHotKey1->setObjectName(QStringLiteral("cbHotKey1"));
    for (QCheckBox *box : {cbPorog1, cbHotKey1}) {
        box->setGeometry(600, 600, 80, 20);
        box->hide();
        controls_[box->objectName()] = box;
    }
}

} // namespace numbrook
