// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

#pragma once

// The parent's view of the recorded quizzes: a summary line, a chart by day, the equations most
// often judged wrong, the recent quizzes and the questions of the selected one.

#include "ResultsStore.h"
#include "ResultsTexts.h"

#include <QLocale>
#include <QWidget>

class QVBoxLayout;
class QLabel;
class QPushButton;
class QTableWidget;
class QGroupBox;
class QSplitter;

class QChartView;

namespace numbrook {

// Where a window of frame size `frame` goes beside the window whose frame is `anchor`, inside
// the screen's `available` area: right of it, else left of it, level with its top as far as the
// area allows; centred on the area when neither side has room or there is no anchor. A frame
// larger than the area keeps its top-left corner in it.
QRect placeBeside(const QRect &anchor, QSize frame, const QRect &available);

class ResultsWindow : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ResultsWindow)

public:
    static constexpr int kPageSize = 50;  // quizzes loaded at once
    static constexpr int kChartDays = 56; // the chart and the wrong list look this far back
    static constexpr int kWrongListSize = 12;

    ResultsWindow(ResultsStore &store, int languageIndex, QWidget *parent = nullptr);

    // Sets every text anew in `languageIndex` and reloads the data.
    void setLanguage(int languageIndex);
    // Reads everything from the store again (after a quiz, for example).
    void reload();
    // Moves the window beside `anchor` on its screen (see placeBeside); centred on that screen
    // when `anchor` is hidden.
    void placeBesideWindow(const QWidget &anchor);
    // Writes the CSV file; false (and a message box) when it cannot be written.
    bool exportTo(const QString &filePath);

signals:
    void historyCleared();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void buildLayout();
    void buildSummary(QVBoxLayout &layout);
    QWidget *buildProgressPane();
    QWidget *buildQuizPane();
    void buildButtons(QVBoxLayout &layout);
    void fitQuestionPane();
    void sizeQuestionColumns();
    void applyTexts();
    void showSummary();
    void showChart();
    void showWrongEquations();
    void showProblem();
    void appendQuizzes();
    void showQuestions();
    void exportClicked();
    void clearClicked();
    QLocale textLocale() const;

    ResultsStore &store_;
    ResultsTexts texts_;
    QList<QuizSummary> quizzes_;
    int quizTotal_ = 0;

    QLabel *summaryLine_ = nullptr;
    QLabel *trendLine_ = nullptr;
    QLabel *problemLine_ = nullptr;
    QChartView *chartView_ = nullptr;
    QGroupBox *wrongBox_ = nullptr;
    QTableWidget *wrongTable_ = nullptr;
    QSplitter *quizPane_ = nullptr;
    QGroupBox *recentBox_ = nullptr;
    QTableWidget *quizTable_ = nullptr;
    QLabel *pageLine_ = nullptr;
    QPushButton *moreButton_ = nullptr;
    QGroupBox *questionsBox_ = nullptr;
    QTableWidget *questionTable_ = nullptr;
    QPushButton *exportButton_ = nullptr;
    QPushButton *clearButton_ = nullptr;
    QPushButton *closeButton_ = nullptr;
};

} // namespace numbrook
