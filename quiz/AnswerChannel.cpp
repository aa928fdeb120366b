// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

#include "AnswerChannel.h"

namespace numbrook {

namespace {

// The hold of the start-up run of the clap's hold timer.
constexpr int kStartUpHoldMs = 1000;

} // namespace

AnswerChannel::AnswerChannel(QObject *parent) : QObject(parent) {
    tmPorog1.setObjectName(QStringLiteral("tmPorog1"));
    tmPorog1.setSingleShot(true);
    tmPorog1.setInterval(kStartUpHoldMs);
    // Precise, so that a hold of one second never ends before the question timer's next tick.
    tmPorog1.setTimerType(Qt::PreciseTimer);
    connect(&tmPorog1, &QTimer::timeout, this, [this] {
        clapEnded();
        Q_EMIT clapHoldEnded();
    });
}

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

void AnswerChannel::clapHeard(int holdMs) {
    setClap(true);
    tmPorog1.stop();
    if (holdMs > 0) {
        tmPorog1.start(holdMs);
    }
}

void AnswerChannel::clapEnded() {
    tmPorog1.stop();
    setClap(false);
}

void AnswerChannel::startClapHold() {
    tmPorog1.start(kStartUpHoldMs);
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
