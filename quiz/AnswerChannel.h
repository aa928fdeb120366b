// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

#pragma once

#include <QObject>
#include <QTimer>

namespace numbrook {

// The child's "correct" from the moment it is set until it is cleared, and every rule of that
// life:
// - a clap is object 1's signalling switching on; it is held for the object's hold time after
//   the last clap by the hold timer `tmPorog1`, which then ends object 1's signalling;
// - a key press is held for ten ticks of the main window's work timer (one second); a press
//   whose lamp ends while a quiz runs is kept for the next question tick, and for that tick
//   only;
// - a question's start and a cycle's end clear both, without touching the clap's hold; hiding
//   every window drops a lit key.
// The main window's hidden boxes cbPorog1 and cbHotKey1 and the two lamps only show the flags.
class AnswerChannel : public QObject {
    Q_OBJECT
public:
    // Work timer ticks for which a key press stays lit.
    static constexpr qint32 kHotkeyLampTicks = 10;

    explicit AnswerChannel(QObject *parent = nullptr);
    Q_DISABLE_COPY_MOVE(AnswerChannel)

    bool clap() const { return clap_; }
    bool hotkey() const { return hotkey_; }
    void setClap(bool on);
    void setHotkey(bool on);

    // Object 1's signalling switched on: the clap is set and held for `holdMs` after this, the
    // last, clap; a hold of 0 ms ends only with `clapEnded`.
    void clapHeard(int holdMs);
    // Object 1's signalling switched off (its hold ended, or its capture stopped): the clap
    // goes and the hold stops.
    void clapEnded();
    // Runs the clap's hold once at start, for one second, as every object's hold timer does,
    // so that object 1's signalling is switched off once shortly after start.
    void startClapHold();
    // The clap's hold timer.
    const QTimer &clapHold() const { return tmPorog1; }

    // One tick of the work timer while the key lamp is lit: after the tenth the key flag goes.
    // The count is not reset when the flag is cleared elsewhere, so a leftover count shortens
    // the next press. With `quizRunning` the answer the lamp ended is kept for the next
    // question tick, which may come a little later: the lamp's second and the question's second
    // run apart.
    void lampTick(bool quizRunning);
    qint32 lampTicks() const { return HotkeyLampTicks; }

    // The key lamp has cleared the key flag while a quiz runs: its answer still counts at the
    // next tick of the question timer.
    void keepHotkeyAnswer() { hotkeyKept_ = true; }
    // Whether an answer is waiting: the clap is looked at first, then the key.
    bool answered() const { return clap_ || hotkey_ || hotkeyKept_; }
    // A question tick has read the kept answer; it counts for that tick only.
    void endTick() { hotkeyKept_ = false; }
    // Clears both flags and the kept answer (a new question, the end of a cycle). The clap's
    // hold runs on: it still ends object 1's signalling when its time is up.
    void clear();
    // No window of the program is on screen: the work timer stops, so a lit key would wait for
    // the next quiz; it goes at once, with its lamp count. The clap goes with object 1's
    // capture, which stops then.
    void windowsHidden();

Q_SIGNALS:
    void clapChanged(bool on);
    void hotkeyChanged(bool on);
    // The clap's hold time has passed: object 1's signalling is to be switched off.
    void clapHoldEnded();

private:
    bool clap_ = false;
    bool hotkey_ = false;
    bool hotkeyKept_ = false;
    qint32 HotkeyLampTicks = 0;
    QTimer tmPorog1;
};

} // namespace numbrook
