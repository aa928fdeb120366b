// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

#include "SettingsPanel.h"

#include "BitmapLists.h"
#include "MainControls.h"
#include "QuizSettings.h"
#include "ShellActions.h"
#include "SoundObjectTable.h"
#include "StringTable.h"
#include "SystemSettings.h"

#include <QLineEdit>

namespace numbrook {

namespace {

// A value counts as on only when it is exactly 1.
void setBox(PictureButton *box, bool on) {
    box->setPicture(on ? ButtonPicture::BoxOn : ButtonPicture::BoxOff);
}

void setSmallBox(PictureButton *box, bool on) {
    box->setPicture(on ? ButtonPicture::SmallBoxOn : ButtonPicture::SmallBoxOff);
}

// The box and the label beside it run the same handler.
template <typename Handler>
void onClick(QObject *context, PictureButton *box, SkinLabel *label, Handler handler) {
    if (box) {
        QObject::connect(box, &PictureButton::clicked, context, handler);
    }
    if (label) {
        QObject::connect(label, &SkinLabel::clicked, context, handler);
    }
}

} // namespace

SettingsPanel::SettingsPanel(const MainControls &controls, QuizSettings &settings,
                             SystemSettings &system, const StringTable &strings,
                             SoundObjectTable &objects, QWidget &window)
    : QObject(&window), c_(controls), settings_(settings), system_(system), strings_(strings),
      objects_(objects), window_(window) {
    connectQuizOptions();
    connectSystemOptions();
}

void SettingsPanel::showHints() {
    toolTips_.setEnabled(system_.HintShow == 1);
}

void SettingsPanel::UpdateSettingsView() {
    const QuizSettings &settings = settings_;
    const qint32 level = settings.Diff_Math;
    if (level >= 1 && level <= 3) {
        for (int i = 1; i <= 3; ++i) {
            setBox(c_.Cb_Diff_Math[std::size_t(i)], level == i);
        }
    }
    // With every kind off the quiz asks the first one, and its box says so.
    for (int kind = 1; kind <= kKindCount; ++kind) {
        setBox(c_.Cb_Znak_Math[std::size_t(kind)],
               settings.Znak(kind) == 1 || (kind == 1 && settings.noKindOn()));
    }
    setBox(c_.Cb_AutoRun, system_.AutoRun == 1);
    setBox(c_.Cb_HintShow, system_.HintShow == 1);
    setSmallBox(c_.Cb_Show_SPDIF, system_.Show_SPDIF == 1);
    setBox(c_.Cb_MinFormShow, system_.MinFormShow == 1);
    if (settings.Screen_Res == 0 || settings.Screen_Res == 1) {
        setBox(c_.Cb_Screen_Res[1], settings.Screen_Res == 0);
        setBox(c_.Cb_Screen_Res[2], settings.Screen_Res == 1);
    }
    setSmallBox(c_.Cb_Show_Points, settings.Show_Points == 1);
    setSmallBox(c_.Cb_Show_Otvet_Mode, settings.Show_Otvet_Mode == 1);
    setSmallBox(c_.Cb_Large_Text, settings.Large_Text == 1);
    setBox(c_.Cb_Practice_Math, settings.Practice_Math == 1);
    // Practice changes level 1 only; at the other levels the option says so.
    c_.Lbl_Practice_Note->setVisible(level != 1);
    setSmallBox(c_.Cb_School_Notation, settings.School_Notation == 1);
    ShowFluencyTime();
}

void SettingsPanel::ShowFluencyTime() {
    qint32 &seconds = settings_.Fluency_Time;
    seconds = seconds > 10 ? 1 : seconds < 1 ? 10 : seconds;
    // The field is written again once the language's texts are in.
    const QString format = strings_[UiKey::SecondsField];
    if (!format.isEmpty()) {
        c_.Edit_Fluency_Time->setText(format.arg(seconds));
    }
}

void SettingsPanel::ShowSpeed() {
    qint32 &speed = settings_.Speed_Math;
    if (speed > 10) {
        speed = 1;
    }
    if (speed < 1) {
        speed = 10;
    }
    c_.Edit_Speed_Math->setText(QString::number(speed) + QStringLiteral(" sec."));
}

void SettingsPanel::ShowHotKey() {
    system_.Cnt_HotKey = NormalisedHotkeyChoice(system_.Cnt_HotKey);
    c_.Edit_HotKey->setText(HotkeyChoiceName(system_.Cnt_HotKey));
}

void SettingsPanel::connectQuizOptions() {
    QuizSettings &settings = settings_;
    for (int level = 1; level <= 3; ++level) {
        onClick(this, c_.Cb_Diff_Math[std::size_t(level)], c_.Lbl_Diff_Math[std::size_t(level)],
                [this, &settings, level] {
                    settings.Diff_Math = level;
                    UpdateSettingsView();
                });
    }
    // Kind 1 can be neither cleared nor set from the panel; kinds from 3 on have only the box.
    for (int kind = 2; kind <= kKindCount; ++kind) {
        SkinLabel *label = kind == 2 ? c_.Lbl_Znak_Math[2] : nullptr;
        onClick(this, c_.Cb_Znak_Math[std::size_t(kind)], label, [this, &settings, kind] {
            settings.Znak(kind) = ToggledOption(settings.Znak(kind));
            UpdateSettingsView();
        });
    }
    onClick(this, c_.Sb_Speed_Math_Down, nullptr, [this, &settings] {
        --settings.Speed_Math;
        ShowSpeed();
    });
    onClick(this, c_.Sb_Speed_Math_Up, nullptr, [this, &settings] {
        ++settings.Speed_Math;
        ShowSpeed();
    });
    for (int screen = 1; screen <= 2; ++screen) {
        onClick(this, c_.Cb_Screen_Res[std::size_t(screen)], c_.Lbl_Screen_Res[std::size_t(screen)],
                [this, &settings, screen] {
                    settings.Screen_Res = screen - 1;
                    UpdateSettingsView();
                });
    }
    onClick(this, c_.Cb_Show_Points, c_.Lbl_Show_Points, [this, &settings] {
        settings.Show_Points = ToggledOption(settings.Show_Points);
        UpdateSettingsView();
    });
    onClick(this, c_.Cb_Show_Otvet_Mode, c_.Lbl_Show_Otvet_Mode, [this, &settings] {
        settings.Show_Otvet_Mode = ToggledOption(settings.Show_Otvet_Mode);
        UpdateSettingsView();
    });
    onClick(this, c_.Cb_Large_Text, c_.Lbl_Large_Text, [this, &settings] {
        settings.Large_Text = ToggledOption(settings.Large_Text);
        UpdateSettingsView();
    });
    onClick(this, c_.Cb_Practice_Math, c_.Lbl_Practice_Math, [this, &settings] {
        settings.Practice_Math = ToggledOption(settings.Practice_Math);
        UpdateSettingsView();
    });
    onClick(this, c_.Cb_School_Notation, c_.Lbl_School_Notation, [this, &settings] {
        settings.School_Notation = ToggledOption(settings.School_Notation);
        UpdateSettingsView();
    });
    for (auto [arrow, step] :
         {std::pair{c_.Sb_Fluency_Time_Down, -1}, {c_.Sb_Fluency_Time_Up, 1}}) {
        onClick(this, arrow, nullptr, [this, &settings, step] {
            settings.Fluency_Time += step;
            ShowFluencyTime();
        });
    }
}

void SettingsPanel::connectSystemOptions() {
    onClick(this, c_.Sb_HotKey_Up, nullptr, [this] {
        ++system_.Cnt_HotKey;
        ShowHotKey();
    });
    onClick(this, c_.Sb_HotKey_Down, nullptr, [this] {
        --system_.Cnt_HotKey;
        ShowHotKey();
    });
    // The upper arrow goes back through the languages, the lower one on.
    onClick(this, c_.Sb_Lang_Up, nullptr,
            [this] { Q_EMIT languageChosen(SwitchedLanguage(strings_.languageIndex(), -1)); });
    onClick(this, c_.Sb_Lang_Down, nullptr,
            [this] { Q_EMIT languageChosen(SwitchedLanguage(strings_.languageIndex(), 1)); });
    onClick(this, c_.Cb_HintShow, c_.Lbl_HintShow, [this] {
        system_.HintShow = ToggledOption(system_.HintShow);
        showHints();
        UpdateSettingsView();
    });
    onClick(this, c_.Cb_MinFormShow, c_.Lbl_MinFormShow, [this] {
        system_.MinFormShow = ToggledOption(system_.MinFormShow);
        UpdateSettingsView();
    });
    onClick(this, c_.Cb_Show_SPDIF, c_.Lbl_Show_SPDIF, [this] {
        // The device list is built at start, so this takes effect at the next start.
        system_.Show_SPDIF = ToggledOption(system_.Show_SPDIF);
        UpdateSettingsView();
    });
    onClick(this, c_.objects[1].cbClapsOnly, c_.Lbl_ClapsOnly1, [this] {
        // Like the threshold, it is out of reach while the microphone cannot be opened.
        if (c_.objects[1].cbClapsOnly->isEnabled()) {
            objects_.setClapsOnly(1, !objects_.clapsOnly(1));
        }
    });
    onClick(this, c_.Cb_AutoRun, c_.Lbl_AutoRun, [this] {
        system_.AutoRun = ToggledOption(system_.AutoRun);
        ApplyAutoRun(system_.AutoRun == 1, &window_);
        UpdateSettingsView();
    });
}

} // namespace numbrook
