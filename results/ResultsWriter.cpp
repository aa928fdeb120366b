// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

#include "ResultsWriter.h"

#include "PendingResults.h"
#include "ResultsDatabase.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <QVariant>

namespace numbrook {

namespace {

constexpr int kMaxPendingWrites = 10000;

} // namespace

ResultsWriter::ResultsWriter(ResultsDatabase &database)
    : database_(database), pendingFile_(std::make_unique<PendingResults>(database.path())) {
    // Results of an earlier run are read before the database is first used for anything.
    database_.setBeforeUse([this] { readPendingFile(); });
}

ResultsWriter::~ResultsWriter() {
    // A last try for what still waits (the lock may be gone by now); the rest goes to the
    // pending file for the next start.
    if (!pending_.isEmpty())
        writePending();
    savePending();
    database_.setBeforeUse(nullptr);
}

QString ResultsWriter::pendingPath() const {
    return pendingFile_->path();
}

bool ResultsWriter::hasPendingFile() const {
    return pendingFile_->exists();
}

void ResultsWriter::readPendingFile() {
    if (pendingFileRead_)
        return;
    pendingFileRead_ = true;
    QString error;
    const auto earlier = pendingFile_->load(nextQuiz_, error);
    if (!earlier) {
        qCWarning(lcResults).noquote() << "pending results" << pendingPath() << ":" << error;
        return;
    }
    if (earlier->isEmpty())
        return;
    // They were played before anything of this run: they go first.
    pending_ = *earlier + pending_;
    pendingFileInUse_ = true;
    qCInfo(lcResults) << earlier->size() << "results of an earlier run wait to be written";
}

void ResultsWriter::savePending() {
    if (pending_.isEmpty() && !pendingFileInUse_)
        return;
    // Each quiz in the file begins with its Start: one whose start is written already gets a
    // Start naming its row.
    QList<PendingWrite> writes;
    std::set<qint64> started;
    for (const PendingWrite &write : pending_) {
        if (write.kind == PendingWrite::Kind::Start) {
            started.insert(write.quiz);
        } else if (!started.count(write.quiz)) {
            const auto start = starts_.find(write.quiz);
            const auto id = databaseIds_.find(write.quiz);
            if (start == starts_.end() || id == databaseIds_.end())
                continue; // its quiz was never written: nothing to attach it to
            PendingWrite written = start->second;
            written.databaseId = id->second;
            writes.append(written);
            started.insert(write.quiz);
        }
        writes.append(write);
    }
    QString error;
    if (!pendingFile_->save(writes, error)) {
        qCWarning(lcResults).noquote()
            << pending_.size() << "results could not be saved to" << pendingPath() << ":" << error;
        return;
    }
    pendingFileInUse_ = !writes.isEmpty();
}

bool ResultsWriter::writeUnwritten() {
    const qsizetype before = pending_.size();
    const bool all = writePending();
    // The file follows what is left, so that a crash now neither loses nor repeats a result.
    if (pendingFileInUse_ && pending_.size() != before)
        savePending();
    return all;
}

qint64 ResultsWriter::beginQuiz(const QuizStart &start) {
    readPendingFile(); // its handles come before this quiz's
    const qint64 quiz = nextQuiz_++;
    PendingWrite write;
    write.kind = PendingWrite::Kind::Start;
    write.quiz = quiz;
    write.start = start;
    enqueue(write);
    writePending();
    return quiz;
}

bool ResultsWriter::recordQuestion(qint64 quiz, const QuestionRecord &question) {
    if (quiz <= 0 || quiz >= nextQuiz_)
        return false;
    PendingWrite write;
    write.kind = PendingWrite::Kind::Question;
    write.quiz = quiz;
    write.question = question;
    enqueue(write);
    return writePending();
}

bool ResultsWriter::endQuiz(qint64 quiz, const QuizTotals &totals, bool normalEnd) {
    if (quiz <= 0 || quiz >= nextQuiz_)
        return false;
    PendingWrite write;
    write.kind = PendingWrite::Kind::End;
    write.quiz = quiz;
    write.totals = totals;
    write.normalEnd = normalEnd;
    enqueue(write);
    return writePending();
}

void ResultsWriter::enqueue(const PendingWrite &write) {
    if (pending_.size() < kMaxPendingWrites)
        pending_.append(write);
    else
        qCWarning(lcResults) << "results database unavailable for long: a result was dropped";
}

bool ResultsWriter::writePending() {
    return database_.ensureOpen() && flushPending();
}

// A quiz of the pending file whose start was written goes on in its row while the row is still
// that quiz (the history may have been cleared meanwhile); otherwise it is written anew.
QSqlError ResultsWriter::attachOrInsertQuiz(const PendingWrite &write, qint64 &id) {
    if (write.databaseId) {
        QSqlQuery query = database_.query();
        query.prepare(QStringLiteral("SELECT started_at FROM quiz WHERE id = ?"));
        query.addBindValue(*write.databaseId);
        if (!query.exec())
            return query.lastError();
        if (query.next() &&
            query.value(0).toLongLong() == write.start.startedAt.toMSecsSinceEpoch()) {
            id = *write.databaseId;
            return QSqlError();
        }
    }
    return insertQuiz(write.start, id);
}

QSqlError ResultsWriter::insertQuiz(const QuizStart &start, qint64 &id) {
    QSqlQuery query = database_.query();
    query.prepare(QStringLiteral(
        "INSERT INTO quiz (started_at, day, level, kinds, speed, display_mode,"
        " child_id) VALUES (?, ?, ?, ?, ?, ?,"
        " COALESCE((SELECT id FROM child WHERE id = ?), (SELECT MIN(id) FROM child)))"));
    // A child removed meanwhile leaves the quiz to the first child rather than losing it.
    for (const QVariant &value :
         {QVariant(start.startedAt.toMSecsSinceEpoch()),
          QVariant(start.startedAt.toLocalTime().date().toString(Qt::ISODate)),
          QVariant(start.level), QVariant(kindsText(start.kinds)), QVariant(start.speedSeconds),
          QVariant(start.displayMode), QVariant(start.childId)})
        query.addBindValue(value);
    if (!query.exec())
        return query.lastError();
    id = query.lastInsertId().toLongLong();
    return QSqlError();
}

QSqlError ResultsWriter::insertQuestion(qint64 quizId, const QuestionRecord &record) {
    QSqlQuery &insert = database_.reusedStatement(QStringLiteral(
        "INSERT INTO question (quiz_id, number, shown_at, equation, equation_true, answer,"
        " reaction_ms, judged_right) VALUES (:quiz,"
        " (SELECT COALESCE(MAX(number), 0) + 1 FROM question WHERE quiz_id = :quiz),"
        " :shown, :equation, :truth, :answer, :reaction, :right)"));
    insert.bindValue(QStringLiteral(":quiz"), quizId);
    insert.bindValue(QStringLiteral(":shown"), storedTime(record.shownAt));
    insert.bindValue(QStringLiteral(":equation"), record.equation);
    insert.bindValue(QStringLiteral(":truth"), int(record.equationTrue));
    insert.bindValue(QStringLiteral(":answer"), int(record.answer));
    insert.bindValue(QStringLiteral(":reaction"),
                     record.reactionMs ? QVariant(*record.reactionMs) : QVariant());
    insert.bindValue(QStringLiteral(":right"), int(record.judgedRight));
    return insert.exec() ? QSqlError() : insert.lastError();
}

QSqlError ResultsWriter::updateEnd(qint64 quizId, const QuizTotals &totals, bool normalEnd) {
    QSqlQuery query = database_.query();
    query.prepare(QStringLiteral("UPDATE quiz SET ended_at = ?, total = ?, correct = ?,"
                                 " wrong = ?, points = ?, normal_end = ? WHERE id = ?"));
    for (const QVariant &value :
         {storedTime(totals.endedAt), QVariant(totals.total), QVariant(totals.correct),
          QVariant(totals.wrong), QVariant(totals.points), QVariant(int(normalEnd)),
          QVariant(quizId)})
        query.addBindValue(value);
    return query.exec() ? QSqlError() : query.lastError();
}

// Writes what waits, oldest first, each in its own transaction. A refusal that may pass (a
// lock, a full disk) keeps the rest waiting for the next call; a write refused for good is
// dropped.
bool ResultsWriter::flushPending() {
    while (!pending_.isEmpty()) {
        const PendingWrite &write = pending_.first();
        const auto known = databaseIds_.find(write.quiz);
        QSqlError error;
        if (write.kind == PendingWrite::Kind::Start) {
            qint64 id = 0;
            error = attachOrInsertQuiz(write, id);
            if (!error.isValid()) {
                databaseIds_[write.quiz] = id;
                starts_[write.quiz] = write;
                if (!write.earlierRun)
                    runningQuizzes_.insert(id);
            }
        } else if (known == databaseIds_.end()) {
            // Its quiz was never written: nothing to attach it to.
        } else if (write.kind == PendingWrite::Kind::Question) {
            error = insertQuestion(known->second, write.question);
        } else {
            error = updateEnd(known->second, write.totals, write.normalEnd);
            if (!error.isValid()) {
                runningQuizzes_.erase(known->second);
                databaseIds_.erase(known);
                starts_.erase(write.quiz);
            }
        }
        if (error.isValid()) {
            if (!ResultsDatabase::mayPass(error) && !ResultsDatabase::isCorrupt(error))
                pending_.removeFirst();
            database_.failed(error);
            return false;
        }
        pending_.removeFirst();
    }
    // Everything the pending file held is in the database now.
    if (pendingFileInUse_)
        savePending();
    return true;
}

bool ResultsWriter::clearHistory() {
    if (!database_.ensureOpen())
        return false;
    QStringList keep;
    for (qint64 id : runningQuizzes_)
        keep << QString::number(id);
    QSqlQuery query = database_.query();
    // The questions go with their quiz (ON DELETE CASCADE).
    if (!query.exec(QStringLiteral("DELETE FROM quiz WHERE id NOT IN (%1)").arg(keep.join(',')))) {
        database_.failed(query.lastError());
        return false;
    }
    return true;
}

} // namespace numbrook
