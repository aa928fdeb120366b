// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

// The question cycle driven tick by tick with the answer channel.
#include "AnswerChannel.h"
#include "QuestionCycle.h"
#include "QuizSession.h"

#include <QTest>

using namespace numbrook;

namespace {

// A display that records what the cycle does to it. Each new question is true or false as
// the test says.
enum class Hint { Hidden, True, False };

struct Board : QuestionCycleHost {
    QuizSession *session = nullptr;
    bool linesShown = false;
    Hint hint = Hint::Hidden;
    bool nextIsTrue = true;
    int questionsShown = 0;

    void hideQuestionLines() override { linesShown = false; }
    void showNextQuestion() override {
        session->generator.ExpressionIsCorrect = nextIsTrue;
        linesShown = true;
        ++questionsShown;
    }
    void showHint(bool correct) override { hint = correct ? Hint::True : Hint::False; }
    void hideHint() override { hint = Hint::Hidden; }
    void showCounters() override {}
};

struct Score {
    int total, correct, wrong, points;
    bool operator==(const Score &) const = default;
};

Score score(const QuizSession &session) {
    return {session.TotalQuestions, session.CorrectAnswers, session.WrongAnswers,
            session.PointsTotal};
}

char *toString(const Score &s) {
    return QTest::toString(
        QStringLiteral("%1/%2/%3/%4").arg(s.total).arg(s.correct).arg(s.wrong).arg(s.points));
}

} // namespace

Q_DECLARE_METATYPE(Score)

class QuestionCycleTest : public QObject {
    Q_OBJECT

    QuizSession session;
    AnswerChannel answers;
    Board board;
    QuestionCycle cycle{session, answers};

    Score score() const { return ::score(session); }

    void run(int ticks) {
        for (int i = 0; i < ticks; ++i) {
            cycle.tick(board);
        }
    }

private Q_SLOTS:
    void init() {
        session = QuizSession{};
        session.settings.Speed_Math = 1;
        answers.clear();
        board = Board{};
        board.session = &session;
        cycle.TickCount = 0;
        cycle.Answered = false;
    }

    void speedOne_showsAtTickOne_hidesAndScoresAtTwo_nextAtFour() {
        board.nextIsTrue = false;
        cycle.tick(board);
        QVERIFY(board.linesShown);
        QCOMPARE(score(), (Score{1, 0, 0, 0}));
        cycle.tick(board);
        QVERIFY(!board.linesShown);
        QCOMPARE(score(), (Score{1, 1, 0, 1})); // silence on a false expression is right
        cycle.tick(board);
        QVERIFY(!board.linesShown);
        QCOMPARE(cycle.TickCount, 0);
        QCOMPARE(board.questionsShown, 1);
        cycle.tick(board);
        QVERIFY(board.linesShown);
        QCOMPARE(board.questionsShown, 2);
    }

    void answerAndTruth_scoreAsJudgement_data() {
        QTest::addColumn<bool>("truth");
        QTest::addColumn<bool>("answer");
        QTest::addColumn<bool>("byMicrophone");
        QTest::addColumn<int>("correct");
        QTest::addColumn<int>("wrong");
        QTest::newRow("true, key") << true << true << false << 1 << 0;
        QTest::newRow("true, clap") << true << true << true << 1 << 0;
        QTest::newRow("true, silence") << true << false << false << 0 << 1;
        QTest::newRow("false, key") << false << true << false << 0 << 1;
        QTest::newRow("false, clap") << false << true << true << 0 << 1;
        QTest::newRow("false, silence") << false << false << false << 1 << 0;
    }
    void answerAndTruth_scoreAsJudgement() {
        QFETCH(bool, truth);
        QFETCH(bool, answer);
        QFETCH(bool, byMicrophone);
        QFETCH(int, correct);
        QFETCH(int, wrong);
        session.settings.Speed_Math = 3;
        board.nextIsTrue = truth;
        cycle.tick(board);
        cycle.tick(board);
        if (answer) {
            byMicrophone ? answers.setClap(true) : answers.setHotkey(true);
        }
        run(3); // ticks 3, 4 (= S+1) and the pause
        QCOMPARE(score(), (Score{1, correct, wrong, correct - wrong}));
    }

    void twoAnswers_scoreOnce_andCountersChangeOncePerQuestion() {
        session.settings.Speed_Math = 4;
        board.nextIsTrue = true;
        cycle.tick(board);
        answers.setHotkey(true);
        cycle.tick(board);
        QCOMPARE(score(), (Score{1, 1, 0, 1}));
        answers.setClap(true);
        answers.setHotkey(true);
        run(4);
        QCOMPARE(score(), (Score{1, 1, 0, 1}));
    }

