// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

// The interface language: the string table's texts written into the main window, the tray
// menu and the question display.
#include "MainWindow.h"

#include "InterfaceLanguages.h"
#include "QuestionDisplay.h"
#include "QuizSettings.h"
#include "SkinWidgets.h"
#include "StringTable.h"
#include "TrayMenu.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QToolButton>

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
    // Qt's own texts (message box buttons, the file dialog) and every tr() follow too.
    if (IsInterfaceLanguage(strings_.languageIndex()))
        InstallInterfaceLanguage(strings_.languageIndex());
    strings_.refill();
    applyOptionTexts();
    applyCaptionTexts();
    applyObjectTexts();
    applyOtherWindowsTexts();
    applyResultsTexts();
    applyChildTexts();
    applyAccessibleNames();
    nameIndicator(c_.Indicator_Play->styleSheet() == indicatorStyle(true)); // as it shows now
    // Labels follow the length of their new texts.
    for (SkinLabel *label : c_.captions) {
        label->adjustSize();
    }
    // The captions right of the middle end before the next column: a long one is set smaller.
    for (SkinLabel *label :
         {c_.Lbl_Large_Text, c_.Lbl_School_Notation, c_.Lbl_Practice_Math, c_.Lbl_Practice_Note}) {
        QFont font = label->font();
        font.setPixelSize(12);
        while (font.pixelSize() > 9 &&
               label->x() + QFontMetrics(font).horizontalAdvance(label->text()) > 414) {
            font.setPixelSize(font.pixelSize() - 1);
        }
        label->setFont(font);
        label->adjustSize();
    }
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
    option(c_.Lbl_Practice_Math, c_.Cb_Practice_Math, s[UiKey::PracticeCaption],
           s[UiKey::PracticeHint]);
    option(c_.Lbl_Practice_Note, c_.Cb_Practice_Math, s[UiKey::PracticeLevelOneOnly],
           s[UiKey::PracticeHint]);
    option(c_.Lbl_School_Notation, c_.Cb_School_Notation, s[UiKey::SchoolNotationCaption],
           s[UiKey::SchoolNotationHint]);
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
    titled(c_.Lbl_Title_Fluency_Time, UiKey::FluencyTimeCaption, UiKey::FluencyTimeHint);
    titled(c_.Lbl_Title_Child, UiKey::ChildCaption, UiKey::ChildHint);
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
        if (QCheckBox *fromFile = c_.objects[std::size_t(n)].cbPlayFromFile) {
            fromFile->setText(strings_[UiKey::ExternalFileCaption]);
        }
    }
}

