// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

#pragma once

#include <QMenu>
#include <QSystemTrayIcon>

#include <array>

namespace numbrook {

// The notification-area menu: a vertical "Numbrook" caption on a blue gradient strip down its
// left side, and the items to its right.
class TrayMenu : public QMenu {
    Q_OBJECT
public:
    explicit TrayMenu(QWidget *parent = nullptr);
    Q_DISABLE_COPY_MOVE(TrayMenu)

    static constexpr int CaptionWidth = 22;

protected:
    void paintEvent(QPaintEvent *event) override;
};

// The notification-area icon with tooltip "Numbrook" and its menu Menu_Tray with the items
// TrayMenu_1..TrayMenu_6 (6, the results, stands above 5, the exit). Not shown until the program is
// minimised or a quiz starts.
class TrayIcon : public QSystemTrayIcon {
    Q_OBJECT
public:
    static constexpr int ItemCount = 6;
    // `itemPictures` holds the small icons of items 1..6.
    TrayIcon(const QIcon &icon, const std::array<QIcon, ItemCount> &itemPictures,
             QObject *parent = nullptr);
    ~TrayIcon() override;
    Q_DISABLE_COPY_MOVE(TrayIcon)

    TrayMenu *menu() const { return Menu_Tray; }
    // Item 1..6.
    QAction *item(int number) const;

    // Whether the desktop has a notification area to show the icon in; where it has none the
    // main window minimises to the taskbar instead, so the program can always be brought back.
    static bool available() { return QSystemTrayIcon::isSystemTrayAvailable(); }

Q_SIGNALS:
    void doubleClicked();
    void itemTriggered(int number);

private:
    TrayMenu *Menu_Tray;
    std::array<QAction *, ItemCount> items_{};
};

} // namespace numbrook
