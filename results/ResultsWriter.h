// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

#pragma once

// The three writes of the question cycle. Each is written at once, in its own transaction; one
// the database cannot take now (it is locked or busy, the disk is full or read-only, it cannot
// be opened yet, or it is of a newer schema) waits in memory, in order, and is written before
// the next one or by writeUnwritten(). What still waits when the writer goes is saved to the
// pending file, which the first use of the database by a later store writes in before anything
// else.

#include "ResultsRecords.h"

#include <QList>
#include <QString>

#include <map>
#include <memory>
#include <set>

class QSqlError;

namespace numbrook {

class PendingResults;
class ResultsDatabase;

class ResultsWriter {
public:
    explicit ResultsWriter(ResultsDatabase &database);
    ~ResultsWriter();
    ResultsWriter(const ResultsWriter &) = delete;
    ResultsWriter &operator=(const ResultsWriter &) = delete;

    // beginQuiz returns the quiz's handle for the other two (a handle of this writer, not a
    // database id). recordQuestion and endQuiz return true when the write and every one before
    // it reached the database.
    qint64 beginQuiz(const QuizStart &start);
    bool recordQuestion(qint64 quiz, const QuestionRecord &question);
    bool endQuiz(qint64 quiz, const QuizTotals &totals, bool normalEnd);

    // Some writes wait for the database.
    bool hasUnwritten() const { return !pending_.isEmpty(); }
    // Tries the waiting writes again (never waits long for a lock); true when none is left.
    bool writeUnwritten();
    // Saves what waits to the pending file now (the writer does so when it goes), so that a
    // crash loses none of it; removes a pending file that is no longer needed.
    void savePending();
    // The pending file beside the database, and whether it exists (results of an earlier run
    // wait in it: opening the store writes them in).
    QString pendingPath() const;
    bool hasPendingFile() const;

    // Database ids of the quizzes begun here and not yet ended.
    const std::set<qint64> &runningQuizzes() const { return runningQuizzes_; }
    // Deletes every quiz but the running ones.
    bool clearHistory();

private:
    void readPendingFile();
    void enqueue(const PendingWrite &write);
    bool writePending();
    bool flushPending();
    QSqlError attachOrInsertQuiz(const PendingWrite &write, qint64 &id);
    QSqlError insertQuiz(const QuizStart &start, qint64 &id);
    QSqlError insertQuestion(qint64 quizId, const QuestionRecord &record);
    QSqlError updateEnd(qint64 quizId, const QuizTotals &totals, bool normalEnd);

    ResultsDatabase &database_;
    std::set<qint64> runningQuizzes_;
    std::map<qint64, qint64> databaseIds_; // quiz handle to database id, while running
    qint64 nextQuiz_ = 1;
    QList<PendingWrite> pending_;
    std::map<qint64, PendingWrite> starts_; // the Start of each quiz handle still written to
    std::unique_ptr<PendingResults> pendingFile_;
    bool pendingFileRead_ = false;
    bool pendingFileInUse_ = false; // it holds (or held) writes of this writer
};

} // namespace numbrook
