// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

// Children in the results database: the migration of a database written before there were
// children, names refused, removal, each child's own settings, quizzes and fact states read
// from the recorded questions, and quizzes without a judged question left out.
#include "ResultsStore.h"

#include <QDir>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace numbrook;

namespace {

const QDateTime kStart(QDate(2026, 3, 2), QTime(17, 0));

QuestionRecord question(const QString &equation, bool truth, bool right, std::optional<int> ms,
                        const QDateTime &at = kStart) {
    return QuestionRecord{at, equation, truth, ms ? AnswerSource::Key : AnswerSource::None,
                          ms, right};
}

// Runs statements on the file through a connection of our own.
QVariant rawValue(const QString &path, const QStringList &statements) {
    QVariant last;
    {
        auto db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("raw"));
        db.setDatabaseName(path);
        db.open();
        QSqlQuery query(db);
        for (const QString &statement : statements) {
            if (!query.exec(statement))
                qWarning() << statement << query.lastError().text();
            last = query.next() ? query.value(0) : QVariant();
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("raw"));
    return last;
}

// The schema as the program wrote it before there were children, with three quizzes.
const QStringList kVersionOne = {
    QStringLiteral("CREATE TABLE quiz (id INTEGER PRIMARY KEY, started_at INTEGER NOT NULL,"
                   " day TEXT NOT NULL, ended_at INTEGER, level INTEGER NOT NULL, kinds TEXT NOT"
                   " NULL, speed INTEGER NOT NULL, display_mode INTEGER NOT NULL, total INTEGER,"
                   " correct INTEGER, wrong INTEGER, points INTEGER, normal_end INTEGER)"),
    QStringLiteral("CREATE INDEX quiz_started ON quiz(started_at)"),
    QStringLiteral("CREATE TABLE question (quiz_id INTEGER NOT NULL REFERENCES quiz(id) ON DELETE"
                   " CASCADE, number INTEGER NOT NULL, shown_at INTEGER NOT NULL, equation TEXT"
                   " NOT NULL, equation_true INTEGER NOT NULL, answer INTEGER NOT NULL,"
                   " reaction_ms INTEGER, judged_right INTEGER NOT NULL, PRIMARY KEY (quiz_id,"
                   " number)) WITHOUT ROWID"),
    QStringLiteral("INSERT INTO quiz VALUES (1, 1772470800000, '2026-03-02', 1772470860000, 1,"
                   " '1', 5, 0, 2, 1, 1, 0, 1), (2, 1772557200000, '2026-03-03', NULL, 1, '1,2',"
                   " 3, 1, NULL, NULL, NULL, NULL, NULL), (3, 1772643600000, '2026-03-04',"
                   " 1772643660000, 2, '2', 4, 0, 1, 1, 0, 1, 0)"),
    QStringLiteral("INSERT INTO question VALUES (1, 1, 1772470801000, '1+2=3', 1, 1, 900, 1),"
                   " (1, 2, 1772470807000, '5-3=1', 0, 1, 1500, 0), (2, 1, 1772557201000,"
                   " '2*3=6', 1, 2, 2000, 1), (2, 2, 1772557205000, '8/4=2', 1, 0, NULL, 0),"
                   " (3, 1, 1772643601000, '2*2=1*4', 1, 1, 700, 1)"),
    QStringLiteral("PRAGMA user_version = 1"),
};

} // namespace

class ChildrenStoreTest : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> dir_;
    QString path() const { return dir_->filePath(QStringLiteral("results.sqlite")); }

