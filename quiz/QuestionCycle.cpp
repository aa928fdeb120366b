#include "QuestionCycle.h"

#include "unit_math.h"

namespace numbrook {

namespace {

void score(bool right) {
    if (right) {
        ++CorrectAnswers;
        ++PointsTotal;
    } else {
        ++WrongAnswers;
        --PointsTotal;
    }
}

} // namespace

void QuestionCycle::tick(QuestionCycleHost &host) {
    ++TickCount;
    if (TickCount == 1) {
        host.hideQuestionLines();
        host.clearAnswerBoxes();
        host.showNextQuestion();
        ++TotalQuestions;
        Answered = false;
        if (QuizSettings.Show_Otvet_Mode != 0) {
            host.showHint(ExpressionIsCorrect ? kHintTruePicture : kHintFalsePicture);
        }
    }
    const qint32 speed = QuizSettings.Speed_Math;
    const qint32 tick = TickCount;
    if (tick >= speed + 1) {
        host.hideQuestionLines();
        host.hideHint();
    }
    if (tick >= 1 && tick <= speed + 1 && !Answered &&
        (host.porogTicked() || host.hotkeyTicked())) {
        // Saying "correct" is right exactly for a true expression.
        score(ExpressionIsCorrect);
        Answered = true;
    }
    if (tick >= speed + 1 && !Answered) {
        // Silence says "false".
        score(!ExpressionIsCorrect);
        Answered = true;
    }
    if (tick >= speed + 2) {
        TickCount = 0;
        host.clearAnswerBoxes();
    }
    host.showCounters();
}

} // namespace numbrook
