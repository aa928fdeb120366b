// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

#pragma once

// The results database itself: one named Qt SQL connection, opened at the first call that needs
// it, its schema brought up to date, a damaged file moved aside and a newer one left alone. It
// keeps the one-time problem for the results window; the other pieces of the store run their
// statements through it so that every failure is reported the same way.

#include "ResultsRecords.h"

#include <QString>
#include <QVariant>

#include <functional>
#include <memory>

class QSqlError;
class QSqlQuery;

namespace numbrook {

class ResultsDatabase {
public:
    // `pendingPath` is where the quizzes go while the database is of a newer schema.
    ResultsDatabase(const QString &path, const QString &pendingPath);
    ~ResultsDatabase();
    ResultsDatabase(const ResultsDatabase &) = delete;
    ResultsDatabase &operator=(const ResultsDatabase &) = delete;

    QString path() const { return path_; }
    // Called at the start of every ensureOpen(), before the database is looked at.
    void setBeforeUse(std::function<void()> beforeUse) { beforeUse_ = std::move(beforeUse); }

    // True when the database is open and usable, opening it if need be.
    bool ensureOpen();
    bool isOpen() const;

    // Only while open.
    QSqlQuery query() const;
    // The statement `sql`, prepared once for as long as the connection lasts.
    QSqlQuery &reusedStatement(const QString &sql);
    // Runs a prepared query, forward only; reports a failure.
    bool run(QSqlQuery &query);
    // Reports a failed statement; damage closes the database at the next call.
    void failed(const QSqlError &error);

    // The problem met since the last call, then none.
    StoreProblem takeProblem();

    // A refusal that passes (a lock, a full disk): the write waits and is tried again.
    static bool mayPass(const QSqlError &error);
    static bool isCorrupt(const QSqlError &error);

private:
    class Connection;
    bool openFile();
    bool keepDamagedFileAside();
    void report(StoreProblem::Kind kind, const QString &detail);

    QString path_;
    QString pendingPath_;
    std::function<void()> beforeUse_;
    std::unique_ptr<Connection> db_;
    StoreProblem problem_;
    bool newerSchema_ = false; // the database is left alone for the store's lifetime
    bool damaged_ = false;     // found damaged: closed and moved aside at the next call
};

// How the tables keep times (ms since the epoch, null for none) and kinds (comma separated).
QVariant storedTime(const QDateTime &time);
QDateTime timeOf(const QVariant &value);
QString kindsText(const QList<int> &kinds);
QList<int> kindsOf(const QString &text);

} // namespace numbrook
