// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

// The shows and hides the main window follows: its own, and the question display's, whose hide
// gives the answer keys back; and the key presses it takes as answers.
#include "MainWindow.h"

#include "AnswerKeys.h"
#include "QuestionDisplay.h"
#include "WindowPresence.h"

#include <QKeyEvent>

namespace numbrook {

bool MainWindow::quizRunning() const {
    return display_.isVisible();
}

void MainWindow::hideEvent(QHideEvent *event) {
    // A minimised window stays on screen in the taskbar: only a real hide counts.
    if (!event->spontaneous()) {
        presence_->schedule();
    }
    QWidget::hideEvent(event);
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event) {
    if (watched == &display_ && !event->spontaneous()) {
        if (event->type() == QEvent::Hide) {
            // Every end of a quiz hides the question display: the keys go back at once.
            answerKeys_->releaseAnswerKeys();
            presence_->schedule();
        } else if (event->type() == QEvent::Show) {
            presence_->schedule();
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

} // namespace numbrook
