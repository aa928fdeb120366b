// The main window's click handlers: the quiz settings panel, the start button, the hotkeys,
// the tray and the system options.
#include "MainForm.h"

#include "Display.h"
#include "GlobalHotkeys.h"
#include "Help.h"
#include "Logo.h"
#include "ShellActions.h"
#include "SkinWidgets.h"
#include "TrayMenu.h"
#include "unit_math.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QTimer>

namespace numbrook {

namespace {

// Large boxes draw 21/22, small boxes 36/37; a value counts as on only when it is exactly 1.
constexpr int kLargeOff = 21;
constexpr int kSmallOff = 36;

} // namespace

void TfmMain::setBox(const QString &name, bool on, bool small) {
    if (PictureButton *box = button(name)) {
        box->setPicture((small ? kSmallOff : kLargeOff) + (on ? 1 : 0));
    }
}

void TfmMain::UpdateSettingsView() {
    const qint32 level = QuizSettings.Diff_Math;
    if (level >= 1 && level <= 3) {
        for (int i = 1; i <= 3; ++i) {
            setBox(QStringLiteral("Cb_%1_Diff_Math").arg(i), level == i);
        }
    }
    for (int kind = 1; kind <= kKindCount; ++kind) {
        setBox(QStringLiteral("Cb_%1_Znak_Math").arg(kind), QuizSettings.Znak(kind) == 1);
    }
    setBox(QStringLiteral("Cb_AutoRun"), AutoRun == 1);
    setBox(QStringLiteral("Cb_HintShow"), HintShow == 1);
    setBox(QStringLiteral("Cb_Show_SPDIF"), Show_SPDIF == 1, true);
    setBox(QStringLiteral("Cb_MinFormShow"), MinFormShow == 1);
    if (QuizSettings.Screen_Res == 0 || QuizSettings.Screen_Res == 1) {
        setBox(QStringLiteral("Cb_1_Screen_Res"), QuizSettings.Screen_Res == 0);
        setBox(QStringLiteral("Cb_2_Screen_Res"), QuizSettings.Screen_Res == 1);
    }
    setBox(QStringLiteral("Cb_Show_Points"), QuizSettings.Show_Points == 1, true);
    setBox(QStringLiteral("Cb_Show_Otvet_Mode"), QuizSettings.Show_Otvet_Mode == 1, true);
}

void TfmMain::ShowSpeed() {
    if (QuizSettings.Speed_Math > 10) {
        QuizSettings.Speed_Math = 1;
    }
    if (QuizSettings.Speed_Math < 1) {
        QuizSettings.Speed_Math = 10;
    }
    static_cast<QLineEdit *>(control(QStringLiteral("Edit_Speed_Math")))
        ->setText(QString::number(QuizSettings.Speed_Math) + QStringLiteral(" sec."));
}

void TfmMain::ShowHotKey() {
    Cnt_HotKey = NormalisedHotkeyChoice(Cnt_HotKey);
    static_cast<QLineEdit *>(control(QStringLiteral("Edit_HotKey")))
        ->setText(HotkeyChoiceName(Cnt_HotKey));
}

void TfmMain::Sb_StartClick() {
    if (!display_) {
        return;
    }
    QTimer *timer = display_->Timer_Vopros;
    const bool starting = !timer->isActive();
    if (starting) {
        timer->start();
    } else {
        timer->stop();
    }
    display_->cycle.TickCount = 0;
    if (starting) {
        display_->show();
        display_->raise();
        TrayIcon_->show();
        hide();
    } else {
        display_->close();
        show();
        raise();
        activateWindow();
        TrayIcon_->hide();
    }
    TotalQuestions = CorrectAnswers = WrongAnswers = PointsTotal = 0;
    display_->ShowCounters();
}

void TfmMain::Sb_MinClick() {
    MinimiseToTray(this, TrayIcon_);
}

void TfmMain::TrayIconDblClick() {
    RestoreFromTray(this, TrayIcon_);
}

void TfmMain::HotkeyMessage(int id) {
    const HotkeyOutcome outcome = HotkeyPressed(id, Cnt_HotKey);
    cbHotKey1->setChecked(outcome.answerTicked);
    if (outcome.closeDisplay) {
        if (display_) {
            display_->close();
        }
        RestoreFromTray(this, TrayIcon_);
    }
}

void TfmMain::ApplyLanguage() {
    if (!help_) {
        return;
    }
    help_->ApplyLanguage();
    if (display_) {
        display_->setQuestionTitle(help_->QuestionTitle());
    }
    // Labels follow the length of their new texts.
    for (auto &[name, widget] : controls_) {
        if (auto *label = qobject_cast<SkinLabel *>(widget)) {
            if (!name.startsWith(QStringLiteral("Label_Title_Name"))) {
                label->adjustSize();
            }
        }
    }
}

void TfmMain::switchLanguage(qint32 languageIndex) {
    if (!logo_) {
        return;
    }
    logo_->LanguageIndex = languageIndex;
    ApplyLanguage();
    logo_->SaveLanguage();
}

void TfmMain::connectHandlers() {
    auto onClick = [this](const char *name, auto handler) {
        const QString controlName = QString::fromLatin1(name);
        QWidget *widget = control(controlName);
        if (auto *picture = qobject_cast<PictureButton *>(widget)) {
            connect(picture, &PictureButton::clicked, this, handler);
        } else if (auto *label = qobject_cast<SkinLabel *>(widget)) {
            connect(label, &SkinLabel::clicked, this, handler);
        }
    };
    // The box and the label beside it run the same handler.
    auto onBoxAndLabel = [&](const char *box, const char *label, auto handler) {
        onClick(box, handler);
        onClick(label, handler);
    };

    for (int level = 1; level <= 3; ++level) {
        const QByteArray box = QStringLiteral("Cb_%1_Diff_Math").arg(level).toLatin1();
        const QByteArray label = QStringLiteral("Lbl_%1_Diff_Math").arg(level).toLatin1();
        onBoxAndLabel(box.constData(), label.constData(), [this, level] {
            QuizSettings.Diff_Math = level;
            UpdateSettingsView();
        });
    }
    // Kind 1 can be neither cleared nor set from the panel.
    onBoxAndLabel("Cb_1_Znak_Math", "Lbl_1_Znak_Math", [] {});
    onBoxAndLabel("Cb_2_Znak_Math", "Lbl_2_Znak_Math", [this] {
        QuizSettings.Znak(2) = ToggledOption(QuizSettings.Znak(2));
        UpdateSettingsView();
    });
    for (int kind = 3; kind <= kKindCount; ++kind) {
        const QByteArray box = QStringLiteral("Cb_%1_Znak_Math").arg(kind).toLatin1();
        onClick(box.constData(), [this, kind] {
            QuizSettings.Znak(kind) = ToggledOption(QuizSettings.Znak(kind));
            UpdateSettingsView();
        });
    }
    onClick("Sb_Speed_Math_Down", [this] {
        --QuizSettings.Speed_Math;
        ShowSpeed();
    });
    onClick("Sb_Speed_Math_Up", [this] {
        ++QuizSettings.Speed_Math;
        ShowSpeed();
    });
    onBoxAndLabel("Cb_1_Screen_Res", "Lbl_1_Screen_Res", [this] {
        QuizSettings.Screen_Res = 0;
        UpdateSettingsView();
    });
    onBoxAndLabel("Cb_2_Screen_Res", "Lbl_2_Screen_Res", [this] {
        QuizSettings.Screen_Res = 1;
        UpdateSettingsView();
    });
    onBoxAndLabel("Cb_Show_Points", "Lbl_Show_Points", [this] {
        QuizSettings.Show_Points = ToggledOption(QuizSettings.Show_Points);
        UpdateSettingsView();
    });
    onBoxAndLabel("Cb_Show_Otvet_Mode", "Lbl_Show_Otvet_Mode", [this] {
        QuizSettings.Show_Otvet_Mode = ToggledOption(QuizSettings.Show_Otvet_Mode);
        UpdateSettingsView();
    });
    onClick("Sb_Start", [this] { Sb_StartClick(); });
    onClick("Sb_Close", [this] { Sb_CloseClick(); });
    onClick("Sb_Min", [this] { Sb_MinClick(); });
    onClick("Sb_Help", [this] {
        if (logo_) {
            OpenHelpText(logo_->LanguageIndex);
        }
    });
    onClick("Sb_Internet", [this] {
        if (logo_) {
            OpenHomePage(logo_->LanguageIndex);
        }
    });
    onClick("Sb_HotKey_Up", [this] {
        ++Cnt_HotKey;
        ShowHotKey();
    });
    onClick("Sb_HotKey_Down", [this] {
        --Cnt_HotKey;
        ShowHotKey();
    });
    for (const char *arrow : {"Sb_Lang_Up", "Sb_Lang_Down"}) {
        onClick(arrow, [this] {
            if (logo_) {
                switchLanguage(SwitchedLanguage(logo_->LanguageIndex));
            }
        });
    }
    onBoxAndLabel("Cb_HintShow", "Lbl_HintShow", [this] {
        HintShow = ToggledOption(HintShow);
        SetToolTipsEnabled(HintShow == 1);
        UpdateSettingsView();
    });
    onBoxAndLabel("Cb_MinFormShow", "Lbl_MinFormShow", [this] {
        MinFormShow = ToggledOption(MinFormShow);
        UpdateSettingsView();
    });
    onBoxAndLabel("Cb_Show_SPDIF", "Lbl_Show_SPDIF", [this] {
        // The device list is built at start, so this takes effect at the next start.
        Show_SPDIF = ToggledOption(Show_SPDIF);
        UpdateSettingsView();
    });
    onBoxAndLabel("Cb_AutoRun", "Lbl_AutoRun", [this] {
        AutoRun = ToggledOption(AutoRun);
        ApplyAutoRun(AutoRun == 1, this);
        UpdateSettingsView();
    });

    connect(hotkeys_, &GlobalHotkeys::hotkey, this, &TfmMain::HotkeyMessage);
    connect(TrayIcon_, &TrayIcon::doubleClicked, this, &TfmMain::TrayIconDblClick);
    connect(TrayIcon_, &TrayIcon::itemTriggered, this, [this](int item) {
        switch (item) {
        case 1:
            switchLanguage(1);
            break;
        case 2:
            switchLanguage(0);
            break;
        case 3:
            if (logo_) {
                OpenHomePage(logo_->LanguageIndex);
            }
            break;
        case 4:
            if (logo_) {
                OpenProgramPage(logo_->LanguageIndex);
            }
            break;
        default:
            close();
            break;
        }
    });
}

} // namespace numbrook
