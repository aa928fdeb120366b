// The question cycle driven tick by tick with the two answer boxes.
#include "QuestionCycle.h"
#include "unit_math.h"

#include <QTest>

using namespace numbrook;

namespace {

// A display that records what the cycle does to it. Each new question is true or false as
// the test says.
struct Board : QuestionCycleHost {
    bool linesShown = false;
    bool porog = false;
    bool hotkey = false;
    int hint = -1; // -1: hidden
    bool nextIsTrue = true;
    int questionsShown = 0;

    void hideQuestionLines() override { linesShown = false; }
    void clearAnswerBoxes() override { porog = hotkey = false; }
    void showNextQuestion() override {
        ExpressionIsCorrect = nextIsTrue;
        linesShown = true;
        ++questionsShown;
    }
    void showHint(int picture) override { hint = picture; }
    void hideHint() override { hint = -1; }
    bool porogTicked() const override { return porog; }
    bool hotkeyTicked() const override { return hotkey; }
    void showCounters() override {}
};

struct Score {
    int total, correct, wrong, points;
    bool operator==(const Score &) const = default;
};

Score score() {
    return {TotalQuestions, CorrectAnswers, WrongAnswers, PointsTotal};
}

char *toString(const Score &s) {
    return QTest::toString(
        QStringLiteral("%1/%2/%3/%4").arg(s.total).arg(s.correct).arg(s.wrong).arg(s.points));
}

} // namespace

class QuestionCycleTest : public QObject {
    Q_OBJECT

    Board board;
    QuestionCycle cycle;

    void run(int ticks) {
        for (int i = 0; i < ticks; ++i) {
            cycle.tick(board);
        }
    }

private Q_SLOTS:
    void init() {
        QuizSettings = QuizSettingsRecord{};
        QuizSettings.Speed_Math = 1;
        TotalQuestions = CorrectAnswers = WrongAnswers = PointsTotal = 0;
        board = Board{};
        cycle = QuestionCycle{};
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
        QuizSettings.Speed_Math = 3;
        board.nextIsTrue = truth;
        cycle.tick(board);
        cycle.tick(board);
        if (answer) {
            (byMicrophone ? board.porog : board.hotkey) = true;
        }
        run(3); // ticks 3, 4 (= S+1) and the pause
        QCOMPARE(score(), (Score{1, correct, wrong, correct - wrong}));
    }

    void twoAnswers_scoreOnce_andCountersChangeOncePerQuestion() {
        QuizSettings.Speed_Math = 4;
        board.nextIsTrue = true;
        cycle.tick(board);
        board.hotkey = true;
        cycle.tick(board);
        QCOMPARE(score(), (Score{1, 1, 0, 1}));
        board.porog = true;
        board.hotkey = true;
        run(4);
        QCOMPARE(score(), (Score{1, 1, 0, 1}));
    }

    void answerInThePause_isDiscarded() {
        QuizSettings.Speed_Math = 2;
        board.nextIsTrue = true;
        run(3); // shown at 1, hidden and timed out at 3
        QCOMPARE(score(), (Score{1, 0, 1, -1}));
        board.hotkey = true;
        cycle.tick(board); // the pause: ends the cycle and clears the boxes
        QVERIFY(!board.hotkey);
        cycle.tick(board); // the next question clears the boxes again before looking
        QCOMPARE(score(), (Score{2, 0, 1, -1}));
    }

    void answerInTheSecondTheQuestionDisappears_stillCounts() {
        QuizSettings.Speed_Math = 2;
        board.nextIsTrue = true;
        run(2);
        board.porog = true;
        cycle.tick(board); // tick S+1: hidden, and the answer counts
        QVERIFY(!board.linesShown);
        QCOMPARE(score(), (Score{1, 1, 0, 1}));
    }

    void answerBeforeTheQuestion_isCleared() {
        board.hotkey = true;
        board.nextIsTrue = true;
        run(2);
        QCOMPARE(score(), (Score{1, 0, 1, -1}));
    }

    void hint_isTruePictureOnlyForTrueExpressions_andGoesWithTheQuestion() {
        QuizSettings.Show_Otvet_Mode = 1;
        QuizSettings.Speed_Math = 2;
        board.nextIsTrue = true;
        cycle.tick(board);
        QCOMPARE(board.hint, kHintTruePicture);
        cycle.tick(board);
        QCOMPARE(board.hint, kHintTruePicture);
        cycle.tick(board);
        QCOMPARE(board.hint, -1);
        cycle.tick(board);
        board.nextIsTrue = false;
        cycle.tick(board);
        QCOMPARE(board.hint, kHintFalsePicture);

        QuizSettings.Show_Otvet_Mode = 0;
        run(3);
        board.hint = -1;
        cycle.tick(board);
        QCOMPARE(board.hint, -1);
    }

    void points_goBelowZero() {
        board.nextIsTrue = true;
        run(3 * 5);
        QCOMPARE(score(), (Score{5, 0, 5, -5}));
    }

    void speedLoweredMidCycle_stillHidesScoresOnceAndEnds() {
        QuizSettings.Speed_Math = 10;
        board.nextIsTrue = true;
        run(6);
        QVERIFY(board.linesShown);
        QuizSettings.Speed_Math = 2; // the cycle is already past S+2
        cycle.tick(board);
        QVERIFY(!board.linesShown);
        QCOMPARE(cycle.TickCount, 0);
        QCOMPARE(score(), (Score{1, 0, 1, -1}));
        cycle.tick(board);
        QVERIFY(board.linesShown);
        QCOMPARE(score(), (Score{2, 0, 1, -1}));

        // Lowered to exactly S+1 of the tick count: hidden and scored, the pause follows.
        QuizSettings.Speed_Math = 10;
        run(3); // tick count 4
        QuizSettings.Speed_Math = 4;
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
