// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

#include "WindowPresence.h"

#include "AnswerChannel.h"
#include "SoundEngine.h"
#include "SoundObjectTable.h"

#include <QTimer>
#include <QWidget>

namespace numbrook {

namespace {

void runWhile(QTimer &timer, bool run) {
    if (run && !timer.isActive()) {
        timer.start();
    } else if (!run && timer.isActive()) {
        timer.stop();
    }
}

} // namespace

WindowPresence::WindowPresence(QWidget &settings, QWidget &display, SoundEngine &sound,
                               SoundObjectTable &objects, AnswerChannel &answers, QTimer &work,
                               QTimer &counter)
    : QObject(&settings), settings_(settings), display_(display), sound_(sound), objects_(objects),
      answers_(answers), work_(work), counter_(counter) {}

void WindowPresence::settingsShown() {
    onScreen_ = true;
    objects_.startMic(1);
    schedule();
}

void WindowPresence::schedule() {
    if (pending_) {
        return;
    }
    pending_ = true;
    QTimer::singleShot(0, this, [this] {
        pending_ = false;
        follow();
    });
}

void WindowPresence::follow() {
    if (ended_) {
        return;
    }
    const bool settingsShown = settings_.isVisible();
    const bool onScreen = settingsShown || display_.isVisible();
    // Only a change acts: a capture stopped with its own button stays stopped while shown.
    if (onScreen != onScreen_) {
        onScreen_ = onScreen;
        if (onScreen) {
            objects_.startMic(1);
        } else if (sound_.captures.running(1)) {
            // Stopping also empties the level bar and ends the signalling.
            objects_.btStopMic1Click(1);
        }
    }
    if (!onScreen) {
        answers_.windowsHidden();
    }
    runWhile(work_, onScreen);
    if (settingsShown && !counter_.isActive()) {
        Q_EMIT counterResumed();
    }
    runWhile(counter_, settingsShown);
}

} // namespace numbrook
