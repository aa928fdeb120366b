// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

#pragma once

#include "ExpressionGenerator.h"
#include "QuizSettings.h"

namespace numbrook {

// One run of the program's quiz: the settings, the generator's state and the score. The
// program's windows own one and hand it to the windows that show or change it.
class QuizSession {
public:
    // Loads the settings and clears the generator state and the score counters.
    void InitQuizEngine();
    void resetScore();
    // Scores one judgement: right earns a point, wrong costs one.
    void score(bool right);
    // Builds the next question from the settings.
    QuestionLines nextQuestion(const QString &questionTitle) {
        return generator.GenerateQuestion(settings, questionTitle);
    }

    QuizSettings settings;
    ExpressionGenerator generator;

    qint32 TotalQuestions = 0;
    qint32 CorrectAnswers = 0;
    qint32 WrongAnswers = 0;
    qint32 PointsTotal = 0;
    // The child who plays, by the id the results store gives them.
    qint64 ChildId = 1;
};

} // namespace numbrook
