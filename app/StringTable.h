// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

#pragma once

#include <QString>

#include <array>

namespace numbrook {

// The keys of the interface string table, in the table's order.
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
    // Object 1's microphone answers only to claps, not to speech or music.
    ClapsOnlyCaption,
    ClapsOnlyHint,
    Count
};

constexpr int UiKeyCount = int(UiKey::Count);

// The interface languages by index.
constexpr qint32 LanguageEnglish = 0;
constexpr qint32 LanguageRussian = 1;

// The text of `key` in language `languageIndex`; empty for an index that names no language.
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

    // Reads the index from the settings value "Languare" (English for one that names no
    // language); writes it there (failures are not reported).
    void LoadLanguage();
    void SaveLanguage() const;

    qint32 LanguageIndex = LanguageEnglish;

private:
    std::array<QString, UiKeyCount> texts_;
};

} // namespace numbrook
