// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

// An answer's life in the answer channel: set by a clap or a key, the key held for its ten lamp
// ticks, kept for one question tick when its lamp ends during a quiz, cleared by a new question
// and when no window is on screen.
#include "AnswerChannel.h"

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
};

QTEST_GUILESS_MAIN(AnswerChannelTest)
#include "tst_answerchannel.moc"
