// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

#pragma once

#include <QObject>

class QIcon;
class QWidget;

namespace numbrook {

class StringTable;
class TrayIcon;

// The settings window's notification-area icon: minimising to it, a double click bringing the
// window back, and its menu's items (the two interface languages, the two web pages, the
// results and the exit).
class SettingsTray : public QObject {
    Q_OBJECT
public:
    // Builds the icon with `icon` for `window`, which its exit item closes.
    SettingsTray(const QIcon &icon, const StringTable &strings, QWidget &window);
    Q_DISABLE_COPY_MOVE(SettingsTray)

    TrayIcon *trayIcon() const { return TrayIcon_; }
    // Hides the window and shows the icon, or minimises to the taskbar where there is no
    // notification area.
    void minimise();
    // Brings the window back and hides the icon.
    void TrayIconDblClick();

Q_SIGNALS:
    // A language item chose the interface language with this index.
    void languageChosen(qint32 languageIndex);
    // The results item was clicked.
    void resultsRequested();

private:
    void itemTriggered(int item);

    const StringTable &strings_;
    QWidget &window_;
    TrayIcon *TrayIcon_;
};

} // namespace numbrook
