// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

#pragma once

// Writes every quiz into the results store as it is played: the quiz when its first question
// goes on the board, each question when the cycle scores it, the end when the board closes.
// It only listens to the question display and the answer channel, so the question cycle's
// scoring knows nothing of it, and the store's soft failures never reach the quiz.

#include "ResultsStore.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <optional>

namespace numbrook {

class AnswerChannel;
class QuestionDisplay;
class QuizSession;

class QuizRecorder : public QObject {
    Q_OBJECT
public:
    // `programWindow`: the window whose closing ends the program; a quiz still running then
    // is marked as not ended normally.
    QuizRecorder(ResultsStore &store, QuizSession &session, AnswerChannel &answers,
                 QuestionDisplay &display, QObject *programWindow);
    // A quiz still running when the program's windows go is marked as not ended normally.
    ~QuizRecorder() override;
    Q_DISABLE_COPY_MOVE(QuizRecorder)

    bool quizRunning() const { return quiz_.has_value(); }
    // Ends a running quiz; `normalEnd` false when the program closes during it.
    void endQuiz(bool normalEnd);

Q_SIGNALS:
    // A quiz ended and its row is written (or waits in the store).
    void quizEnded();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void questionShown(const QString &equation, bool equationTrue);
    void questionScored(bool answered, bool right);
    void answerEvent(AnswerSource source);
    // Writes that the store could not make now are tried again from a timer, ever less
    // often while they fail, never from the question's own step.
    void retryLater();
    void retry();

    ResultsStore &store_;
    QuizSession &session_;
    QObject *programWindow_;
    QElapsedTimer clock_; // monotonic
    std::optional<qint64> quiz_;
    // The question on the board.
    std::optional<QuestionRecord> question_;
    qint64 shownAtMs_ = 0;
    std::optional<qint64> answeredAtMs_;
    AnswerSource answerSource_ = AnswerSource::None;
    QTimer retry_;
    int retryDelayMs_ = 0;
};

} // namespace numbrook
