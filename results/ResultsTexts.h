// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

#pragma once

// Every text of the results window and of the microphone check, in both interface languages.

#include "MicrophoneCheck.h"
#include "ResultsStore.h"

#include <QString>

namespace numbrook {

enum class ResultsText {
    WindowTitle,
    NoHistory,
    SummaryWeek,
    SummaryNoWeek,
    TrendMoreRight,
    TrendFewerRight,
    TrendSameRight,
    TrendFaster,
    TrendSlower,
    TrendNoEarlier,
    SecondsValue,
    NoValue,
    ChartTitle,
    ChartShareSeries,
    ChartTimeSeries,
    ChartDateFormat,
    RecentTitle,
    PageLine,
    MoreButton,
    QuestionsTitle,
    QuestionsHint,
    WrongTitle,
    ColumnDate,
    ColumnLevel,
    ColumnKinds,
    ColumnSpeed,
    ColumnDisplay,
    ColumnQuestions,
    ColumnRight,
    ColumnWrong,
    ColumnPoints,
    ColumnReaction,
    ColumnState,
    ColumnNumber,
    ColumnAnswerTime,
    ColumnEquation,
    ColumnTruth,
    ColumnAnswer,
    ColumnJudged,
    ColumnWrongCount,
    ColumnShownCount,
    DateFormat,
    DisplayWindow,
    DisplayFullScreen,
    StateRunning,
    StateFinished,
    StateStopped,
    StateUnfinished,
    TruthTrue,
    TruthFalse,
    AnswerNone,
    AnswerKey,
    AnswerClap,
    JudgedRight,
    JudgedWrong,
    ExportButton,
    ExportTitle,
    ExportFilter,
    ExportFileName,
    ExportFailed,
    ClearButton,
    ClearTitle,
    ClearQuestion,
    ClearFailed,
    CloseButton,
    ProblemCannotOpen,
    ProblemLocked,
    ProblemCorrupt,
    ProblemWriteFailed,
    MicrophoneTestButton,
    MicrophoneClapTwice,
    MicrophoneProposed,
    MicrophoneApply,
    MicrophoneTooFewClaps,
    MicrophoneNotLouder,
    MicrophoneNothingHeard,
    LastQuizLine,
    MicrophoneNoClap,
    MicrophoneSpeechHeard,
    MicrophoneOnlyClapsProposed,
    Count
};

class ResultsTexts {
public:
    static constexpr int English = 0;
    static constexpr int Russian = 1;

    // The text of `id` in language `languageIndex`; English for an index that names none.
    static QString text(ResultsText id, int languageIndex);

    void setLanguage(int languageIndex) { language_ = languageIndex; }
    int language() const { return language_; }
    QString operator()(ResultsText id) const { return text(id, language_); }
    // Milliseconds as seconds with one decimal and the unit; the no-value mark for none.
    QString seconds(std::optional<int> ms) const;

private:
    int language_ = English;
};

// The main window's line after a quiz: its score and typical answer time.
QString lastQuizLine(const QuizSummary &quiz, int languageIndex);

// What the microphone check says: the proposal or why it was refused.
QString microphoneCheckMessage(const MicrophoneCheckResult &result, int languageIndex);

} // namespace numbrook
