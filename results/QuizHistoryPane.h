// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

#pragma once

// The results window's lower pane: the child's recent quizzes, a page at a time, above the
// questions of the quiz selected among them.

#include "ResultsStore.h"
#include "ResultsTexts.h"

#include <QSplitter>

class QGroupBox;
class QLabel;
class QPushButton;
class QTableWidget;

namespace numbrook {

class QuizHistoryPane : public QSplitter {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QuizHistoryPane)

public:
    static constexpr int kPageSize = 50; // quizzes loaded at once

    // Shows the quizzes of `store` in the texts of `texts`, which the window keeps and which
    // outlive the pane.
    QuizHistoryPane(ResultsStore &store, const ResultsTexts &texts, QWidget *parent);

    // Sets the titles, the button and the column headers in the texts' language.
    void applyTexts();
    // Shows the first page of child `child`'s quizzes, none selected.
    void reload(qint64 child);
    // The quizzes above the questions, the quizzes with the more room.
    void fitSizes();

private:
    void appendQuizzes();
    void showQuestions();
    void sizeQuestionColumns();

    ResultsStore &store_;
    const ResultsTexts &texts_;
    qint64 child_ = kFirstChild;
    QList<QuizSummary> quizzes_;
    int quizTotal_ = 0;

    QGroupBox *recentBox_ = nullptr;
    QTableWidget *quizTable_ = nullptr;
    QLabel *pageLine_ = nullptr;
    QPushButton *moreButton_ = nullptr;
    QGroupBox *questionsBox_ = nullptr;
    QTableWidget *questionTable_ = nullptr;
};

} // namespace numbrook
