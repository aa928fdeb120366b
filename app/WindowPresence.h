// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

#pragma once

#include <QObject>

class QTimer;
class QWidget;

namespace numbrook {

class AnswerChannel;
class SoundEngine;
class SoundObjectTable;

// What the program holds while a window of it is on screen: object 1's capture and the work
// timer while the settings window or the question display is shown, the thread counter while
// the settings window is. With neither on screen a lit key answer goes at once. Each show or
// hide is followed after it has settled, so a switch between the two windows never stops the
// capture.
class WindowPresence : public QObject {
    Q_OBJECT
public:
    WindowPresence(QWidget &settings, QWidget &display, SoundEngine &sound,
                   SoundObjectTable &objects, AnswerChannel &answers, QTimer &work,
                   QTimer &counter);
    Q_DISABLE_COPY_MOVE(WindowPresence)

    // The settings window appeared: the capture starts at once, the rest follows.
    void settingsShown();
    // A window was shown or hidden; several changes before the next event loop turn are
    // followed once.
    void schedule();
    // The program ends: nothing is started or stopped any more.
    void end() { ended_ = true; }

Q_SIGNALS:
    // The thread counter starts again: the counters should show what they would have shown
    // had it never stopped.
    void counterResumed();

private:
    void follow();

    QWidget &settings_;
    QWidget &display_;
    SoundEngine &sound_;
    SoundObjectTable &objects_;
    AnswerChannel &answers_;
    QTimer &work_;
    QTimer &counter_;
    bool pending_ = false;
    bool ended_ = false;
    // Whether a window of the program was on screen at the last follow.
    bool onScreen_ = false;
};

} // namespace numbrook
