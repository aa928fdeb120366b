// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

// Quizzes played through the program's windows and what they leave in the results file: one
// row per quiz and per scored question, the answer's source and its time from the showing of
// the equation, the end marked as it happened; the score line and the results window.
#include "ResultsStore.h"
#include "ResultsTexts.h"
#include "ResultsWindow.h"
#include "TestProgram.h"
#include "TrayMenu.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <memory>

using namespace numbrook;

namespace {

// What the test saw of one question.
struct Seen {
    QString equation;
    bool equationTrue = false;
    qint64 shownMs = 0;
};

} // namespace

class QuizResultsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> dir_;
    std::unique_ptr<testing::ConfigHome> config_;
    QElapsedTimer clock_;

    QString databasePath() const { return dir_->path() + "/Numbrook/results.sqlite"; }

    // The number of quizzes in the file, read by a process of its own, read-only.
    QByteArray countQuizzesElsewhere() const {
        QProcess reader;
        reader.start(
            QStringLiteral("python3"),
            {QStringLiteral("-c"),
             QStringLiteral("import sqlite3, sys\n"
                            "db = sqlite3.connect('file:%s?mode=ro' % sys.argv[1], uri=True)\n"
                            "print(db.execute('SELECT count(*) FROM quiz').fetchone()[0])"),
             databasePath()});
        reader.waitForFinished(5000);
        return reader.readAllStandardOutput().trimmed();
    }

    // Starts a quiz of one-second questions and keeps what every shown question was.
    void startQuiz(testing::Program &p, QList<Seen> &seen) {
        p.session().settings.Speed_Math = 1;
        connect(&p.display(), &QuestionDisplay::questionShown, &p.display(),
                [this, &seen](const QString &equation, bool truth) {
                    seen.append({equation, truth, clock_.elapsed()});
                });
        p.main().Sb_StartClick();
        QVERIFY(p.display().Timer_Vopros->isActive());
    }
    static void waitForQuestion(testing::Program &p, const QList<Seen> &seen, int count) {
        QTRY_COMPARE_WITH_TIMEOUT(seen.size(), count, 10000);
        QVERIFY(p.display().cycle.TickCount == 1);
    }

    // Starts a quiz and waits until question `count` is shown, every one before it scored
    // and the quiz still running.
    void playOnTo(testing::Program &p, QList<Seen> &seen, int count) {
        startQuiz(p, seen);
        waitForQuestion(p, seen, count);
        QVERIFY(p.display().Timer_Vopros->isActive());
        QCOMPARE(p.session().CorrectAnswers + p.session().WrongAnswers, count - 1);
    }

