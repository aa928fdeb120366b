// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

// What the main window holds from the desktop, and when: the answer keys only while a quiz
// runs, object 1's microphone and the periodic timers only while a window of the program is on
// screen.
#include "MainWindow.h"

#include "AnswerChannel.h"
#include "GlobalHotkeys.h"
#include "QuestionDisplay.h"
#include "SkinWidgets.h"
#include "SoundEngine.h"
#include "SoundObjectTable.h"
#include "StringTable.h"

#include <QKeyEvent>
#include <QTimer>
#include <algorithm>

namespace numbrook {

namespace {

void runWhile(QTimer *timer, bool run) {
    if (run && !timer->isActive()) {
        timer->start();
    } else if (!run && timer->isActive()) {
        timer->stop();
    }
}

} // namespace

bool MainWindow::quizRunning() const {
    return display_.isVisible();
}

void MainWindow::takeAnswerKeys() {
    // A key another program holds stays absent; the grab logs it.
    for (const HotkeyKey key : kProgramHotkeys) {
        hotkeys_->registerHotkey(hotkeyId(key), key);
    }
}

void MainWindow::hideEvent(QHideEvent *event) {
    // A minimised window stays on screen in the taskbar: only a real hide counts.
    if (!event->spontaneous()) {
        scheduleFollowVisibility();
    }
    QWidget::hideEvent(event);
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event) {
    if (watched == &display_ && !event->spontaneous()) {
        if (event->type() == QEvent::Hide) {
            // Every end of a quiz hides the question display: the keys go back at once.
            hotkeys_->unregisterAll();
            scheduleFollowVisibility();
        } else if (event->type() == QEvent::Show) {
            scheduleFollowVisibility();
        }
    }
    return QWidget::eventFilter(watched, event);
}

void MainWindow::keyPressEvent(QKeyEvent *event) {
    // While the keys are not held for the desktop, Enter and Space pressed in this window still
    // answer and light the lamp.
    const bool held =
        std::any_of(std::begin(kProgramHotkeys), std::end(kProgramHotkeys),
                    [this](HotkeyKey key) { return hotkeys_->isRegistered(hotkeyId(key)); });
    if (!held && !event->isAutoRepeat() && event->modifiers() == Qt::NoModifier) {
        switch (event->key()) {
        case Qt::Key_Return:
            HotkeyMessage(hotkeyId(HotkeyKey::Return));
            return;
        case Qt::Key_Space:
            HotkeyMessage(hotkeyId(HotkeyKey::Space));
            return;
        default:
            break;
        }
    }
    // The keypad's Enter carries the keypad modifier.
    if (!held && !event->isAutoRepeat() && event->key() == Qt::Key_Enter &&
        (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        HotkeyMessage(hotkeyId(HotkeyKey::Return));
        return;
    }
    QWidget::keyPressEvent(event);
}

void MainWindow::scheduleFollowVisibility() {
    if (followPending_) {
        return;
    }
    followPending_ = true;
    QTimer::singleShot(0, this, [this] {
        followPending_ = false;
        followVisibility();
    });
}

void MainWindow::followVisibility() {
    if (closed_ || destroyed_) {
        return;
    }
    const bool settingsShown = isVisible();
    const bool onScreen = settingsShown || quizRunning();
    // Only a change acts: a capture stopped with its own button stays stopped while shown.
    if (onScreen != onScreen_) {
        onScreen_ = onScreen;
        if (onScreen) {
            startObjectOneCapture();
        } else if (sound_.captures.running(1)) {
            // Stopping also empties the level bar and ends the signalling.
            objects_->btStopMic1Click(1);
        }
    }
    if (!onScreen) {
        answers_.windowsHidden();
    }
    runWhile(Timer_Work_, onScreen);
    if (settingsShown && !fmThreadCount_->isActive()) {
        // The counters show what they would have shown had the timer never stopped.
        fmThreadCountTimer();
    }
    runWhile(fmThreadCount_, settingsShown);
}

void MainWindow::buildHotkeyFocusNote() {
    // Right of the answer lamp, level with the chooser, where the panel is empty.
    auto *note = new SkinLabel(QString(), this);
    note->setObjectName(QStringLiteral("Lbl_HotKey_Focus"));
    note->setWordWrap(true);
    note->setTextColor(Qt::white);
    QFont font = note->font();
    font.setPointSizeF(font.pointSizeF() * 0.85);
    note->setFont(font);
    note->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    note->setGeometry(616, 306, 176, 60);
    note->setVisible(!hotkeys_->isSystemWide());
    c_.Lbl_HotKey_Focus = note;
}

} // namespace numbrook
