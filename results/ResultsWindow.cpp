// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

#include "ResultsWindow.h"

#include "FluencyGrid.h"
#include "QuizHistoryPane.h"
#include "ResultsCharts.h"
#include "ResultsReport.h"
#include "ResultsTables.h"

#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QSplitter>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace numbrook {

namespace {

using T = ResultsText;

const QColor kShareColour(0x2e, 0x7d, 0x32); // green: right answers
const QColor kProblemBackground(0xff, 0xf3, 0xcd);

// The room a window manager's decoration takes around a window not yet shown, whose frame is
// not known yet: a title bar and thin borders.
constexpr QMargins kFrameAllowance(6, 30, 6, 6);

} // namespace

QRect placeBeside(const QRect &anchor, QSize frame, const QRect &available) {
    constexpr int kGap = 8;
    const QSize size = frame;
    QRect placed(QPoint(), size);
    placed.moveCenter(available.center());
    // Larger than the area: its title bar stays on the screen.
    placed.moveTopLeft(
        QPoint(std::max(placed.left(), available.left()), std::max(placed.top(), available.top())));
    if (!anchor.isValid())
        return placed;
    const int top =
        std::max(available.top(), std::min(anchor.top(), available.bottom() + 1 - size.height()));
    if (const int right = anchor.right() + 1 + kGap; right + size.width() <= available.right() + 1)
        return QRect(QPoint(right, top), size);
    if (const int left = anchor.left() - kGap - size.width(); left >= available.left())
        return QRect(QPoint(left, top), size);
    return placed;
}

ResultsWindow::ResultsWindow(ResultsStore &store, int languageIndex, QWidget *parent, qint64 child,
                             int fluencyMs)
    : QWidget(parent, Qt::Window), store_(store), child_(child), fluencyMs_(fluencyMs) {
    setObjectName(QStringLiteral("ResultsWindow"));
    texts_.setLanguage(languageIndex);
    buildLayout();
    applyTexts();
    reload();
    quizPane_->fitSizes();
}

// The window's controls and where they sit: the summary lines on top, the chart and the
// equations most often wrong, the quizzes and the selected quiz's questions, the buttons.
void ResultsWindow::buildLayout() {
    resize(1240, 820);
    auto *layout = new QVBoxLayout(this);
    buildSummary(*layout);

    auto *vertical = new QSplitter(Qt::Vertical, this);
    vertical->addWidget(buildProgressPane());
    // The quizzes above the selected quiz's questions, each table the window's whole width.
    quizPane_ = new QuizHistoryPane(store_, texts_, this);
    vertical->addWidget(quizPane_);
    vertical->setStretchFactor(0, 3);
    vertical->setStretchFactor(1, 2);
    layout->addWidget(vertical, 1);
    buildButtons(*layout);

    connect(exportButton_, &QPushButton::clicked, this, &ResultsWindow::exportClicked);
    connect(reportButton_, &QPushButton::clicked, this, &ResultsWindow::reportClicked);
    connect(childChooser_, &QComboBox::activated, this, [this](int index) {
        child_ = childChooser_->itemData(index).toLongLong();
        reload();
    });
    connect(clearButton_, &QPushButton::clicked, this, &ResultsWindow::clearClicked);
    connect(closeButton_, &QPushButton::clicked, this, &QWidget::close);
}

void ResultsWindow::buildSummary(QVBoxLayout &layout) {
    // Whose results: shown from two children on.
    auto *childRow = new QHBoxLayout();
    childLabel_ = new QLabel(this);
    childChooser_ = new QComboBox(this);
    childChooser_->setObjectName(QStringLiteral("childChooser"));
    childChooser_->setMinimumContentsLength(16);
    childLabel_->setBuddy(childChooser_);
    childRow->addWidget(childLabel_);
    childRow->addWidget(childChooser_);
    childRow->addStretch(1);
    layout.addLayout(childRow);
    summaryLine_ = new QLabel(this);
    summaryLine_->setObjectName(QStringLiteral("summaryLine"));
    QFont headline = summaryLine_->font();
    headline.setPointSizeF(headline.pointSizeF() * 1.5);
    headline.setBold(true);
    summaryLine_->setFont(headline);
    trendLine_ = new QLabel(this);
    trendLine_->setObjectName(QStringLiteral("trendLine"));
    QFont trend = trendLine_->font();
    trend.setPointSizeF(trend.pointSizeF() * 1.15);
    trendLine_->setFont(trend);
    problemLine_ = new QLabel(this);
    problemLine_->setObjectName(QStringLiteral("problemLine"));
    problemLine_->setWordWrap(true);
    problemLine_->setMargin(6);
    problemLine_->setAutoFillBackground(true);
    QPalette warning = problemLine_->palette();
    warning.setColor(QPalette::Window, kProblemBackground);
    problemLine_->setPalette(warning);
    problemLine_->hide();
    layout.addWidget(summaryLine_);
    layout.addWidget(trendLine_);
    layout.addWidget(problemLine_);
}

