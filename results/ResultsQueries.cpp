// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

#include "ResultsQueries.h"

#include "ResultsDatabase.h"

#include <QSaveFile>
#include <QSqlQuery>
#include <QStringList>
#include <QVariant>

#include <limits>
#include <map>

namespace numbrook {

namespace {

// A quiz of :child (every child for 0) with at least one judged question, as `q`.
const char kListedQuiz[] = "(:child = 0 OR q.child_id = :child) AND EXISTS (SELECT 1"
                           " FROM question a WHERE a.quiz_id = q.id)";

std::optional<int> optionalInt(const QVariant &value) {
    return value.isNull() ? std::nullopt : std::optional<int>(qRound(value.toDouble()));
}

// The median answer time per key, from rows of (key, reaction_ms) ordered by key and time.
// Sorting is done by SQLite; picking the middle here is far cheaper than window functions.
std::map<QString, int> mediansByKey(QSqlQuery &query) {
    std::map<QString, int> medians;
    QString key;
    QList<int> times;
    auto close = [&] {
        if (times.isEmpty())
            return;
        const qsizetype middle = times.size() / 2;
        medians[key] =
            times.size() % 2 ? times[middle] : qRound((times[middle - 1] + times[middle]) / 2.0);
        times.clear();
    };
    while (query.next()) {
        if (query.value(0).toString() != key) {
            close();
            key = query.value(0).toString();
        }
        times << query.value(1).toInt();
    }
    close();
    return medians;
}

std::optional<int> medianOf(const std::map<QString, int> &medians, const QString &key) {
    const auto found = medians.find(key);
    return found == medians.end() ? std::nullopt : std::optional<int>(found->second);
}

QString csvField(const QString &text) {
    static const QString special = QStringLiteral(",\"\r\n");
    for (QChar c : text) {
        if (special.contains(c)) {
            QString quoted = text;
            quoted.replace(QLatin1Char('"'), QStringLiteral("\"\""));
            return QLatin1Char('"') + quoted + QLatin1Char('"');
        }
    }
    return text;
}

QString localTimeText(const QVariant &ms) {
    return ms.isNull() ? QString()
                       : timeOf(ms).toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

} // namespace

ResultsQueries::ResultsQueries(ResultsDatabase &database, const std::set<qint64> &running)
    : database_(database), running_(running) {}

QList<QuizSummary> ResultsQueries::recentQuizzes(int limit, int offset, qint64 child) {
    QList<QuizSummary> quizzes;
    if (!database_.ensureOpen())
        return quizzes;
    const QString page =
        QStringLiteral("WITH page AS (SELECT * FROM quiz q WHERE %1 ORDER BY started_at"
                       " DESC, id DESC LIMIT :limit OFFSET :offset) ")
            .arg(QLatin1String(kListedQuiz));
    QSqlQuery query = database_.query();
    query.prepare(page +
                  QStringLiteral("SELECT p.id, p.started_at, p.ended_at, p.level, p.kinds, p.speed,"
                                 " p.display_mode, p.total, p.correct, p.wrong, p.points,"
                                 " p.normal_end, (SELECT COUNT(*) FROM question a WHERE"
                                 " a.quiz_id = p.id), (SELECT SUM(a.judged_right) FROM question a"
                                 " WHERE a.quiz_id = p.id), (SELECT SUM(a.equation_true = 0) FROM"
                                 " question a WHERE a.quiz_id = p.id), p.child_id FROM page p"
                                 " ORDER BY p.started_at DESC, p.id DESC"));
    QSqlQuery times = database_.query();
    times.prepare(page + QStringLiteral("SELECT a.quiz_id, a.reaction_ms FROM question a"
                                        " WHERE a.quiz_id IN (SELECT id FROM page) AND"
                                        " a.reaction_ms IS NOT NULL"
                                        " ORDER BY a.quiz_id, a.reaction_ms"));
    for (QSqlQuery *q : {&query, &times}) {
        q->bindValue(QStringLiteral(":limit"), limit);
        q->bindValue(QStringLiteral(":offset"), offset);
        q->bindValue(QStringLiteral(":child"), child);
    }
    if (!database_.run(query) || !database_.run(times))
        return quizzes;
    const std::map<QString, int> medians = mediansByKey(times);
    while (query.next()) {
        QuizSummary quiz;
        quiz.id = query.value(0).toLongLong();
        quiz.startedAt = timeOf(query.value(1));
        quiz.endedAt = timeOf(query.value(2));
        quiz.level = query.value(3).toInt();
        quiz.kinds = kindsOf(query.value(4).toString());
        quiz.speedSeconds = query.value(5).toInt();
        quiz.displayMode = query.value(6).toInt();
        if (quiz.endedAt.isValid()) {
            quiz.total = query.value(7).toInt();
            quiz.correct = query.value(8).toInt();
            quiz.wrong = query.value(9).toInt();
            quiz.points = query.value(10).toInt();
            quiz.state = query.value(11).toInt() ? QuizState::Finished : QuizState::Stopped;
        } else {
            quiz.total = query.value(12).toInt();
            quiz.correct = query.value(13).toInt();
            quiz.wrong = quiz.total - quiz.correct;
            quiz.points = quiz.correct - quiz.wrong;
            quiz.state = running_.count(quiz.id) ? QuizState::Running : QuizState::Unfinished;
        }
        quiz.falseEquations = query.value(14).toInt();
        quiz.childId = query.value(15).toLongLong();
        quiz.medianReactionMs = medianOf(medians, QString::number(quiz.id));
        quizzes << quiz;
    }
    return quizzes;
}

int ResultsQueries::quizCount(qint64 child) {
    if (!database_.ensureOpen())
        return 0;
    QSqlQuery query = database_.query();
    query.prepare(
        QStringLiteral("SELECT COUNT(*) FROM quiz q WHERE %1").arg(QLatin1String(kListedQuiz)));
    query.bindValue(QStringLiteral(":child"), child);
    if (!database_.run(query) || !query.next())
        return 0;
    return query.value(0).toInt();
}

// The questions of the quizzes started in [:from, :to), with their quiz as `q`. SQLite is told
// to walk the quizzes by start time and reach their questions by key (CROSS JOIN fixes the
// order), never to scan every question.
static const char kPeriodSource[] = "quiz q CROSS JOIN question a ON a.quiz_id = q.id"
                                    " WHERE q.started_at >= :from AND q.started_at < :to"
                                    " AND (:child = 0 OR q.child_id = :child)";

QList<DayStatistics> ResultsQueries::dailyStatistics(const QDate &firstDay, qint64 child) {
    QList<DayStatistics> days;
    if (!database_.ensureOpen())
        return days;
    const QString source = QLatin1String(kPeriodSource);
    QSqlQuery query = database_.query();
    query.prepare(QStringLiteral("SELECT q.day, COUNT(*), SUM(a.judged_right),"
                                 " SUM(a.equation_true = 0) FROM %1"
                                 " GROUP BY q.day ORDER BY q.day")
                      .arg(source));
    QSqlQuery times = database_.query();
    times.prepare(QStringLiteral("SELECT q.day, a.reaction_ms FROM %1 AND a.reaction_ms IS NOT"
                                 " NULL ORDER BY q.day, a.reaction_ms")
                      .arg(source));
    for (QSqlQuery *q : {&query, &times}) {
        q->bindValue(QStringLiteral(":from"), firstDay.startOfDay().toMSecsSinceEpoch());
        q->bindValue(QStringLiteral(":to"), std::numeric_limits<qint64>::max());
        q->bindValue(QStringLiteral(":child"), child);
    }
    if (!database_.run(query) || !database_.run(times))
        return days;
    const std::map<QString, int> medians = mediansByKey(times);
    while (query.next()) {
        DayStatistics day;
        day.day = QDate::fromString(query.value(0).toString(), Qt::ISODate);
        day.questions = query.value(1).toInt();
        day.right = query.value(2).toInt();
        day.falseEquations = query.value(3).toInt();
        day.medianReactionMs = medianOf(medians, query.value(0).toString());
        days << day;
    }
    return days;
}

PeriodStatistics ResultsQueries::periodStatistics(const QDateTime &from, const QDateTime &to,
                                                  qint64 child) {
    PeriodStatistics period;
    if (!database_.ensureOpen())
        return period;
    const QString source = QLatin1String(kPeriodSource);
    QSqlQuery query = database_.query();
    query.prepare(QStringLiteral("SELECT (SELECT COUNT(*) FROM quiz q WHERE q.started_at >= :from"
                                 " AND q.started_at < :to AND %2), COUNT(*), SUM(a.judged_right),"
                                 " SUM(a.equation_true = 0) FROM %1")
                      .arg(source, QLatin1String(kListedQuiz)));
    QSqlQuery times = database_.query();
    times.prepare(QStringLiteral("SELECT 0, a.reaction_ms FROM %1 AND a.reaction_ms IS NOT NULL"
                                 " ORDER BY a.reaction_ms")
                      .arg(source));
    for (QSqlQuery *q : {&query, &times}) {
        q->bindValue(QStringLiteral(":from"), from.toMSecsSinceEpoch());
        q->bindValue(QStringLiteral(":to"), to.toMSecsSinceEpoch());
        q->bindValue(QStringLiteral(":child"), child);
    }
    if (!database_.run(query) || !database_.run(times) || !query.next())
        return period;
    period.quizzes = query.value(0).toInt();
    period.questions = query.value(1).toInt();
    period.right = query.value(2).toInt();
    period.falseEquations = query.value(3).toInt();
    period.medianReactionMs = medianOf(mediansByKey(times), QStringLiteral("0"));
    return period;
}

QList<WrongEquation> ResultsQueries::mostOftenWrong(const QDateTime &from, int limit,
                                                    qint64 child) {
    QList<WrongEquation> equations;
    if (!database_.ensureOpen())
        return equations;
    QSqlQuery query = database_.query();
    query.prepare(QStringLiteral(
        "SELECT a.equation, SUM(a.judged_right = 0) AS wrong_count, COUNT(*) FROM quiz q"
        " CROSS JOIN question a ON a.quiz_id = q.id WHERE q.started_at >= :from"
        " AND (:child = 0 OR q.child_id = :child) GROUP BY a.equation HAVING wrong_count > 0 ORDER "
        "BY wrong_count DESC, COUNT(*) DESC,"
        " a.equation LIMIT :limit"));
    query.bindValue(QStringLiteral(":from"), from.toMSecsSinceEpoch());
    query.bindValue(QStringLiteral(":limit"), limit);
    query.bindValue(QStringLiteral(":child"), child);
    if (!database_.run(query))
        return equations;
    while (query.next())
        equations << WrongEquation{query.value(0).toString(), query.value(1).toInt(),
                                   query.value(2).toInt()};
    return equations;
}

QList<QuestionRow> ResultsQueries::quizQuestions(qint64 quizId) {
    QList<QuestionRow> rows;
    if (!database_.ensureOpen())
        return rows;
    QSqlQuery query = database_.query();
    query.prepare(QStringLiteral("SELECT number, shown_at, equation, equation_true, answer,"
                                 " reaction_ms, judged_right FROM question WHERE quiz_id = ?"
                                 " ORDER BY number"));
    query.addBindValue(quizId);
    if (!database_.run(query))
        return rows;
    while (query.next()) {
        QuestionRow row;
        row.number = query.value(0).toInt();
        row.record.shownAt = timeOf(query.value(1));
        row.record.equation = query.value(2).toString();
        row.record.equationTrue = query.value(3).toBool();
        row.record.answer = AnswerSource(query.value(4).toInt());
        row.record.reactionMs = optionalInt(query.value(5));
        row.record.judgedRight = query.value(6).toBool();
        rows << row;
    }
    return rows;
}

bool ResultsQueries::exportCsv(const QString &filePath) {
    if (!database_.ensureOpen())
        return false;
    QSqlQuery query = database_.query();
    query.prepare(QStringLiteral(
        "SELECT q.id, q.started_at, q.ended_at, q.normal_end, q.level, q.kinds, q.speed,"
        " q.display_mode, a.number, a.shown_at, a.equation, a.equation_true, a.answer,"
        " a.reaction_ms, a.judged_right, COALESCE(c.name, '') FROM quiz q CROSS JOIN question a"
        " ON a.quiz_id = q.id LEFT JOIN child c ON c.id = q.child_id"
        " ORDER BY q.started_at, q.id, a.number"));
    if (!database_.run(query))
        return false;
    QSaveFile file(filePath);
    if (!file.open(QIODevice::WriteOnly)) {
        qCWarning(lcResults).noquote() << "cannot write" << filePath << file.errorString();
        return false;
    }
    static const char *const answers[] = {"none", "key", "clap"};
    const QString crlf = QStringLiteral("\r\n");
    file.write(QByteArrayLiteral("quiz,quiz_started,quiz_ended,ended_normally,level,kinds,"
                                 "speed_s,full_screen,question,shown_at,equation,equation_true,"
                                 "answer,reaction_ms,judged_right,child\r\n"));
    while (query.next()) {
        const int answer = qBound(0, query.value(12).toInt(), 2);
        const QStringList fields = {query.value(0).toString(),      localTimeText(query.value(1)),
                                    localTimeText(query.value(2)),  query.value(3).toString(),
                                    query.value(4).toString(),      query.value(5).toString(),
                                    query.value(6).toString(),      query.value(7).toString(),
                                    query.value(8).toString(),      localTimeText(query.value(9)),
                                    query.value(10).toString(),     query.value(11).toString(),
                                    QLatin1String(answers[answer]), query.value(13).toString(),
                                    query.value(14).toString(),     query.value(15).toString()};
        QStringList quoted;
        for (const QString &field : fields)
            quoted << csvField(field);
        file.write((quoted.join(QLatin1Char(',')) + crlf).toUtf8());
    }
    return file.commit();
}

} // namespace numbrook
