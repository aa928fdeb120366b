// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

#include "ShellActions.h"

#include "AutostartEntry.h"
#include "GlobalHotkeys.h"
#include "ShellOpen.h"
#include "StringTable.h"
#include "TrayMenu.h"
#include "WebPages.h"

#include <QApplication>
#include <QMessageBox>
#include <QWidget>

#include <algorithm>

namespace numbrook {

QString HotkeyChoiceName(qint32 choice) {
    if (choice == hotkeyId(HotkeyKey::Return))
        return QStringLiteral("ENTER");
    if (choice == hotkeyId(HotkeyKey::Space))
        return QStringLiteral("SPACE");
    return {};
}

HotkeyOutcome HotkeyPressed(int id, qint32 answerChoice) {
    HotkeyOutcome outcome;
    // The other answer key only unticks, which takes back a press made just before it.
    outcome.answerTicked = id == answerChoice;
    outcome.closeDisplay = id == hotkeyId(HotkeyKey::Escape);
    return outcome;
}

void ApplyAutoRun(bool on, QWidget *parent) {
    const QString executable = QCoreApplication::applicationFilePath();
    const AutostartEntry entry(ProgramTitle(executable));
    if (!on) {
        entry.remove();
        return;
    }
    if (!entry.write(executable)) {
        QMessageBox::critical(
            parent, QCoreApplication::applicationName(),
            QCoreApplication::translate("ShellActions", "Failed to set data for '%1'")
                .arg(entry.title()));
    }
}

void OpenHomePage(qint32 languageIndex) {
    const QUrl page = HomePageUrl(languageIndex);
    if (!page.isEmpty())
        OpenWithDesktop(page);
}

void OpenProgramPage(qint32 languageIndex) {
    const QUrl page = ProgramPageUrl(languageIndex);
    if (!page.isEmpty())
        OpenWithDesktop(page);
}

void MinimiseToTray(QWidget *mainWindow, TrayIcon *tray) {
    if (tray && TrayIcon::available()) {
        tray->show();
        mainWindow->hide();
    } else {
        mainWindow->showMinimized();
    }
}

void RestoreFromTray(QWidget *mainWindow, TrayIcon *tray) {
    if (mainWindow->isMinimized())
        mainWindow->showNormal();
    else
        mainWindow->show();
    mainWindow->raise();
    mainWindow->activateWindow();
    if (tray)
        tray->hide();
}

QPoint MainWindowPlace(QSize window, int desktopWidth, const QRect &available) {
    // As designed: centred across the desktop, the division truncating toward zero, top 10.
    QPoint place((desktopWidth - window.width()) / 2, 10);
    // Kept inside the area the desktop's panels leave free, so that Start and the caption
    // buttons stay reachable; where the window is larger, its top left corner is that area's.
    const auto inside = [](int at, int length, int first, int room) {
        return length > room ? first : std::clamp(at, first, first + room - length);
    };
    place.setX(inside(place.x(), window.width(), available.left(), available.width()));
    place.setY(inside(place.y(), window.height(), available.top(), available.height()));
    return place;
}

} // namespace numbrook
