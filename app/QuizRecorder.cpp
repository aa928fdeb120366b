// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

#include "QuizRecorder.h"

#include "AnswerChannel.h"
#include "QuestionDisplay.h"
#include "QuizSession.h"

#include <QEvent>

namespace numbrook {

QuizRecorder::QuizRecorder(ResultsStore &store, QuizSession &session, AnswerChannel &answers,
                           QuestionDisplay &display, QObject *programWindow)
    : store_(store), session_(session), programWindow_(programWindow) {
    clock_.start();
    connect(&display, &QuestionDisplay::questionShown, this, &QuizRecorder::questionShown);
    connect(&display, &QuestionDisplay::scored, this, &QuizRecorder::questionScored);
    connect(&display, &QuestionDisplay::closed, this, [this] { endQuiz(true); });
    // The answer counts from the moment its flag is set, not from the tick that reads it.
    connect(&answers, &AnswerChannel::clapChanged, this, [this](bool on) {
        if (on) {
            answerEvent(AnswerSource::Clap);
        }
    });
    connect(&answers, &AnswerChannel::hotkeyChanged, this, [this](bool on) {
        if (on) {
            answerEvent(AnswerSource::Key);
        }
    });
    // The filter sees the program window's close before its handler closes the board.
    if (programWindow_) {
        programWindow_->installEventFilter(this);
    }
}

QuizRecorder::~QuizRecorder() {
    endQuiz(false);
}

bool QuizRecorder::eventFilter(QObject *watched, QEvent *event) {
    if (watched == programWindow_ && event->type() == QEvent::Close) {
        endQuiz(false);
    }
    return QObject::eventFilter(watched, event);
}

void QuizRecorder::questionShown(const QString &equation, bool equationTrue) {
    if (!quiz_) {
        QuizStart start;
        start.startedAt = QDateTime::currentDateTime();
        const QuizSettings &settings = session_.settings;
        start.level = settings.Diff_Math;
        for (int kind = 1; kind <= kKindCount; ++kind) {
            if (settings.Znak(kind) == 1) {
                start.kinds.append(kind);
            }
        }
        start.speedSeconds = settings.Speed_Math;
        start.displayMode = settings.Screen_Res;
        start.childId = session_.ChildId;
        quiz_ = store_.beginQuiz(start);
    }
    QuestionRecord record;
    record.shownAt = QDateTime::currentDateTime();
    record.equation = equation;
    record.equationTrue = equationTrue;
    question_ = record;
    shownAtMs_ = clock_.elapsed();
    answeredAtMs_.reset();
    answerSource_ = AnswerSource::None;
}

void QuizRecorder::answerEvent(AnswerSource source) {
    // The first answer after the question went up is the one the cycle reads.
    if (question_ && !answeredAtMs_) {
        answeredAtMs_ = clock_.elapsed();
        answerSource_ = source;
    }
}

void QuizRecorder::questionScored(bool answered, bool right) {
    // Nothing was on the board (the level built no expression): nothing to record.
    if (!quiz_ || !question_) {
        return;
    }
    QuestionRecord record = *question_;
    question_.reset();
    record.judgedRight = right;
    if (answered) {
        // A flag set before the question went up is cleared with it, so an answer without
        // its event is one the flag still held: it counts from now.
        const qint64 at = answeredAtMs_.value_or(clock_.elapsed());
        record.answer = answeredAtMs_ ? answerSource_ : AnswerSource::Key;
        record.reactionMs = int(at - shownAtMs_);
    }
    store_.recordQuestion(*quiz_, record);
    // Practice mode follows the child's answers within the quiz as well.
    session_.generator.practiceProgress.addEquation(FactTry{
        record.shownAt.date(), record.equation, record.equationTrue, right, record.reactionMs});
}

void QuizRecorder::endQuiz(bool normalEnd) {
    if (!quiz_) {
        return;
    }
    QuizTotals totals;
    totals.endedAt = QDateTime::currentDateTime();
    // The question still on the board was never scored and has no row: the total counts the
    // scored ones, so that the share of right answers is over what was judged.
    totals.total = session_.CorrectAnswers + session_.WrongAnswers;
    totals.correct = session_.CorrectAnswers;
    totals.wrong = session_.WrongAnswers;
    totals.points = session_.PointsTotal;
    store_.endQuiz(*quiz_, totals, normalEnd);
    quiz_.reset();
    question_.reset();
    Q_EMIT quizEnded();
}

} // namespace numbrook
