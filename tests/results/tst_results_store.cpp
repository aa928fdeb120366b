// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

// The results database on real files: rows written as they happen, unfinished quizzes, soft
// failure on an unusable, locked or damaged file, migration, aggregates and the CSV export.
#include "ResultsStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>
#include <QThread>
#include <memory>

using namespace numbrook;

namespace {

const QDateTime kStart(QDate(2026, 3, 2), QTime(17, 0));

QuizStart quizStart(const QDateTime &at = kStart) {
    return QuizStart{at, 2, {1, 3, 7}, 4, 1};
}

QuestionRecord question(const QString &equation, bool right, std::optional<int> reactionMs,
                        const QDateTime &at = kStart) {
    return QuestionRecord{
        at, equation, true, reactionMs ? AnswerSource::Key : AnswerSource::None, reactionMs, right};
}

// A second connection of our own to the same file, as another program would hold it.
class RawConnection {
public:
    explicit RawConnection(const QString &path) {
        auto db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name_);
        db.setDatabaseName(path);
        db.open();
    }
    ~RawConnection() {
        QSqlDatabase::database(name_).close();
        QSqlDatabase::removeDatabase(name_);
    }
    QSqlQuery exec(const QString &statement) {
        QSqlQuery query(QSqlDatabase::database(name_));
        query.exec(statement);
        return query;
    }
    QVariant value(const QString &statement) {
        QSqlQuery query = exec(statement);
        return query.next() ? query.value(0) : QVariant();
    }

private:
    QString name_ = QStringLiteral("raw");
};

} // namespace

