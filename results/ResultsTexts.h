#pragma once

// Every text of the results window and of the microphone check, in both interface languages.

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

private:
    int language_ = English;
};

} // namespace numbrook
