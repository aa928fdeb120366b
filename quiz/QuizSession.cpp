// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

#include "QuizSession.h"

namespace numbrook {

void QuizSession::InitQuizEngine() {
    settings.LoadQuizSettings();
    generator.KindSlot = 0;
    generator.ExpressionIsCorrect = false;
    resetScore();
}

void QuizSession::resetScore() {
    TotalQuestions = CorrectAnswers = WrongAnswers = PointsTotal = 0;
}

void QuizSession::score(bool right) {
    if (right) {
        ++CorrectAnswers;
        ++PointsTotal;
    } else {
        ++WrongAnswers;
        --PointsTotal;
    }
}

} // namespace numbrook
