// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

// What the main window holds from the desktop, and when: the answer keys only while a quiz
// runs, object 1's microphone and the periodic timers only while a window of the program is on
// screen.
#include "MainWindow.h"

#include "AnswerChannel.h"
#include "AnswerKeys.h"
#include "QuestionDisplay.h"
#include "SoundEngine.h"
#include "SoundObjectTable.h"
#include "StringTable.h"

#include <QKeyEvent>
#include <QTimer>

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
            answerKeys_->releaseAnswerKeys();
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
    if (const std::optional<HotkeyKey> key = answerKeys_->windowAnswerKey(*event)) {
        HotkeyMessage(hotkeyId(*key));
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

} // namespace numbrook
