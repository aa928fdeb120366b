// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

#include "QuizHistoryPane.h"

#include "InterfaceLanguages.h"
#include "ResultsTables.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QStyle>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace numbrook {

namespace {

using T = ResultsText;

const QColor kRightBackground(0xe8, 0xf5, 0xe9);
const QColor kWrongBackground(0xff, 0xeb, 0xee);

} // namespace

QuizHistoryPane::QuizHistoryPane(ResultsStore &store, const ResultsTexts &texts, QWidget *parent)
    : QSplitter(Qt::Vertical, parent), store_(store), texts_(texts) {
    recentBox_ = new QGroupBox(this);
    quizTable_ = MakeResultsTable(QStringLiteral("quizTable"), recentBox_);
    pageLine_ = new QLabel(recentBox_);
    pageLine_->setObjectName(QStringLiteral("pageLine"));
    moreButton_ = new QPushButton(recentBox_);
    moreButton_->setObjectName(QStringLiteral("moreButton"));
    auto *recentLayout = new QVBoxLayout(recentBox_);
    recentLayout->addWidget(quizTable_);
    auto *pageRow = new QHBoxLayout();
    pageRow->addWidget(pageLine_, 1);
    pageRow->addWidget(moreButton_);
    recentLayout->addLayout(pageRow);
    questionsBox_ = new QGroupBox(this);
    questionTable_ = MakeResultsTable(QStringLiteral("questionTable"), questionsBox_);
    (new QVBoxLayout(questionsBox_))->addWidget(questionTable_);
    addWidget(recentBox_);
    addWidget(questionsBox_);
    setStretchFactor(0, 3);
    setStretchFactor(1, 2);

    connect(moreButton_, &QPushButton::clicked, this, &QuizHistoryPane::appendQuizzes);
    connect(quizTable_, &QTableWidget::itemSelectionChanged, this, &QuizHistoryPane::showQuestions);
}

// Each table the window's whole width, so that every quiz column shows at the window's size.
void QuizHistoryPane::fitSizes() {
    setSizes({3, 2});
}

void QuizHistoryPane::applyTexts() {
    recentBox_->setTitle(texts_(T::RecentTitle));
    questionsBox_->setTitle(texts_(T::QuestionsTitle));
    moreButton_->setText(texts_(T::MoreButton));
    SetTableHeaders(quizTable_, texts_,
                    {T::ColumnDate, T::ColumnHonest, T::ColumnPoints, T::ColumnReaction,
                     T::ColumnState, T::ColumnLevel, T::ColumnKinds, T::ColumnSpeed,
                     T::ColumnDisplay});
    SetTableHeaders(questionTable_, texts_,
                    {T::ColumnNumber, T::ColumnEquation, T::ColumnTruth, T::ColumnAnswer,
                     T::ColumnAnswerTime, T::ColumnJudged});
    sizeQuestionColumns();
}

// The question columns hold a few known texts each: sized for the widest of them from the
// start, so that choosing another quiz does not make the columns jump.
void QuizHistoryPane::sizeQuestionColumns() {
    const QList<QStringList> widest = {
        {QStringLiteral("999")},
        {QStringLiteral("10/2+1=1*3+12")},
        {texts_(T::TruthTrue), texts_(T::TruthFalse)},
        {texts_(T::AnswerNone), texts_(T::AnswerKey), texts_(T::AnswerClap)},
        {texts_.seconds(10000)},
        {texts_(T::JudgedRight), texts_(T::JudgedWrong)},
    };
    const QFontMetrics metrics(questionTable_->font());
    // The item delegate's margin on each side of a cell's text, and one for the grid line.
    const int padding = 2 * (style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 1) + 1;
    for (int column = 0; column < widest.size(); ++column) {
        int width = questionTable_->horizontalHeader()->sectionSizeHint(column);
        for (const QString &text : widest[column])
            width = std::max(width, metrics.horizontalAdvance(text) + padding);
        questionTable_->setColumnWidth(column, width);
    }
}

void QuizHistoryPane::reload(qint64 child) {
    child_ = child;
    quizzes_.clear();
    quizTable_->setRowCount(0);
    quizTotal_ = store_.quizCount(child_);
    appendQuizzes();
    showQuestions();
}