private Q_SLOTS:
    void init() {
        dir_ = std::make_unique<QTemporaryDir>();
        QVERIFY(dir_->isValid());
    }

    void migration_givesTheWholeHistoryToTheFirstChild() {
        rawValue(path(), kVersionOne);
        {
            ResultsStore store(path());
            QVERIFY(store.open());
            const QList<ChildProfile> children = store.children();
            QCOMPARE(children.size(), 1);
            QCOMPARE(children[0].id, kFirstChild);
            QCOMPARE(store.quizCount(kFirstChild), 3);
            QCOMPARE(store.quizCount(), 3);
            const QList<QuizSummary> quizzes = store.recentQuizzes(10, 0, kFirstChild);
            QCOMPARE(quizzes.size(), 3);
            QCOMPARE(quizzes[0].level, 2);
            QCOMPARE(quizzes[1].state, QuizState::Unfinished);
            QCOMPARE(quizzes[2].total, 2);
            QCOMPARE(store.quizQuestions(2).size(), 2);
            // The level-1 facts of the old history count for the first child.
            const FactProgress progress = store.childrenStore().factProgress(kFirstChild);
            QCOMPARE(progress.lastTries(Fact{'*', 2, 3}).size(), 1);
            QCOMPARE(progress.lastTries(Fact{'*', 2, 2}).size(), 0); // a level-2 equation
        }
        QCOMPARE(rawValue(path(), {QStringLiteral("PRAGMA user_version")}).toInt(), 2);
        QCOMPARE(rawValue(path(), {QStringLiteral("SELECT COUNT(*) FROM question")}).toInt(), 5);
        QCOMPARE(rawValue(path(), {QStringLiteral("SELECT COUNT(*) FROM quiz WHERE child_id = 1")})
                     .toInt(),
                 3);
    }

    void childNames_emptyOrTakenAreRefused_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("problem");
        QTest::newRow("new") << "Boris" << int(ChildNameProblem::None);
        QTest::newRow("empty") << "" << int(ChildNameProblem::Empty);
        QTest::newRow("spaces only") << "   " << int(ChildNameProblem::Empty);
        QTest::newRow("taken") << "Anna" << int(ChildNameProblem::Duplicate);
        QTest::newRow("taken, other case and spaces")
            << "  aNNA " << int(ChildNameProblem::Duplicate);
        QTest::newRow("taken, Cyrillic case") << "маша" << int(ChildNameProblem::Duplicate);
    }
    void childNames_emptyOrTakenAreRefused() {
        QFETCH(QString, name);
        QFETCH(int, problem);
        ResultsStore store(path());
        QCOMPARE(store.childrenStore().addChild(QStringLiteral("Anna"), 0), ChildNameProblem::None);
        QCOMPARE(store.childrenStore().addChild(QStringLiteral("Маша"), 2), ChildNameProblem::None);
        // Renaming follows the same rules, and a child may keep their own name.
        const qint64 anna = store.children()[1].id;
        QCOMPARE(int(store.childrenStore().changeChild(anna, name, 0)),
                 name.trimmed().compare(QStringLiteral("anna"), Qt::CaseInsensitive) == 0
                     ? int(ChildNameProblem::None)
                     : problem);
        QCOMPARE(store.childrenStore().changeChild(anna, QStringLiteral("Anna"), 0),
                 ChildNameProblem::None);
        qint64 id = 0;
        QCOMPARE(int(store.childrenStore().addChild(name, 1, &id)), problem);
        QCOMPARE(store.children().size(), problem == int(ChildNameProblem::None) ? 4 : 3);
    }

    void removingAChild_takesTheirQuizzesAndLeavesTheOthers() {
        ResultsStore store(path());
        qint64 boris = 0;
        QCOMPARE(store.childrenStore().addChild(QStringLiteral("Boris"), 0, &boris),
                 ChildNameProblem::None);
        for (qint64 child : {kFirstChild, boris, boris}) {
            QuizStart start{kStart, 1, {1}, 5, 0, child};
            const qint64 quiz = store.beginQuiz(start);
            store.recordQuestion(quiz, question(QStringLiteral("1+1=2"), true, true, 800));
            store.endQuiz(quiz, QuizTotals{kStart, 1, 1, 0, 1}, true);
        }
        QCOMPARE(store.quizCount(boris), 2);
        QCOMPARE(store.quizCount(kFirstChild), 1);
        QVERIFY(store.childrenStore().removeChild(boris));
        QCOMPARE(store.children().size(), 1);
        QVERIFY(!store.childrenStore().removeChild(kFirstChild)); // the last child stays
        QCOMPARE(store.quizCount(), 1);
        QCOMPARE(rawValue(path(), {QStringLiteral("SELECT COUNT(*) FROM question")}).toInt(), 1);
        // A quiz begun for a child removed meanwhile is kept, for the first child.
        const qint64 late = store.beginQuiz(QuizStart{kStart, 1, {1}, 5, 0, boris});
        store.recordQuestion(late, question(QStringLiteral("2+2=4"), true, true, 800));
        QCOMPARE(store.quizCount(kFirstChild), 2);
    }

    void childSettings_areKeptPerChild() {
        ResultsStore store(path());
        qint64 boris = 0;
        store.childrenStore().addChild(QStringLiteral("Boris"), 0, &boris);
        QCOMPARE(store.childrenStore().childSettings(boris), std::nullopt);
        QVERIFY(store.childrenStore().setChildSettings(boris, QStringLiteral("Diff_Math=2")));
        QVERIFY(store.childrenStore().setChildSettings(kFirstChild, QStringLiteral("Diff_Math=3")));
        QCOMPARE(ResultsStore(path()).childrenStore().childSettings(boris),
                 QStringLiteral("Diff_Math=2"));
        QCOMPARE(store.childrenStore().childSettings(kFirstChild), QStringLiteral("Diff_Math=3"));
        QVERIFY(!store.childrenStore().setChildSettings(99, QStringLiteral("Diff_Math=1")));
    }

    // Fact states per child from the questions as recorded: only level-1 quizzes, in the
    // order asked, the last three tries.
    void factStates_comeFromEachChildsOwnQuestions() {
        ResultsStore store(path());
        qint64 boris = 0;
        store.childrenStore().addChild(QStringLiteral("Boris"), 0, &boris);
        auto play = [&store](qint64 child, int level, const QDateTime &at,
                             const QList<QuestionRecord> &questions) {
            const qint64 quiz = store.beginQuiz(QuizStart{at, level, {1}, 5, 0, child});
            for (const QuestionRecord &q : questions)
                store.recordQuestion(quiz, q);
            store.endQuiz(quiz, QuizTotals{at, 1, 1, 0, 1}, true);
        };
        const auto fast = question(QStringLiteral("3+4=7"), true, true, 900);
        const auto slow = question(QStringLiteral("3+4=7"), true, true, 5000);
        const auto silentRight = question(QStringLiteral("3+4=9"), false, true, std::nullopt);
        const auto wrong = question(QStringLiteral("3+4=9"), false, false, 700);
        // The first child: wrong twice long ago, then fast and silent-right: fluent.
        play(kFirstChild, 1, kStart, {wrong, wrong});
        play(kFirstChild, 1, kStart.addDays(1), {fast, silentRight});
        // Boris: fast once, slow twice: learning. A level-2 quiz does not count.
        play(boris, 1, kStart, {fast, slow});
        play(boris, 1, kStart.addDays(2), {slow});
        play(boris, 2, kStart.addDays(3), {fast, fast});
        const Fact fact{'+', 3, 4};
        QCOMPARE(store.childrenStore().factProgress(kFirstChild).state(fact, kDefaultFluencyMs),
                 FactState::Fluent);
        QCOMPARE(store.childrenStore().factProgress(boris).state(fact, kDefaultFluencyMs),
                 FactState::Learning);
        QCOMPARE(store.childrenStore().factProgress(boris).state(fact, 6000), FactState::Fluent);
        QCOMPARE(store.childrenStore().factProgress(boris).lastTries(fact).size(), 3);

        const QList<DailyFluency> days = store.dailyFluency(kFirstChild, kDefaultFluencyMs);
        QCOMPARE(days.size(), 2);
        QCOMPARE(days[0].share[0], 0.0);
        QCOMPARE(days[1].share[0], 1.0 / 16);
    }

    // What silence alone would have scored, and a quiz without a judged question is none.
    void falseEquations_areCounted_andEmptyQuizzesLeftOut() {
        ResultsStore store(path());
        const qint64 empty = store.beginQuiz(QuizStart{kStart, 1, {1}, 5, 0});
        store.endQuiz(empty, QuizTotals{kStart.addSecs(5), 0, 0, 0, 0}, true);
        const qint64 quiz = store.beginQuiz(QuizStart{kStart.addSecs(60), 1, {1}, 5, 0});
        store.recordQuestion(quiz, question(QStringLiteral("1+1=3"), false, true, std::nullopt));
        store.recordQuestion(quiz, question(QStringLiteral("1+2=4"), false, false, 800));
        store.recordQuestion(quiz, question(QStringLiteral("1+3=4"), true, true, 800));
        store.endQuiz(quiz, QuizTotals{kStart.addSecs(90), 3, 2, 1, 1}, true);
        QCOMPARE(store.quizCount(), 1);
        const QList<QuizSummary> quizzes = store.recentQuizzes(10);
        QCOMPARE(quizzes.size(), 1);
        QCOMPARE(quizzes[0].falseEquations, 2);
        const PeriodStatistics period = store.periodStatistics(kStart, kStart.addDays(1));
        QCOMPARE(period.quizzes, 1);
        QCOMPARE(period.falseEquations, 2);
        QCOMPARE(store.dailyStatistics(kStart.date()).value(0).falseEquations, 2);
    }
};

QTEST_GUILESS_MAIN(ChildrenStoreTest)
#include "tst_children_store.moc"
