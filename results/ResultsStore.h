// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

#pragma once

// The record of every quiz: one SQLite database through Qt SQL, written as the quiz runs so that
// a crash loses at most the question on screen. Nothing here may ever stop a quiz: every call
// fails softly (false or an empty result), logs the reason to `numbrook.results` and keeps it
// as a one-time problem for the results window.

#include <QDate>
#include <QDateTime>
#include <QList>
#include <QLoggingCategory>
#include <QString>

#include "FactFluency.h"

#include <map>
#include <memory>
#include <optional>
#include <set>

class QSqlError;
class QSqlQuery;

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

class PendingResults;

class ResultsStore {
public:
    // `databasePath` empty: the default file in the user's data folder.
    explicit ResultsStore(const QString &databasePath = QString());
    ~ResultsStore();
    ResultsStore(const ResultsStore &) = delete;
    ResultsStore &operator=(const ResultsStore &) = delete;

    static QString defaultPath();
    QString path() const { return path_; }

    // The database is opened at the first call that needs it, never at construction, so that
    // program start-up does not pay for it. True when it is open and usable.
    bool open();
    bool isOpen() const;

    // The three writes of the question cycle. Each is written at once, in its own transaction;
    // one the database cannot take now (it is locked or busy, the disk is full or read-only, it
    // cannot be opened yet, or it is of a newer schema) waits in memory, in order, and is
    // written before the next one or by writeUnwritten(). What still waits when the store goes
    // is saved to the pending file, which the first opening of a later store writes into the
    // database before anything else. beginQuiz returns the quiz's handle for
    // the other two (a handle of this store, not a database id). recordQuestion and endQuiz
    // return true when the write and every one before it reached the database.
    qint64 beginQuiz(const QuizStart &start);
    bool recordQuestion(qint64 quiz, const QuestionRecord &question);
    bool endQuiz(qint64 quiz, const QuizTotals &totals, bool normalEnd);

    // Some writes wait for the database.
    bool hasUnwritten() const { return !pending_.isEmpty(); }
    // Tries the waiting writes again (never waits long for a lock); true when none is left.
    bool writeUnwritten();
    // Saves what waits to the pending file now (the store does so when it goes), so that a
    // crash loses none of it; removes a pending file that is no longer needed.
    void savePending();
    // The pending file beside the database, and whether it exists (results of an earlier run
    // wait in it: opening the store writes them in).
    QString pendingPath() const;
    bool hasPendingFile() const;

    // The reads below take the quizzes of `child`, or of every child for kEveryChild. A quiz
    // without a judged question is neither listed nor counted.
    // Newest first; `offset` skips that many of the newest.
    QList<QuizSummary> recentQuizzes(int limit, int offset = 0, qint64 child = kEveryChild);
    int quizCount(qint64 child = kEveryChild);
    // One entry per day with questions, oldest first, from `firstDay` on.
    QList<DayStatistics> dailyStatistics(const QDate &firstDay, qint64 child = kEveryChild);
    // Quizzes started in [from, to).
    PeriodStatistics periodStatistics(const QDateTime &from, const QDateTime &to,
                                      qint64 child = kEveryChild);
    // The equations judged wrong most often in quizzes started from `from` on.
    QList<WrongEquation> mostOftenWrong(const QDateTime &from, int limit,
                                        qint64 child = kEveryChild);

    // The children, first child first. Names are trimmed; an empty one, or one another child
    // has already (in any letter case), is refused.
    QList<ChildProfile> children();
    ChildNameProblem addChild(const QString &name, int picture, qint64 *id = nullptr);
    ChildNameProblem changeChild(qint64 id, const QString &name, int picture);
    // Deletes the child and every quiz of theirs; the last child stays.
    bool removeChild(qint64 id);
    // The child's own quiz settings as the settings panel wrote them; none before the first.
    std::optional<QString> childSettings(qint64 id);
    bool setChildSettings(qint64 id, const QString &values);

    // The last three tries of every level-1 fact the child was asked, from the recorded
    // questions.
    FactProgress factProgress(qint64 child);
    // Each operation's fluent share at the end of every day with level-1 questions; `progress`,
    // when given, receives what factProgress would return, from the same reading.
    QList<DailyFluency> dailyFluency(qint64 child, int fluencyMs, FactProgress *progress = nullptr);
    QList<QuestionRow> quizQuestions(qint64 quizId);

    // One row per question, a header row, UTF-8, quoted by RFC 4180.
    bool exportCsv(const QString &filePath);
    // Deletes every quiz but the ones this store has begun and not yet ended.
    bool clearHistory();

    // The problem met since the last call, then none.
    StoreProblem takeProblem();

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

private:
    class Database;
    bool ensureOpen();
    bool openFile();
    bool keepDamagedFileAside();
    void readPendingFile();
    void enqueue(const PendingWrite &write);
    bool writePending();
    bool flushPending();
    QSqlError attachOrInsertQuiz(const PendingWrite &write, qint64 &id);
    QSqlError insertQuiz(const QuizStart &start, qint64 &id);
    QSqlError insertQuestion(qint64 quizId, const QuestionRecord &record);
    QSqlError updateEnd(qint64 quizId, const QuizTotals &totals, bool normalEnd);
    bool runQuery(QSqlQuery &query);
    QSqlQuery newQuery() const;
    ChildNameProblem checkName(const QString &name, qint64 self);
    template <typename Visit> bool visitLevelOneTries(qint64 child, Visit visit);
    void failed(const QSqlError &error);
    void report(StoreProblem::Kind kind, const QString &detail);

    QString path_;
    std::unique_ptr<Database> db_;
    StoreProblem problem_;
    std::set<qint64> runningQuizzes_;      // database ids of quizzes begun and not ended
    std::map<qint64, qint64> databaseIds_; // quiz handle to database id, while running
    qint64 nextQuiz_ = 1;
    QList<PendingWrite> pending_;
    std::map<qint64, PendingWrite> starts_; // the Start of each quiz handle still written to
    std::unique_ptr<PendingResults> pendingFile_;
    bool pendingFileRead_ = false;
    bool pendingFileInUse_ = false; // it holds (or held) writes of this store
    bool newerSchema_ = false;      // the database is left alone for the store's lifetime
    bool damaged_ = false;          // found damaged: closed and moved aside at the next call
};

} // namespace numbrook
