// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

#pragma once

#include <QObject>
#include <QString>

#include <array>

namespace numbrook {

// The keys of the interface string table, in the table's order. Their names are known at run
// time (for the tests and the translation notes), hence the namespace of their own.
namespace uikeys {
Q_NAMESPACE

enum class UiKey {
    LanguageName,
    InterfaceCaption,
    QuestionsSettingsTitle,
    ActionsSettingsTitle,
    DisplaySettingsTitle,
    SystemSettingsTitle,
    LevelCaption,
    LevelHint,
    SpeedCaption,
    SpeedHint,
    ActionsCaption,
    ActionsHint,
    ResolutionCaption,
    ResolutionHint,
    HotkeysCaption,
    HotkeysHint,
    HintShowCaption,
    HintShowHint,
    MinFormShowCaption,
    MinFormShowHint,
    AutoRunCaption,
    AutoRunHint,
    ShowSpdifCaption,
    ShowSpdifHint,
    ShowPointsCaption,
    ShowPointsHint,
    ShowOtvetModeCaption,
    ShowOtvetModeHint,
    EscCaption,
    HelpButtonHint,
    WebsiteCaption,
    MinimizeHint,
    ExitCaption,
    ProgramPageCaption,
    KindHint1,
    KindHint2,
    KindHint3,
    KindHint4,
    KindHint5,
    KindHint6,
    KindHint7,
    KindHint8,
    KindHint9,
    KindHint10,
    SoundcardCaption,
    MicrophoneCaption,
    LeftCaption,
    RightCaption,
    LevelMeterCaption,
    ExternalFileCaption,
    DelayCaption,
    ThresholdCaption,
    ThreadsOutCaption,
    ThreadsInCaption,
    TotalCaption,
    CorrectCaption,
    WrongCaption,
    PointsCaption,
    QuestionTitle,
    // Beside the hotkey chooser where the keys cannot be held for the whole desktop.
    HotkeyFocusNote,
    ResultsCaption,
    // Names screen readers give the controls that have no caption of their own.
    StartName,
    PreviousSpeedName,
    NextSpeedName,
    PreviousMicrophoneName,
    NextMicrophoneName,
    PreviousAnswerKeyName,
    NextAnswerKeyName,
    PreviousLanguageName,
    NextLanguageName,
    MicrophoneLampName,
    AnswerKeyLampName,
    ThresholdName,
    MicrophoneVolumeName,
    MicrophoneLevelName,
    PlayingIndicatorName,
    QuestionWindowName,
    // The display option that scales the question to the board.
    LargeTextCaption,
    LargeTextHint,
    // Children: the chooser of who plays next and the dialogs that add, change and remove one.
    ChildCaption,
    ChildHint,
    PreviousChildName,
    NextChildName,
    AddChildCaption,
    ChangeChildCaption,
    RemoveChildCaption,
    FirstChildName,
    AddChildTitle,
    ChangeChildTitle,
    ChildNameCaption,
    ChildPictureCaption,
    NoPictureName,
    ChildNameEmpty,
    ChildNameTaken,
    ChildStoreUnavailable,
    RemoveChildTitle,
    RemoveChildQuestion,
    OkCaption,
    CancelCaption,
    // The question title with the name of the child who plays (%1).
    ChildQuestionTitle,
    // Practice mode, the fluency time and the school notation.
    PracticeCaption,
    PracticeHint,
    PracticeLevelOneOnly,
    FluencyTimeCaption,
    FluencyTimeHint,
    PreviousFluencyTimeName,
    NextFluencyTimeName,
    SecondsField,
    SchoolNotationCaption,
    SchoolNotationHint,
    DivisionSign,
    // The help window.
    HelpWindowTitle,
    HelpCloseCaption,
    HelpMissingText,
    // The playing indicator while no sound plays.
    SilentIndicatorName,
    // Screen reader names of the two display sizes.
    WindowDisplayName,
    FullScreenName,
    // Screen reader names of the sound object panels' controls.
    PreviousOutputName,
    NextOutputName,
    LeftVolumeName,
    RightVolumeName,
    LeftLevelName,
    RightLevelName,
    PreviousFileName,
    NextFileName,
    StartPlayName,
    StopPlayName,
    StartRecordingName,
    StopRecordingName,
    SoundLogName,
    // Object 1's microphone answers only to claps, not to speech or music.
    ClapsOnlyCaption,
    ClapsOnlyHint,
    Count
};
Q_ENUM_NS(UiKey)

} // namespace uikeys

using uikeys::UiKey;

constexpr int UiKeyCount = int(UiKey::Count);

// The interface languages by index (the others follow in InterfaceLanguages).
constexpr qint32 LanguageEnglish = 0;
constexpr qint32 LanguageRussian = 1;

// The text of `key` in language `languageIndex`, from the language's catalogue; empty for an
// index that names no language.
QString UiText(UiKey key, qint32 languageIndex);

// The fixed caption of kind label `kind` (1..10), the same in every language.
QString KindCaption(int kind);

// The interface texts as the program holds them, with the interface language index: every
// key starts empty and is refilled for the language when the windows apply it.
class StringTable {
public:
    // Fills every key for LanguageIndex; an index that names no language fills nothing and
    // leaves the texts as they were.
    void refill();
    QString text(UiKey key) const { return texts_[std::size_t(key)]; }
    QString operator[](UiKey key) const { return text(key); }

    // Reads the index from the settings value "Languare" (the desktop's language when nothing
    // is stored, English for an index that names no language); writes it there (failures are
    // not reported).
    void LoadLanguage();
    void SaveLanguage() const;

    qint32 languageIndex() const { return LanguageIndex; }
    // Takes effect for the texts at the next refill.
    void setLanguageIndex(qint32 index) { LanguageIndex = index; }

private:
    qint32 LanguageIndex = LanguageEnglish;
    std::array<QString, UiKeyCount> texts_;
};

// The interface string table under the name the help window's holder gives it.
using UiStrings = StringTable;

} // namespace numbrook
