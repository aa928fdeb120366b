// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

#pragma once

#include <QObject>

namespace numbrook {

// The child's "correct": a clap heard by sound object 1 or a press of the answer key, from the
// moment it is set until it is cleared. The clap follows object 1's signalling, which its own
// hold timer ends. The key is held for ten ticks of the main window's work timer (one second);
// a press whose lamp ends while a quiz runs is kept for the next question tick, and for that
// tick only. The question cycle clears both at a question's start and at a cycle's end; hiding
// every window drops a lit key. The main window's hidden boxes cbPorog1 and cbHotKey1 and the two
// lamps only show the flags.
class AnswerChannel : public QObject {
    Q_OBJECT
public:
    // Work timer ticks for which a key press stays lit.
    static constexpr qint32 kHotkeyLampTicks = 10;

    using QObject::QObject;
    Q_DISABLE_COPY_MOVE(AnswerChannel)

    bool clap() const { return clap_; }
    bool hotkey() const { return hotkey_; }
    void setClap(bool on);
    void setHotkey(bool on);

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
    // Clears both flags and the kept answer (a new question, the end of a cycle).
    void clear();
    // No window of the program is on screen: the work timer stops, so a lit key would wait for
    // the next quiz; it goes at once, with its lamp count.
    void windowsHidden();

Q_SIGNALS:
    void clapChanged(bool on);
    void hotkeyChanged(bool on);

private:
    bool clap_ = false;
    bool hotkey_ = false;
    bool hotkeyKept_ = false;
    qint32 HotkeyLampTicks = 0;
};

} // namespace numbrook
