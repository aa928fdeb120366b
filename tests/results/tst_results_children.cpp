// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

// The results window with children: the chooser, each child's own quizzes and facts, every
// quiz column in view at the default size, operations named, the score beside silence, the
// day axis and its gaps, the grid's cells and tooltips, and the PDF report.
#include "FluencyGrid.h"
#include "ResultsCharts.h"
#include "ResultsReport.h"
#include "ResultsWindow.h"

#include <QCategoryAxis>
#include <QChart>
#include <QComboBox>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLineSeries>
#include <QProcess>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace numbrook;

namespace {

// One quiz of `child` on `day`: the equations given, each judged right when `right`.
void play(ResultsStore &store, qint64 child, const QDate &day,
          const QList<std::pair<QString, bool>> &questions) {
    const QDateTime start(day, QTime(17, 0));
    const qint64 quiz = store.beginQuiz(QuizStart{start, 1, {1, 2}, 4, 0, child});
    int right = 0;
    for (const auto &[equation, judged] : questions) {
        const bool truth =
            FactOfEquation(equation)->value() == equation.section(QLatin1Char('='), 1).toInt();
        const bool answered = judged == truth;
        store.recordQuestion(quiz, QuestionRecord{start, equation, truth,
                                                  answered ? AnswerSource::Key : AnswerSource::None,
                                                  answered ? std::optional<int>(900) : std::nullopt,
                                                  judged});
        right += judged;
    }
    store.endQuiz(quiz,
                  QuizTotals{start.addSecs(60), int(questions.size()), right,
                             int(questions.size()) - right, 0},
                  true);
}

} // namespace

class ResultsChildrenTest : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> dir_;
    QString path() const { return dir_->filePath(QStringLiteral("results.sqlite")); }

