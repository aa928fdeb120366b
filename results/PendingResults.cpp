// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

#include "PendingResults.h"

#include <QDateTime>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>

#include <map>

namespace numbrook {

namespace {

using Write = PendingWrite;

const QString kFormat = QStringLiteral("numbrook-pending-results");
constexpr int kVersion = 1;

QJsonValue timeValue(const QDateTime &time) {
    return time.isValid() ? QJsonValue(time.toMSecsSinceEpoch()) : QJsonValue();
}
QDateTime timeFrom(const QJsonValue &value) {
    return value.isDouble() ? QDateTime::fromMSecsSinceEpoch(qint64(value.toDouble()))
                            : QDateTime();
}

QJsonObject toJson(const Write &write) {
    QJsonObject object;
    object[QStringLiteral("quiz")] = write.quiz;
    switch (write.kind) {
    case Write::Kind::Start: {
        object[QStringLiteral("write")] = QStringLiteral("start");
        object[QStringLiteral("startedAt")] = timeValue(write.start.startedAt);
        object[QStringLiteral("level")] = write.start.level;
        QJsonArray kinds;
        for (int kind : write.start.kinds)
            kinds.append(kind);
        object[QStringLiteral("kinds")] = kinds;
        object[QStringLiteral("speed")] = write.start.speedSeconds;
        object[QStringLiteral("displayMode")] = write.start.displayMode;
        object[QStringLiteral("child")] = write.start.childId;
        if (write.databaseId)
            object[QStringLiteral("databaseId")] = *write.databaseId;
        break;
    }
    case Write::Kind::Question: {
        const QuestionRecord &q = write.question;
        object[QStringLiteral("write")] = QStringLiteral("question");
        object[QStringLiteral("shownAt")] = timeValue(q.shownAt);
        object[QStringLiteral("equation")] = q.equation;
        object[QStringLiteral("equationTrue")] = q.equationTrue;
        object[QStringLiteral("answer")] = int(q.answer);
        if (q.reactionMs)
            object[QStringLiteral("reactionMs")] = *q.reactionMs;
        object[QStringLiteral("judgedRight")] = q.judgedRight;
        break;
    }
    case Write::Kind::End:
        object[QStringLiteral("write")] = QStringLiteral("end");
        object[QStringLiteral("endedAt")] = timeValue(write.totals.endedAt);
        object[QStringLiteral("total")] = write.totals.total;
        object[QStringLiteral("correct")] = write.totals.correct;
        object[QStringLiteral("wrong")] = write.totals.wrong;
        object[QStringLiteral("points")] = write.totals.points;
        object[QStringLiteral("normalEnd")] = write.normalEnd;
        break;
    }
    return object;
}

// Nothing for an entry that is not a write of this format.
std::optional<Write> fromJson(const QJsonObject &object) {
    Write write;
    const QString kind = object.value(QStringLiteral("write")).toString();
    write.quiz = object.value(QStringLiteral("quiz")).toInteger();
    if (write.quiz <= 0)
        return std::nullopt;
    if (kind == QLatin1String("start")) {
        write.kind = Write::Kind::Start;
        write.start.startedAt = timeFrom(object.value(QStringLiteral("startedAt")));
        if (!write.start.startedAt.isValid())
            return std::nullopt;
        write.start.level = object.value(QStringLiteral("level")).toInt(1);
        for (const QJsonValue &value : object.value(QStringLiteral("kinds")).toArray())
            write.start.kinds.append(value.toInt());
        write.start.speedSeconds = object.value(QStringLiteral("speed")).toInt();
        write.start.displayMode = object.value(QStringLiteral("displayMode")).toInt();
        write.start.childId = object.value(QStringLiteral("child")).toInteger(kFirstChild);
        if (object.contains(QStringLiteral("databaseId")))
            write.databaseId = object.value(QStringLiteral("databaseId")).toInteger();
    } else if (kind == QLatin1String("question")) {
        write.kind = Write::Kind::Question;
        QuestionRecord &q = write.question;
        q.shownAt = timeFrom(object.value(QStringLiteral("shownAt")));
        q.equation = object.value(QStringLiteral("equation")).toString();
        if (!q.shownAt.isValid() || q.equation.isEmpty())
            return std::nullopt;
        q.equationTrue = object.value(QStringLiteral("equationTrue")).toBool();
        q.answer = AnswerSource(qBound(0, object.value(QStringLiteral("answer")).toInt(), 2));
        if (object.contains(QStringLiteral("reactionMs")))
            q.reactionMs = object.value(QStringLiteral("reactionMs")).toInt();
        q.judgedRight = object.value(QStringLiteral("judgedRight")).toBool();
    } else if (kind == QLatin1String("end")) {
        write.kind = Write::Kind::End;
        write.totals.endedAt = timeFrom(object.value(QStringLiteral("endedAt")));
        write.totals.total = object.value(QStringLiteral("total")).toInt();
        write.totals.correct = object.value(QStringLiteral("correct")).toInt();
        write.totals.wrong = object.value(QStringLiteral("wrong")).toInt();
        write.totals.points = object.value(QStringLiteral("points")).toInt();
        write.normalEnd = object.value(QStringLiteral("normalEnd")).toBool();
    } else {
        return std::nullopt;
    }
    return write;
}

} // namespace

PendingResults::PendingResults(const QString &databasePath) : path_(pathFor(databasePath)) {}

QString PendingResults::pathFor(const QString &databasePath) {
    return databasePath + QStringLiteral(".pending");
}

bool PendingResults::exists() const {
    return QFile::exists(path_);
}

std::optional<QList<Write>> PendingResults::load(qint64 &nextHandle, QString &error) const {
    QFile file(path_);
    if (!file.exists())
        return QList<Write>();
    if (!file.open(QIODevice::ReadOnly)) {
        error = file.errorString();
        return std::nullopt;
    }
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &parseError);
    file.close();
    const QJsonObject root = document.object();
    QList<Write> writes;
    std::map<qint64, qint64> handles; // the file's quiz numbers to new handles
    bool damaged = parseError.error != QJsonParseError::NoError ||
                   root.value(QStringLiteral("format")).toString() != kFormat ||
                   root.value(QStringLiteral("version")).toInt() != kVersion;
    for (const QJsonValue &value : root.value(QStringLiteral("writes")).toArray()) {
        if (damaged)
            break;
        std::optional<Write> write = fromJson(value.toObject());
        // Every quiz starts with its Start; a write of a quiz not started is damage.
        if (!write || (write->kind == Write::Kind::Start) == (handles.count(write->quiz) > 0)) {
            damaged = true;
            break;
        }
        if (write->kind == Write::Kind::Start)
            handles[write->quiz] = nextHandle++;
        write->quiz = handles[write->quiz];
        write->earlierRun = true;
        writes.append(*write);
    }
    if (damaged) {
        const QString aside =
            path_ + QStringLiteral(".corrupt-") +
            QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss-zzz"));
        QFile::rename(path_, aside);
        error = QStringLiteral("damaged pending results kept as %1").arg(aside);
        return std::nullopt;
    }
    return writes;
}

bool PendingResults::save(const QList<Write> &writes, QString &error) const {
    if (writes.isEmpty()) {
        if (!QFile::exists(path_) || QFile::remove(path_))
            return true;
        error = QStringLiteral("cannot remove the file");
        return false;
    }
    QJsonArray list;
    for (const Write &write : writes)
        list.append(toJson(write));
    QJsonObject root;
    root[QStringLiteral("format")] = kFormat;
    root[QStringLiteral("version")] = kVersion;
    root[QStringLiteral("writes")] = list;
    QSaveFile file(path_);
    if (!file.open(QIODevice::WriteOnly)) {
        error = file.errorString();
        return false;
    }
    const QByteArray bytes = QJsonDocument(root).toJson(QJsonDocument::Indented);
    if (file.write(bytes) != bytes.size() || !file.commit()) {
        error = file.errorString();
        file.cancelWriting();
        return false;
    }
    return true;
}

} // namespace numbrook
