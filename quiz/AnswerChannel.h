// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

#pragma once

#include <QObject>

namespace numbrook {

// The child's "correct": a clap heard by sound object 1 or a press of the answer key. The
// question cycle reads and clears it; the main window's hidden boxes cbPorog1 and cbHotKey1
// only show the two flags.
class AnswerChannel : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    Q_DISABLE_COPY_MOVE(AnswerChannel)

    bool clap() const { return clap_; }
    bool hotkey() const { return hotkey_; }
    void setClap(bool on);
    void setHotkey(bool on);

    // The hotkey lamp has cleared the hotkey flag after its second while a quiz runs: the
    // answer it held still counts at the next tick of the question timer, which may come a
    // little later.
    void keepHotkeyAnswer() { hotkeyKept_ = true; }
    // Whether an answer is waiting: the clap is looked at first, then the hotkey.
    bool answered() const { return clap_ || hotkey_ || hotkeyKept_; }
    // A question tick has read the kept answer; it counts for that tick only.
    void endTick() { hotkeyKept_ = false; }
    // Clears both flags and the kept answer (a new question, the end of a cycle).
    void clear();

Q_SIGNALS:
    void clapChanged(bool on);
    void hotkeyChanged(bool on);

private:
    bool clap_ = false;
    bool hotkey_ = false;
    bool hotkeyKept_ = false;
};

} // namespace numbrook
