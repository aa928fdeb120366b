// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

#pragma once

// The record of every quiz: one SQLite database through Qt SQL, written as the quiz runs so that
// a crash loses at most the question on screen. Nothing here may ever stop a quiz: every call
// fails softly (false or an empty result), logs the reason to `numbrook.results` and keeps it
// as a one-time problem for the results window.
//
// The store is made of its database (the connection, the schema, the problems), the writer of
// the question cycle with its pending file, the reads, and the children; the program reaches
// the writer's pending writes and the children's editing through writer() and childrenStore().

#include "ChildrenStore.h"
#include "ResultsDatabase.h"
#include "ResultsQueries.h"
#include "ResultsRecords.h"
#include "ResultsWriter.h"

#include <QString>

namespace numbrook {

class ResultsStore {
public:
    // `databasePath` empty: the default file in the user's data folder.
    explicit ResultsStore(const QString &databasePath = QString());
    ResultsStore(const ResultsStore &) = delete;
    ResultsStore &operator=(const ResultsStore &) = delete;

    static QString defaultPath();
    QString path() const { return database_.path(); }

    // The database is opened at the first call that needs it, never at construction, so that
    // program start-up does not pay for it. True when it is open and usable.
    bool open() { return database_.ensureOpen(); }
    bool isOpen() const { return database_.isOpen(); }
    // The problem met since the last call, then none.
    StoreProblem takeProblem() { return database_.takeProblem(); }

    // The three writes of the question cycle (see ResultsWriter).
    qint64 beginQuiz(const QuizStart &start) { return writer_.beginQuiz(start); }
    bool recordQuestion(qint64 quiz, const QuestionRecord &question) {
        return writer_.recordQuestion(quiz, question);
    }
    bool endQuiz(qint64 quiz, const QuizTotals &totals, bool normalEnd) {
        return writer_.endQuiz(quiz, totals, normalEnd);
    }
    // The writes that wait for the database, and the pending file.
    ResultsWriter &writer() { return writer_; }
    // Deletes every quiz but the ones this store has begun and not yet ended.
    bool clearHistory() { return writer_.clearHistory(); }

    // The reads of the results window (see ResultsQueries).
    QList<QuizSummary> recentQuizzes(int limit, int offset = 0, qint64 child = kEveryChild) {
        return queries_.recentQuizzes(limit, offset, child);
    }
    int quizCount(qint64 child = kEveryChild) { return queries_.quizCount(child); }
    QList<DayStatistics> dailyStatistics(const QDate &firstDay, qint64 child = kEveryChild) {
        return queries_.dailyStatistics(firstDay, child);
    }
    PeriodStatistics periodStatistics(const QDateTime &from, const QDateTime &to,
                                      qint64 child = kEveryChild) {
        return queries_.periodStatistics(from, to, child);
    }
    QList<WrongEquation> mostOftenWrong(const QDateTime &from, int limit,
                                        qint64 child = kEveryChild) {
        return queries_.mostOftenWrong(from, limit, child);
    }
    QList<QuestionRow> quizQuestions(qint64 quizId) { return queries_.quizQuestions(quizId); }
    bool exportCsv(const QString &filePath) { return queries_.exportCsv(filePath); }

    // The children, first child first, and each one's fluency by day (see ChildrenStore).
    QList<ChildProfile> children() { return children_.list(); }
    QList<DailyFluency> dailyFluency(qint64 child, int fluencyMs,
                                     FactProgress *progress = nullptr) {
        return children_.dailyFluency(child, fluencyMs, progress);
    }
    ChildrenStore &childrenStore() { return children_; }

private:
    // In this order: the writer goes before the database it writes its last results to.
    ResultsDatabase database_;
    ResultsWriter writer_;
    ResultsQueries queries_;
    ChildrenStore children_;
};

} // namespace numbrook
