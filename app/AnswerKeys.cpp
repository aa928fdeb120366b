// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

#include "AnswerKeys.h"

#include "AnswerChannel.h"
#include "BitmapLists.h"
#include "ShellActions.h"
#include "SkinWidgets.h"
#include "SystemSettings.h"

#include <QKeyEvent>
#include <algorithm>

namespace numbrook {

AnswerKeys::AnswerKeys(AnswerChannel &answers, const SystemSettings &system, PictureButton &lamp,
                       QWidget &window)
    : QObject(&window), answers_(answers), system_(system), lamp_(lamp),
      hotkeys_(new GlobalHotkeys(this)), focusNote_(buildFocusNote(window)) {}

SkinLabel *AnswerKeys::buildFocusNote(QWidget &window) const {
    // Right of the answer lamp, level with the chooser, where the panel is empty.
    auto *note = new SkinLabel(QString(), &window);
    note->setObjectName(QStringLiteral("Lbl_HotKey_Focus"));
    note->setWordWrap(true);
    note->setTextColor(Qt::white);
    QFont font = note->font();
    font.setPointSizeF(font.pointSizeF() * 0.85);
    note->setFont(font);
    note->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    note->setGeometry(616, 306, 176, 60);
    note->setVisible(!hotkeys_->isSystemWide());
    return note;
}

void AnswerKeys::takeAnswerKeys() {
    for (const HotkeyKey key : kProgramHotkeys) {
        hotkeys_->registerHotkey(hotkeyId(key), key);
    }
}

void AnswerKeys::releaseAnswerKeys() {
    hotkeys_->unregisterAll();
}

bool AnswerKeys::held() const {
    return std::any_of(std::begin(kProgramHotkeys), std::end(kProgramHotkeys),
                       [this](HotkeyKey key) { return hotkeys_->isRegistered(hotkeyId(key)); });
}

bool AnswerKeys::press(int id) {
    const HotkeyOutcome outcome = HotkeyPressed(id, system_.Cnt_HotKey);
    answers_.setHotkey(outcome.answerTicked);
    return outcome.closeDisplay;
}

std::optional<HotkeyKey> AnswerKeys::windowAnswerKey(const QKeyEvent &event) const {
    if (event.isAutoRepeat() || held()) {
        return std::nullopt;
    }
    if (event.modifiers() == Qt::NoModifier) {
        switch (event.key()) {
        case Qt::Key_Return:
            return HotkeyKey::Return;
        case Qt::Key_Space:
            return HotkeyKey::Space;
        default:
            break;
        }
    }
    // The keypad's Enter carries the keypad modifier.
    if (event.key() == Qt::Key_Enter &&
        (event.modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        return HotkeyKey::Return;
    }
    return std::nullopt;
}

void AnswerKeys::showLamp(bool questionRunning) {
    if (!answers_.hotkey()) {
        lamp_.setPicture(ButtonPicture::LampOff);
        return;
    }
    lamp_.setPicture(ButtonPicture::KeyLampLit);
    answers_.lampTick(questionRunning);
}

} // namespace numbrook
