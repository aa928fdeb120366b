// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

#pragma once

// What the record of quizzes holds and gives back: the children, the quizzes with their
// questions and totals, the figures read from them, and the problems the store meets.

#include <QDate>
#include <QDateTime>
#include <QList>
#include <QLoggingCategory>
#include <QString>

#include "FactFluency.h"

#include <optional>

namespace numbrook {

Q_DECLARE_LOGGING_CATEGORY(lcResults)

// Every quiz belongs to a child; the first child has all the history from before there were
// children. There is always at least one child. 0 as a child's id means every child.
inline constexpr qint64 kFirstChild = 1;
inline constexpr qint64 kEveryChild = 0;

struct ChildProfile {
    qint64 id = 0;
    QString name; // empty only for the first child, until the parent names them
    int picture = 0;
};

// Why a child's name was not taken.
enum class ChildNameProblem { None, Empty, Duplicate, Unavailable };

// How the child answered a question. Stored as its number.
enum class AnswerSource { None = 0, Key = 1, Clap = 2 };

// What the quiz was set up with when it started.
struct QuizStart {
    QDateTime startedAt;
    int level = 1;        // difficulty level 1..3
    QList<int> kinds;     // the kinds of expression switched on (1..10)
    int speedSeconds = 0; // seconds a question stays on screen
    int displayMode = 0;  // 0: 800 x 600 window, 1: the whole desktop
    qint64 childId = kFirstChild;
};

// One scored question.
struct QuestionRecord {
    QDateTime shownAt;
    QString equation;
    bool equationTrue = false;
    AnswerSource answer = AnswerSource::None;
    std::optional<int> reactionMs; // showing the equation to the answer; none without an answer
    bool judgedRight = false;
};

// The score when the quiz ends.
struct QuizTotals {
    QDateTime endedAt;
    int total = 0;
    int correct = 0;
    int wrong = 0;
    int points = 0;
};

enum class QuizState {
    Running,    // begun by this store and not yet ended
    Finished,   // ended normally
    Stopped,    // ended, but not normally (the program closed during the quiz)
    Unfinished, // never ended: the program was killed or crashed
};

// One row of the quiz table. The totals of a quiz that never ended are counted from its
// recorded questions.
struct QuizSummary {
    qint64 id = 0;
    QDateTime startedAt;
    QDateTime endedAt; // invalid when never ended
    int level = 0;
    QList<int> kinds;
    int speedSeconds = 0;
    int displayMode = 0;
    int total = 0;
    int correct = 0;
    int wrong = 0;
    int points = 0;
    int falseEquations = 0; // what silence alone would have judged right
    QuizState state = QuizState::Unfinished;
    std::optional<int> medianReactionMs;
    qint64 childId = kFirstChild;
};

struct DayStatistics {
    QDate day;
    int questions = 0;
    int right = 0;
    int falseEquations = 0;
    std::optional<int> medianReactionMs; // over the answered questions
    double shareRight() const { return questions > 0 ? double(right) / questions : 0.0; }
};

struct PeriodStatistics {
    int quizzes = 0;
    int questions = 0;
    int right = 0;
    int falseEquations = 0;
    std::optional<int> medianReactionMs;
    double shareRight() const { return questions > 0 ? double(right) / questions : 0.0; }
};

struct WrongEquation {
    QString equation;
    int wrongCount = 0;
    int shownCount = 0;
};

struct QuestionRow {
    int number = 0; // 1 for the quiz's first question
    QuestionRecord record;
};

// A problem the store met, kept until the window has shown it once.
struct StoreProblem {
    // NewerSchema: the database was written by a newer Numbrook and is left alone; the quizzes
    // go to the pending file (the detail).
    enum class Kind { None, CannotOpen, Locked, CorruptMovedAside, WriteFailed, NewerSchema };
    Kind kind = Kind::None;
    QString detail; // the file concerned or the database's own message
};

// One write of the question cycle, as it waits in memory and in the pending file.
struct PendingWrite {
    enum class Kind { Start, Question, End };
    Kind kind = Kind::Start;
    qint64 quiz = 0; // the store's handle
    QuizStart start;
    // Start: the database row already written for the quiz, if any; its later questions
    // and its end go there while that row is still the same quiz.
    std::optional<qint64> databaseId;
    bool earlierRun = false; // read from the pending file: not a quiz running now
    QuestionRecord question;
    QuizTotals totals;
    bool normalEnd = false;
};

} // namespace numbrook
