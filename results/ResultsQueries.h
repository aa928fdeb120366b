// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

#pragma once

// What the results window reads from the record: the quizzes, their questions, the figures per
// day and per period, the equations judged wrong most often, and the export to CSV. A quiz
// without a judged question is neither listed nor counted. Each read takes the quizzes of
// `child`, or of every child for kEveryChild.

#include "ResultsRecords.h"

#include <QList>
#include <QString>

#include <set>

namespace numbrook {

class ResultsDatabase;

class ResultsQueries {
public:
    // `running`: database ids of the quizzes this store has begun and not yet ended.
    ResultsQueries(ResultsDatabase &database, const std::set<qint64> &running);

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
    QList<QuestionRow> quizQuestions(qint64 quizId);

    // One row per question, a header row, UTF-8, quoted by RFC 4180.
    bool exportCsv(const QString &filePath);

private:
    ResultsDatabase &database_;
    const std::set<qint64> &running_;
};

} // namespace numbrook
