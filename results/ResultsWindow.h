// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

#pragma once

// The parent's view of the recorded quizzes: a summary line, a chart by day, the equations most
// often judged wrong, the recent quizzes and the questions of the selected one.

#include "QuizHistoryPane.h"
#include "ResultsStore.h"
#include "ResultsTexts.h"
#include "ResultsView.h"

#include <QWidget>

class QVBoxLayout;
class QLabel;
class QPushButton;
class QTableWidget;
class QGroupBox;

class QChartView;
class QComboBox;
class QTabWidget;

namespace numbrook {

class FluencyGrid;

// Where a window of frame size `frame` goes beside the window whose frame is `anchor`, inside
// the screen's `available` area: right of it, else left of it, level with its top as far as the
// area allows; centred on the area when neither side has room or there is no anchor. A frame
// larger than the area keeps its top-left corner in it.
QRect placeBeside(const QRect &anchor, QSize frame, const QRect &available);

class ResultsWindow : public QWidget, public ResultsView {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ResultsWindow)

public:
    static constexpr int kPageSize = QuizHistoryPane::kPageSize;
    static constexpr int kChartDays = 56; // the chart and the wrong list look this far back
    static constexpr int kWrongListSize = 12;

    ResultsWindow(ResultsStore &store, int languageIndex, QWidget *parent = nullptr,
                  qint64 child = kFirstChild, int fluencyMs = kDefaultFluencyMs);

    // Sets every text anew in `languageIndex` and reloads the data.
    void setLanguage(int languageIndex) override;
    // Reads everything from the store again (after a quiz, for example).
    void reload() override;
    // Moves the window beside `anchor` on its screen (see placeBeside); centred on that screen
    // when `anchor` is hidden.
    void placeBesideWindow(const QWidget &anchor) override;
    // Writes the CSV file; false (and a message box) when it cannot be written.
    bool exportTo(const QString &filePath);
    // Shows the results of child `id` (the one who plays next, when the window opens), with
    // facts counted as learnt within `fluencyMs`.
    void setChild(qint64 id, int fluencyMs) override;
    QWidget *widget() override { return this; }
    qint64 child() const { return child_; }
    // Writes the chosen child's one-page report; false (and a message box) when it cannot.
    bool saveReport(const QString &filePath);

signals:
    void historyCleared();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void buildLayout();
    void buildSummary(QVBoxLayout &layout);
    QWidget *buildProgressPane();
    void buildButtons(QVBoxLayout &layout);
    void applyTexts();
    void showSummary();
    void showChart();
    void showWrongEquations();
    void showProblem();
    void exportClicked();
    void reportClicked();
    void showChildren();
    void showFacts();
    QString childName() const;
    void clearClicked();

    ResultsStore &store_;
    ResultsTexts texts_;
    qint64 child_ = kFirstChild;
    int fluencyMs_ = kDefaultFluencyMs;
    QList<ChildProfile> children_;

    QLabel *summaryLine_ = nullptr;
    QLabel *trendLine_ = nullptr;
    QLabel *problemLine_ = nullptr;
    QLabel *childLabel_ = nullptr;
    QComboBox *childChooser_ = nullptr;
    QTabWidget *progressTabs_ = nullptr;
    QChartView *chartView_ = nullptr;
    QLabel *factsLine_ = nullptr;
    FluencyGrid *grid_ = nullptr;
    QChartView *fluencyView_ = nullptr;
    QPushButton *reportButton_ = nullptr;
    QGroupBox *wrongBox_ = nullptr;
    QTableWidget *wrongTable_ = nullptr;
    QuizHistoryPane *quizPane_ = nullptr;
    QPushButton *exportButton_ = nullptr;
    QPushButton *clearButton_ = nullptr;
    QPushButton *closeButton_ = nullptr;
};

} // namespace numbrook