private Q_SLOTS:
    void init() {
        dir_ = std::make_unique<QTemporaryDir>();
        QVERIFY(dir_->isValid());
    }

    void defaultSize_showsEveryQuizColumn_data() {
        QTest::addColumn<int>("language");
        QTest::newRow("English") << ResultsTexts::English;
        QTest::newRow("Russian") << ResultsTexts::Russian;
    }
    void defaultSize_showsEveryQuizColumn() {
        QFETCH(int, language);
        ResultsStore store(path());
        for (int day = 0; day < 3; ++day)
            play(store, kFirstChild, QDate::currentDate().addDays(-day),
                 {{QStringLiteral("3+4=7"), true},
                  {QStringLiteral("8/2=3"), true},
                  {QStringLiteral("9-2=5"), false}});
        ResultsWindow window(store, language);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto *quizzes = window.findChild<QTableWidget *>(QStringLiteral("quizTable"));
        int columns = 0;
        for (int column = 0; column < quizzes->columnCount(); ++column)
            columns += quizzes->columnWidth(column);
        QVERIFY2(
            columns <= quizzes->viewport()->width(),
            qPrintable(QStringLiteral("%1 > %2").arg(columns).arg(quizzes->viewport()->width())));
        QVERIFY(!quizzes->horizontalScrollBar()->isVisible());
        // The score beside silence: 2 of 3 right, two false equations asked.
        ResultsTexts texts;
        texts.setLanguage(language);
        QCOMPARE(quizzes->item(0, 1)->text(), texts.honestScore(2, 3, 2));
        QVERIFY(quizzes->item(0, 1)->text().contains(language ? QStringLiteral("молчание")
                                                              : QStringLiteral("silent")));
        // Operations, not kind numbers.
        QCOMPARE(quizzes->item(0, 6)->text(), QStringLiteral("+ −, × ÷"));
        QVERIFY(quizzes->item(0, 6)->toolTip().contains(
            ResultsTexts::text(ResultsText::KindNamesMulDiv, language)));
    }

    void childChooser_fromTwoChildren_showsEachChildsOwnResults() {
        ResultsStore store(path());
        play(store, kFirstChild, QDate::currentDate(), {{QStringLiteral("1+1=2"), true}});
        {
            ResultsWindow window(store, ResultsTexts::English);
            QVERIFY(window.findChild<QComboBox *>(QStringLiteral("childChooser"))->isHidden());
        }
        qint64 boris = 0;
        store.childrenStore().addChild(QStringLiteral("Boris"), 0, &boris);
        play(store, boris, QDate::currentDate(),
             {{QStringLiteral("2+2=4"), true}, {QStringLiteral("2+3=5"), true}});
        play(store, boris, QDate::currentDate().addDays(-1), {{QStringLiteral("2+2=5"), true}});
        ResultsWindow window(store, ResultsTexts::English, nullptr, boris);
        auto *chooser = window.findChild<QComboBox *>(QStringLiteral("childChooser"));
        auto *quizzes = window.findChild<QTableWidget *>(QStringLiteral("quizTable"));
        auto *facts = window.findChild<QLabel *>(QStringLiteral("factsLine"));
        QVERIFY(!chooser->isHidden());
        QCOMPARE(chooser->count(), 2);
        QCOMPARE(chooser->currentText(), QStringLiteral("Boris"));
        QCOMPARE(chooser->itemText(0), ResultsTexts::text(ResultsText::FirstChildName, 0));
        QCOMPARE(quizzes->rowCount(), 2);
        // 2+2 and 2+3 right: 2+2 twice (fluent), 2+3 once (learning).
        QVERIFY2(facts->text().startsWith(QStringLiteral("Learnt: 1 of 105")),
                 qPrintable(facts->text()));
        chooser->setCurrentIndex(0);
        Q_EMIT chooser->activated(0);
        QCOMPARE(window.child(), kFirstChild);
        QCOMPARE(quizzes->rowCount(), 1);
        QVERIFY(facts->text().startsWith(QStringLiteral("Learnt: 0 of 105")));
    }

    // One label per labelled day, each distinct; a day without quizzes breaks the line.
    void dayChart_labelsEachDayOnce_andLeavesGaps() {
        const QDate today = QDate::currentDate();
        QList<DayStatistics> days;
        for (int back : {9, 8, 7, 3, 2, 0}) {
            DayStatistics day;
            day.day = today.addDays(-back);
            day.questions = 10;
            day.right = 7;
            day.falseEquations = 4;
            day.medianReactionMs = 1500;
            days << day;
        }
        ResultsTexts texts;
        std::unique_ptr<QChart> chart(AnswersChart(days, today.addDays(-9), today, texts));
        auto *axis = qobject_cast<QCategoryAxis *>(chart->axes(Qt::Horizontal).value(0));
        QVERIFY(axis);
        const QStringList labels = axis->categoriesLabels();
        QCOMPARE(QSet<QString>(labels.begin(), labels.end()).size(), labels.size());
        QCOMPARE(axis->endValue(labels.last()), 9.0); // today has its label
        int shareLines = 0, sharePoints = 0;
        for (QAbstractSeries *series : chart->series()) {
            auto *line = static_cast<QLineSeries *>(series);
            if (line->color() != QColor(0x2e, 0x7d, 0x32))
                continue;
            ++shareLines;
            sharePoints += int(line->count());
            // Each point on its day's whole number.
            for (const QPointF &point : line->points())
                QCOMPARE(point.x(), std::round(point.x()));
        }
        QCOMPARE(shareLines, 3); // 9-7, 3-2 and today alone
        QCOMPARE(sharePoints, 6);
    }

    void grid_cellsAndTooltips_followTheTries() {
        FactProgress progress;
        progress.addEquation({QDate(2026, 3, 2), QStringLiteral("7-2=5"), true, true, 1200});
        progress.addEquation({QDate(2026, 3, 3), QStringLiteral("7-2=4"), false, false, 800});
        ResultsTexts texts;
        const QString tip = FluencyGrid::tooltipText(Fact{'-', 7, 2}, progress, 3000, texts);
        QVERIFY2(tip.startsWith(QStringLiteral("7-2: being learnt")), qPrintable(tip));
        QVERIFY(tip.contains(QStringLiteral("7-2=4")) && tip.contains(QStringLiteral("1.2 s")));
        // The days of the tries are written in the interface language, whichever it is.
        ResultsTexts german;
        german.setLanguage(2);
        const QString germanTip = FluencyGrid::tooltipText(Fact{'-', 7, 2}, progress, 3000, german);
        QVERIFY2(germanTip.contains(QStringLiteral("2. März: 7-2=5")), qPrintable(germanTip));
        // Every cell of the grid is found where it is drawn, and only there.
        const QRectF area(0, 0, 900, 330);
        int found = 0;
        for (double y = 0; y < area.height(); y += 4)
            for (double x = 0; x < area.width(); x += 4)
                found += FluencyGrid::factAt(area, QPointF(x, y)).has_value();
        QVERIFY(found > 105);
        QCOMPARE(FluencyGrid::factAt(area, QPointF(1, 1)), std::nullopt);
        QCOMPARE(FluencyGrid::shareText('+', progress, 3000, texts),
                 QStringLiteral("Addition\n0 of 16 learnt"));
    }

    void report_isOnePageWithTheChildsFigures() {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("pdftotext (poppler-utils, installed by scripts/deps.sh test) is missing");
        ResultsStore store(path());
        store.childrenStore().changeChild(kFirstChild, QStringLiteral("Маша"), 2);
        play(store, kFirstChild, QDate::currentDate(),
             {{QStringLiteral("3+4=7"), true},
              {QStringLiteral("3+4=7"), true},
              {QStringLiteral("6-1=4"), false}});
        ResultsTexts texts;
        texts.setLanguage(ResultsTexts::Russian);
        const QString pdf = dir_->filePath(QStringLiteral("report.pdf"));
        QVERIFY(WriteResultsReport(pdf, store, kFirstChild, QStringLiteral("Маша"), 3000, texts));
        QProcess text;
        text.start(QStringLiteral("pdftotext"),
                   {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
        QVERIFY(text.waitForFinished(20000));
        const QString page = QString::fromUtf8(text.readAllStandardOutput());
        QVERIFY2(page.contains(QStringLiteral("Маша")), qPrintable(page));
        QVERIFY(page.contains(QStringLiteral("Занятий: 1")));
        QVERIFY(page.contains(texts.honestScore(2, 3, 1)));
        QVERIFY(page.contains(QStringLiteral("6-1=4")));
        QCOMPARE(page.count(QLatin1Char('\f')), 1); // one page
        QVERIFY(!WriteResultsReport(dir_->filePath(QStringLiteral("no/such/folder/r.pdf")), store,
                                    kFirstChild, QString(), 3000, texts));
    }
};

QTEST_MAIN(ResultsChildrenTest)
#include "tst_results_children.moc"