void QuizHistoryPane::appendQuizzes() {
    const QList<QuizSummary> page = store_.recentQuizzes(kPageSize, int(quizzes_.size()), child_);
    const QLocale locale = InterfaceLanguageLocale(texts_.language());
    static const T states[] = {T::StateRunning, T::StateFinished, T::StateStopped,
                               T::StateUnfinished};
    for (const QuizSummary &quiz : page) {
        const int row = quizTable_->rowCount();
        quizTable_->insertRow(row);
        auto *date = TextCell(locale.toString(quiz.startedAt.toLocalTime(), texts_(T::DateFormat)));
        date->setData(Qt::UserRole, quiz.id);
        quizTable_->setItem(row, 0, date);
        auto *score = TextCell(texts_.honestScore(quiz.correct, quiz.total, quiz.falseEquations));
        if (quiz.total > 0)
            score->setToolTip(
                QStringLiteral("%1 %").arg(Percent(double(quiz.correct) / quiz.total)));
        quizTable_->setItem(row, 1, score);
        quizTable_->setItem(row, 2, NumberCell(quiz.points));
        quizTable_->setItem(row, 3,
                            TextCell(texts_.seconds(quiz.medianReactionMs), Qt::AlignRight));
        quizTable_->setItem(row, 4, TextCell(texts_(states[int(quiz.state)])));
        if (quiz.state == QuizState::Unfinished || quiz.state == QuizState::Stopped)
            quizTable_->item(row, 4)->setForeground(QColor(0x80, 0x80, 0x80));
        quizTable_->setItem(row, 5, NumberCell(quiz.level));
        auto *kinds = TextCell(texts_.kindSigns(quiz.kinds));
        kinds->setToolTip(texts_.kindNames(quiz.kinds));
        quizTable_->setItem(row, 6, kinds);
        quizTable_->setItem(row, 7,
                            TextCell(texts_.seconds(quiz.speedSeconds * 1000), Qt::AlignRight));
        quizTable_->setItem(
            row, 8, TextCell(texts_(quiz.displayMode ? T::DisplayFullScreen : T::DisplayWindow)));
    }
    quizzes_ += page;
    if (quizzes_.size() == page.size())
        quizTable_->resizeColumnsToContents();
    else
        WidenColumnsToContents(quizTable_);
    pageLine_->setText(texts_(T::PageLine).arg(quizzes_.size()).arg(quizTotal_));
    moreButton_->setEnabled(quizzes_.size() < quizTotal_);
}

void QuizHistoryPane::showQuestions() {
    const QList<QTableWidgetItem *> selected = quizTable_->selectedItems();
    questionTable_->setRowCount(0);
    if (selected.isEmpty()) {
        questionTable_->setToolTip(texts_(T::QuestionsHint));
        return;
    }
    const qint64 id = quizTable_->item(selected.first()->row(), 0)->data(Qt::UserRole).toLongLong();
    const QList<QuestionRow> questions = store_.quizQuestions(id);
    static const T answers[] = {T::AnswerNone, T::AnswerKey, T::AnswerClap};
    questionTable_->setRowCount(int(questions.size()));
    for (int row = 0; row < questions.size(); ++row) {
        const QuestionRecord &question = questions[row].record;
        questionTable_->setItem(row, 0, NumberCell(questions[row].number));
        questionTable_->setItem(row, 1, TextCell(question.equation));
        questionTable_->setItem(
            row, 2, TextCell(texts_(question.equationTrue ? T::TruthTrue : T::TruthFalse)));
        questionTable_->setItem(row, 3, TextCell(texts_(answers[int(question.answer)])));
        questionTable_->setItem(row, 4,
                                TextCell(texts_.seconds(question.reactionMs), Qt::AlignRight));
        auto *judged = TextCell(texts_(question.judgedRight ? T::JudgedRight : T::JudgedWrong));
        judged->setBackground(question.judgedRight ? kRightBackground : kWrongBackground);
        questionTable_->setItem(row, 5, judged);
    }
    WidenColumnsToContents(questionTable_);
    questionTable_->setToolTip(QString());
}

} // namespace numbrook
