// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

// The results store's children: their names, pictures and own quiz settings, and how well each
// knows the level-1 facts, read from their recorded questions.
#include "ResultsStore.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

namespace numbrook {

QList<ChildProfile> ResultsStore::children() {
    QList<ChildProfile> children;
    if (!ensureOpen())
        return children;
    QSqlQuery query = newQuery();
    query.prepare(QStringLiteral("SELECT id, name, picture FROM child ORDER BY id"));
    if (!runQuery(query))
        return children;
    while (query.next())
        children << ChildProfile{query.value(0).toLongLong(), query.value(1).toString(),
                                 query.value(2).toInt()};
    return children;
}

ChildNameProblem ResultsStore::checkName(const QString &name, qint64 self) {
    if (name.isEmpty())
        return ChildNameProblem::Empty;
    if (!ensureOpen())
        return ChildNameProblem::Unavailable;
    for (const ChildProfile &child : children()) {
        if (child.id != self && child.name.compare(name, Qt::CaseInsensitive) == 0)
            return ChildNameProblem::Duplicate;
    }
    return ChildNameProblem::None;
}

ChildNameProblem ResultsStore::addChild(const QString &name, int picture, qint64 *id) {
    const QString trimmed = name.simplified();
    if (const ChildNameProblem problem = checkName(trimmed, 0); problem != ChildNameProblem::None)
        return problem;
    QSqlQuery query = newQuery();
    query.prepare(QStringLiteral("INSERT INTO child (name, picture) VALUES (?, ?)"));
    query.addBindValue(trimmed);
    query.addBindValue(picture);
    if (!runQuery(query))
        return ChildNameProblem::Unavailable;
    if (id)
        *id = query.lastInsertId().toLongLong();
    return ChildNameProblem::None;
}

ChildNameProblem ResultsStore::changeChild(qint64 id, const QString &name, int picture) {
    const QString trimmed = name.simplified();
    if (const ChildNameProblem problem = checkName(trimmed, id); problem != ChildNameProblem::None)
        return problem;
    QSqlQuery query = newQuery();
    query.prepare(QStringLiteral("UPDATE child SET name = ?, picture = ? WHERE id = ?"));
    query.addBindValue(trimmed);
    query.addBindValue(picture);
    query.addBindValue(id);
    return runQuery(query) && query.numRowsAffected() == 1 ? ChildNameProblem::None
                                                           : ChildNameProblem::Unavailable;
}

bool ResultsStore::removeChild(qint64 id) {
    if (!ensureOpen() || children().size() <= 1)
        return false;
    QSqlQuery query = newQuery();
    // One transaction: the child and their quizzes (whose questions go with them) go together.
    const QString steps[] = {QStringLiteral("BEGIN IMMEDIATE"),
                             QStringLiteral("DELETE FROM quiz WHERE child_id = %1").arg(id),
                             QStringLiteral("DELETE FROM child WHERE id = %1").arg(id),
                             QStringLiteral("COMMIT")};
    for (const QString &step : steps) {
        if (!query.exec(step)) {
            const QSqlError error = query.lastError();
            query.exec(QStringLiteral("ROLLBACK"));
            failed(error);
            return false;
        }
    }
    return true;
}

std::optional<QString> ResultsStore::childSettings(qint64 id) {
    if (!ensureOpen())
        return std::nullopt;
    QSqlQuery query = newQuery();
    query.prepare(QStringLiteral("SELECT settings FROM child WHERE id = ?"));
    query.addBindValue(id);
    if (!runQuery(query) || !query.next() || query.value(0).isNull())
        return std::nullopt;
    return query.value(0).toString();
}

bool ResultsStore::setChildSettings(qint64 id, const QString &values) {
    if (!ensureOpen())
        return false;
    QSqlQuery query = newQuery();
    query.prepare(QStringLiteral("UPDATE child SET settings = ? WHERE id = ?"));
    query.addBindValue(values);
    query.addBindValue(id);
    return runQuery(query) && query.numRowsAffected() == 1;
}

// Calls `visit` with every question of the child's level-1 quizzes, in the order asked.
template <typename Visit> bool ResultsStore::visitLevelOneTries(qint64 child, Visit visit) {
    if (!ensureOpen())
        return false;
    QSqlQuery query = newQuery();
    query.prepare(QStringLiteral(
        "SELECT q.day, a.equation, a.equation_true, a.judged_right, a.reaction_ms"
        " FROM quiz q CROSS JOIN question a ON a.quiz_id = q.id WHERE q.child_id = ? AND"
        " q.level = 1 ORDER BY q.started_at, q.id, a.number"));
    query.addBindValue(child);
    if (!runQuery(query))
        return false;
    FactTry attempt;
    QString dayText;
    while (query.next()) {
        // Days repeat row after row: parse each once.
        if (query.value(0).toString() != dayText) {
            dayText = query.value(0).toString();
            attempt.day = QDate::fromString(dayText, Qt::ISODate);
        }
        attempt.equation = query.value(1).toString();
        attempt.equationTrue = query.value(2).toBool();
        attempt.judgedRight = query.value(3).toBool();
        const QVariant reaction = query.value(4);
        attempt.reactionMs =
            reaction.isNull() ? std::nullopt : std::optional<int>(reaction.toInt());
        visit(attempt);
    }
    return true;
}

FactProgress ResultsStore::factProgress(qint64 child) {
    FactProgress progress;
    visitLevelOneTries(child,
                       [&progress](const FactTry &attempt) { progress.addEquation(attempt); });
    return progress;
}

QList<DailyFluency> ResultsStore::dailyFluency(qint64 child, int fluencyMs,
                                               FactProgress *progress) {
    FluencyTimeline timeline(fluencyMs);
    visitLevelOneTries(child, [&timeline](const FactTry &attempt) { timeline.add(attempt); });
    if (progress)
        *progress = timeline.progress();
    return timeline.finish();
}

} // namespace numbrook
