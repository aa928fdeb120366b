// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

#pragma once

#include <QColor>

namespace numbrook {

class SoundEngine;
class StringTable;
struct MainControls;

// The counts of running playback and capture threads under the settings panel, and the playing
// indicator: red while sound plays, blue otherwise, its hint and name saying which.
class ThreadCounters {
public:
    // Shows the indicator of `controls` silent.
    ThreadCounters(const MainControls &controls, const SoundEngine &sound,
                   const StringTable &strings);
    Q_DISABLE_COPY_MOVE(ThreadCounters)

    // The playing indicator's colour for the state it shows.
    static QColor indicatorColour(bool playing);
    // Counts the threads and shows the counts and the indicator.
    void show();
    // The indicator's hint and name in the interface language, for the state it shows now.
    void nameIndicator();

private:
    void nameIndicator(bool playing);

    const MainControls &c_;
    const SoundEngine &sound_;
    const StringTable &strings_;
};

} // namespace numbrook