    void answerInThePause_isDiscarded() {
        session.settings.Speed_Math = 2;
        board.nextIsTrue = true;
        run(3); // shown at 1, hidden and timed out at 3
        QCOMPARE(score(), (Score{1, 0, 1, -1}));
        answers.setHotkey(true);
        cycle.tick(board); // the pause: ends the cycle and clears the boxes
        QVERIFY(!answers.hotkey());
        cycle.tick(board); // the next question clears the boxes again before looking
        QCOMPARE(score(), (Score{2, 0, 1, -1}));
    }

    void answerInTheSecondTheQuestionDisappears_stillCounts() {
        session.settings.Speed_Math = 2;
        board.nextIsTrue = true;
        run(2);
        answers.setClap(true);
        cycle.tick(board); // tick S+1: hidden, and the answer counts
        QVERIFY(!board.linesShown);
        QCOMPARE(score(), (Score{1, 1, 0, 1}));
    }

    void answerBeforeTheQuestion_isCleared() {
        answers.setHotkey(true);
        board.nextIsTrue = true;
        run(2);
        QCOMPARE(score(), (Score{1, 0, 1, -1}));
    }

    void hint_isTruePictureOnlyForTrueExpressions_andGoesWithTheQuestion() {
        session.settings.Show_Otvet_Mode = 1;
        session.settings.Speed_Math = 2;
        board.nextIsTrue = true;
        cycle.tick(board);
        QCOMPARE(board.hint, Hint::True);
        cycle.tick(board);
        QCOMPARE(board.hint, Hint::True);
        cycle.tick(board);
        QCOMPARE(board.hint, Hint::Hidden);
        cycle.tick(board);
        board.nextIsTrue = false;
        cycle.tick(board);
        QCOMPARE(board.hint, Hint::False);

        session.settings.Show_Otvet_Mode = 0;
        run(3);
        board.hint = Hint::Hidden;
        cycle.tick(board);
        QCOMPARE(board.hint, Hint::Hidden);
    }

    // The hotkey lamp ends a press between two question ticks: the kept answer counts at the
    // next tick only.
    void keptHotkeyAnswer_countsAtTheNextTickOnly_data() {
        QTest::addColumn<bool>("endTickFirst");
        QTest::addColumn<Score>("expected");
        QTest::newRow("kept") << false << Score{1, 1, 0, 1};
        QTest::newRow("read by an earlier tick") << true << Score{1, 0, 1, -1};
    }
    void keptHotkeyAnswer_countsAtTheNextTickOnly() {
        QFETCH(bool, endTickFirst);
        QFETCH(Score, expected);
        session.settings.Speed_Math = 3;
        board.nextIsTrue = true;
        cycle.tick(board);
        answers.setHotkey(true);
        answers.setHotkey(false);
        answers.keepHotkeyAnswer();
        if (endTickFirst) {
            answers.endTick();
        }
        run(4);
        QCOMPARE(score(), expected);
    }

    void points_goBelowZero() {
        board.nextIsTrue = true;
        run(3 * 5);
        QCOMPARE(score(), (Score{5, 0, 5, -5}));
    }

    void speedLoweredMidCycle_stillHidesScoresOnceAndEnds() {
        session.settings.Speed_Math = 10;
        board.nextIsTrue = true;
        run(6);
        QVERIFY(board.linesShown);
        session.settings.Speed_Math = 2; // the cycle is already past S+2
        cycle.tick(board);
        QVERIFY(!board.linesShown);
        QCOMPARE(cycle.TickCount, 0);
        QCOMPARE(score(), (Score{1, 0, 1, -1}));
        cycle.tick(board);
        QVERIFY(board.linesShown);
        QCOMPARE(score(), (Score{2, 0, 1, -1}));

        // Lowered to exactly S+1 of the tick count: hidden and scored, the pause follows.
        session.settings.Speed_Math = 10;
        run(3); // tick count 4
        session.settings.Speed_Math = 4;
        cycle.tick(board);
        QVERIFY(!board.linesShown);
        QCOMPARE(score(), (Score{2, 0, 2, -2}));
        cycle.tick(board);
        QCOMPARE(cycle.TickCount, 0);
        QCOMPARE(score(), (Score{2, 0, 2, -2}));
    }
};

QTEST_GUILESS_MAIN(QuestionCycleTest)
#include "tst_questioncycle.moc"