class ResultsStoreTest : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> dir_;
    QString path() const { return dir_->filePath(QStringLiteral("Numbrook/results.sqlite")); }
    static QByteArray fileBytes(const QString &file) {
        QFile f(file);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    // The writes waiting in the pending file.
    QJsonArray pendingWrites() const {
        return QJsonDocument::fromJson(fileBytes(path() + QStringLiteral(".pending")))
            .object()
            .value(QStringLiteral("writes"))
            .toArray();
    }

private Q_SLOTS:
    void init() {
        dir_ = std::make_unique<QTemporaryDir>();
        QVERIFY(dir_->isValid());
        // A connection must never go while a query of it is alive.
        QTest::failOnWarning(QRegularExpression(QStringLiteral("removeDatabase|still in use")));
    }

    void defaultPath_isInTheUserDataFolder() {
        qputenv("XDG_DATA_HOME", dir_->path().toLocal8Bit());
        QCOMPARE(ResultsStore::defaultPath(), path());
    }

    void scoredQuestions_surviveAKilledProgram_asAnUnfinishedQuiz() {
        // A child process records two questions, says so, and is killed with SIGKILL.
        QProcess child;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("NUMBROOK_RESULTS_CHILD"), path());
        child.setProcessEnvironment(environment);
        child.start(QCoreApplication::applicationFilePath(), {});
        QVERIFY(child.waitForReadyRead(10000));
        QCOMPARE(child.readLine().trimmed(), QByteArray("recorded"));
        child.kill();
        QVERIFY(child.waitForFinished(10000));
        QCOMPARE(child.exitStatus(), QProcess::CrashExit);

        ResultsStore after(path());
        const QList<QuizSummary> quizzes = after.recentQuizzes(10);
        QCOMPARE(quizzes.size(), 1);
        QCOMPARE(quizzes[0].state, QuizState::Unfinished);
        QCOMPARE(quizzes[0].total, 2);
        QCOMPARE(quizzes[0].correct, 1);
        QCOMPARE(quizzes[0].points, 0);
        QCOMPARE(quizzes[0].kinds, QList<int>({1, 3, 7}));
        const QList<QuestionRow> questions = after.quizQuestions(quizzes[0].id);
        QCOMPARE(questions.size(), 2);
        QCOMPARE(questions[0].number, 1);
        QCOMPARE(questions[0].record.equation, QStringLiteral("3+2=5"));
        QCOMPARE(questions[0].record.reactionMs, std::optional<int>(640));
        QCOMPARE(questions[0].record.answer, AnswerSource::Key);
        QCOMPARE(questions[1].record.reactionMs, std::nullopt);
        QCOMPARE(questions[1].record.answer, AnswerSource::None);
        QCOMPARE(questions[1].record.judgedRight, false);
    }

    void endQuiz_keepsTotalsAndHowItEnded_data() {
        QTest::addColumn<bool>("normalEnd");
        QTest::addColumn<QuizState>("state");
        QTest::newRow("Esc") << true << QuizState::Finished;
        QTest::newRow("program closed") << false << QuizState::Stopped;
    }
    void endQuiz_keepsTotalsAndHowItEnded() {
        QFETCH(bool, normalEnd);
        QFETCH(QuizState, state);
        ResultsStore store(path());
        const qint64 id = store.beginQuiz(quizStart());
        QVERIFY(store.recordQuestion(id, question(QStringLiteral("1+1=2"), true, 500)));
        QVERIFY(store.endQuiz(id, QuizTotals{kStart.addSecs(60), 7, 5, 2, 3}, normalEnd));
        const QuizSummary quiz = ResultsStore(path()).recentQuizzes(1).value(0);
        QCOMPARE(quiz.state, state);
        QCOMPARE(quiz.endedAt, kStart.addSecs(60));
        QCOMPARE(quiz.total, 7);
        QCOMPARE(quiz.points, 3);
        QCOMPARE(quiz.medianReactionMs, std::optional<int>(500));
    }

    void unusableLocation_failsSoftly_andSaysSoOnce_data() {
        QTest::addColumn<bool>("parentIsAFile");
        QTest::newRow("folder cannot be created") << true;
        QTest::newRow("read-only folder") << false;
    }
    void unusableLocation_failsSoftly_andSaysSoOnce() {
        QFETCH(bool, parentIsAFile);
        const QString folder = dir_->filePath(QStringLiteral("Numbrook"));
        if (parentIsAFile) {
            QFile blocker(folder);
            QVERIFY(blocker.open(QIODevice::WriteOnly));
        } else {
            if (geteuid() == 0)
                QSKIP("the superuser writes into read-only folders");
            QVERIFY(QDir().mkpath(folder));
            QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner);
        }
        ResultsStore store(path());
        const qint64 quiz = store.beginQuiz(quizStart());
        QVERIFY(!store.recordQuestion(quiz, question(QStringLiteral("1+1=2"), true, 1)));
        QVERIFY(!store.endQuiz(quiz, QuizTotals{kStart, 1, 1, 0, 1}, true));
        QVERIFY(store.recentQuizzes(10).isEmpty());
        QVERIFY(!store.exportCsv(dir_->filePath(QStringLiteral("out.csv"))));
        QCOMPARE(store.takeProblem().kind, StoreProblem::Kind::CannotOpen);
        QCOMPARE(store.takeProblem().kind, StoreProblem::Kind::None);
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    void lockedDatabase_failsSoftly_andWritesWhatWaitedOnceFree_data() {
        QTest::addColumn<bool>("lockedAtStart");
        QTest::addColumn<bool>("lockedBeforeOpen");
        QTest::newRow("locked during the quiz") << false << false;
        QTest::newRow("locked when the quiz starts") << true << false;
        QTest::newRow("locked before the program opens the file") << true << true;
    }
    void lockedDatabase_failsSoftly_andWritesWhatWaitedOnceFree() {
        QFETCH(bool, lockedAtStart);
        QFETCH(bool, lockedBeforeOpen);
        QVERIFY(ResultsStore(path()).open());
        ResultsStore store(path());
        if (!lockedBeforeOpen)
            QVERIFY(store.open());
        qint64 quiz = lockedAtStart ? 0 : store.beginQuiz(quizStart());
        {
            RawConnection other(path());
            QCOMPARE(other.exec(QStringLiteral("BEGIN EXCLUSIVE")).lastError().type(),
                     QSqlError::NoError);
            if (lockedAtStart)
                quiz = store.beginQuiz(quizStart());
            QVERIFY(!store.recordQuestion(quiz, question(QStringLiteral("2+2=4"), true, 700)));
            QCOMPARE(store.takeProblem().kind, StoreProblem::Kind::Locked);
            // A lock is no damage: the file stays where it is.
            QCOMPARE(QDir(QFileInfo(path()).absolutePath())
                         .entryList(QDir::Files)
                         .filter(QStringLiteral("corrupt")),
                     QStringList());
            // Reading still works beside a writer in the write-ahead log mode (a quiz without
            // a judged question is not listed yet).
            QCOMPARE(store.recentQuizzes(10).size(), 0);
            other.exec(QStringLiteral("COMMIT"));
        }
        QVERIFY(store.recordQuestion(quiz, question(QStringLiteral("2+3=5"), true, 800)));
        QVERIFY(store.endQuiz(quiz, QuizTotals{kStart, 2, 2, 0, 2}, true));
        const QList<QuizSummary> quizzes = store.recentQuizzes(10);
        QCOMPARE(quizzes.size(), 1);
        QCOMPARE(quizzes[0].state, QuizState::Finished);
        const QList<QuestionRow> questions = store.quizQuestions(quizzes[0].id);
        QCOMPARE(questions.size(), 2);
        QCOMPARE(questions[0].record.equation, QStringLiteral("2+2=4"));
    }

    // Stores opened and closed while another program holds the file locked leave it where it
    // is: a check that cannot read the file has found no damage.
    void storesOpenedBesideALock_neverMoveTheFileAside() {
        QVERIFY(ResultsStore(path()).open());
        {
            RawConnection other(path());
            QCOMPARE(other.exec(QStringLiteral("BEGIN EXCLUSIVE")).lastError().type(),
                     QSqlError::NoError);
            for (int n = 0; n < 3; ++n) {
                ResultsStore store(path());
                store.open();
                store.takeProblem();
            }
            other.exec(QStringLiteral("COMMIT"));
        }
        ResultsStore after(path());
        QVERIFY(after.open());
        QCOMPARE(QDir(QFileInfo(path()).absolutePath())
                     .entryList(QDir::Files)
                     .filter(QStringLiteral("corrupt")),
                 QStringList());
    }

    void damagedFile_isKeptAside_andAFreshDatabaseStarts_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("text") << QByteArray("these are not the results you are looking for\n");
        QByteArray header("SQLite format 3\0", 16);
        QTest::newRow("database header, garbage pages") << header + QByteArray(8192, '\x5a');
    }
    void damagedFile_isKeptAside_andAFreshDatabaseStarts() {
        QFETCH(QByteArray, content);
        QVERIFY(QDir().mkpath(QFileInfo(path()).absolutePath()));
        QFile damaged(path());
        QVERIFY(damaged.open(QIODevice::WriteOnly));
        damaged.write(content);
        damaged.close();

        ResultsStore store(path());
        const qint64 quiz = store.beginQuiz(quizStart());
        QVERIFY(store.recordQuestion(quiz, question(QStringLiteral("1+1=2"), true, 300)));
        const StoreProblem problem = store.takeProblem();
        QCOMPARE(problem.kind, StoreProblem::Kind::CorruptMovedAside);
        QVERIFY(problem.detail.startsWith(path() + QStringLiteral(".corrupt-")));
        QFile kept(problem.detail);
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QCOMPARE(kept.readAll(), content);
    }

    void schemaVersion_isMigratedFromEmpty_andANewerOneIsLeftAlone_data() {
        QTest::addColumn<int>("storedVersion");
        QTest::addColumn<bool>("usable");
        QTest::newRow("empty file") << -1 << true;
        QTest::newRow("empty database") << 0 << true;
        QTest::newRow("newer program") << 99 << false;
    }
    void schemaVersion_isMigratedFromEmpty_andANewerOneIsLeftAlone() {
        QFETCH(int, storedVersion);
        QFETCH(bool, usable);
        QVERIFY(QDir().mkpath(QFileInfo(path()).absolutePath()));
        if (storedVersion < 0) {
            QFile empty(path());
            QVERIFY(empty.open(QIODevice::WriteOnly));
        } else {
            RawConnection raw(path());
            raw.exec(QStringLiteral("PRAGMA user_version = %1").arg(storedVersion));
        }
        const QByteArray before = fileBytes(path());
        {
            ResultsStore store(path());
            QCOMPARE(store.open(), usable);
            const qint64 quiz = store.beginQuiz(quizStart());
            store.recordQuestion(quiz, question(QStringLiteral("1+1=2"), true, 300));
            store.endQuiz(quiz, QuizTotals{kStart, 1, 1, 0, 1}, true);
            if (!usable) {
                const StoreProblem problem = store.takeProblem();
                QCOMPARE(problem.kind, StoreProblem::Kind::NewerSchema);
                QCOMPARE(problem.detail, path() + QStringLiteral(".pending"));
            }
        }
        // A newer database is byte for byte as it was; its quiz waits in the pending file.
        if (!usable) {
            QCOMPARE(fileBytes(path()), before);
            QCOMPARE(pendingWrites().size(), 3);
        } else {
            QVERIFY(!QFile::exists(path() + QStringLiteral(".pending")));
        }
        RawConnection raw(path());
        QCOMPARE(raw.value(QStringLiteral("PRAGMA user_version")).toInt(),
                 usable ? 2 : storedVersion);
        QCOMPARE(raw.value(QStringLiteral("PRAGMA journal_mode")).toString(),
                 usable ? QStringLiteral("wal") : QStringLiteral("delete"));
        QCOMPARE(QDir(QFileInfo(path()).absolutePath())
                     .entryList({QStringLiteral("*corrupt*")}, QDir::Files)
                     .size(),
                 0);
    }

    // What a store could not write goes to the pending file when it goes; the next store writes
    // it first, before its own quizzes, into the quiz row already begun where there is one.
    void unwrittenResults_waitInThePendingFile_andTheNextStoreWritesThemFirst_data() {
        QTest::addColumn<bool>("startWritten"); // the quiz row was written before the lock
        QTest::newRow("locked from the start") << false;
        QTest::newRow("locked after the first question") << true;
    }
    void unwrittenResults_waitInThePendingFile_andTheNextStoreWritesThemFirst() {
        QFETCH(bool, startWritten);
        QVERIFY(ResultsStore(path()).open());
        const QString pending = path() + QStringLiteral(".pending");
        auto other = std::make_unique<RawConnection>(path());
        {
            ResultsStore store(path());
            qint64 quiz = 0;
            if (startWritten) {
                quiz = store.beginQuiz(quizStart());
                QVERIFY(store.recordQuestion(quiz, question(QStringLiteral("1+1=2"), true, 100)));
            }
            other->exec(QStringLiteral("BEGIN EXCLUSIVE"));
            if (!startWritten)
                quiz = store.beginQuiz(quizStart());
            QVERIFY(!store.recordQuestion(quiz, question(QStringLiteral("2+2=4"), true, 200)));
            QVERIFY(!store.endQuiz(quiz, QuizTotals{kStart, 2, 2, 0, 2}, true));
            QVERIFY(store.writer().hasUnwritten());
            QVERIFY(!store.writer().writeUnwritten());
            store.writer().savePending(); // as at the end of a quiz: on disk at once
            QVERIFY(QFile::exists(pending));
        } // the store goes while the lock is still held
        other.reset();
        // Start (naming its row when written), question and end.
        QCOMPARE(pendingWrites().size(), 3);
        {
            RawConnection raw(path());
            QCOMPARE(raw.value(QStringLiteral("SELECT count(*) FROM question")).toInt(),
                     startWritten ? 1 : 0);
        }
        ResultsStore next(path());
        QVERIFY(next.writer().hasPendingFile());
        const qint64 own = next.beginQuiz(quizStart(kStart.addSecs(60)));
        QVERIFY(next.recordQuestion(own, question(QStringLiteral("3+3=6"), true, 300)));
        QVERIFY(!next.writer().hasPendingFile());
        const QList<QuizSummary> quizzes = next.recentQuizzes(10);
        QCOMPARE(quizzes.size(), 2);
        QCOMPARE(quizzes[1].startedAt, kStart);
        QCOMPARE(quizzes[1].state, QuizState::Finished);
        QCOMPARE(quizzes[1].total, 2);
        QCOMPARE(quizzes[0].state, QuizState::Running);
        QStringList equations;
        for (const QuestionRow &row : next.quizQuestions(quizzes[1].id))
            equations << row.record.equation;
        const QStringList expected =
            startWritten ? QStringList{"1+1=2", "2+2=4"} : QStringList{"2+2=4"};
        QCOMPARE(equations, expected);
        // The earlier quiz was written first.
        QVERIFY(quizzes[1].id < quizzes[0].id);
    }

    void damagedPendingFile_isKeptAside_andTheStoreWorks() {
        QVERIFY(ResultsStore(path()).open());
        const QString pending = path() + QStringLiteral(".pending");
        QFile file(pending);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("{\"format\": \"numbrook-pending-results\", \"version\": 1, \"writes\": "
                   "[{\"write\": \"question\", \"quiz\": 1}]}");
        file.close();
        QTest::ignoreMessage(QtWarningMsg,
                             QRegularExpression(QStringLiteral("damaged pending results kept")));
        ResultsStore store(path());
        const qint64 quiz = store.beginQuiz(quizStart());
        QVERIFY(store.recordQuestion(quiz, question(QStringLiteral("1+1=2"), true, 100)));
        QCOMPARE(store.recentQuizzes(10).size(), 1);
        QVERIFY(!QFile::exists(pending));
        QCOMPARE(QDir(QFileInfo(path()).absolutePath())
                     .entryList({QStringLiteral("*.pending.corrupt-*")}, QDir::Files)
                     .size(),
                 1);
    }

    void aggregates_areRightOnKnownData() {
        ResultsStore store(path());
        const QDateTime day1 = kStart, day2 = kStart.addDays(1);
        // Day 1: two quizzes, answers of 100, 300, 200 ms and one without: median 200 ms.
        qint64 id = store.beginQuiz(quizStart(day1));
        store.recordQuestion(id, question(QStringLiteral("1+2=3"), true, 100));
        store.recordQuestion(id, question(QStringLiteral("5-3=1"), false, 300));
        id = store.beginQuiz(quizStart(day1.addSecs(3600)));
        store.recordQuestion(id, question(QStringLiteral("5-3=1"), false, std::nullopt));
        store.recordQuestion(id, question(QStringLiteral("2*2=4"), true, 200));
        // Day 2: 400, 100, 300, 200 ms: median 250 ms; three of four right.
        id = store.beginQuiz(quizStart(day2));
        for (int ms : {400, 100, 300, 200})
            store.recordQuestion(id, question(QStringLiteral("%1+0=%1").arg(ms), ms != 300, ms));
        store.recordQuestion(id, question(QStringLiteral("6/2=2"), false, std::nullopt));

        const QList<DayStatistics> days = store.dailyStatistics(day1.date());
        QCOMPARE(days.size(), 2);
        QCOMPARE(days[0].day, day1.date());
        QCOMPARE(days[0].questions, 4);
        QCOMPARE(days[0].right, 2);
        QCOMPARE(days[0].medianReactionMs, std::optional<int>(200));
        QCOMPARE(days[1].questions, 5);
        QCOMPARE(days[1].right, 3);
        QCOMPARE(days[1].medianReactionMs, std::optional<int>(250));
        QCOMPARE(store.dailyStatistics(day2.date()).size(), 1);

        const PeriodStatistics all = store.periodStatistics(day1, day2.addDays(1));
        QCOMPARE(all.quizzes, 3);
        QCOMPARE(all.questions, 9);
        QCOMPARE(all.right, 5);
        QCOMPARE(all.medianReactionMs, std::optional<int>(200)); // 100 100 200 200 300 300 400

        const QList<WrongEquation> wrong = store.mostOftenWrong(day1, 10);
        QCOMPARE(wrong.size(), 3);
        QCOMPARE(wrong[0].equation, QStringLiteral("5-3=1"));
        QCOMPARE(wrong[0].wrongCount, 2);

        const QList<QuizSummary> recent = store.recentQuizzes(2);
        QCOMPARE(recent.size(), 2);
        QCOMPARE(recent[0].startedAt, day2);
        QCOMPARE(recent[0].medianReactionMs, std::optional<int>(250));
        QCOMPARE(store.recentQuizzes(2, 2).value(0).startedAt, day1);
        QCOMPARE(store.quizCount(), 3);
    }

    void exportCsv_readsBackInPythonsCsvModule() {
        const QString python = QStandardPaths::findExecutable(QStringLiteral("python3"));
        if (python.isEmpty())
            QSKIP("python3 is not installed");
        ResultsStore store(path());
        // The child's name closes each row; a name may hold the separator.
        qint64 child = 0;
        store.childrenStore().addChild(QStringLiteral("Boris, the second"), 0, &child);
        QuizStart start = quizStart();
        start.childId = child;
        const qint64 id = store.beginQuiz(start);
        const QStringList equations = {QStringLiteral("3+2=5"), QStringLiteral("a,b \"c\"\r\nd"),
                                       QStringLiteral("пример=1")};
        for (const QString &equation : equations)
            store.recordQuestion(id, question(equation, true, 900));
        const QString csv = dir_->filePath(QStringLiteral("export.csv"));
        QVERIFY(store.exportCsv(csv));

        QProcess reader;
        reader.start(python,
                     {QStringLiteral("-c"),
                      QStringLiteral("import csv, json, sys\n"
                                     "with open(sys.argv[1], newline='', encoding='utf-8') as f:\n"
                                     "    print(json.dumps(list(csv.reader(f))))\n"),
                      csv});
        QVERIFY(reader.waitForFinished(10000));
        QCOMPARE(reader.exitCode(), 0);
        const QJsonArray rows = QJsonDocument::fromJson(reader.readAllStandardOutput()).array();
        QCOMPARE(rows.size(), 1 + equations.size());
        const QJsonArray header = rows[0].toArray();
        const int equationColumn = int(header.toVariantList().indexOf(QStringLiteral("equation")));
        const int reactionColumn =
            int(header.toVariantList().indexOf(QStringLiteral("reaction_ms")));
        QVERIFY(equationColumn >= 0 && reactionColumn >= 0);
        for (int row = 1; row < rows.size(); ++row) {
            QCOMPARE(rows[row].toArray().size(), header.size());
            QCOMPARE(rows[row].toArray()[equationColumn].toString(), equations[row - 1]);
            QCOMPARE(rows[row].toArray()[reactionColumn].toString(), QStringLiteral("900"));
            QCOMPARE(rows[row].toArray().last().toString(), QStringLiteral("Boris, the second"));
        }
        QCOMPARE(header.last().toString(), QStringLiteral("child"));
    }

    void clearHistory_keepsTheQuizThatIsRunning() {
        ResultsStore store(path());
        const qint64 old = store.beginQuiz(quizStart());
        store.recordQuestion(old, question(QStringLiteral("1+1=2"), true, 300));
        store.endQuiz(old, QuizTotals{kStart, 1, 1, 0, 1}, true);
        const qint64 running = store.beginQuiz(quizStart(kStart.addSecs(600)));
        QVERIFY(store.recordQuestion(running, question(QStringLiteral("2+2=4"), true, 300)));
        QVERIFY(store.clearHistory());
        QCOMPARE(store.recentQuizzes(10).value(0).state, QuizState::Running);
        QCOMPARE(store.quizCount(), 1);
        QVERIFY(store.recordQuestion(running, question(QStringLiteral("2+3=5"), true, 300)));
    }
};

// The killed program of scoredQuestions_surviveAKilledProgram_asAnUnfinishedQuiz: two
// questions of a quiz that never ends.
int recordAndWait(const QString &path) {
    ResultsStore store(path);
    const qint64 id = store.beginQuiz(quizStart());
    store.recordQuestion(id, question(QStringLiteral("3+2=5"), true, 640));
    store.recordQuestion(id, question(QStringLiteral("4-1=2"), false, std::nullopt));
    if (store.recentQuizzes(10).value(0).state != QuizState::Running)
        return 1;
    QTextStream(stdout) << "recorded" << Qt::endl;
    QThread::sleep(60);
    return 1;
}

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    const QString childPath = qEnvironmentVariable("NUMBROOK_RESULTS_CHILD");
    if (!childPath.isEmpty())
        return recordAndWait(childPath);
    ResultsStoreTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_results_store.moc"
