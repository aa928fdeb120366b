// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

#include "QuizRecorder.h"

#include "AnswerChannel.h"
#include "QuestionDisplay.h"
#include "QuizSession.h"

#include <QEvent>

namespace numbrook {

namespace {

// The first retry comes soon after the failed write; each failure doubles the wait, up to
// the longest.
constexpr int kFirstRetryMs = 250;
constexpr int kLongestRetryMs = 8000;

} // namespace

QuizRecorder::QuizRecorder(ResultsStore &store, QuizSession &session, AnswerChannel &answers,
                           QuestionDisplay &display, QObject *programWindow)
    : store_(store), session_(session), programWindow_(programWindow) {
    clock_.start();
    retry_.setSingleShot(true);
    connect(&retry_, &QTimer::timeout, this, &QuizRecorder::retry);
    // Results of an earlier run wait in the pending file: they are written in (and before
    // anything of this run) once the program is up, rather than at the first quiz.
    if (store_.writer().hasPendingFile()) {
        QTimer::singleShot(0, this, &QuizRecorder::retry);
    }
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
        // The kinds the quiz asks: the first one when every kind is off.
        for (int kind = 1; kind <= kKindCount; ++kind) {
            if (settings.Znak(kind) == 1 || (kind == 1 && settings.noKindOn())) {
                start.kinds.append(kind);
            }
        }
        start.speedSeconds = settings.Speed_Math;
        start.displayMode = settings.Screen_Res;
        start.childId = session_.ChildId;
        quiz_ = store_.beginQuiz(start);
        retryLater();
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
    retryLater();
}

void QuizRecorder::retryLater() {
    if (!store_.writer().hasUnwritten() || retry_.isActive()) {
        return;
    }
    retryDelayMs_ = retryDelayMs_ == 0 ? kFirstRetryMs : retryDelayMs_;
    retry_.start(retryDelayMs_);
}

void QuizRecorder::retry() {
    if (store_.writer().writeUnwritten()) {
        retryDelayMs_ = 0;
        return;
    }
    retryDelayMs_ = qMin(retryDelayMs_ * 2, kLongestRetryMs);
    retry_.start(qMax(retryDelayMs_, kFirstRetryMs));
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
    // A quiz the database could not take yet is on disk from now on, whatever happens to
    // the program before the database takes it.
    if (store_.writer().hasUnwritten()) {
        store_.writer().savePending();
    }
    retryLater();
    quiz_.reset();
    question_.reset();
    Q_EMIT quizEnded();
}

} // namespace numbrook