void MainWindow::applyAccessibleNames() {
    // Screen readers name a box by the caption beside it, and other controls by what they do.
    const StringTable &s = strings_;
    const auto name = [](QWidget *control, const QString &text) {
        control->setAccessibleName(text);
    };
    // The page control's tab bar names its scroll buttons once, in the language of its
    // creation; they take Qt's own names in the language now installed.
    for (QToolButton *scroll : c_.PageControl1->findChildren<QToolButton *>()) {
        if (scroll->objectName() == QLatin1String("ScrollLeftButton")) {
            name(scroll, QCoreApplication::translate("QTabBar", "Scroll Left"));
        } else if (scroll->objectName() == QLatin1String("ScrollRightButton")) {
            name(scroll, QCoreApplication::translate("QTabBar", "Scroll Right"));
        }
    }
    for (int level = 1; level <= 3; ++level) {
        name(c_.Cb_Diff_Math[std::size_t(level)],
             s[UiKey::LevelCaption] + QLatin1Char(' ') + QString::number(level));
    }
    for (int kind = 1; kind <= kKindCount; ++kind) {
        name(c_.Cb_Znak_Math[std::size_t(kind)], s[UiKey(int(UiKey::KindHint1) + kind - 1)]);
    }
    // The display sizes' captions are the same in every language (and written with a Cyrillic
    // "х"): a screen reader gets words of the interface language instead.
    for (int size = 1; size <= 2; ++size) {
        const QString words = s[size == 1 ? UiKey::WindowDisplayName : UiKey::FullScreenName];
        name(c_.Cb_Screen_Res[std::size_t(size)], words);
        name(c_.Lbl_Screen_Res[std::size_t(size)], words);
    }
    const std::pair<PictureButton *, SkinLabel *> boxes[] = {
        {c_.Cb_Show_Points, c_.Lbl_Show_Points},
        {c_.Cb_Show_Otvet_Mode, c_.Lbl_Show_Otvet_Mode},
        {c_.Cb_Large_Text, c_.Lbl_Large_Text},
        {c_.Cb_Show_SPDIF, c_.Lbl_Show_SPDIF},
        {c_.objects[1].cbClapsOnly, c_.Lbl_ClapsOnly1},
        {c_.Cb_MinFormShow, c_.Lbl_MinFormShow},
        {c_.Cb_AutoRun, c_.Lbl_AutoRun},
        {c_.Cb_Practice_Math, c_.Lbl_Practice_Math},
        {c_.Cb_School_Notation, c_.Lbl_School_Notation},
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
        // The left arrow steps on (there are two keys, so on is also back), the right one
        // back: each is named by the way it points.
        {c_.Sb_HotKey_Up, UiKey::PreviousAnswerKeyName},
        {c_.Sb_HotKey_Down, UiKey::NextAnswerKeyName},
        {c_.Sb_Lang_Up, UiKey::PreviousLanguageName},
        {c_.Sb_Lang_Down, UiKey::NextLanguageName},
        {c_.Img_Porog1, UiKey::MicrophoneLampName},
        {c_.Img_HotKey, UiKey::AnswerKeyLampName},
        // The hidden boxes that carry the two answers.
        {cbPorog1_, UiKey::MicrophoneLampName},
        {cbHotKey1_, UiKey::AnswerKeyLampName},
        {objectOne.tbTrig, UiKey::ThresholdName},
        {objectOne.tbMixerVol, UiKey::MicrophoneVolumeName},
        {objectOne.pbSig, UiKey::MicrophoneLevelName},
        {objectOne.edMic, UiKey::MicrophoneCaption},
        {c_.Edit_Speed_Math, UiKey::SpeedCaption},
        {c_.Edit_HotKey, UiKey::HotkeysCaption},
        {c_.Edit_Lang, UiKey::InterfaceCaption},
        {c_.Sb_Fluency_Time_Down, UiKey::PreviousFluencyTimeName},
        {c_.Sb_Fluency_Time_Up, UiKey::NextFluencyTimeName},
        {c_.Edit_Fluency_Time, UiKey::FluencyTimeCaption},
        {c_.Sb_Child_Down, UiKey::PreviousChildName},
        {c_.Sb_Child_Up, UiKey::NextChildName},
        {c_.Edit_Child, UiKey::ChildCaption},
    };
    for (const auto &[control, key] : controls) {
        name(control, s[key]);
    }
    // The sound object panels below the window: not on screen, but named all the same.
    for (int n = 1; n <= 4; ++n) {
        const SoundObjectPanel &panel = c_.objects[std::size_t(n)];
        const std::pair<QWidget *, UiKey> objectControls[] = {
            {panel.outputPrevious, UiKey::PreviousOutputName},
            {panel.outputNext, UiKey::NextOutputName},
            {panel.edObj, UiKey::SoundcardCaption},
            {panel.tbVL, UiKey::LeftVolumeName},
            {panel.tbVR, UiKey::RightVolumeName},
            {panel.pbL, UiKey::LeftLevelName},
            {panel.pbR, UiKey::RightLevelName},
            {panel.filePrevious, UiKey::PreviousFileName},
            {panel.fileNext, UiKey::NextFileName},
            {panel.edFile, UiKey::ExternalFileCaption},
            {panel.Sb_StartPlay, UiKey::StartPlayName},
            {panel.Sb_StopPlay, UiKey::StopPlayName},
            {panel.microphonePrevious, UiKey::PreviousMicrophoneName},
            {panel.microphoneNext, UiKey::NextMicrophoneName},
            {panel.edMic, UiKey::MicrophoneCaption},
            {panel.tbTrig, UiKey::ThresholdName},
            {panel.tbMixerVol, UiKey::MicrophoneVolumeName},
            {panel.pbSig, UiKey::MicrophoneLevelName},
            {panel.edDelay, UiKey::DelayCaption},
            {panel.Sb_StartMic, UiKey::StartRecordingName},
            {panel.Sb_StopMic, UiKey::StopRecordingName},
        };
        for (const auto &[control, key] : objectControls) {
            if (control) {
                name(control, s[key]);
            }
        }
    }
    name(Memo1_, s[UiKey::SoundLogName]);
    // The pictures behind the read-only fields carry the field's name.
    for (QLineEdit *field : {c_.Edit_Speed_Math, c_.Edit_HotKey, c_.Edit_Lang, objectOne.edMic,
                             c_.Edit_Fluency_Time, c_.Edit_Child}) {
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
