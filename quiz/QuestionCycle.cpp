// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

#include "QuestionCycle.h"

#include "AnswerChannel.h"
#include "QuizSession.h"

namespace numbrook {

void QuestionCycle::tick(QuestionCycleHost &host) {
    ++TickCount;
    if (TickCount == 1) {
        host.hideQuestionLines();
        answers_.clear();
        host.showNextQuestion();
        ++session_.TotalQuestions;
        Answered = false;
        if (session_.settings.Show_Otvet_Mode != 0) {
            host.showHint(session_.generator.ExpressionIsCorrect);
        }
    }
    const qint32 speed = session_.settings.Speed_Math;
    const qint32 tick = TickCount;
    if (tick >= speed + 1) {
        host.hideQuestionLines();
        host.hideHint();
    }
    if (tick >= 1 && tick <= speed + 1 && !Answered && answers_.answered()) {
        // Saying "correct" is right exactly for a true expression.
        session_.score(session_.generator.ExpressionIsCorrect);
        Answered = true;
        host.questionScored(true, session_.generator.ExpressionIsCorrect);
    }
    if (tick >= speed + 1 && !Answered) {
        // Silence says "false".
        session_.score(!session_.generator.ExpressionIsCorrect);
        Answered = true;
        host.questionScored(false, !session_.generator.ExpressionIsCorrect);
    }
    if (tick >= speed + 2) {
        TickCount = 0;
        answers_.clear();
    }
    host.showCounters();
    answers_.endTick();
}

} // namespace numbrook