QWidget *ResultsWindow::buildProgressPane() {
    auto *top = new QSplitter(Qt::Horizontal, this);
    progressTabs_ = new QTabWidget(top);
    progressTabs_->setObjectName(QStringLiteral("progressTabs"));
    chartView_ = new QChartView(new QChart(), progressTabs_);
    chartView_->setObjectName(QStringLiteral("progressChart"));
    chartView_->setRenderHint(QPainter::Antialiasing);
    chartView_->setMinimumHeight(260);
    auto *facts = new QWidget(progressTabs_);
    factsLine_ = new QLabel(facts);
    factsLine_->setObjectName(QStringLiteral("factsLine"));
    QFont bold = factsLine_->font();
    bold.setBold(true);
    factsLine_->setFont(bold);
    grid_ = new FluencyGrid(facts);
    auto *factsLayout = new QVBoxLayout(facts);
    factsLayout->setContentsMargins(4, 4, 4, 0);
    factsLayout->addWidget(factsLine_);
    factsLayout->addWidget(grid_, 1);
    fluencyView_ = new QChartView(new QChart(), progressTabs_);
    fluencyView_->setObjectName(QStringLiteral("fluencyChart"));
    fluencyView_->setRenderHint(QPainter::Antialiasing);
    progressTabs_->addTab(facts, QString());
    progressTabs_->addTab(fluencyView_, QString());
    progressTabs_->addTab(chartView_, QString());
    wrongBox_ = new QGroupBox(top);
    wrongTable_ = MakeResultsTable(QStringLiteral("wrongTable"), wrongBox_);
    (new QVBoxLayout(wrongBox_))->addWidget(wrongTable_);
    top->addWidget(progressTabs_);
    top->addWidget(wrongBox_);
    top->setStretchFactor(0, 3);
    top->setStretchFactor(1, 1);
    return top;
}

void ResultsWindow::buildButtons(QVBoxLayout &layout) {
    auto *buttons = new QHBoxLayout();
    exportButton_ = new QPushButton(this);
    exportButton_->setObjectName(QStringLiteral("exportButton"));
    reportButton_ = new QPushButton(this);
    reportButton_->setObjectName(QStringLiteral("reportButton"));
    clearButton_ = new QPushButton(this);
    clearButton_->setObjectName(QStringLiteral("clearButton"));
    closeButton_ = new QPushButton(this);
    closeButton_->setObjectName(QStringLiteral("closeButton"));
    buttons->addWidget(reportButton_);
    buttons->addWidget(exportButton_);
    buttons->addWidget(clearButton_);
    buttons->addStretch(1);
    buttons->addWidget(closeButton_);
    layout.addLayout(buttons);
}

void ResultsWindow::applyTexts() {
    setWindowTitle(texts_(T::WindowTitle));
    wrongBox_->setTitle(texts_(T::WrongTitle));
    exportButton_->setText(texts_(T::ExportButton));
    reportButton_->setText(texts_(T::ReportButton));
    childLabel_->setText(texts_(T::ChildCaption));
    progressTabs_->setTabText(0, texts_(T::TabFacts));
    progressTabs_->setTabText(1, texts_(T::TabFluency));
    progressTabs_->setTabText(2, texts_(T::TabAnswers));
    grid_->setLanguage(texts_.language());
    clearButton_->setText(texts_(T::ClearButton));
    closeButton_->setText(texts_(T::CloseButton));
    SetTableHeaders(wrongTable_, texts_,
                    {T::ColumnEquation, T::ColumnWrongCount, T::ColumnShownCount});
    quizPane_->applyTexts();
}

void ResultsWindow::placeBesideWindow(const QWidget &anchor) {
    const QScreen *screen = anchor.screen() ? anchor.screen() : this->screen();
    if (!screen)
        return;
    const QRect outer = frameGeometry();
    const QRect inner = geometry();
    QMargins frame(inner.left() - outer.left(), inner.top() - outer.top(),
                   outer.right() - inner.right(), outer.bottom() - inner.bottom());
    if (frame.isNull() && !(windowFlags() & Qt::FramelessWindowHint))
        frame = kFrameAllowance;
    const QRect available = screen->availableGeometry();
    // As large as it is, but no larger than the screen's free area, nor smaller than its
    // controls need.
    const QSize wanted = size()
                             .grownBy(frame)
                             .boundedTo(available.size())
                             .expandedTo(minimumSizeHint().grownBy(frame));
    const QRect placed =
        placeBeside(anchor.isVisible() ? anchor.frameGeometry() : QRect(), wanted, available);
    resize(placed.size().shrunkBy(frame));
    // A top-level window's position is that of its frame.
    move(placed.topLeft());
}

