// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

#include "AnswerChannel.h"

namespace numbrook {

void AnswerChannel::setClap(bool on) {
    if (clap_ != on) {
        clap_ = on;
        Q_EMIT clapChanged(on);
    }
}

void AnswerChannel::setHotkey(bool on) {
    if (hotkey_ != on) {
        hotkey_ = on;
        Q_EMIT hotkeyChanged(on);
    }
}

void AnswerChannel::lampTick(bool quizRunning) {
    if (!hotkey_) {
        return;
    }
    ++HotkeyLampTicks;
    if (HotkeyLampTicks >= kHotkeyLampTicks) {
        HotkeyLampTicks = 0;
        setHotkey(false);
        if (quizRunning) {
            keepHotkeyAnswer();
        }
    }
}

void AnswerChannel::windowsHidden() {
    HotkeyLampTicks = 0;
    setHotkey(false);
}

void AnswerChannel::clear() {
    hotkeyKept_ = false;
    setClap(false);
    setHotkey(false);
}

} // namespace numbrook
