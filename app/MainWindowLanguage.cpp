// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

// The interface language: the string table's texts written into the main window, the tray
// menu and the question display.
#include "MainWindow.h"

#include "QuestionDisplay.h"
#include "QuizSettings.h"
#include "SkinWidgets.h"
#include "StringTable.h"
#include "TrayMenu.h"

#include <QLineEdit>

namespace numbrook {

namespace {

void caption(QLabel *label, const QString &text) {
    label->setText(text);
}

void hint(QWidget *control, const QString &text) {
    control->setToolTip(text);
}

// A caption with its hint, and the same hint on the control it names.
void option(SkinLabel *label, QWidget *box, const QString &text, const QString &hintText) {
    label->setText(text);
    label->setToolTip(hintText);
    box->setToolTip(hintText);
}

} // namespace

void MainWindow::ApplyLanguage() {
    strings_.refill();
    applyOptionTexts();
    applyCaptionTexts();
    applyObjectTexts();
    applyOtherWindowsTexts();
    applyResultsTexts();
    applyAccessibleNames();
    // Labels follow the length of their new texts.
    for (SkinLabel *label : c_.captions) {
        label->adjustSize();
    }
    // The caption beside Hint ends before the language chooser: a long one is set smaller.
    SkinLabel *largeText = c_.Lbl_Large_Text;
    QFont font = largeText->font();
    font.setPixelSize(12);
    while (font.pixelSize() > 9 &&
           largeText->x() + QFontMetrics(font).horizontalAdvance(largeText->text()) > 414) {
        font.setPixelSize(font.pixelSize() - 1);
    }
    largeText->setFont(font);
    largeText->adjustSize();
}

void MainWindow::applyOptionTexts() {
    const StringTable &s = strings_;
    hint(c_.Sb_Help, s[UiKey::HelpButtonHint]);
    hint(c_.Sb_Internet, s[UiKey::WebsiteCaption]);
    hint(c_.Sb_Min, s[UiKey::MinimizeHint]);
    hint(c_.Sb_Close, s[UiKey::ExitCaption]);
    option(c_.Lbl_HintShow, c_.Cb_HintShow, s[UiKey::HintShowCaption], s[UiKey::HintShowHint]);
    option(c_.Lbl_MinFormShow, c_.Cb_MinFormShow, s[UiKey::MinFormShowCaption],
           s[UiKey::MinFormShowHint]);
    option(c_.Lbl_AutoRun, c_.Cb_AutoRun, s[UiKey::AutoRunCaption], s[UiKey::AutoRunHint]);
    option(c_.Lbl_Show_SPDIF, c_.Cb_Show_SPDIF, s[UiKey::ShowSpdifCaption],
           s[UiKey::ShowSpdifHint]);
    option(c_.Lbl_Show_Points, c_.Cb_Show_Points, s[UiKey::ShowPointsCaption],
           s[UiKey::ShowPointsHint]);
    option(c_.Lbl_Show_Otvet_Mode, c_.Cb_Show_Otvet_Mode, s[UiKey::ShowOtvetModeCaption],
           s[UiKey::ShowOtvetModeHint]);
    option(c_.Lbl_Large_Text, c_.Cb_Large_Text, s[UiKey::LargeTextCaption],
           s[UiKey::LargeTextHint]);
    option(c_.Lbl_ClapsOnly1, c_.objects[1].cbClapsOnly, s[UiKey::ClapsOnlyCaption],
           s[UiKey::ClapsOnlyHint]);
    for (int kind = 1; kind <= kKindCount; ++kind) {
        option(c_.Lbl_Znak_Math[std::size_t(kind)], c_.Cb_Znak_Math[std::size_t(kind)],
               KindCaption(kind), s[UiKey(int(UiKey::KindHint1) + kind - 1)]);
    }
}

void MainWindow::applyCaptionTexts() {
    const StringTable &s = strings_;
    const auto titled = [&s](SkinLabel *label, UiKey captionKey, UiKey hintKey) {
        label->setText(s[captionKey]);
        label->setToolTip(s[hintKey]);
    };
    c_.Edit_Lang->setText(s[UiKey::LanguageName]);
    caption(c_.laThreadCnt, s[UiKey::ThreadsOutCaption]);
    caption(c_.laThreadInCnt, s[UiKey::ThreadsInCaption]);
    caption(c_.Lbl_Lang, s[UiKey::InterfaceCaption] + QLatin1Char(':'));
    titled(c_.Lbl_Title_Diff_Math, UiKey::LevelCaption, UiKey::LevelHint);
    titled(c_.Lbl_Title_Speed_Math, UiKey::SpeedCaption, UiKey::SpeedHint);
    titled(c_.Lbl_Title_Znak_Math, UiKey::ActionsCaption, UiKey::ActionsHint);
    titled(c_.Lbl_Title_Screen_Res, UiKey::ResolutionCaption, UiKey::ResolutionHint);
    titled(c_.Lbl_Title_HotKey, UiKey::HotkeysCaption, UiKey::HotkeysHint);
    caption(c_.Lbl_Title[1], s[UiKey::QuestionsSettingsTitle]);
    caption(c_.Lbl_Title[2], s[UiKey::ActionsSettingsTitle]);
    caption(c_.Lbl_Title[3], s[UiKey::DisplaySettingsTitle]);
    caption(c_.Lbl_Title[4], s[UiKey::SystemSettingsTitle]);
    caption(c_.Lbl_3_Screen, s[UiKey::EscCaption]);
    c_.Lbl_HotKey_Focus->setText(s[UiKey::HotkeyFocusNote]);
}

void MainWindow::applyObjectTexts() {
    // The same eight captions in each of the four sound object panels.
    static constexpr UiKey ObjectLabels[] = {
        UiKey::SoundcardCaption, UiKey::MicrophoneCaption, UiKey::LeftCaption,
        UiKey::RightCaption,     UiKey::LevelMeterCaption, UiKey::ExternalFileCaption,
        UiKey::DelayCaption,     UiKey::ThresholdCaption,
    };
    for (int n = 1; n <= 4; ++n) {
        for (int label = 1; label <= 8; ++label) {
            if (SkinLabel *objectLabel = c_.objectLabels[std::size_t(n)][std::size_t(label)]) {
                objectLabel->setText(strings_[ObjectLabels[label - 1]]);
            }
        }
    }
}

void MainWindow::applyAccessibleNames() {
    // Screen readers name a box by the caption beside it, and other controls by what they do.
    const StringTable &s = strings_;
    const auto name = [](QWidget *control, const QString &text) {
        control->setAccessibleName(text);
    };
    for (int level = 1; level <= 3; ++level) {
        name(c_.Cb_Diff_Math[std::size_t(level)],
             s[UiKey::LevelCaption] + QLatin1Char(' ') + QString::number(level));
    }
    for (int kind = 1; kind <= kKindCount; ++kind) {
        name(c_.Cb_Znak_Math[std::size_t(kind)], s[UiKey(int(UiKey::KindHint1) + kind - 1)]);
    }
    const std::pair<PictureButton *, SkinLabel *> boxes[] = {
        {c_.Cb_Screen_Res[1], c_.Lbl_Screen_Res[1]},
        {c_.Cb_Screen_Res[2], c_.Lbl_Screen_Res[2]},
        {c_.Cb_Show_Points, c_.Lbl_Show_Points},
        {c_.Cb_Show_Otvet_Mode, c_.Lbl_Show_Otvet_Mode},
        {c_.Cb_Large_Text, c_.Lbl_Large_Text},
        {c_.Cb_Show_SPDIF, c_.Lbl_Show_SPDIF},
        {c_.objects[1].cbClapsOnly, c_.Lbl_ClapsOnly1},
        {c_.Cb_MinFormShow, c_.Lbl_MinFormShow},
        {c_.Cb_AutoRun, c_.Lbl_AutoRun},
        {c_.Cb_HintShow, c_.Lbl_HintShow},
    };
    for (const auto &[box, label] : boxes) {
        name(box, label->text());
    }
    const SoundObjectPanel &objectOne = c_.objects[1];
    const std::pair<QWidget *, UiKey> controls[] = {
        {c_.Sb_Start, UiKey::StartName},
        {c_.Sb_Speed_Math_Down, UiKey::PreviousSpeedName},
        {c_.Sb_Speed_Math_Up, UiKey::NextSpeedName},
        {objectOne.microphonePrevious, UiKey::PreviousMicrophoneName},
        {objectOne.microphoneNext, UiKey::NextMicrophoneName},
        {c_.Sb_HotKey_Down, UiKey::PreviousAnswerKeyName},
        {c_.Sb_HotKey_Up, UiKey::NextAnswerKeyName},
        {c_.Sb_Lang_Up, UiKey::PreviousLanguageName},
        {c_.Sb_Lang_Down, UiKey::NextLanguageName},
        {c_.Img_Porog1, UiKey::MicrophoneLampName},
        {c_.Img_HotKey, UiKey::AnswerKeyLampName},
        {objectOne.tbTrig, UiKey::ThresholdName},
        {objectOne.tbMixerVol, UiKey::MicrophoneVolumeName},
        {objectOne.pbSig, UiKey::MicrophoneLevelName},
        {objectOne.edMic, UiKey::MicrophoneCaption},
        {c_.Edit_Speed_Math, UiKey::SpeedCaption},
        {c_.Edit_HotKey, UiKey::HotkeysCaption},
        {c_.Edit_Lang, UiKey::InterfaceCaption},
        {c_.Indicator_Play, UiKey::PlayingIndicatorName},
        {c_.Indicator_Play->parentWidget(), UiKey::PlayingIndicatorName},
    };
    for (const auto &[control, key] : controls) {
        name(control, s[key]);
    }
    // The pictures behind the read-only fields carry the field's name.
    for (QLineEdit *field : {c_.Edit_Speed_Math, c_.Edit_HotKey, c_.Edit_Lang, objectOne.edMic}) {
        const QString background = field->objectName()
                                       .replace(QLatin1String("Edit_"), QString())
                                       .replace(QLatin1String("edMic1"), QLatin1String("Mic1"));
        if (auto *picture =
                findChild<PictureButton *>(QStringLiteral("Img_%1_Fon").arg(background))) {
            name(picture, field->accessibleName());
        }
    }
}

void MainWindow::applyOtherWindowsTexts() {
    const StringTable &s = strings_;
    const std::pair<int, UiKey> trayItems[] = {
        {3, UiKey::WebsiteCaption}, {4, UiKey::ProgramPageCaption}, {5, UiKey::ExitCaption}};
    for (const auto &[number, key] : trayItems) {
        TrayIcon_->item(number)->setText(s[key]);
        TrayIcon_->item(number)->setToolTip(s[key]);
    }
    display_.setQuestionTitle(s[UiKey::QuestionTitle]);
    display_.setAccessibleName(s[UiKey::QuestionWindowName]);
    display_.setScoreCaptions({s[UiKey::TotalCaption], s[UiKey::CorrectCaption],
                               s[UiKey::WrongCaption], s[UiKey::PointsCaption]});
}

} // namespace numbrook
