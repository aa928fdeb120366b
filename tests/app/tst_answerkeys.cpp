// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

// The answer keys without the main window: which window key presses answer, what a press does
// to the answer channel, and how the key lamp follows it.

#include "AnswerChannel.h"
#include "AnswerKeys.h"
#include "BitmapLists.h"
#include "SkinWidgets.h"
#include "SystemSettings.h"

#include <QKeyEvent>
#include <QTest>
#include <QWidget>

using namespace numbrook;

namespace {

struct Keys {
    Keys() : lamp(pictures.BitmapList_Btn, &window), keys(answers, system, lamp, window) {}
    PictureLists pictures;
    QWidget window;
    AnswerChannel answers;
    SystemSettings system;
    PictureButton lamp;
    AnswerKeys keys;
};

} // namespace

Q_DECLARE_METATYPE(std::optional<HotkeyKey>)

class AnswerKeysTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void windowKeyPress_answersOnlyAsPlainEnterOrSpace_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        QTest::addColumn<bool>("repeated");
        QTest::addColumn<std::optional<HotkeyKey>>("answer");
        const Qt::KeyboardModifiers none;
        QTest::newRow("Return") << int(Qt::Key_Return) << none << false
                                << std::optional(HotkeyKey::Return);
        QTest::newRow("keypad Enter")
            << int(Qt::Key_Enter) << Qt::KeyboardModifiers(Qt::KeypadModifier) << false
            << std::optional(HotkeyKey::Return);
        QTest::newRow("Space") << int(Qt::Key_Space) << none << false
                               << std::optional(HotkeyKey::Space);
        QTest::newRow("held Space repeats")
            << int(Qt::Key_Space) << none << true << std::optional<HotkeyKey>();
        QTest::newRow("Shift+Space")
            << int(Qt::Key_Space) << Qt::KeyboardModifiers(Qt::ShiftModifier) << false
            << std::optional<HotkeyKey>();
        QTest::newRow("Ctrl+keypad Enter")
            << int(Qt::Key_Enter) << Qt::KeyboardModifiers(Qt::KeypadModifier | Qt::ControlModifier)
            << false << std::optional<HotkeyKey>();
        QTest::newRow("Esc is no answer key")
            << int(Qt::Key_Escape) << none << false << std::optional<HotkeyKey>();
    }
    void windowKeyPress_answersOnlyAsPlainEnterOrSpace() {
        QFETCH(int, key);
        QFETCH(Qt::KeyboardModifiers, modifiers);
        QFETCH(bool, repeated);
        QFETCH(std::optional<HotkeyKey>, answer);
        Keys k;
        const QKeyEvent event(QEvent::KeyPress, key, modifiers, QString(), repeated);
        QCOMPARE(k.keys.windowAnswerKey(event), answer);
    }

    // The choice is read at each press, so a change in the chooser counts at once.
    void press_followsTheChoiceAtThatMoment() {
        Keys k;
        QVERIFY(!k.keys.press(hotkeyId(HotkeyKey::Return)));
        QVERIFY(k.answers.hotkey());
        k.system.Cnt_HotKey = hotkeyId(HotkeyKey::Space);
        QVERIFY(!k.keys.press(hotkeyId(HotkeyKey::Return)));
        QVERIFY(!k.answers.hotkey());
        QVERIFY(!k.keys.press(hotkeyId(HotkeyKey::Space)));
        QVERIFY(k.answers.hotkey());
        // Esc ends the quiz and takes back the answer.
        QVERIFY(k.keys.press(hotkeyId(HotkeyKey::Escape)));
        QVERIFY(!k.answers.hotkey());
    }

    void lamp_litForItsTicksThenOff_data() {
        QTest::addColumn<bool>("questionRunning");
        QTest::newRow("settings window") << false;
        QTest::newRow("during a question") << true;
    }
    void lamp_litForItsTicksThenOff() {
        QFETCH(bool, questionRunning);
        Keys k;
        k.keys.showLamp(questionRunning);
        QCOMPARE(k.lamp.picture(), int(ButtonPicture::LampOff));
        k.keys.press(hotkeyId(HotkeyKey::Return));
        for (int tick = 0; tick < AnswerChannel::kHotkeyLampTicks; ++tick) {
            k.keys.showLamp(questionRunning);
            QCOMPARE(k.lamp.picture(), int(ButtonPicture::KeyLampLit));
        }
        QVERIFY(!k.answers.hotkey());
        // An answer the lamp ended during a question still counts at the question's tick.
        QCOMPARE(k.answers.answered(), questionRunning);
        k.keys.showLamp(questionRunning);
        QCOMPARE(k.lamp.picture(), int(ButtonPicture::LampOff));
    }

    // While the keys are taken the window's own presses do not answer a second time; given
    // back, every key is free at once and the window answers again.
    void takeAndRelease_windowAnswersOnlyWhileNoKeyIsHeld() {
        Keys k;
        const QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        k.keys.takeAnswerKeys();
        for (const HotkeyKey key : kProgramHotkeys) {
            QVERIFY(k.keys.hotkeys()->isRegistered(hotkeyId(key)));
        }
        QCOMPARE(k.keys.windowAnswerKey(enter), std::optional<HotkeyKey>());
        k.keys.releaseAnswerKeys();
        for (const HotkeyKey key : kProgramHotkeys) {
            QVERIFY(!k.keys.hotkeys()->isRegistered(hotkeyId(key)));
        }
        QCOMPARE(k.keys.windowAnswerKey(enter), std::optional(HotkeyKey::Return));
        QCOMPARE(k.keys.focusNote()->isVisibleTo(&k.window), !k.keys.hotkeys()->isSystemWide());
    }
};

QTEST_MAIN(AnswerKeysTest)
#include "tst_answerkeys.moc"
