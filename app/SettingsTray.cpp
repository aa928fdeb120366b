// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

#include "SettingsTray.h"

#include "BitmapLists.h"
#include "ShellActions.h"
#include "StringTable.h"
#include "TrayMenu.h"

#include <QWidget>

namespace numbrook {

namespace {

TrayIcon *buildTrayIcon(const QIcon &icon, QObject *parent) {
    std::array<QIcon, TrayIcon::ItemCount> itemPictures;
    for (int i = 0; i < TrayIcon::ItemCount; ++i) {
        itemPictures[std::size_t(i)] = MenuItemIcon(i + 1);
    }
    return new TrayIcon(icon, itemPictures, parent);
}

} // namespace

SettingsTray::SettingsTray(const QIcon &icon, const StringTable &strings, QWidget &window)
    : QObject(&window), strings_(strings), window_(window),
      TrayIcon_(buildTrayIcon(icon, &window)) {
    connect(TrayIcon_, &TrayIcon::doubleClicked, this, &SettingsTray::TrayIconDblClick);
    connect(TrayIcon_, &TrayIcon::itemTriggered, this, &SettingsTray::itemTriggered);
}

void SettingsTray::minimise() {
    MinimiseToTray(&window_, TrayIcon_);
}

void SettingsTray::TrayIconDblClick() {
    RestoreFromTray(&window_, TrayIcon_);
}

void SettingsTray::itemTriggered(int item) {
    switch (item) {
    case 1:
        Q_EMIT languageChosen(LanguageRussian);
        break;
    case 2:
        Q_EMIT languageChosen(LanguageEnglish);
        break;
    case 3:
        OpenHomePage(strings_.languageIndex());
        break;
    case 4:
        OpenProgramPage(strings_.languageIndex());
        break;
    case 6:
        Q_EMIT resultsRequested();
        break;
    default:
        window_.close();
        break;
    }
}

} // namespace numbrook