void ResultsWindow::closeEvent(QCloseEvent *event) {
    // A problem is shown once: not again when the window is opened next.
    problemLine_->hide();
    QWidget::closeEvent(event);
}

void ResultsWindow::setLanguage(int languageIndex) {
    texts_.setLanguage(languageIndex);
    applyTexts();
    reload();
    quizPane_->fitSizes();
}

void ResultsWindow::reload() {
    showChildren();
    showSummary();
    showFacts();
    showChart();
    showWrongEquations();
    quizPane_->reload(child_);
    showProblem();
}

void ResultsWindow::showSummary() {
    const QDateTime now = QDateTime::currentDateTime();
    const QDateTime weekStart = now.addDays(-7);
    const PeriodStatistics week = store_.periodStatistics(weekStart, now.addDays(1), child_);
    const PeriodStatistics before =
        store_.periodStatistics(weekStart.addDays(-7), weekStart, child_);
    trendLine_->clear();
    if (week.quizzes == 0) {
        summaryLine_->setText(texts_(before.quizzes == 0 && store_.quizCount(child_) == 0
                                         ? T::NoHistory
                                         : T::SummaryNoWeek));
        return;
    }
    // What the share of right answers is worth: beside the score of a child who never answers.
    const QString honest = texts_.honestScore(week.right, week.questions, week.falseEquations);
    summaryLine_->setText(texts_(T::SummaryWeek)
                              .arg(week.quizzes)
                              .arg(Percent(week.shareRight()))
                              .arg(texts_.seconds(week.medianReactionMs)));
    if (before.questions == 0) {
        trendLine_->setText(honest + QStringLiteral(". ") + texts_(T::TrendNoEarlier));
        return;
    }
    const int change = Percent(week.shareRight()) - Percent(before.shareRight());
    QString trend = change > 0   ? texts_(T::TrendMoreRight).arg(change)
                    : change < 0 ? texts_(T::TrendFewerRight).arg(-change)
                                 : texts_(T::TrendSameRight);
    if (week.medianReactionMs && before.medianReactionMs) {
        const int faster = *before.medianReactionMs - *week.medianReactionMs;
        // Below a tenth of a second the difference is noise.
        if (std::abs(faster) >= 100)
            trend += QStringLiteral("; ") + texts_(faster > 0 ? T::TrendFaster : T::TrendSlower)
                                                .arg(texts_.seconds(std::abs(faster)));
    }
    QPalette palette = trendLine_->palette();
    palette.setColor(QPalette::WindowText, change > 0   ? kShareColour
                                           : change < 0 ? QColor(0xc6, 0x28, 0x28)
                                                        : palette.color(QPalette::WindowText));
    trendLine_->setPalette(palette);
    trendLine_->setText(honest + QStringLiteral(". ") + trend);
}

void ResultsWindow::showChart() {
    const QDate today = QDate::currentDate();
    const QList<DayStatistics> days = store_.dailyStatistics(today.addDays(1 - kChartDays), child_);
    const QDate first =
        days.isEmpty() ? today.addDays(-6) : std::min(days.first().day, today.addDays(-6));
    QChart *old = chartView_->chart();
    chartView_->setChart(AnswersChart(days, first, today, texts_));
    delete old;
}

// The child's facts: the grid and the share learnt by day.
void ResultsWindow::showFacts() {
    FactProgress progress;
    const QList<DailyFluency> days = store_.dailyFluency(child_, fluencyMs_, &progress);
    grid_->setProgress(progress, fluencyMs_);
    int learnt = 0, facts = 0;
    for (char operation : kFactOperations) {
        learnt += progress.fluentCount(operation, fluencyMs_);
        facts += int(FactsOfOperation(operation).size());
    }
    factsLine_->setText(
        texts_(T::GridOverall).arg(learnt).arg(facts).arg(Percent(double(learnt) / facts)));
    const QDate today = QDate::currentDate();
    QDate first = today.addDays(1 - kChartDays);
    for (const DailyFluency &day : days) {
        if (day.day >= first) {
            first = std::min(day.day, today.addDays(-6));
            break;
        }
    }
    QChart *old = fluencyView_->chart();
    fluencyView_->setChart(FluencyChart(days, first, today, texts_));
    delete old;
}

