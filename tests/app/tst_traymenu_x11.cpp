// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

// The tray icon and menu on the test environment's X server, whose window manager has a
// notification area; the splash on the same screen. With NUMBROOK_SCREENSHOT_DIR set, the
// drawn menu and splash are saved there for review.
#include "SplashWindow.h"
#include "TestProgram.h"
#include "TrayMenu.h"

#include <QAction>
#include <QDir>
#include <QPainter>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

using namespace numbrook;

namespace {

void saveScreenshot(const QPixmap &picture, const QString &name) {
    const QString folder = qEnvironmentVariable("NUMBROOK_SCREENSHOT_DIR");
    if (!folder.isEmpty())
        picture.save(QDir(folder).filePath(name));
}

QPixmap square(QColor colour) {
    QPixmap picture(16, 16);
    picture.fill(colour);
    return picture;
}

} // namespace

class TrayMenuX11Test : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void trayIcon_showsInNotificationArea();
    void menu_itemsRightOfGradientCaption();
    void splash_placedOnDesktopAndDrawn();

private:
    QTemporaryDir config_;
    std::unique_ptr<testing::ConfigHome> home_;
};

void TrayMenuX11Test::initTestCase() {
    QVERIFY2(!qEnvironmentVariableIsEmpty("DISPLAY"), "run inside scripts/test-env.sh");
    home_ = std::make_unique<testing::ConfigHome>(config_.path());
}

void TrayMenuX11Test::trayIcon_showsInNotificationArea() {
    QTRY_VERIFY_WITH_TIMEOUT(TrayIcon::available(), 10000);
    TrayIcon tray(QIcon(square(Qt::yellow)), {});
    QVERIFY(!tray.isVisible());
    tray.show();
    QVERIFY(tray.isVisible());
    // The icon's place in the notification area becomes known once it is docked.
    QTRY_VERIFY_WITH_TIMEOUT(tray.geometry().isValid(), 5000);
    tray.hide();
}

void TrayMenuX11Test::menu_itemsRightOfGradientCaption() {
    TrayIcon tray(QIcon(square(Qt::yellow)), {square(Qt::red), square(Qt::green), square(Qt::blue),
                                              square(Qt::cyan), square(Qt::magenta)});
    tray.item(3)->setText(QStringLiteral("Go to our website"));
    tray.item(4)->setText(QStringLiteral("Visit the program page"));
    tray.item(5)->setText(QStringLiteral("Exit the program"));
    TrayMenu *menu = tray.menu();
    menu->popup(QPoint(300, 300));
    QVERIFY(QTest::qWaitForWindowExposed(menu));

    for (int number = 1; number <= 5; ++number)
        QVERIFY(menu->actionGeometry(tray.item(number)).left() >= TrayMenu::CaptionWidth);

    const QImage drawn = menu->grab().toImage();
    saveScreenshot(QPixmap::fromImage(drawn), QStringLiteral("tray-menu.png"));
    // The strip is blue, darker at the bottom than at the top.
    const QColor top = drawn.pixelColor(1, 2);
    const QColor bottom = drawn.pixelColor(1, drawn.height() - 3);
    QVERIFY(top.blue() > top.red() && bottom.blue() > bottom.red());
    QVERIFY(bottom.lightness() < top.lightness());
    // Some caption text is drawn in the strip's light colour.
    int light = 0;
    for (int y = 0; y < drawn.height(); ++y) {
        for (int x = 0; x < TrayMenu::CaptionWidth; ++x)
            light += drawn.pixelColor(x, y).lightness() > 200 ? 1 : 0;
    }
    QVERIFY(light > 20);
    menu->hide();
}

void TrayMenuX11Test::splash_placedOnDesktopAndDrawn() {
    TfmLogo logo;
    QPixmap picture(400, 300);
    picture.fill(QColor(0x10, 0x50, 0x8D));
    logo.setPictures(picture, square(Qt::white), square(Qt::green));
    logo.show();
    QVERIFY(QTest::qWaitForWindowExposed(&logo));
    const int width = logo.screen()->virtualGeometry().width();
    QTRY_COMPARE(logo.geometry().topLeft(), TfmLogo::SplashPosition(width));
    QTest::qWait(700);
    QVERIFY(logo.gaugeValue() > 0);
    saveScreenshot(logo.grab(), QStringLiteral("splash.png"));
    logo.close();
}

QTEST_MAIN(TrayMenuX11Test)
#include "tst_traymenu_x11.moc"
