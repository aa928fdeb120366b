// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

#pragma once

#include <QString>
#include <QtGlobal>
#include <algorithm>
#include <array>

namespace numbrook {

inline constexpr int kKindCount = 10;

// The quiz settings a parent chooses in the settings panel, stored in the settings key.
struct QuizSettings {
    qint32 Diff_Math = 0;  // difficulty level 1..3
    qint32 Speed_Math = 0; // seconds a question stays on screen, 1..10
    qint32 Screen_Res = 0; // 0: 800 x 600 window, 1: the whole desktop
    // The boolean settings keep the integer that was stored: any non-zero value is true, while
    // the settings panel draws a box as ticked only for exactly 1 and toggles anything else to 1.
    qint32 Show_Points = 0;
    qint32 Show_Otvet_Mode = 0;
    // The question scaled to the board's width (a value of its own, off unless stored).
    qint32 Large_Text = 0;
    // Level-1 questions drawn mostly from the facts the child does not know yet (off unless
    // stored), and the question shown with the signs taught at school.
    qint32 Practice_Math = 0;
    qint32 School_Notation = 0;
    // Seconds within which a true equation must be answered for its fact to count as fluent.
    qint32 Fluency_Time = 3;
    // Kind flags, indexed 1..10 (element 0 is unused).
    std::array<qint32, kKindCount + 1> Znak_Math{};
    bool SettingsLoaded = false;

    qint32 &Znak(int kind) { return Znak_Math.at(static_cast<std::size_t>(kind)); }
    qint32 Znak(int kind) const { return Znak_Math.at(static_cast<std::size_t>(kind)); }
    // Every kind is switched off: the quiz then asks the first kind.
    bool noKindOn() const {
        return std::all_of(Znak_Math.begin() + 1, Znak_Math.end(),
                           [](qint32 on) { return on == 0; });
    }

    // Reads every value from the settings key; a missing value, or one of another type, leaves
    // the default and the load goes on. A level outside 1..3 reads as 1.
    void LoadQuizSettings();
    void SaveQuizSettings() const;

    // The values one child keeps of their own (everything but the fluency time), as
    // "name=value" lines; reading takes every known name and leaves the others as they are.
    QString childValues() const;
    void setChildValues(const QString &text);
};

} // namespace numbrook
