// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

// The results window over a real database: its summary, tables and per-quiz detail, in both
// languages, and the store's problem shown once.
#include "ResultsWindow.h"

#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

using namespace numbrook;

class ResultsWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> dir_;
    QString path() const { return dir_->filePath(QStringLiteral("results.sqlite")); }

    // `count` quizzes, one a day back from today, each of `questions` questions of which the
    // first `right` are judged right.
    void fill(ResultsStore &store, int count, int questions, int right) {
        for (int day = 0; day < count; ++day) {
            const QDateTime start = QDateTime::currentDateTime().addDays(-day).addSecs(-60);
            const qint64 id = store.beginQuiz(QuizStart{start, 1, {1, 2}, 3, 0});
            for (int n = 0; n < questions; ++n)
                store.recordQuestion(id, QuestionRecord{start.addSecs(n),
                                                        QStringLiteral("%1+1=%2").arg(n).arg(n + 1),
                                                        true, AnswerSource::Clap, 1000 + 100 * n,
                                                        n < right});
            store.endQuiz(id,
                          QuizTotals{start.addSecs(questions), questions, right, questions - right,
                                     2 * right - questions},
                          true);
        }
    }

private Q_SLOTS:
    void init() {
        dir_ = std::make_unique<QTemporaryDir>();
        QVERIFY(dir_->isValid());
    }

    void opensWithData_showsSummaryTablesAndDetail_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("summaryStart");
        QTest::newRow("English") << ResultsTexts::English
                                 << QStringLiteral("Last 7 days: 7 quizzes");
        QTest::newRow("Russian") << ResultsTexts::Russian << QStringLiteral("За 7 дней: занятий 7");
    }
    void opensWithData_showsSummaryTablesAndDetail() {
        QFETCH(int, language);
        QFETCH(QString, summaryStart);
        ResultsStore store(path());
        fill(store, ResultsWindow::kPageSize + 10, 4, 3);
        ResultsWindow window(store, language);
        window.show();

        auto *summary = window.findChild<QLabel *>(QStringLiteral("summaryLine"));
        QVERIFY(summary);
        QVERIFY2(summary->text().startsWith(summaryStart), qPrintable(summary->text()));
        QVERIFY(summary->text().contains(QStringLiteral("75 %")));
        QVERIFY(!window.findChild<QLabel *>(QStringLiteral("trendLine"))->text().isEmpty());

        auto *quizzes = window.findChild<QTableWidget *>(QStringLiteral("quizTable"));
        QCOMPARE(quizzes->rowCount(), ResultsWindow::kPageSize);
        auto *more = window.findChild<QPushButton *>(QStringLiteral("moreButton"));
        QVERIFY(more->isEnabled());
        more->click();
        QCOMPARE(quizzes->rowCount(), ResultsWindow::kPageSize + 10);
        QVERIFY(!more->isEnabled());

        QCOMPARE(quizzes->horizontalHeaderItem(4)->text(),
                 ResultsTexts::text(ResultsText::ColumnState, language));
        QCOMPARE(quizzes->item(0, 4)->text(),
                 ResultsTexts::text(ResultsText::StateFinished, language));

        auto *questions = window.findChild<QTableWidget *>(QStringLiteral("questionTable"));
        QCOMPARE(questions->rowCount(), 0);
        quizzes->selectRow(0);
        QCOMPARE(questions->rowCount(), 4);
        QCOMPARE(questions->item(0, 1)->text(), QStringLiteral("0+1=1"));
        QCOMPARE(questions->item(3, 5)->text(),
                 ResultsTexts::text(ResultsText::JudgedWrong, language));

        auto *wrong = window.findChild<QTableWidget *>(QStringLiteral("wrongTable"));
        QCOMPARE(wrong->item(0, 0)->text(), QStringLiteral("3+1=4"));
        QVERIFY(!window.findChild<QLabel *>(QStringLiteral("problemLine"))->isVisible());
    }

    void emptyHistory_saysSo() {
        ResultsStore store(path());
        ResultsWindow window(store, ResultsTexts::English);
        QCOMPARE(window.findChild<QLabel *>(QStringLiteral("summaryLine"))->text(),
                 ResultsTexts::text(ResultsText::NoHistory, ResultsTexts::English));
        QCOMPARE(window.findChild<QTableWidget *>(QStringLiteral("quizTable"))->rowCount(), 0);
    }

    void storeProblem_isShownOnce() {
        QFile garbage(path());
        QVERIFY(garbage.open(QIODevice::WriteOnly));
        garbage.write("not a database");
        garbage.close();
        ResultsStore store(path());
        {
            ResultsWindow window(store, ResultsTexts::English);
            window.show();
            auto *problem = window.findChild<QLabel *>(QStringLiteral("problemLine"));
            QVERIFY(problem->isVisible());
            QVERIFY(problem->text().contains(QStringLiteral(".corrupt-")));
        }
        ResultsWindow again(store, ResultsTexts::English);
        again.show();
        QVERIFY(!again.findChild<QLabel *>(QStringLiteral("problemLine"))->isVisible());
    }

    void placeBeside_rightLeftOrCentred_data() {
        QTest::addColumn<QRect>("anchor");
        QTest::addColumn<QSize>("frame");
        QTest::addColumn<QRect>("expected");
        const QRect screen(0, 0, 1920, 1050);
        QTest::newRow("room on the right")
            << QRect(10, 20, 600, 560) << QSize(1220, 800) << QRect(618, 20, 1220, 800);
        QTest::newRow("room on the left only")
            << QRect(1300, 20, 600, 560) << QSize(1220, 800) << QRect(72, 20, 1220, 800);
        QTest::newRow("no room beside: centred")
            << QRect(557, 10, 806, 560) << QSize(1220, 800) << QRect(350, 125, 1220, 800);
        QTest::newRow("kept above the bottom edge")
            << QRect(10, 700, 600, 300) << QSize(1220, 800) << QRect(618, 250, 1220, 800);
        QTest::newRow("larger than the screen: its corner on the screen")
            << QRect(557, 10, 806, 560) << QSize(2400, 1200) << QRect(0, 0, 2400, 1200);
        QTest::newRow("no anchor: centred")
            << QRect() << QSize(1220, 800) << QRect(350, 125, 1220, 800);
    }
    void placeBeside_rightLeftOrCentred() {
        QFETCH(QRect, anchor);
        QFETCH(QSize, frame);
        QFETCH(QRect, expected);
        const QRect screen(0, 0, 1920, 1050);
        const QRect placed = placeBeside(anchor, frame, screen);
        QCOMPARE(placed, expected);
        QVERIFY(screen.contains(placed.topLeft()));
    }

    // In a window too narrow for them, the quiz and question columns keep the width of their
    // texts and the tables scroll sideways; the next page of quizzes widens what it needs.
    void narrowWindow_tablesScrollRatherThanCutTexts() {
        ResultsStore store(path());
        fill(store, ResultsWindow::kPageSize + 5, 4, 3);
        ResultsWindow window(store, ResultsTexts::Russian);
        window.resize(640, 560);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto *quizzes = window.findChild<QTableWidget *>(QStringLiteral("quizTable"));
        auto *questions = window.findChild<QTableWidget *>(QStringLiteral("questionTable"));
        quizzes->selectRow(0);
        window.findChild<QPushButton *>(QStringLiteral("moreButton"))->click();
        for (QTableWidget *table : {quizzes, questions}) {
            for (int column = 0; column < table->columnCount(); ++column) {
                const int wanted =
                    std::max(static_cast<QAbstractItemView *>(table)->sizeHintForColumn(column),
                             table->horizontalHeader()->sectionSizeHint(column));
                QVERIFY2(table->columnWidth(column) >= wanted,
                         qPrintable(QStringLiteral("%1 column %2: %3 < %4")
                                        .arg(table->objectName())
                                        .arg(column)
                                        .arg(table->columnWidth(column))
                                        .arg(wanted)));
            }
        }
        QVERIFY(quizzes->horizontalScrollBar()->isVisible());
        QVERIFY(quizzes->horizontalScrollBar()->maximum() > 0);
    }

    void everyText_existsInBothLanguages() {
        for (int id = 0; id < int(ResultsText::Count); ++id) {
            const QString english = ResultsTexts::text(ResultsText(id), ResultsTexts::English);
            const QString russian = ResultsTexts::text(ResultsText(id), ResultsTexts::Russian);
            QVERIFY2(!english.isEmpty() && !russian.isEmpty(), qPrintable(QString::number(id)));
            QCOMPARE(russian.count(QStringLiteral("%")), english.count(QStringLiteral("%")));
        }
    }
};

QTEST_MAIN(ResultsWindowTest)
#include "tst_results_window.moc"
