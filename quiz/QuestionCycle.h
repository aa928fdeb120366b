// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

#pragma once

#include <QtGlobal>

namespace numbrook {

class AnswerChannel;
class QuizSession;

// What the question cycle does to the question display, one call per effect.
class QuestionCycleHost {
public:
    virtual ~QuestionCycleHost() = default;
    virtual void hideQuestionLines() = 0;
    // Builds the next question and shows its lines when one was built.
    virtual void showNextQuestion() = 0;
    // The hint picture of a true or a false expression.
    virtual void showHint(bool correct) = 0;
    virtual void hideHint() = 0;
    virtual void showCounters() = 0;
    // A question was scored: `answered` when the child said "correct" in time, `right` when
    // the judgement earned a point. Only observers care; the board does nothing.
    virtual void questionScored(bool answered, bool right) {
        Q_UNUSED(answered);
        Q_UNUSED(right);
    }
};

// The question cycle of the display, one timer tick (one second) at a time. With S the speed
// in seconds: tick 1 shows a new question, tick S+1 hides it and scores a time-out when nothing
// was answered, tick S+2 is a pause that ends the cycle. An answer counts from tick 1 to tick
// S+1, once per question. When the speed is lowered during a cycle so that the tick count is
// already past S+1, the next tick still hides the question, scores the time-out once and ends
// the cycle. The answer channel is cleared at tick 1 (before it is read) and at the cycle's end;
// an answer kept for the next tick is spent by every tick.
class QuestionCycle {
public:
    QuestionCycle(QuizSession &session, AnswerChannel &answers)
        : session_(session), answers_(answers) {}

    void tick(QuestionCycleHost &host);

    qint32 TickCount = 0;
    bool Answered = false;

private:
    QuizSession &session_;
    AnswerChannel &answers_;
};

} // namespace numbrook
