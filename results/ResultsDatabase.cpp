// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

#include "ResultsDatabase.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <QUuid>
#include <QVariant>

#include <array>
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

constexpr int kSqliteBusy = 5;
constexpr int kSqliteLocked = 6;
constexpr int kSqliteNoMemory = 7;
constexpr int kSqliteReadOnly = 8;
constexpr int kSqliteIoError = 10;
constexpr int kSqliteCorrupt = 11;
constexpr int kSqliteFull = 13;
constexpr int kSqliteCannotOpen = 14;
constexpr int kSqliteNotADatabase = 26;

int nativeCode(const QSqlError &error) {
    return error.nativeErrorCode().toInt();
}
bool isBusy(const QSqlError &error) {
    return nativeCode(error) == kSqliteBusy || nativeCode(error) == kSqliteLocked;
}
} // namespace

bool ResultsDatabase::isCorrupt(const QSqlError &error) {
    return nativeCode(error) == kSqliteCorrupt || nativeCode(error) == kSqliteNotADatabase;
}
// A write refused for a reason that passes (a lock, a full disk, a file made read-only for a
// while): it waits and is tried again. Any other refusal is about the write itself.
bool ResultsDatabase::mayPass(const QSqlError &error) {
    // The primary code is the low byte of an extended one (SQLITE_IOERR_WRITE and the like).
    const int code = nativeCode(error) & 0xff;
    return isBusy(error) || code == kSqliteNoMemory || code == kSqliteReadOnly ||
           code == kSqliteIoError || code == kSqliteFull || code == kSqliteCannotOpen;
}

// One named Qt SQL connection with the statements reused while it is open.
class ResultsDatabase::Connection {
public:
    explicit Connection(const QString &path)
        : name_(QStringLiteral("numbrook.results.") +
                QUuid::createUuid().toString(QUuid::WithoutBraces)) {
        auto db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name_);
        db.setDatabaseName(path);
        // A locked database must not hold the question cycle up: give up at once, the write
        // waits and is tried again later.
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=10"));
    }
    ~Connection() {
        statements_.clear();
        {
            auto db = connection();
            db.close();
        }
        QSqlDatabase::removeDatabase(name_);
    }
    QSqlDatabase connection() const { return QSqlDatabase::database(name_, false); }
    QSqlQuery query() const { return QSqlQuery(connection()); }

    std::map<QString, std::unique_ptr<QSqlQuery>> statements_;

private:
    QString name_;
};

ResultsDatabase::ResultsDatabase(const QString &path, const QString &pendingPath)
    : path_(path), pendingPath_(pendingPath) {}

ResultsDatabase::~ResultsDatabase() = default;

QVariant storedTime(const QDateTime &time) {
    return time.isValid() ? QVariant(time.toMSecsSinceEpoch()) : QVariant();
}
QDateTime timeOf(const QVariant &value) {
    return value.isNull() ? QDateTime() : QDateTime::fromMSecsSinceEpoch(value.toLongLong());
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

void ResultsDatabase::report(StoreProblem::Kind kind, const QString &detail) {
    // One warning per kind of problem in a row, so a locked file does not log every second.
    if (problem_.kind != kind)
        qCWarning(lcResults).noquote() << "results database" << path_ << ":" << detail;
    problem_ = {kind, detail};
}

StoreProblem ResultsDatabase::takeProblem() {
    return std::exchange(problem_, StoreProblem{});
}

bool ResultsDatabase::isOpen() const {
    return db_ != nullptr;
}

bool ResultsDatabase::ensureOpen() {
    if (beforeUse_)
        beforeUse_();
    if (damaged_) {
        // Damage found after the open's check. Closed here, where no query of the caller's is
        // alive any more; the file is kept aside and a new one started.
        damaged_ = false;
        db_.reset();
        keepDamagedFileAside();
    }
    if (newerSchema_) {
        // Logged once, when found; the window is told each time it asks.
        problem_ = {StoreProblem::Kind::NewerSchema, pendingPath_};
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

bool ResultsDatabase::openFile() {
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
            db_ = std::make_unique<Connection>(path_);
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
                    << "; it is left as it is, results go to" << pendingPath_;
                problem_ = {StoreProblem::Kind::NewerSchema, pendingPath_};
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

bool ResultsDatabase::keepDamagedFileAside() {
    const QString aside = moveAside(path_);
    if (aside.isEmpty()) {
        report(StoreProblem::Kind::CannotOpen, QStringLiteral("damaged and cannot be moved aside"));
        return false;
    }
    report(StoreProblem::Kind::CorruptMovedAside, aside);
    return true;
}

QSqlQuery ResultsDatabase::query() const {
    return db_->query();
}

QSqlQuery &ResultsDatabase::reusedStatement(const QString &sql) {
    std::unique_ptr<QSqlQuery> &statement = db_->statements_[sql];
    if (!statement) {
        statement = std::make_unique<QSqlQuery>(db_->connection());
        statement->prepare(sql);
    }
    return *statement;
}

bool ResultsDatabase::run(QSqlQuery &query) {
    query.setForwardOnly(true);
    if (query.exec())
        return true;
    failed(query.lastError());
    return false;
}

void ResultsDatabase::failed(const QSqlError &error) {
    if (isCorrupt(error) && db_) {
        // Damage found after the open's check: keep the file aside, start afresh at the next
        // call. The caller's statements are still alive, so the connection closes then.
        damaged_ = true;
        return;
    }
    report(isBusy(error) ? StoreProblem::Kind::Locked : StoreProblem::Kind::WriteFailed,
           error.text());
}

} // namespace numbrook
