// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

#pragma once

#include <QtGlobal>

namespace numbrook {

// The program's own options beside the quiz settings, stored in the same settings key. The
// boolean options are integers, on only when exactly 1, as the settings panel draws them.
struct SystemSettings {
    qint32 HintShow = 0;    // tooltips shown
    qint32 MinFormShow = 0; // the main window goes to the notification area at its first activation
    qint32 AutoRun = 0;     // the program starts with the desktop session
    qint32 Show_SPDIF = 0;  // digital outputs listed among the output devices
    qint32 Cnt_HotKey = 0;  // the answer key: 0 Enter, 1 Space

    // Reads the values from the settings key. The tooltips, the minimised start and the
    // autostart start as on, off and off whatever was stored; a value of another type reads as
    // missing (off, Enter), and the load goes on.
    void LoadSystemSettings();
    void SaveSystemSettings() const;
};

} // namespace numbrook