private Q_SLOTS:
    void init() {
        dir_ = std::make_unique<QTemporaryDir>();
        config_ = std::make_unique<testing::ConfigHome>(dir_->path());
        clock_.start();
    }
    void cleanup() {
        config_.reset();
        dir_.reset();
    }

    void quiz_leavesOneRowPerScoredQuestion() {
        QList<Seen> seen;
        QList<qint64> answerMs(2); // before the key press and after it, per answered question
        QList<qint64> answerEndMs(2);
        {
            testing::Program p;
            startQuiz(p, seen);
            // 1: the answer key, a little after the equation went up.
            waitForQuestion(p, seen, 1);
            QTest::qWait(250);
            answerMs[0] = clock_.elapsed() - seen[0].shownMs;
            p.main().HotkeyMessage(p.main().systemSettings().Cnt_HotKey);
            answerEndMs[0] = clock_.elapsed() - seen[0].shownMs;
            // 2: a clap, as object 1's signalling sets it.
            waitForQuestion(p, seen, 2);
            QTest::qWait(400);
            answerMs[1] = clock_.elapsed() - seen[1].shownMs;
            p.answers().setClap(true);
            answerEndMs[1] = clock_.elapsed() - seen[1].shownMs;
            // 3: silence. Then Esc while the fourth is on the board.
            waitForQuestion(p, seen, 4);
            const QuizSession &s = p.session();
            const int correct = s.CorrectAnswers;
            const int wrong = s.WrongAnswers;
            const int points = s.PointsTotal;
            QCOMPARE(correct + wrong, 3);
            p.main().HotkeyMessage(2);
            QVERIFY(!p.display().Timer_Vopros->isActive());

            ResultsStore &store = p.results();
            const QList<QuizSummary> quizzes = store.recentQuizzes(10);
            QCOMPARE(quizzes.size(), 1);
            const QuizSummary &quiz = quizzes.first();
            QCOMPARE(quiz.state, QuizState::Finished);
            QCOMPARE(quiz.total, 3);
            QCOMPARE(quiz.correct, correct);
            QCOMPARE(quiz.wrong, wrong);
            QCOMPARE(quiz.points, points);
            QCOMPARE(quiz.speedSeconds, 1);
            QCOMPARE(quiz.level, p.session().settings.Diff_Math);
            QVERIFY(quiz.kinds.contains(1));

            // The score line shows that quiz in the interface language, and follows it.
            auto *line = p.main().findChild<QLabel *>(QStringLiteral("Lbl_LastQuiz"));
            QVERIFY(line && !line->isHidden());
            QCOMPARE(line->text(), lastQuizLine(quiz, p.strings().languageIndex()));
            const int other =
                p.strings().languageIndex() == LanguageEnglish ? LanguageRussian : LanguageEnglish;
            p.main().switchLanguage(other);
            QCOMPARE(line->text(), lastQuizLine(quiz, other));
            QVERIFY(lastQuizLine(quiz, LanguageEnglish) != lastQuizLine(quiz, LanguageRussian));
        }
        // Read back from the file by a store of its own.
        ResultsStore store(databasePath());
        const QList<QuizSummary> quizzes = store.recentQuizzes(10);
        QCOMPARE(quizzes.size(), 1);
        const QList<QuestionRow> rows = store.quizQuestions(quizzes.first().id);
        QCOMPARE(rows.size(), 3);
        const AnswerSource sources[] = {AnswerSource::Key, AnswerSource::Clap, AnswerSource::None};
        for (int i = 0; i < 3; ++i) {
            const QuestionRecord &r = rows[i].record;
            QCOMPARE(rows[i].number, i + 1);
            QCOMPARE(r.equation, seen[i].equation);
            QCOMPARE(r.equationTrue, seen[i].equationTrue);
            QCOMPARE(r.answer, sources[i]);
            // Saying "correct" is right for a true equation; silence for a false one.
            QCOMPARE(r.judgedRight,
                     sources[i] == AnswerSource::None ? !r.equationTrue : r.equationTrue);
            if (i < 2) {
                QVERIFY(r.reactionMs.has_value());
                // From the equation's showing to the answer, not to the tick that read it.
                QVERIFY2(*r.reactionMs >= answerMs[i] - 20 &&
                             *r.reactionMs <= answerEndMs[i] + 1000,
                         qPrintable(QStringLiteral("%1 not in %2..%3")
                                        .arg(*r.reactionMs)
                                        .arg(answerMs[i])
                                        .arg(answerEndMs[i])));
                // Taken at the answer's event: a reaction taken at the reading tick would be late.
                QVERIFY(*r.reactionMs <= answerEndMs[i] + 50);
                qInfo("reaction %d ms, key or clap %lld..%lld ms after showing", *r.reactionMs,
                      answerMs[i], answerEndMs[i]);
            } else {
                QVERIFY(!r.reactionMs.has_value());
            }
        }
    }

    // Two children in the settings window, a quiz each (one answered by key, one by clap):
    // each quiz lands under the child who played it, and choosing a child puts their own
    // values in the panel and in the settings key.
    void twoChildren_eachQuizLandsUnderItsChild() {
        QList<Seen> first, second;
        const QString settingsFile =
            dir_->path() + QStringLiteral("/Pelorin Quillmark/Lantern.conf");
        auto storedLevel = [&settingsFile] {
            return QSettings(settingsFile, QSettings::NativeFormat).value("Diff_Math").toInt();
        };
        {
            testing::Program p;
            p.main().show();
            QTRY_COMPARE(p.main().children().size(), 1);
            auto *name = p.main().findChild<QLineEdit *>(QStringLiteral("Edit_Child"));
            QVERIFY(name->isHidden()); // one child: no chooser
            // An empty name is refused with a message; then Boris is added and plays next.
            bool refused = false;
            QTimer::singleShot(100, &p.main(), [&refused] {
                auto *dialog = QApplication::activeModalWidget();
                QVERIFY(dialog);
                auto *edit = dialog->findChild<QLineEdit *>(QStringLiteral("Edit_ChildName"));
                QTest::keyClick(edit, Qt::Key_Return);
                refused =
                    !dialog->findChild<QLabel *>(QStringLiteral("Lbl_ChildMessage"))->isHidden();
                QTest::keyClicks(edit, QStringLiteral("Boris"));
                QTest::keyClick(edit, Qt::Key_Return);
            });
            p.main().findChild<QPushButton *>(QStringLiteral("Sb_Child_Add"))->click();
            QVERIFY(refused);
            QCOMPARE(p.main().children().size(), 2);
            QVERIFY(!name->isHidden());
            QCOMPARE(name->text(), QStringLiteral("Boris"));
            const qint64 boris = p.session().ChildId;
            QVERIFY(boris != kFirstChild);
            // Boris plays level 2; the first child keeps level 1.
            QTest::mouseClick(testing::control(p.main(), QStringLiteral("Cb_2_Diff_Math")),
                              Qt::LeftButton, {}, QPoint(3, 3));
            QTest::mouseClick(testing::control(p.main(), QStringLiteral("Sb_Child_Down")),
                              Qt::LeftButton, {}, QPoint(3, 3));
            QCOMPARE(p.session().ChildId, kFirstChild);
            QCOMPARE(p.session().settings.Diff_Math, 1);
            QCOMPARE(storedLevel(), 1);
            QCOMPARE(testing::button(p.main(), QStringLiteral("Cb_1_Diff_Math"))->picture(),
                     int(ButtonPicture::BoxOn));
            QTest::mouseClick(testing::control(p.main(), QStringLiteral("Sb_Child_Up")),
                              Qt::LeftButton, {}, QPoint(3, 3));
            QCOMPARE(p.session().ChildId, boris);
            QCOMPARE(p.session().settings.Diff_Math, 2);
            QCOMPARE(storedLevel(), 2);
            QVERIFY(p.display().windowTitle().contains(QStringLiteral("Boris")));

            // Boris answers the first question by key.
            startQuiz(p, first);
            waitForQuestion(p, first, 1);
            p.main().HotkeyMessage(p.main().systemSettings().Cnt_HotKey);
            waitForQuestion(p, first, 2);
            p.main().HotkeyMessage(2);
            QTest::mouseClick(testing::control(p.main(), QStringLiteral("Sb_Child_Down")),
                              Qt::LeftButton, {}, QPoint(3, 3));
            // The first child answers theirs by clap.
            startQuiz(p, second);
            waitForQuestion(p, second, 1);
            p.answers().setClap(true);
            waitForQuestion(p, second, 2);
            p.main().HotkeyMessage(2);
        }
        ResultsStore store(databasePath());
        const QList<ChildProfile> children = store.children();
        QCOMPARE(children.size(), 2);
        const struct {
            qint64 child;
            int level;
            AnswerSource source;
        } expected[] = {{children[1].id, 2, AnswerSource::Key},
                        {kFirstChild, 1, AnswerSource::Clap}};
        for (const auto &e : expected) {
            const QList<QuizSummary> quizzes = store.recentQuizzes(10, 0, e.child);
            QCOMPARE(quizzes.size(), 1);
            QCOMPARE(quizzes[0].childId, e.child);
            QCOMPARE(quizzes[0].level, e.level);
            QCOMPARE(store.quizQuestions(quizzes[0].id).value(0).record.answer, e.source);
        }
        QCOMPARE(QSettings(settingsFile, QSettings::NativeFormat).value("Child_Id").toLongLong(),
                 kFirstChild);
    }

    // Removing a child asks first: cancelled, nothing goes; confirmed, the child and their
    // quizzes go and the next child plays.
    void removingAChild_asksFirst() {
        qint64 boris = 0;
        {
            ResultsStore store(databasePath());
            store.childrenStore().addChild(QStringLiteral("Boris"), 0, &boris);
            const qint64 quiz =
                store.beginQuiz(QuizStart{QDateTime::currentDateTime(), 1, {1}, 3, 0, boris});
            store.recordQuestion(quiz, QuestionRecord{QDateTime::currentDateTime(),
                                                      QStringLiteral("1+1=2"), true,
                                                      AnswerSource::Key, 500, true});
        }
        testing::Program p;
        p.main().show();
        QTRY_COMPARE(p.main().children().size(), 2);
        QTest::mouseClick(testing::control(p.main(), QStringLiteral("Sb_Child_Up")), Qt::LeftButton,
                          {}, QPoint(3, 3));
        QCOMPARE(p.session().ChildId, boris);
        auto *remove = p.main().findChild<QPushButton *>(QStringLiteral("Sb_Child_Remove"));
        for (const bool confirm : {false, true}) {
            QString question;
            QTimer::singleShot(100, &p.main(), [&question, confirm] {
                auto *ask = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
                QVERIFY(ask);
                question = ask->text();
                for (QAbstractButton *button : ask->buttons()) {
                    if ((ask->buttonRole(button) == QMessageBox::DestructiveRole) == confirm)
                        button->click();
                }
            });
            remove->click();
            QVERIFY2(question.contains(QStringLiteral("Boris")), qPrintable(question));
            QCOMPARE(p.results().quizCount(boris), confirm ? 0 : 1);
            QCOMPARE(p.main().children().size(), confirm ? 1 : 2);
        }
        QCOMPARE(p.session().ChildId, kFirstChild);
        QVERIFY(p.main().findChild<QLineEdit *>(QStringLiteral("Edit_Child"))->isHidden());
    }

    void programClosedDuringQuiz_marksTheQuizStopped() {
        QList<Seen> seen;
        {
            testing::Program p;
            startQuiz(p, seen);
            waitForQuestion(p, seen, 2);
            p.main().close();
        }
        ResultsStore store(databasePath());
        const QList<QuizSummary> quizzes = store.recentQuizzes(10);
        QCOMPARE(quizzes.size(), 1);
        QCOMPARE(quizzes.first().state, QuizState::Stopped);
        QCOMPARE(store.quizQuestions(quizzes.first().id).size(), 1);
    }

    void unusableDatabase_leavesTheQuizRunning_data() {
        QTest::addColumn<QString>("kind");
        QTest::newRow("folder is a file") << "folder-file";
        QTest::newRow("garbage file") << "garbage";
    }
    void unusableDatabase_leavesTheQuizRunning() {
        QFETCH(QString, kind);
        const QByteArray garbage = QByteArray("not a database at all ").repeated(200);
        if (kind == QLatin1String("folder-file")) {
            QFile blocker(dir_->path() + "/Numbrook");
            QVERIFY(blocker.open(QIODevice::WriteOnly));
            blocker.write("in the way");
        } else {
            QVERIFY(QDir(dir_->path()).mkpath(QStringLiteral("Numbrook")));
            QFile file(databasePath());
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(garbage);
        }
        QList<Seen> seen;
        testing::Program p;
        playOnTo(p, seen, 3);
        p.main().HotkeyMessage(2);
        if (kind == QLatin1String("garbage")) {
            // The damaged file is kept under another name in the same folder.
            bool kept = false;
            const QDir folder(dir_->path() + "/Numbrook");
            for (const QString &name : folder.entryList(QDir::Files)) {
                QFile file(folder.filePath(name));
                kept = kept || (file.open(QIODevice::ReadOnly) && file.readAll() == garbage);
            }
            QVERIFY(kept);
        }
        // The results window says what went wrong, once.
        p.showResults();
        QVERIFY(p.resultsWindow());
        auto *problem = p.resultsWindow()->findChild<QLabel *>(QStringLiteral("problemLine"));
        QVERIFY(problem && !problem->isHidden() && !problem->text().isEmpty());
        QVERIFY(p.results().takeProblem().kind == StoreProblem::Kind::None);
    }

    // Another program holds the results file under an exclusive lock while a quiz runs: the
    // quiz goes on, the questions wait in memory and reach the file once the lock is gone, the
    // results window says once that the file was in use, and the file is the same file.
    void lockedDatabase_quizRunsAndQuestionsArriveLater() {
        {
            ResultsStore earlier(databasePath());
            const qint64 quiz =
                earlier.beginQuiz(QuizStart{QDateTime::currentDateTime(), 1, {1}, 3, 0});
            // One question: a quiz without a judged question is not listed.
            earlier.recordQuestion(quiz, QuestionRecord{QDateTime::currentDateTime(),
                                                        QStringLiteral("1+1=2"), true,
                                                        AnswerSource::Key, 500, true});
            QVERIFY(
                earlier.endQuiz(quiz, QuizTotals{QDateTime::currentDateTime(), 1, 1, 0, 1}, true));
        }
        QProcess holder;
        holder.start(QStringLiteral("python3"), {QStringLiteral("-c"), QStringLiteral(R"(
import sqlite3, sys
db = sqlite3.connect(sys.argv[1], isolation_level=None)
db.execute("BEGIN EXCLUSIVE")
print("locked", flush=True)
sys.stdin.read()
db.execute("ROLLBACK")
)"),
                                                 databasePath()});
        QVERIFY(holder.waitForReadyRead(5000));
        QCOMPARE(holder.readLine().trimmed(), QByteArray("locked"));

        QList<Seen> seen;
        testing::Program p;
        playOnTo(p, seen, 4);
        // Nothing of this quiz could reach the file yet (read by another program, as a second
        // connection of this process would share its locks).
        QCOMPARE(countQuizzesElsewhere(), QByteArray("1"));

        holder.closeWriteChannel();
        QVERIFY(holder.waitForFinished(5000));
        QCOMPARE(holder.exitCode(), 0);
        // The next scored question takes the waiting ones along; Esc then ends the quiz.
        waitForQuestion(p, seen, 5);
        p.main().HotkeyMessage(2);

        ResultsStore store(databasePath());
        const QList<QuizSummary> quizzes = store.recentQuizzes(10);
        QCOMPARE(quizzes.size(), 2);
        QCOMPARE(quizzes.first().state, QuizState::Finished);
        QCOMPARE(quizzes.first().total, 4);
        const QList<QuestionRow> rows = store.quizQuestions(quizzes.first().id);
        QCOMPARE(rows.size(), 4);
        for (int i = 0; i < rows.size(); ++i)
            QCOMPARE(rows[i].record.equation, seen[i].equation);
        // The same file, with the earlier quiz, and nothing set aside beside it.
        QCOMPARE(quizzes.last().total, 1);
        const QStringList files = QDir(dir_->path() + "/Numbrook").entryList(QDir::Files);
        for (const QString &name : files)
            QVERIFY2(name.startsWith(QStringLiteral("results.sqlite")) &&
                         !name.contains('.' + QStringLiteral("corrupt")),
                     qPrintable(files.join(' ')));

        p.showResults();
        auto *problem = p.resultsWindow()->findChild<QLabel *>(QStringLiteral("problemLine"));
        QVERIFY(problem && !problem->isHidden());
        QCOMPARE(problem->text(),
                 ResultsTexts::text(ResultsText::ProblemLocked, p.strings().languageIndex())
                     .arg(QDir::toNativeSeparators(databasePath())));
        // Once: opened again, the window no longer shows it.
        p.resultsWindow()->close();
        p.showResults();
        QVERIFY(problem->isHidden());
    }

    void resultsWindow_oneInstanceFromButtonAndTray() {
        testing::Program p;
        p.main().switchLanguage(LanguageRussian);
        QVERIFY(!p.resultsWindow());
        PictureButton *button = testing::button(p.main(), QStringLiteral("Sb_Results"));
        QVERIFY(button);
        QCOMPARE(button->toolTip(), QStringLiteral("Результаты"));
        QCOMPARE(p.main().trayIcon()->item(6)->text(), QStringLiteral("Результаты"));
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(3, 3));
        QWidget *window = p.resultsWindow();
        QVERIFY(window && window->isVisible());
        QCOMPARE(window->windowTitle(), ResultsTexts::text(ResultsText::WindowTitle, 1));
        // Inside the screen's free area, beside the settings window or centred; on a screen
        // smaller than the window's controls need, with its corner on the screen.
        const QRect available = window->screen()->availableGeometry();
        const bool fits = available.width() >= window->minimumSizeHint().width() &&
                          available.height() >= window->minimumSizeHint().height();
        QVERIFY(fits ? available.contains(window->frameGeometry())
                     : available.contains(window->frameGeometry().topLeft()));
        window->close();
        p.main().trayIcon()->item(6)->trigger();
        QCOMPARE(p.resultsWindow(), window);
        QVERIFY(window->isVisible());
        // It follows the interface language.
        p.main().switchLanguage(LanguageEnglish);
        QCOMPARE(window->windowTitle(), ResultsTexts::text(ResultsText::WindowTitle, 0));
        QCOMPARE(button->toolTip(), QStringLiteral("Results"));
        // The tray's results item stands above the exit.
        const QList<QAction *> items = p.main().trayIcon()->menu()->actions();
        QCOMPARE(items.indexOf(p.main().trayIcon()->item(6)) + 1,
                 items.indexOf(p.main().trayIcon()->item(5)));
    }
};

QTEST_MAIN(QuizResultsTest)
#include "tst_quiz_results.moc"
