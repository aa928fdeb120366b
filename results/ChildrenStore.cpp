// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

#include "ChildrenStore.h"

#include "ResultsDatabase.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

namespace numbrook {

ChildrenStore::ChildrenStore(ResultsDatabase &database) : database_(database) {}

QList<ChildProfile> ChildrenStore::list() {
    QList<ChildProfile> children;
    if (!database_.ensureOpen())
        return children;
    QSqlQuery query = database_.query();
    query.prepare(QStringLiteral("SELECT id, name, picture FROM child ORDER BY id"));
    if (!database_.run(query))
        return children;
    while (query.next())
        children << ChildProfile{query.value(0).toLongLong(), query.value(1).toString(),
                                 query.value(2).toInt()};
    return children;
}

ChildNameProblem ChildrenStore::checkName(const QString &name, qint64 self) {
    if (name.isEmpty())
        return ChildNameProblem::Empty;
    if (!database_.ensureOpen())
        return ChildNameProblem::Unavailable;
    for (const ChildProfile &child : list()) {
        if (child.id != self && child.name.compare(name, Qt::CaseInsensitive) == 0)
            return ChildNameProblem::Duplicate;
    }
    return ChildNameProblem::None;
}

ChildNameProblem ChildrenStore::addChild(const QString &name, int picture, qint64 *id) {
    const QString trimmed = name.simplified();
    if (const ChildNameProblem problem = checkName(trimmed, 0); problem != ChildNameProblem::None)
        return problem;
    QSqlQuery query = database_.query();
    query.prepare(QStringLiteral("INSERT INTO child (name, picture) VALUES (?, ?)"));
    query.addBindValue(trimmed);
    query.addBindValue(picture);
    if (!database_.run(query))
        return ChildNameProblem::Unavailable;
    if (id)
        *id = query.lastInsertId().toLongLong();
    return ChildNameProblem::None;
}

ChildNameProblem ChildrenStore::changeChild(qint64 id, const QString &name, int picture) {
    const QString trimmed = name.simplified();
    if (const ChildNameProblem problem = checkName(trimmed, id); problem != ChildNameProblem::None)
        return problem;
    QSqlQuery query = database_.query();
    query.prepare(QStringLiteral("UPDATE child SET name = ?, picture = ? WHERE id = ?"));
    query.addBindValue(trimmed);
    query.addBindValue(picture);
    query.addBindValue(id);
    return database_.run(query) && query.numRowsAffected() == 1 ? ChildNameProblem::None
                                                                : ChildNameProblem::Unavailable;
}

bool ChildrenStore::removeChild(qint64 id) {
    if (!database_.ensureOpen() || list().size() <= 1)
        return false;
    QSqlQuery query = database_.query();
    // One transaction: the child and their quizzes (whose questions go with them) go together.
    const QString steps[] = {QStringLiteral("BEGIN IMMEDIATE"),
                             QStringLiteral("DELETE FROM quiz WHERE child_id = %1").arg(id),
                             QStringLiteral("DELETE FROM child WHERE id = %1").arg(id),
                             QStringLiteral("COMMIT")};
    for (const QString &step : steps) {
        if (!query.exec(step)) {
            const QSqlError error = query.lastError();
            query.exec(QStringLiteral("ROLLBACK"));
            database_.failed(error);
            return false;
        }
    }
    return true;
}

std::optional<QString> ChildrenStore::childSettings(qint64 id) {
    if (!database_.ensureOpen())
        return std::nullopt;
    QSqlQuery query = database_.query();
    query.prepare(QStringLiteral("SELECT settings FROM child WHERE id = ?"));
    query.addBindValue(id);
    if (!database_.run(query) || !query.next() || query.value(0).isNull())
        return std::nullopt;
    return query.value(0).toString();
}

bool ChildrenStore::setChildSettings(qint64 id, const QString &values) {
    if (!database_.ensureOpen())
        return false;
    QSqlQuery query = database_.query();
    query.prepare(QStringLiteral("UPDATE child SET settings = ? WHERE id = ?"));
    query.addBindValue(values);
    query.addBindValue(id);
    return database_.run(query) && query.numRowsAffected() == 1;
}

// Calls `visit` with every question of the child's level-1 quizzes, in the order asked.
template <typename Visit> bool ChildrenStore::visitLevelOneTries(qint64 child, Visit visit) {
    if (!database_.ensureOpen())
        return false;
    QSqlQuery query = database_.query();
    query.prepare(QStringLiteral(
        "SELECT q.day, a.equation, a.equation_true, a.judged_right, a.reaction_ms"
        " FROM quiz q CROSS JOIN question a ON a.quiz_id = q.id WHERE q.child_id = ? AND"
        " q.level = 1 ORDER BY q.started_at, q.id, a.number"));
    query.addBindValue(child);
    if (!database_.run(query))
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

FactProgress ChildrenStore::factProgress(qint64 child) {
    FactProgress progress;
    visitLevelOneTries(child,
                       [&progress](const FactTry &attempt) { progress.addEquation(attempt); });
    return progress;
}

QList<DailyFluency> ChildrenStore::dailyFluency(qint64 child, int fluencyMs,
                                                FactProgress *progress) {
    FluencyTimeline timeline(fluencyMs);
    visitLevelOneTries(child, [&timeline](const FactTry &attempt) { timeline.add(attempt); });
    if (progress)
        *progress = timeline.progress();
    return timeline.finish();
}

} // namespace numbrook
