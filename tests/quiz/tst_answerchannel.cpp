// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

// An answer's life in the answer channel: set by a clap or a key, the clap held for its hold
// time after the last clap, the key for its ten lamp ticks, the key kept for one question tick
// when its lamp ends during a quiz, cleared by a new question and when no window is on screen.
#include "AnswerChannel.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>

using namespace numbrook;

class AnswerChannelTest : public QObject {
    Q_OBJECT

    static void ticks(AnswerChannel &answers, int count, bool quizRunning) {
        for (int i = 0; i < count; ++i) {
            answers.lampTick(quizRunning);
        }
    }

private Q_SLOTS:
    void keyPress_heldForTenLampTicks_keptOnlyDuringAQuiz_data() {
        QTest::addColumn<bool>("quizRunning");
        QTest::newRow("quiz running") << true;
        QTest::newRow("settings window only") << false;
    }
    void keyPress_heldForTenLampTicks_keptOnlyDuringAQuiz() {
        QFETCH(bool, quizRunning);
        AnswerChannel answers;
        QSignalSpy shown(&answers, &AnswerChannel::hotkeyChanged);
        answers.setHotkey(true);
        ticks(answers, AnswerChannel::kHotkeyLampTicks - 1, quizRunning);
        QVERIFY(answers.hotkey());
        QCOMPARE(answers.lampTicks(), AnswerChannel::kHotkeyLampTicks - 1);
        answers.lampTick(quizRunning);
        QVERIFY(!answers.hotkey());
        QCOMPARE(answers.lampTicks(), 0);
        // The boxes see the flag go on and off once each.
        QCOMPARE(shown.count(), 2);
        // The press the lamp ended counts at the next question tick only during a quiz.
        QCOMPARE(answers.answered(), quizRunning);
        answers.endTick();
        QVERIFY(!answers.answered());
    }

    void leftoverLampCount_shortensTheNextPress() {
        AnswerChannel answers;
        answers.setHotkey(true);
        ticks(answers, 4, true);
        answers.setHotkey(false); // the other answer key takes the press back
        answers.lampTick(true);   // an unlit lamp counts nothing
        QCOMPARE(answers.lampTicks(), 4);
        answers.setHotkey(true);
        ticks(answers, 5, true);
        QVERIFY(answers.hotkey());
        answers.lampTick(true);
        QVERIFY(!answers.hotkey());
    }

    void clear_dropsClapKeyAndKeptAnswer_butNotTheLampCount() {
        AnswerChannel answers;
        answers.setClap(true);
        answers.setHotkey(true);
        answers.lampTick(true);
        answers.keepHotkeyAnswer();
        QVERIFY(answers.answered());
        answers.clear();
        QVERIFY(!answers.clap());
        QVERIFY(!answers.hotkey());
        QVERIFY(!answers.answered());
        QCOMPARE(answers.lampTicks(), 1);
    }

    void windowsHidden_dropsALitKeyWithItsCount_andLeavesTheClap() {
        AnswerChannel answers;
        answers.setClap(true);
        answers.setHotkey(true);
        ticks(answers, 3, true);
        answers.windowsHidden();
        QVERIFY(!answers.hotkey());
        QCOMPARE(answers.lampTicks(), 0);
        // The clap ends with object 1's signalling, which the stopped capture switches off.
        QVERIFY(answers.clap());
        // A new press after the hide is held for its full ten ticks.
        answers.setHotkey(true);
        ticks(answers, AnswerChannel::kHotkeyLampTicks - 1, true);
        QVERIFY(answers.hotkey());
    }

    // Each clap restarts the hold; the clap ends, once, when the hold has passed after the last
    // one, and the channel asks for object 1's signalling to be switched off.
    void clap_heldForItsHoldAfterTheLastClap_thenEndsOnce() {
        AnswerChannel answers;
        QSignalSpy ended(&answers, &AnswerChannel::clapHoldEnded);
        QSignalSpy shown(&answers, &AnswerChannel::clapChanged);
        QElapsedTimer clock;
        clock.start();
        answers.clapHeard(300);
        QTest::qWait(150);
        answers.clapHeard(300); // a second clap within the hold
        QVERIFY(answers.clap());
        QCOMPARE(answers.clapHold().interval(), 300);
        QVERIFY(ended.wait(2000));
        QVERIFY2(clock.elapsed() >= 440, qPrintable(QString::number(clock.elapsed())));
        QVERIFY(!answers.clap());
        QVERIFY(!answers.clapHold().isActive());
        QTest::qWait(400);
        QCOMPARE(ended.count(), 1);
        // The box was ticked once and unticked once.
        QCOMPARE(shown.count(), 2);
    }

    void clapWithoutHold_endsOnlyWhenItsSignallingEnds() {
        AnswerChannel answers;
        QSignalSpy ended(&answers, &AnswerChannel::clapHoldEnded);
        answers.clapHeard(200);
        answers.clapHeard(0); // the hold time set to 0 before this clap
        QVERIFY(!answers.clapHold().isActive());
        QTest::qWait(400);
        QVERIFY(answers.clap());
        answers.clapEnded(); // the capture stopped
        QVERIFY(!answers.clap());
        QCOMPARE(ended.count(), 0);
    }

    // The question cycle's clearing drops the clap but not its hold, which still ends object 1's
    // signalling when its time is up; a clap after the clearing counts again.
    void clear_dropsTheClap_butItsHoldStillEndsTheSignalling() {
        AnswerChannel answers;
        QSignalSpy ended(&answers, &AnswerChannel::clapHoldEnded);
        answers.clapHeard(200);
        answers.clear();
        QVERIFY(!answers.clap());
        QVERIFY(answers.clapHold().isActive());
        answers.clapHeard(200);
        QVERIFY(answers.answered());
        answers.clear();
        QVERIFY(ended.wait(2000));
        QCOMPARE(ended.count(), 1);
    }

    // At start the hold runs once for a second with no clap, so that object 1's signalling is
    // switched off once, as every object's is.
    void startUpHold_endsTheSignallingOnceAfterASecond() {
        AnswerChannel answers;
        QSignalSpy ended(&answers, &AnswerChannel::clapHoldEnded);
        QSignalSpy shown(&answers, &AnswerChannel::clapChanged);
        answers.startClapHold();
        QCOMPARE(answers.clapHold().interval(), 1000);
        QVERIFY(!answers.clap());
        QTest::qWait(700);
        QCOMPARE(ended.count(), 0);
        QVERIFY(ended.wait(2000));
        QTest::qWait(1200);
        QCOMPARE(ended.count(), 1);
        QCOMPARE(shown.count(), 0);
    }
};

QTEST_GUILESS_MAIN(AnswerChannelTest)
#include "tst_answerchannel.moc"
