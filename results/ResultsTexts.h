// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

#pragma once

// Every text of the results window and of the microphone check: the English source texts and
// their look-up in the catalogue of any interface language.

#include "MicrophoneCheck.h"
#include "ResultsStore.h"

#include <QObject>
#include <QString>

namespace numbrook {

// The names of the texts are known at run time, hence the namespace of their own.
namespace resultstexts {
Q_NAMESPACE

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
    // Children, the fact grid, the score beside silence and the report.
    ChildCaption,
    FirstChildName,
    TabAnswers,
    TabFacts,
    TabFluency,
    FluencyChartTitle,
    FluencySeries,
    OperationAddition,
    OperationSubtraction,
    OperationMultiplication,
    OperationDivision,
    GridShare,
    GridKeyFluent,
    GridKeyLearning,
    GridKeyNotSeen,
    GridTry,
    GridOverall,
    HonestScore,
    HonestMore,
    HonestFewer,
    HonestSame,
    ColumnHonest,
    ChartSilentSeries,
    KindNamesAddSub,
    KindNamesMulDiv,
    KindOther,
    ReportButton,
    ReportTitle,
    ReportFilter,
    ReportFileName,
    ReportFailed,
    ReportHeading,
    ReportPeriod,
    ReportQuizzes,
    ReportRight,
    ReportMedian,
    ReportFacts,
    ReportWrongTitle,
    ReportWrongLine,
    ReportNone,
    ReportMade,
    ReportNoQuizzes,
    ProblemNewerSchema,
    MicrophoneSpeechHeard,
    MicrophoneOnlyClapsProposed,
    Count
};
Q_ENUM_NS(ResultsText)

} // namespace resultstexts

using resultstexts::ResultsText;

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
    // "12 of 16 right; staying silent would have given 10 (2 more than silence)": the score
    // beside what a child who never answered would have scored (the false equations asked).
    QString honestScore(int right, int total, int falseEquations) const;
    // The kinds as operation signs ("+ −, × ÷"), and named in words.
    QString kindSigns(const QList<int> &kinds) const;
    QString kindNames(const QList<int> &kinds) const;

private:
    int language_ = English;
};

// The main window's line after a quiz: its score and typical answer time.
QString lastQuizLine(const QuizSummary &quiz, int languageIndex);

// What the microphone check says: the proposal or why it was refused.
QString microphoneCheckMessage(const MicrophoneCheckResult &result, int languageIndex);

} // namespace numbrook
