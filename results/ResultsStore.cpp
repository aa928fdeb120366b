// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

#include "ResultsStore.h"

#include "PendingResults.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QStringList>
#include <QUuid>
#include <QVariant>

#include <array>
#include <limits>
#include <map>

namespace numbrook {

Q_LOGGING_CATEGORY(lcResults, "numbrook.results", QtWarningMsg)

namespace {

// Each entry moves the schema from version i to version i + 1 (PRAGMA user_version).
const std::array<QStringList, 2> kMigrations = {
    QStringList{
        QStringLiteral("CREATE TABLE quiz ("
                       " id INTEGER PRIMARY KEY,"
                       " started_at INTEGER NOT NULL," // ms since the epoch, UTC
                       " day TEXT NOT NULL,"           // local date at the start, YYYY-MM-DD
                       " ended_at INTEGER,"            // null: never ended
                       " level INTEGER NOT NULL,"
                       " kinds TEXT NOT NULL," // kind numbers, comma separated
                       " speed INTEGER NOT NULL,"
                       " display_mode INTEGER NOT NULL,"
                       " total INTEGER, correct INTEGER, wrong INTEGER, points INTEGER,"
                       " normal_end INTEGER)"),
        QStringLiteral("CREATE INDEX quiz_started ON quiz(started_at)"),
        QStringLiteral("CREATE TABLE question ("
                       " quiz_id INTEGER NOT NULL REFERENCES quiz(id) ON DELETE CASCADE,"
                       " number INTEGER NOT NULL,"
                       " shown_at INTEGER NOT NULL,"
                       " equation TEXT NOT NULL,"
                       " equation_true INTEGER NOT NULL,"
                       " answer INTEGER NOT NULL," // 0 none, 1 key, 2 clap
                       " reaction_ms INTEGER,"
                       " judged_right INTEGER NOT NULL,"
                       " PRIMARY KEY (quiz_id, number)) WITHOUT ROWID"),
    },
    // Children: the history so far is the first child's.
    QStringList{
        QStringLiteral("CREATE TABLE child ("
                       " id INTEGER PRIMARY KEY,"
                       " name TEXT NOT NULL,"
                       " picture INTEGER NOT NULL DEFAULT 0,"
                       " settings TEXT)"), // the child's quiz settings, "name=value" lines
        QStringLiteral("INSERT INTO child (id, name) VALUES (1, '')"),
        QStringLiteral("ALTER TABLE quiz ADD COLUMN child_id INTEGER NOT NULL DEFAULT 1"),
        QStringLiteral("CREATE INDEX quiz_child_started ON quiz(child_id, started_at)"),
    },
};
constexpr int kSchemaVersion = int(kMigrations.size());

// A quiz of :child (every child for 0) with at least one judged question, as `q`.
const char kListedQuiz[] = "(:child = 0 OR q.child_id = :child) AND EXISTS (SELECT 1"
                           " FROM question a WHERE a.quiz_id = q.id)";

constexpr int kSqliteBusy = 5;
constexpr int kSqliteLocked = 6;
constexpr int kSqliteNoMemory = 7;
constexpr int kSqliteReadOnly = 8;
constexpr int kSqliteIoError = 10;
constexpr int kSqliteCorrupt = 11;
constexpr int kSqliteFull = 13;
constexpr int kSqliteCannotOpen = 14;
constexpr int kSqliteNotADatabase = 26;
constexpr int kMaxPendingWrites = 10000;

int nativeCode(const QSqlError &error) {
    return error.nativeErrorCode().toInt();
}
bool isBusy(const QSqlError &error) {
    return nativeCode(error) == kSqliteBusy || nativeCode(error) == kSqliteLocked;
}
bool isCorrupt(const QSqlError &error) {
    return nativeCode(error) == kSqliteCorrupt || nativeCode(error) == kSqliteNotADatabase;
}
// A write refused for a reason that passes (a lock, a full disk, a file made read-only for a
// while): it waits and is tried again. Any other refusal is about the write itself.
bool mayPass(const QSqlError &error) {
    // The primary code is the low byte of an extended one (SQLITE_IOERR_WRITE and the like).
    const int code = nativeCode(error) & 0xff;
    return isBusy(error) || code == kSqliteNoMemory || code == kSqliteReadOnly ||
           code == kSqliteIoError || code == kSqliteFull || code == kSqliteCannotOpen;
}

QVariant msOf(const QDateTime &time) {
    return time.isValid() ? QVariant(time.toMSecsSinceEpoch()) : QVariant();
}
QDateTime timeOf(const QVariant &value) {
    return value.isNull() ? QDateTime() : QDateTime::fromMSecsSinceEpoch(value.toLongLong());
}
std::optional<int> optionalInt(const QVariant &value) {
    return value.isNull() ? std::nullopt : std::optional<int>(qRound(value.toDouble()));
}
QString kindsText(const QList<int> &kinds) {
    QStringList parts;
    for (int kind : kinds)
        parts << QString::number(kind);
    return parts.join(QLatin1Char(','));
}
QList<int> kindsOf(const QString &text) {
    QList<int> kinds;
    for (const QString &part : text.split(QLatin1Char(','), Qt::SkipEmptyParts))
        kinds << part.toInt();
    return kinds;
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

// One named Qt SQL connection with the statement every question reuses.
class ResultsStore::Database {
public:
    explicit Database(const QString &path)
        : name_(QStringLiteral("numbrook.results.") +
                QUuid::createUuid().toString(QUuid::WithoutBraces)) {
        auto db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name_);
        db.setDatabaseName(path);
        // A locked database must not hold the question cycle up: give up at once, the write
        // waits and is tried again later.
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=10"));
    }
    ~Database() {
        insertQuestion_.reset();
        {
            auto db = connection();
            db.close();
        }
        QSqlDatabase::removeDatabase(name_);
    }
    QSqlDatabase connection() const { return QSqlDatabase::database(name_, false); }
    QSqlQuery query() const { return QSqlQuery(connection()); }

    std::unique_ptr<QSqlQuery> insertQuestion_;

private:
    QString name_;
};

ResultsStore::ResultsStore(const QString &databasePath)
    : path_(databasePath.isEmpty() ? defaultPath() : databasePath),
      pendingFile_(std::make_unique<PendingResults>(path_)) {}

ResultsStore::~ResultsStore() {
    // A last try for what still waits (the lock may be gone by now); the rest goes to the
    // pending file for the next start.
    if (!pending_.isEmpty())
        writePending();
    savePending();
}

QString ResultsStore::pendingPath() const {
    return pendingFile_->path();
}

bool ResultsStore::hasPendingFile() const {
    return pendingFile_->exists();
}

void ResultsStore::readPendingFile() {
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

void ResultsStore::savePending() {
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

bool ResultsStore::writeUnwritten() {
    const qsizetype before = pending_.size();
    const bool all = writePending();
    // The file follows what is left, so that a crash now neither loses nor repeats a result.
    if (pendingFileInUse_ && pending_.size() != before)
        savePending();
    return all;
}

QString ResultsStore::defaultPath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/Numbrook/results.sqlite");
}

void ResultsStore::report(StoreProblem::Kind kind, const QString &detail) {
    // One warning per kind of problem in a row, so a locked file does not log every second.
    if (problem_.kind != kind)
        qCWarning(lcResults).noquote() << "results database" << path_ << ":" << detail;
    problem_ = {kind, detail};
}

StoreProblem ResultsStore::takeProblem() {
    return std::exchange(problem_, StoreProblem{});
}

bool ResultsStore::isOpen() const {
    return db_ != nullptr;
}

bool ResultsStore::open() {
    return ensureOpen();
}

bool ResultsStore::ensureOpen() {
    readPendingFile();
    if (damaged_) {
        // Damage found after the open's check. Closed here, where no query of the caller's is
        // alive any more; the file is kept aside and a new one started.
        damaged_ = false;
        db_.reset();
        keepDamagedFileAside();
    }
    if (newerSchema_) {
        // Logged once, when found; the window is told each time it asks.
        problem_ = {StoreProblem::Kind::NewerSchema, pendingPath()};
        return false;
    }
    if (db_)
        return true;
    if (!openFile()) {
        db_.reset();
        return false;
    }
    return true;
}

namespace {

bool looksLikeDatabase(const QString &path) {
    QFile file(path);
    if (!file.exists() || file.size() == 0)
        return true;
    if (!file.open(QIODevice::ReadOnly))
        return true; // unreadable is not corrupt; opening reports it
    return file.read(16) == QByteArray("SQLite format 3\0", 16);
}

// Moves the database and its journal files aside under a new name; nothing is deleted.
// Returns the new name, or nothing when the file could not be moved.
QString moveAside(const QString &path) {
    const QString aside =
        path + QStringLiteral(".corrupt-") +
        QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss-zzz"));
    if (!QFile::rename(path, aside))
        return QString();
    for (const char *suffix : {"-wal", "-shm"}) {
        if (QFile::exists(path + QLatin1String(suffix)))
            QFile::rename(path + QLatin1String(suffix), aside + QLatin1String(suffix));
    }
    return aside;
}

// Runs the checks and the migrations. Returns the failing error, or an invalid one.
QSqlError prepareSchema(QSqlQuery &query) {
    // A database of a newer schema is left exactly as it is: its version is read before any
    // setting is written.
    if (!query.exec(QStringLiteral("PRAGMA user_version")) || !query.next())
        return query.lastError();
    const int version = query.value(0).toInt();
    if (version > kSchemaVersion)
        return QSqlError(QStringLiteral("schema"),
                         QStringLiteral("written by a newer Numbrook (version %1)").arg(version),
                         QSqlError::ConnectionError, QStringLiteral("newer"));
    query.finish();
    const QString setup[] = {
        QStringLiteral("PRAGMA journal_mode = WAL"), QStringLiteral("PRAGMA synchronous = NORMAL"),
        QStringLiteral("PRAGMA foreign_keys = ON"), QStringLiteral("PRAGMA quick_check")};
    for (const QString &statement : setup) {
        if (!query.exec(statement))
            return query.lastError();
        if (!statement.endsWith(QLatin1String("quick_check")))
            continue;
        // A check whose answer cannot be read (the file locked, or a short read) has found no
        // damage: its own error tells what went wrong, and only damage moves the file aside.
        if (!query.next())
            return query.lastError().isValid()
                       ? query.lastError()
                       : QSqlError(QStringLiteral("quick_check"), QStringLiteral("no answer"),
                                   QSqlError::StatementError);
        if (query.value(0).toString() != QLatin1String("ok"))
            return QSqlError(QStringLiteral("quick_check"), query.value(0).toString(),
                             QSqlError::StatementError, QString::number(kSqliteCorrupt));
    }
    query.finish();
    for (int step = version; step < kSchemaVersion; ++step) {
        if (!query.exec(QStringLiteral("BEGIN IMMEDIATE")))
            return query.lastError();
        for (const QString &statement : kMigrations[std::size_t(step)]) {
            if (!query.exec(statement)) {
                const QSqlError error = query.lastError();
                query.exec(QStringLiteral("ROLLBACK"));
                return error;
            }
        }
        if (!query.exec(QStringLiteral("PRAGMA user_version = %1").arg(step + 1)) ||
            !query.exec(QStringLiteral("COMMIT"))) {
            const QSqlError error = query.lastError();
            query.exec(QStringLiteral("ROLLBACK"));
            return error;
        }
        qCInfo(lcResults) << "results database migrated to version" << step + 1;
    }
    return QSqlError();
}

} // namespace

bool ResultsStore::openFile() {
    const QFileInfo info(path_);
    if (!QDir().mkpath(info.absolutePath())) {
        report(StoreProblem::Kind::CannotOpen, QStringLiteral("cannot create the folder"));
        return false;
    }
    for (int attempt = 0; attempt < 2; ++attempt) {
        QSqlError error;
        if (!looksLikeDatabase(path_)) {
            error = QSqlError(QString(), QStringLiteral("not a database"), QSqlError::NoError,
                              QString::number(kSqliteNotADatabase));
        } else {
            db_ = std::make_unique<Database>(path_);
            {
                // Every handle on the connection goes before the connection itself.
                auto connection = db_->connection();
                if (connection.open()) {
                    QSqlQuery query = db_->query();
                    error = prepareSchema(query);
                } else {
                    error = connection.lastError();
                }
            }
            if (!error.isValid()) {
                qCInfo(lcResults).noquote() << "results database open:" << path_;
                return true;
            }
            db_.reset();
            if (error.nativeErrorCode() == QLatin1String("newer")) {
                newerSchema_ = true;
                qCWarning(lcResults).noquote()
                    << "results database" << path_ << ":" << error.text()
                    << "; it is left as it is, results go to" << pendingPath();
                problem_ = {StoreProblem::Kind::NewerSchema, pendingPath()};
                return false;
            }
        }
        if (!isCorrupt(error) || attempt > 0) {
            report(isBusy(error) ? StoreProblem::Kind::Locked : StoreProblem::Kind::CannotOpen,
                   error.text());
            return false;
        }
        if (!keepDamagedFileAside())
            return false;
    }
    return false;
}

bool ResultsStore::keepDamagedFileAside() {
    const QString aside = moveAside(path_);
    if (aside.isEmpty()) {
        report(StoreProblem::Kind::CannotOpen, QStringLiteral("damaged and cannot be moved aside"));
        return false;
    }
    report(StoreProblem::Kind::CorruptMovedAside, aside);
    return true;
}

qint64 ResultsStore::beginQuiz(const QuizStart &start) {
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

bool ResultsStore::recordQuestion(qint64 quiz, const QuestionRecord &question) {
    if (quiz <= 0 || quiz >= nextQuiz_)
        return false;
    PendingWrite write;
    write.kind = PendingWrite::Kind::Question;
    write.quiz = quiz;
    write.question = question;
    enqueue(write);
    return writePending();
}

bool ResultsStore::endQuiz(qint64 quiz, const QuizTotals &totals, bool normalEnd) {
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

void ResultsStore::enqueue(const PendingWrite &write) {
    if (pending_.size() < kMaxPendingWrites)
        pending_.append(write);
    else
        qCWarning(lcResults) << "results database unavailable for long: a result was dropped";
}

bool ResultsStore::writePending() {
    return ensureOpen() && flushPending();
}

// A quiz of the pending file whose start was written goes on in its row while the row is still
// that quiz (the history may have been cleared meanwhile); otherwise it is written anew.
QSqlError ResultsStore::attachOrInsertQuiz(const PendingWrite &write, qint64 &id) {
    if (write.databaseId) {
        QSqlQuery query = db_->query();
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

QSqlError ResultsStore::insertQuiz(const QuizStart &start, qint64 &id) {
    QSqlQuery query = db_->query();
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

QSqlError ResultsStore::insertQuestion(qint64 quizId, const QuestionRecord &record) {
    if (!db_->insertQuestion_) {
        db_->insertQuestion_ = std::make_unique<QSqlQuery>(db_->connection());
        db_->insertQuestion_->prepare(QStringLiteral(
            "INSERT INTO question (quiz_id, number, shown_at, equation, equation_true, answer,"
            " reaction_ms, judged_right) VALUES (:quiz,"
            " (SELECT COALESCE(MAX(number), 0) + 1 FROM question WHERE quiz_id = :quiz),"
            " :shown, :equation, :truth, :answer, :reaction, :right)"));
    }
    QSqlQuery &insert = *db_->insertQuestion_;
    insert.bindValue(QStringLiteral(":quiz"), quizId);
    insert.bindValue(QStringLiteral(":shown"), msOf(record.shownAt));
    insert.bindValue(QStringLiteral(":equation"), record.equation);
    insert.bindValue(QStringLiteral(":truth"), int(record.equationTrue));
    insert.bindValue(QStringLiteral(":answer"), int(record.answer));
    insert.bindValue(QStringLiteral(":reaction"),
                     record.reactionMs ? QVariant(*record.reactionMs) : QVariant());
    insert.bindValue(QStringLiteral(":right"), int(record.judgedRight));
    return insert.exec() ? QSqlError() : insert.lastError();
}

QSqlError ResultsStore::updateEnd(qint64 quizId, const QuizTotals &totals, bool normalEnd) {
    QSqlQuery query = db_->query();
    query.prepare(QStringLiteral("UPDATE quiz SET ended_at = ?, total = ?, correct = ?,"
                                 " wrong = ?, points = ?, normal_end = ? WHERE id = ?"));
    for (const QVariant &value :
         {msOf(totals.endedAt), QVariant(totals.total), QVariant(totals.correct),
          QVariant(totals.wrong), QVariant(totals.points), QVariant(int(normalEnd)),
          QVariant(quizId)})
        query.addBindValue(value);
    return query.exec() ? QSqlError() : query.lastError();
}

// Writes what waits, oldest first, each in its own transaction. A refusal that may pass (a
// lock, a full disk) keeps the rest waiting for the next call; a write refused for good is
// dropped.
bool ResultsStore::flushPending() {
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
            if (!mayPass(error) && !isCorrupt(error))
                pending_.removeFirst();
            failed(error);
            return false;
        }
        pending_.removeFirst();
    }
    // Everything the pending file held is in the database now.
    if (pendingFileInUse_)
        savePending();
    return true;
}

QSqlQuery ResultsStore::newQuery() const {
    return db_->query();
}

bool ResultsStore::runQuery(QSqlQuery &query) {
    query.setForwardOnly(true);
    if (query.exec())
        return true;
    failed(query.lastError());
    return false;
}

void ResultsStore::failed(const QSqlError &error) {
    if (isCorrupt(error) && db_) {
        // Damage found after the open's check: keep the file aside, start afresh at the next
        // call. The caller's statements are still alive, so the connection closes then.
        damaged_ = true;
        return;
    }
    report(isBusy(error) ? StoreProblem::Kind::Locked : StoreProblem::Kind::WriteFailed,
           error.text());
}

QList<QuizSummary> ResultsStore::recentQuizzes(int limit, int offset, qint64 child) {
    QList<QuizSummary> quizzes;
    if (!ensureOpen())
        return quizzes;
    const QString page =
        QStringLiteral("WITH page AS (SELECT * FROM quiz q WHERE %1 ORDER BY started_at"
                       " DESC, id DESC LIMIT :limit OFFSET :offset) ")
            .arg(QLatin1String(kListedQuiz));
    QSqlQuery query = db_->query();
    query.prepare(page +
                  QStringLiteral("SELECT p.id, p.started_at, p.ended_at, p.level, p.kinds, p.speed,"
                                 " p.display_mode, p.total, p.correct, p.wrong, p.points,"
                                 " p.normal_end, (SELECT COUNT(*) FROM question a WHERE"
                                 " a.quiz_id = p.id), (SELECT SUM(a.judged_right) FROM question a"
                                 " WHERE a.quiz_id = p.id), (SELECT SUM(a.equation_true = 0) FROM"
                                 " question a WHERE a.quiz_id = p.id), p.child_id FROM page p"
                                 " ORDER BY p.started_at DESC, p.id DESC"));
    QSqlQuery times = db_->query();
    times.prepare(page + QStringLiteral("SELECT a.quiz_id, a.reaction_ms FROM question a"
                                        " WHERE a.quiz_id IN (SELECT id FROM page) AND"
                                        " a.reaction_ms IS NOT NULL"
                                        " ORDER BY a.quiz_id, a.reaction_ms"));
    for (QSqlQuery *q : {&query, &times}) {
        q->bindValue(QStringLiteral(":limit"), limit);
        q->bindValue(QStringLiteral(":offset"), offset);
        q->bindValue(QStringLiteral(":child"), child);
    }
    if (!runQuery(query) || !runQuery(times))
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
            quiz.state =
                runningQuizzes_.count(quiz.id) ? QuizState::Running : QuizState::Unfinished;
        }
        quiz.falseEquations = query.value(14).toInt();
        quiz.childId = query.value(15).toLongLong();
        quiz.medianReactionMs = medianOf(medians, QString::number(quiz.id));
        quizzes << quiz;
    }
    return quizzes;
}

int ResultsStore::quizCount(qint64 child) {
    if (!ensureOpen())
        return 0;
    QSqlQuery query = db_->query();
    query.prepare(
        QStringLiteral("SELECT COUNT(*) FROM quiz q WHERE %1").arg(QLatin1String(kListedQuiz)));
    query.bindValue(QStringLiteral(":child"), child);
    if (!runQuery(query) || !query.next())
        return 0;
    return query.value(0).toInt();
}

// The questions of the quizzes started in [:from, :to), with their quiz as `q`. SQLite is told
// to walk the quizzes by start time and reach their questions by key (CROSS JOIN fixes the
// order), never to scan every question.
static const char kPeriodSource[] = "quiz q CROSS JOIN question a ON a.quiz_id = q.id"
                                    " WHERE q.started_at >= :from AND q.started_at < :to"
                                    " AND (:child = 0 OR q.child_id = :child)";

QList<DayStatistics> ResultsStore::dailyStatistics(const QDate &firstDay, qint64 child) {
    QList<DayStatistics> days;
    if (!ensureOpen())
        return days;
    const QString source = QLatin1String(kPeriodSource);
    QSqlQuery query = db_->query();
    query.prepare(QStringLiteral("SELECT q.day, COUNT(*), SUM(a.judged_right),"
                                 " SUM(a.equation_true = 0) FROM %1"
                                 " GROUP BY q.day ORDER BY q.day")
                      .arg(source));
    QSqlQuery times = db_->query();
    times.prepare(QStringLiteral("SELECT q.day, a.reaction_ms FROM %1 AND a.reaction_ms IS NOT"
                                 " NULL ORDER BY q.day, a.reaction_ms")
                      .arg(source));
    for (QSqlQuery *q : {&query, &times}) {
        q->bindValue(QStringLiteral(":from"), firstDay.startOfDay().toMSecsSinceEpoch());
        q->bindValue(QStringLiteral(":to"), std::numeric_limits<qint64>::max());
        q->bindValue(QStringLiteral(":child"), child);
    }
    if (!runQuery(query) || !runQuery(times))
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

PeriodStatistics ResultsStore::periodStatistics(const QDateTime &from, const QDateTime &to,
                                                qint64 child) {
    PeriodStatistics period;
    if (!ensureOpen())
        return period;
    const QString source = QLatin1String(kPeriodSource);
    QSqlQuery query = db_->query();
    query.prepare(QStringLiteral("SELECT (SELECT COUNT(*) FROM quiz q WHERE q.started_at >= :from"
                                 " AND q.started_at < :to AND %2), COUNT(*), SUM(a.judged_right),"
                                 " SUM(a.equation_true = 0) FROM %1")
                      .arg(source, QLatin1String(kListedQuiz)));
    QSqlQuery times = db_->query();
    times.prepare(QStringLiteral("SELECT 0, a.reaction_ms FROM %1 AND a.reaction_ms IS NOT NULL"
                                 " ORDER BY a.reaction_ms")
                      .arg(source));
    for (QSqlQuery *q : {&query, &times}) {
        q->bindValue(QStringLiteral(":from"), from.toMSecsSinceEpoch());
        q->bindValue(QStringLiteral(":to"), to.toMSecsSinceEpoch());
        q->bindValue(QStringLiteral(":child"), child);
    }
    if (!runQuery(query) || !runQuery(times) || !query.next())
        return period;
    period.quizzes = query.value(0).toInt();
    period.questions = query.value(1).toInt();
    period.right = query.value(2).toInt();
    period.falseEquations = query.value(3).toInt();
    period.medianReactionMs = medianOf(mediansByKey(times), QStringLiteral("0"));
    return period;
}

QList<WrongEquation> ResultsStore::mostOftenWrong(const QDateTime &from, int limit, qint64 child) {
    QList<WrongEquation> equations;
    if (!ensureOpen())
        return equations;
    QSqlQuery query = db_->query();
    query.prepare(QStringLiteral(
        "SELECT a.equation, SUM(a.judged_right = 0) AS wrong_count, COUNT(*) FROM quiz q"
        " CROSS JOIN question a ON a.quiz_id = q.id WHERE q.started_at >= :from"
        " AND (:child = 0 OR q.child_id = :child) GROUP BY a.equation HAVING wrong_count > 0 ORDER "
        "BY wrong_count DESC, COUNT(*) DESC,"
        " a.equation LIMIT :limit"));
    query.bindValue(QStringLiteral(":from"), from.toMSecsSinceEpoch());
    query.bindValue(QStringLiteral(":limit"), limit);
    query.bindValue(QStringLiteral(":child"), child);
    if (!runQuery(query))
        return equations;
    while (query.next())
        equations << WrongEquation{query.value(0).toString(), query.value(1).toInt(),
                                   query.value(2).toInt()};
    return equations;
}

QList<QuestionRow> ResultsStore::quizQuestions(qint64 quizId) {
    QList<QuestionRow> rows;
    if (!ensureOpen())
        return rows;
    QSqlQuery query = db_->query();
    query.prepare(QStringLiteral("SELECT number, shown_at, equation, equation_true, answer,"
                                 " reaction_ms, judged_right FROM question WHERE quiz_id = ?"
                                 " ORDER BY number"));
    query.addBindValue(quizId);
    if (!runQuery(query))
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

bool ResultsStore::exportCsv(const QString &filePath) {
    if (!ensureOpen())
        return false;
    QSqlQuery query = db_->query();
    query.prepare(QStringLiteral(
        "SELECT q.id, q.started_at, q.ended_at, q.normal_end, q.level, q.kinds, q.speed,"
        " q.display_mode, a.number, a.shown_at, a.equation, a.equation_true, a.answer,"
        " a.reaction_ms, a.judged_right, COALESCE(c.name, '') FROM quiz q CROSS JOIN question a"
        " ON a.quiz_id = q.id LEFT JOIN child c ON c.id = q.child_id"
        " ORDER BY q.started_at, q.id, a.number"));
    if (!runQuery(query))
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

bool ResultsStore::clearHistory() {
    if (!ensureOpen())
        return false;
    QStringList keep;
    for (qint64 id : runningQuizzes_)
        keep << QString::number(id);
    QSqlQuery query = db_->query();
    // The questions go with their quiz (ON DELETE CASCADE).
    if (!query.exec(QStringLiteral("DELETE FROM quiz WHERE id NOT IN (%1)").arg(keep.join(',')))) {
        failed(query.lastError());
        return false;
    }
    return true;
}

} // namespace numbrook
