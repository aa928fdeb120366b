// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

#include "ResultsTexts.h"

#include "InterfaceLanguages.h"

#include <QLocale>
#include <QStringList>

#include <array>

namespace numbrook {

namespace {

// The English source text of each id; the catalogues under translations/ hold the others.
struct Entry {
    ResultsText id;
    const char *english;
};

// clang-format off
constexpr std::array kTexts = {
    Entry{ResultsText::WindowTitle, QT_TRANSLATE_NOOP("ResultsTexts", "Numbrook: results")},
    Entry{ResultsText::NoHistory, QT_TRANSLATE_NOOP("ResultsTexts", "No quizzes recorded yet. Results appear here after the first quiz.")},
    Entry{ResultsText::SummaryWeek, QT_TRANSLATE_NOOP("ResultsTexts", "Last 7 days: %1 quizzes · %2 % right · typical answer time %3")},
    Entry{ResultsText::SummaryNoWeek, QT_TRANSLATE_NOOP("ResultsTexts", "No quizzes in the last 7 days.")},
    Entry{ResultsText::TrendMoreRight, QT_TRANSLATE_NOOP("ResultsTexts", "▲ %1 % more right answers than the week before")},
    Entry{ResultsText::TrendFewerRight, QT_TRANSLATE_NOOP("ResultsTexts", "▼ %1 % fewer right answers than the week before")},
    Entry{ResultsText::TrendSameRight, QT_TRANSLATE_NOOP("ResultsTexts", "● as many right answers as the week before")},
    Entry{ResultsText::TrendFaster, QT_TRANSLATE_NOOP("ResultsTexts", "answers %1 faster")},
    Entry{ResultsText::TrendSlower, QT_TRANSLATE_NOOP("ResultsTexts", "answers %1 slower")},
    Entry{ResultsText::TrendNoEarlier, QT_TRANSLATE_NOOP("ResultsTexts", "No quizzes the week before to compare with.")},
    Entry{ResultsText::SecondsValue, QT_TRANSLATE_NOOP("ResultsTexts", "%1 s")},
    Entry{ResultsText::NoValue, QT_TRANSLATE_NOOP("ResultsTexts", "–")},
    Entry{ResultsText::ChartTitle, QT_TRANSLATE_NOOP("ResultsTexts", "Right answers and typical answer time by day")},
    Entry{ResultsText::ChartShareSeries, QT_TRANSLATE_NOOP("ResultsTexts", "Right answers, %")},
    Entry{ResultsText::ChartTimeSeries, QT_TRANSLATE_NOOP("ResultsTexts", "Typical answer time, s")},
    Entry{ResultsText::ChartDateFormat, QT_TRANSLATE_NOOP("ResultsTexts", "d MMM")},
    Entry{ResultsText::RecentTitle, QT_TRANSLATE_NOOP("ResultsTexts", "Recent quizzes")},
    Entry{ResultsText::PageLine, QT_TRANSLATE_NOOP("ResultsTexts", "Showing %1 of %2 quizzes")},
    Entry{ResultsText::MoreButton, QT_TRANSLATE_NOOP("ResultsTexts", "Show more")},
    Entry{ResultsText::QuestionsTitle, QT_TRANSLATE_NOOP("ResultsTexts", "Questions of the selected quiz")},
    Entry{ResultsText::QuestionsHint, QT_TRANSLATE_NOOP("ResultsTexts", "Select a quiz to see its questions.")},
    Entry{ResultsText::WrongTitle, QT_TRANSLATE_NOOP("ResultsTexts", "Most often wrong (last 8 weeks)")},
    Entry{ResultsText::ColumnDate, QT_TRANSLATE_NOOP("ResultsTexts", "Date")},
    Entry{ResultsText::ColumnLevel, QT_TRANSLATE_NOOP("ResultsTexts", "Level")},
    Entry{ResultsText::ColumnKinds, QT_TRANSLATE_NOOP("ResultsTexts", "Kinds")},
    Entry{ResultsText::ColumnSpeed, QT_TRANSLATE_NOOP("ResultsTexts", "Time per question")},
    Entry{ResultsText::ColumnDisplay, QT_TRANSLATE_NOOP("ResultsTexts", "Display")},
    Entry{ResultsText::ColumnQuestions, QT_TRANSLATE_NOOP("ResultsTexts", "Questions")},
    Entry{ResultsText::ColumnRight, QT_TRANSLATE_NOOP("ResultsTexts", "Right")},
    Entry{ResultsText::ColumnWrong, QT_TRANSLATE_NOOP("ResultsTexts", "Wrong")},
    Entry{ResultsText::ColumnPoints, QT_TRANSLATE_NOOP("ResultsTexts", "Points")},
    Entry{ResultsText::ColumnReaction, QT_TRANSLATE_NOOP("ResultsTexts", "Typical answer")},
    Entry{ResultsText::ColumnState, QT_TRANSLATE_NOOP("ResultsTexts", "Ended")},
    Entry{ResultsText::ColumnNumber, QT_TRANSLATE_NOOP("ResultsTexts", "No.")},
    Entry{ResultsText::ColumnAnswerTime, QT_TRANSLATE_NOOP("ResultsTexts", "Answer time")},
    Entry{ResultsText::ColumnEquation, QT_TRANSLATE_NOOP("ResultsTexts", "Equation")},
    Entry{ResultsText::ColumnTruth, QT_TRANSLATE_NOOP("ResultsTexts", "Equation is")},
    Entry{ResultsText::ColumnAnswer, QT_TRANSLATE_NOOP("ResultsTexts", "Answer")},
    Entry{ResultsText::ColumnJudged, QT_TRANSLATE_NOOP("ResultsTexts", "Judged")},
    Entry{ResultsText::ColumnWrongCount, QT_TRANSLATE_NOOP("ResultsTexts", "Wrong")},
    Entry{ResultsText::ColumnShownCount, QT_TRANSLATE_NOOP("ResultsTexts", "Times shown")},
    Entry{ResultsText::DateFormat, QT_TRANSLATE_NOOP("ResultsTexts", "ddd d MMM, HH:mm")},
    Entry{ResultsText::DisplayWindow, QT_TRANSLATE_NOOP("ResultsTexts", "window")},
    Entry{ResultsText::DisplayFullScreen, QT_TRANSLATE_NOOP("ResultsTexts", "full screen")},
    Entry{ResultsText::StateRunning, QT_TRANSLATE_NOOP("ResultsTexts", "in progress")},
    Entry{ResultsText::StateFinished, QT_TRANSLATE_NOOP("ResultsTexts", "completed")},
    Entry{ResultsText::StateStopped, QT_TRANSLATE_NOOP("ResultsTexts", "program closed")},
    Entry{ResultsText::StateUnfinished, QT_TRANSLATE_NOOP("ResultsTexts", "unfinished")},
    Entry{ResultsText::TruthTrue, QT_TRANSLATE_NOOP("ResultsTexts", "true")},
    Entry{ResultsText::TruthFalse, QT_TRANSLATE_NOOP("ResultsTexts", "false")},
    Entry{ResultsText::AnswerNone, QT_TRANSLATE_NOOP("ResultsTexts", "no answer")},
    Entry{ResultsText::AnswerKey, QT_TRANSLATE_NOOP("ResultsTexts", "key")},
    Entry{ResultsText::AnswerClap, QT_TRANSLATE_NOOP("ResultsTexts", "clap")},
    Entry{ResultsText::JudgedRight, QT_TRANSLATE_NOOP("ResultsTexts", "✔ right")},
    Entry{ResultsText::JudgedWrong, QT_TRANSLATE_NOOP("ResultsTexts", "✘ wrong")},
    Entry{ResultsText::ExportButton, QT_TRANSLATE_NOOP("ResultsTexts", "Export to CSV…")},
    Entry{ResultsText::ExportTitle, QT_TRANSLATE_NOOP("ResultsTexts", "Export results")},
    Entry{ResultsText::ExportFilter, QT_TRANSLATE_NOOP("ResultsTexts", "CSV files (*.csv)")},
    Entry{ResultsText::ExportFileName, QT_TRANSLATE_NOOP("ResultsTexts", "numbrook-results.csv")},
    Entry{ResultsText::ExportFailed, QT_TRANSLATE_NOOP("ResultsTexts", "The results could not be written to %1.")},
    Entry{ResultsText::ClearButton, QT_TRANSLATE_NOOP("ResultsTexts", "Clear history…")},
    Entry{ResultsText::ClearTitle, QT_TRANSLATE_NOOP("ResultsTexts", "Clear history")},
    Entry{ResultsText::ClearQuestion, QT_TRANSLATE_NOOP("ResultsTexts", "Delete the record of every quiz? This cannot be undone.")},
    Entry{ResultsText::ClearFailed, QT_TRANSLATE_NOOP("ResultsTexts", "The history could not be cleared.")},
    Entry{ResultsText::CloseButton, QT_TRANSLATE_NOOP("ResultsTexts", "Close")},
    Entry{ResultsText::ProblemCannotOpen, QT_TRANSLATE_NOOP("ResultsTexts", "Results cannot be saved: the file %1 cannot be opened. Quizzes still work.")},
    Entry{ResultsText::ProblemLocked, QT_TRANSLATE_NOOP("ResultsTexts", "The results file %1 was in use by another program; some results may wait to be saved.")},
    Entry{ResultsText::ProblemCorrupt, QT_TRANSLATE_NOOP("ResultsTexts", "The results file was damaged. It was kept as %1 and a new one was started.")},
    Entry{ResultsText::ProblemWriteFailed, QT_TRANSLATE_NOOP("ResultsTexts", "Some results could not be saved to %1.")},
    Entry{ResultsText::MicrophoneTestButton, QT_TRANSLATE_NOOP("ResultsTexts", "Test microphone")},
    Entry{ResultsText::MicrophoneClapTwice, QT_TRANSLATE_NOOP("ResultsTexts", "clap twice")},
    Entry{ResultsText::MicrophoneProposed, QT_TRANSLATE_NOOP("ResultsTexts", "Background up to %1, claps %2 and %3: threshold %4 proposed.")},
    Entry{ResultsText::MicrophoneApply, QT_TRANSLATE_NOOP("ResultsTexts", "Apply")},
    Entry{ResultsText::MicrophoneTooFewClaps, QT_TRANSLATE_NOOP("ResultsTexts", "Only one clap stood out from the background. Clap twice, a little louder.")},
    Entry{ResultsText::MicrophoneNotLouder, QT_TRANSLATE_NOOP("ResultsTexts", "The claps were not clearly louder than the background (up to %1). The threshold stays as it was.")},
    Entry{ResultsText::MicrophoneNothingHeard, QT_TRANSLATE_NOOP("ResultsTexts", "Nothing was heard from the microphone.")},
    Entry{ResultsText::LastQuizLine, QT_TRANSLATE_NOOP("ResultsTexts", "Last quiz: %1 of %2 right, %3 points, typical answer time %4")},
    Entry{ResultsText::MicrophoneNoClap, QT_TRANSLATE_NOOP("ResultsTexts", "No clap was heard. Clap twice, close to the microphone. The threshold stays as it was.")},
    Entry{ResultsText::ChildCaption, QT_TRANSLATE_NOOP("ResultsTexts", "Child:")},
    Entry{ResultsText::FirstChildName, QT_TRANSLATE_NOOP("ResultsTexts", "First child")},
    Entry{ResultsText::TabAnswers, QT_TRANSLATE_NOOP("ResultsTexts", "Answers by day")},
    Entry{ResultsText::TabFacts, QT_TRANSLATE_NOOP("ResultsTexts", "Facts")},
    Entry{ResultsText::TabFluency, QT_TRANSLATE_NOOP("ResultsTexts", "Learnt facts by day")},
    Entry{ResultsText::FluencyChartTitle, QT_TRANSLATE_NOOP("ResultsTexts", "Share of level-1 facts learnt, by day")},
    Entry{ResultsText::FluencySeries, QT_TRANSLATE_NOOP("ResultsTexts", "%1, % learnt")},
    Entry{ResultsText::OperationAddition, QT_TRANSLATE_NOOP("ResultsTexts", "Addition")},
    Entry{ResultsText::OperationSubtraction, QT_TRANSLATE_NOOP("ResultsTexts", "Subtraction")},
    Entry{ResultsText::OperationMultiplication, QT_TRANSLATE_NOOP("ResultsTexts", "Multiplication")},
    Entry{ResultsText::OperationDivision, QT_TRANSLATE_NOOP("ResultsTexts", "Division")},
    Entry{ResultsText::GridShare, QT_TRANSLATE_NOOP("ResultsTexts", "%1 of %2 learnt")},
    Entry{ResultsText::GridKeyFluent, QT_TRANSLATE_NOOP("ResultsTexts", "learnt (right and quick in 2 of the last 3 tries)")},
    Entry{ResultsText::GridKeyLearning, QT_TRANSLATE_NOOP("ResultsTexts", "being learnt")},
    Entry{ResultsText::GridKeyNotSeen, QT_TRANSLATE_NOOP("ResultsTexts", "not asked yet")},
    Entry{ResultsText::GridTry, QT_TRANSLATE_NOOP("ResultsTexts", "%1: %2, %3, %4")},
    Entry{ResultsText::GridOverall, QT_TRANSLATE_NOOP("ResultsTexts", "Learnt: %1 of %2 level-1 facts (%3 %)")},
    Entry{ResultsText::HonestScore, QT_TRANSLATE_NOOP("ResultsTexts", "%1 of %2 right; staying silent would have given %3")},
    Entry{ResultsText::HonestMore, QT_TRANSLATE_NOOP("ResultsTexts", "%1 more than silence")},
    Entry{ResultsText::HonestFewer, QT_TRANSLATE_NOOP("ResultsTexts", "%1 fewer than silence")},
    Entry{ResultsText::HonestSame, QT_TRANSLATE_NOOP("ResultsTexts", "no better than silence")},
    Entry{ResultsText::ColumnHonest, QT_TRANSLATE_NOOP("ResultsTexts", "Score, beside staying silent")},
    Entry{ResultsText::ChartSilentSeries, QT_TRANSLATE_NOOP("ResultsTexts", "Staying silent, %")},
    Entry{ResultsText::KindNamesAddSub, QT_TRANSLATE_NOOP("ResultsTexts", "addition and subtraction")},
    Entry{ResultsText::KindNamesMulDiv, QT_TRANSLATE_NOOP("ResultsTexts", "multiplication and division")},
    Entry{ResultsText::KindOther, QT_TRANSLATE_NOOP("ResultsTexts", "kind %1")},
    Entry{ResultsText::ReportButton, QT_TRANSLATE_NOOP("ResultsTexts", "Save report (PDF)…")},
    Entry{ResultsText::ReportTitle, QT_TRANSLATE_NOOP("ResultsTexts", "Save report")},
    Entry{ResultsText::ReportFilter, QT_TRANSLATE_NOOP("ResultsTexts", "PDF files (*.pdf)")},
    Entry{ResultsText::ReportFileName, QT_TRANSLATE_NOOP("ResultsTexts", "numbrook-report-%1.pdf")},
    Entry{ResultsText::ReportFailed, QT_TRANSLATE_NOOP("ResultsTexts", "The report could not be written to %1.")},
    Entry{ResultsText::ReportHeading, QT_TRANSLATE_NOOP("ResultsTexts", "Numbrook: progress of %1")},
    Entry{ResultsText::ReportPeriod, QT_TRANSLATE_NOOP("ResultsTexts", "Period: %1 to %2")},
    Entry{ResultsText::ReportQuizzes, QT_TRANSLATE_NOOP("ResultsTexts", "Quizzes: %1")},
    Entry{ResultsText::ReportRight, QT_TRANSLATE_NOOP("ResultsTexts", "Right answers: %1 % — %2")},
    Entry{ResultsText::ReportMedian, QT_TRANSLATE_NOOP("ResultsTexts", "Typical answer time: %1")},
    Entry{ResultsText::ReportFacts, QT_TRANSLATE_NOOP("ResultsTexts", "Level-1 facts")},
    Entry{ResultsText::ReportWrongTitle, QT_TRANSLATE_NOOP("ResultsTexts", "Most often misjudged")},
    Entry{ResultsText::ReportWrongLine, QT_TRANSLATE_NOOP("ResultsTexts", "%1 — wrong %2 of %3 times")},
    Entry{ResultsText::ReportNone, QT_TRANSLATE_NOOP("ResultsTexts", "none")},
    Entry{ResultsText::ReportMade, QT_TRANSLATE_NOOP("ResultsTexts", "Made on %1")},
    Entry{ResultsText::ReportNoQuizzes, QT_TRANSLATE_NOOP("ResultsTexts", "No quizzes recorded yet.")},
    Entry{ResultsText::ProblemNewerSchema, QT_TRANSLATE_NOOP("ResultsTexts", "This history was written by a newer Numbrook and is left as it is. The quizzes played here are kept aside in %1.")},
    Entry{ResultsText::MicrophoneSpeechHeard, QT_TRANSLATE_NOOP("ResultsTexts", "Talk, music or noise reached the threshold.")},
    Entry{ResultsText::MicrophoneOnlyClapsProposed, QT_TRANSLATE_NOOP("ResultsTexts", "Room %1, claps %2 and %3: “Only claps” with threshold %4 proposed.")},
};
// clang-format on

constexpr bool inOrder() {
    for (std::size_t i = 0; i < kTexts.size(); ++i) {
        if (std::size_t(kTexts[i].id) != i)
            return false;
    }
    return kTexts.size() == std::size_t(ResultsText::Count);
}
static_assert(inOrder(), "the text table lists every id once, in the enum's order");

} // namespace

QString ResultsTexts::text(ResultsText id, int languageIndex) {
    return TranslatedText(languageIndex, "ResultsTexts", kTexts.at(std::size_t(id)).english);
}

namespace {

QString secondsText(std::optional<int> ms, int languageIndex) {
    if (!ms)
        return ResultsTexts::text(ResultsText::NoValue, languageIndex);
    const QLocale locale = InterfaceLanguageLocale(languageIndex);
    return ResultsTexts::text(ResultsText::SecondsValue, languageIndex)
        .arg(locale.toString(*ms / 1000.0, 'f', 1));
}

} // namespace

QString ResultsTexts::seconds(std::optional<int> ms) const {
    return secondsText(ms, language_);
}

QString ResultsTexts::honestScore(int right, int total, int falseEquations) const {
    const int above = right - falseEquations;
    const QString compared = above > 0   ? text(ResultsText::HonestMore, language_).arg(above)
                             : above < 0 ? text(ResultsText::HonestFewer, language_).arg(-above)
                                         : text(ResultsText::HonestSame, language_);
    return text(ResultsText::HonestScore, language_).arg(right).arg(total).arg(falseEquations) +
           QStringLiteral(" (") + compared + QLatin1Char(')');
}

QString ResultsTexts::kindSigns(const QList<int> &kinds) const {
    QStringList parts;
    for (int kind : kinds) {
        parts << (kind == 1   ? QStringLiteral("+ −")
                  : kind == 2 ? QStringLiteral("× ÷")
                              : text(ResultsText::KindOther, language_).arg(kind));
    }
    return parts.join(QStringLiteral(", "));
}

QString ResultsTexts::kindNames(const QList<int> &kinds) const {
    QStringList parts;
    for (int kind : kinds) {
        parts << (kind == 1   ? text(ResultsText::KindNamesAddSub, language_)
                  : kind == 2 ? text(ResultsText::KindNamesMulDiv, language_)
                              : text(ResultsText::KindOther, language_).arg(kind));
    }
    return parts.join(QStringLiteral(", "));
}

QString lastQuizLine(const QuizSummary &quiz, int languageIndex) {
    return ResultsTexts::text(ResultsText::LastQuizLine, languageIndex)
        .arg(quiz.correct)
        .arg(quiz.total)
        .arg(quiz.points)
        .arg(secondsText(quiz.medianReactionMs, languageIndex));
}

QString microphoneCheckMessage(const MicrophoneCheckResult &result, int languageIndex) {
    auto text = [&](ResultsText id) { return ResultsTexts::text(id, languageIndex); };
    switch (result.outcome) {
    case MicrophoneCheckOutcome::Proposed:
        if (result.onlyClaps) {
            const QString proposal = text(ResultsText::MicrophoneOnlyClapsProposed)
                                         .arg(result.roomLevel)
                                         .arg(result.clapPeaks.value(0))
                                         .arg(result.clapPeaks.value(1))
                                         .arg(result.threshold);
            return result.speechHeard
                       ? text(ResultsText::MicrophoneSpeechHeard) + QLatin1Char(' ') + proposal
                       : proposal;
        }
        return text(ResultsText::MicrophoneProposed)
            .arg(result.background)
            .arg(result.clapPeaks.value(0))
            .arg(result.clapPeaks.value(1))
            .arg(result.threshold);
    case MicrophoneCheckOutcome::TooFewClaps:
        return text(ResultsText::MicrophoneTooFewClaps);
    case MicrophoneCheckOutcome::NotLouderThanNoise:
        return text(ResultsText::MicrophoneNotLouder).arg(result.background);
    case MicrophoneCheckOutcome::NoClapHeard:
        return text(ResultsText::MicrophoneNoClap);
    case MicrophoneCheckOutcome::NothingHeard:
        break;
    }
    return text(ResultsText::MicrophoneNothingHeard);
}

} // namespace numbrook
