// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

#pragma once

#include "MicrophoneCheck.h"

#include <QElapsedTimer>
#include <QObject>

#include <optional>

class QPushButton;
class QTimer;
class QWidget;

namespace numbrook {

class SkinLabel;
class SoundEngine;
class SoundObjectTable;
class StringTable;
struct SoundObjectPanel;

// The microphone check in the actions area: for a few seconds object 1's level reports (the
// ones that drive its level bar) are collected while the parent claps twice; the check then
// proposes a threshold between the background and the claps, which one click applies to
// object 1's threshold bar, or says why it proposes none.
class MicrophoneCheckPanel : public QObject {
    Q_OBJECT
public:
    // Builds the check's button, message line and apply button on `window`, right of object
    // 1's level bar and lamp.
    MicrophoneCheckPanel(const SoundObjectPanel &objectOne, const StringTable &strings,
                         QWidget &window);
    Q_DISABLE_COPY_MOVE(MicrophoneCheckPanel)

    // Listens to object 1's level reports and reaches its capture through `objects`.
    void connectObjects(SoundEngine &sound, SoundObjectTable &objects);
    // A few seconds of level reports while the parent claps twice, then the proposed threshold
    // or why there is none.
    void start();
    // Sets object 1's threshold to the check's proposal; nothing without one.
    void apply();
    const std::optional<MicrophoneCheckResult> &result() const { return result_; }
    // The button, the line and the level bar's marks for the check's state, in the interface
    // language.
    void showTexts();

private:
    void finish();

    const SoundObjectPanel &objectOne_;
    const StringTable &strings_;
    SoundObjectTable *objects_ = nullptr;
    MicrophoneCheck check_;
    QElapsedTimer clock_; // monotonic, for the check's level reports
    QTimer *timer_ = nullptr;
    std::optional<MicrophoneCheckResult> result_;
    QPushButton *checkButton_ = nullptr;
    QPushButton *applyButton_ = nullptr;
    SkinLabel *line_ = nullptr;
};

} // namespace numbrook
