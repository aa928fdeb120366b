// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

#pragma once

#include "GlobalHotkeys.h"

#include <QObject>
#include <optional>

class QKeyEvent;
class QWidget;

namespace numbrook {

class AnswerChannel;
class PictureButton;
class SkinLabel;
struct SystemSettings;

// The child's answer keys: held for the whole desktop while a quiz runs and given back at its
// end; while they are not held, Enter and Space pressed in the settings window answer the same
// way. A press of the chosen key sets the answer channel's key flag, the other key clears it,
// Esc asks to end the quiz. The key lamp shows the flag and counts its ticks.
class AnswerKeys : public QObject {
    Q_OBJECT
public:
    // `window` holds the note shown where the keys cannot be held for the whole desktop;
    // `lamp` is the key lamp of the settings panel. The answer key is `system.Cnt_HotKey`.
    AnswerKeys(AnswerChannel &answers, const SystemSettings &system, PictureButton &lamp,
               QWidget &window);
    Q_DISABLE_COPY_MOVE(AnswerKeys)

    GlobalHotkeys *hotkeys() const { return hotkeys_; }
    // "The answer key works only while a window of the program has the focus", beside the
    // chooser; shown only where the keys cannot be held for the whole desktop.
    SkinLabel *focusNote() const { return focusNote_; }

    // Takes Enter, Space and Esc for the whole desktop; a key another program holds stays
    // absent (the grab logs it).
    void takeAnswerKeys();
    // Gives every key back at once.
    void releaseAnswerKeys();

    // A press of hotkey `id`: ticks or unticks the answer. True for Esc, which ends the quiz.
    bool press(int id);
    // The answer key a key press in a window of the program stands for: Enter (the keypad's
    // too) and Space without modifiers, not repeated, while no key is held for the desktop.
    std::optional<HotkeyKey> windowAnswerKey(const QKeyEvent &event) const;

    // One tick of the work timer: the lamp shows the key flag, and while it is lit the channel
    // counts the tick. `questionRunning` keeps an answer the lamp ends for the next question.
    void showLamp(bool questionRunning);

private:
    bool held() const;
    SkinLabel *buildFocusNote(QWidget &window) const;

    AnswerChannel &answers_;
    const SystemSettings &system_;
    PictureButton &lamp_;
    GlobalHotkeys *hotkeys_;
    SkinLabel *focusNote_;
};

} // namespace numbrook