void ResultsWindow::setChild(qint64 id, int fluencyMs) {
    child_ = id;
    fluencyMs_ = fluencyMs;
    reload();
}

void ResultsWindow::showChildren() {
    children_ = store_.children();
    const bool known = std::any_of(children_.cbegin(), children_.cend(),
                                   [this](const ChildProfile &c) { return c.id == child_; });
    if (!known && !children_.isEmpty())
        child_ = children_.first().id;
    childChooser_->clear();
    for (const ChildProfile &child : children_) {
        childChooser_->addItem(child.name.isEmpty() ? texts_(T::FirstChildName) : child.name,
                               child.id);
        if (child.id == child_)
            childChooser_->setCurrentIndex(childChooser_->count() - 1);
    }
    childLabel_->setVisible(children_.size() >= 2);
    childChooser_->setVisible(children_.size() >= 2);
}

QString ResultsWindow::childName() const {
    for (const ChildProfile &child : children_) {
        if (child.id == child_)
            return child.name.isEmpty() ? texts_(T::FirstChildName) : child.name;
    }
    return texts_(T::FirstChildName);
}

void ResultsWindow::showWrongEquations() {
    const QList<WrongEquation> equations = store_.mostOftenWrong(
        QDate::currentDate().addDays(1 - kChartDays).startOfDay(), kWrongListSize, child_);
    wrongTable_->setRowCount(int(equations.size()));
    for (int row = 0; row < equations.size(); ++row) {
        const WrongEquation &equation = equations[row];
        wrongTable_->setItem(row, 0, TextCell(equation.equation));
        wrongTable_->setItem(row, 1, NumberCell(equation.wrongCount));
        wrongTable_->setItem(row, 2, NumberCell(equation.shownCount));
    }
    wrongTable_->resizeColumnsToContents();
    wrongTable_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
}

void ResultsWindow::showProblem() {
    // The store hands each problem out once; it stays on screen while the window is open.
    const StoreProblem problem = store_.takeProblem();
    T id = T::ProblemCannotOpen;
    QString subject = store_.path();
    switch (problem.kind) {
    case StoreProblem::Kind::None:
        return;
    case StoreProblem::Kind::CannotOpen:
        break;
    case StoreProblem::Kind::Locked:
        id = T::ProblemLocked;
        break;
    case StoreProblem::Kind::CorruptMovedAside:
        id = T::ProblemCorrupt;
        subject = problem.detail;
        break;
    case StoreProblem::Kind::WriteFailed:
        id = T::ProblemWriteFailed;
        break;
    case StoreProblem::Kind::NewerSchema:
        id = T::ProblemNewerSchema;
        subject = problem.detail;
        break;
    }
    problemLine_->setText(texts_(id).arg(QDir::toNativeSeparators(subject)));
    problemLine_->show();
}

bool ResultsWindow::exportTo(const QString &filePath) {
    if (store_.exportCsv(filePath))
        return true;
    QMessageBox::warning(this, texts_(T::ExportTitle),
                         texts_(T::ExportFailed).arg(QDir::toNativeSeparators(filePath)));
    return false;
}

void ResultsWindow::exportClicked() {
    const QString path = QFileDialog::getSaveFileName(
        this, texts_(T::ExportTitle), QDir::home().filePath(texts_(T::ExportFileName)),
        texts_(T::ExportFilter));
    if (!path.isEmpty())
        exportTo(path);
}

bool ResultsWindow::saveReport(const QString &filePath) {
    if (WriteResultsReport(filePath, store_, child_, childName(), fluencyMs_, texts_))
        return true;
    QMessageBox::warning(this, texts_(T::ReportTitle),
                         texts_(T::ReportFailed).arg(QDir::toNativeSeparators(filePath)));
    return false;
}

void ResultsWindow::reportClicked() {
    const QString path = QFileDialog::getSaveFileName(
        this, texts_(T::ReportTitle),
        QDir::home().filePath(texts_(T::ReportFileName).arg(childName())), texts_(T::ReportFilter));
    if (!path.isEmpty())
        saveReport(path);
}

void ResultsWindow::clearClicked() {
    if (QMessageBox::question(this, texts_(T::ClearTitle), texts_(T::ClearQuestion),
                              QMessageBox::Yes | QMessageBox::No,
                              QMessageBox::No) != QMessageBox::Yes)
        return;
    if (!store_.clearHistory())
        QMessageBox::warning(this, texts_(T::ClearTitle), texts_(T::ClearFailed));
    reload();
    emit historyCleared();
}

} // namespace numbrook
