// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

#pragma once

#include "InterfaceLanguages.h"

#include <QPoint>
#include <QRect>
#include <QString>

class QWidget;

namespace numbrook {

class TrayIcon;

// The desktop-facing steps of the main window's handlers, kept apart from its controls.

// A boolean option toggled: exactly 1 becomes 0, anything else becomes 1.
constexpr qint32 ToggledOption(qint32 value) {
    return value == 1 ? 0 : 1;
}

// The answer key choice brought back to 0 (Enter) or 1 (Space): above 1 gives 0, then below
// 0 gives 1.
constexpr qint32 NormalisedHotkeyChoice(qint32 choice) {
    if (choice > 1)
        choice = 0;
    if (choice < 0)
        choice = 1;
    return choice;
}
// "ENTER" for 0, "SPACE" for 1.
QString HotkeyChoiceName(qint32 choice);

// The language after an arrow click: the next one in index order for a step of 1, the one
// before for -1, round from the last to the first and back; an index that names no language
// counts as English.
constexpr qint32 SwitchedLanguage(qint32 languageIndex, int step = 1) {
    const qint32 from =
        languageIndex >= 0 && languageIndex < InterfaceLanguageCount ? languageIndex : 0;
    return (from + step % InterfaceLanguageCount + InterfaceLanguageCount) % InterfaceLanguageCount;
}

// What a hotkey press does to the answer box and the windows.
struct HotkeyOutcome {
    bool answerTicked = false; // the box ends ticked (it is always unticked first)
    bool closeDisplay = false; // Esc: close the question display, show the main window and
                               // remove the tray icon
};
HotkeyOutcome HotkeyPressed(int id, qint32 answerChoice);

// Writes (on) or removes (off) the autostart entry for the running executable. A failed
// write shows "Failed to set data for '<title>'" in a message box over `parent`; a failed
// removal is silent.
void ApplyAutoRun(bool on, QWidget *parent);

// Opens the site's home page or the program page in the desktop's browser. An index that names
// no language does nothing.
void OpenHomePage(qint32 languageIndex);
void OpenProgramPage(qint32 languageIndex);

// Sends the main window to the notification area: shows the icon and hides the window. Where
// the desktop has no notification area the window is minimised to the taskbar instead, so
// it can always be brought back.
void MinimiseToTray(QWidget *mainWindow, TrayIcon *tray);
// Brings the main window back from the notification area and removes the icon.
void RestoreFromTray(QWidget *mainWindow, TrayIcon *tray);

// Where the main window goes on a desktop `desktopWidth` pixels wide whose free area (without
// the desktop's panels) is `available`: centred at top 10 where that lies inside the free area,
// otherwise moved into it, and at its top left corner where the window is larger than it.
QPoint MainWindowPlace(QSize window, int desktopWidth, const QRect &available);

} // namespace numbrook
