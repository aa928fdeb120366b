// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

#include "SplashWindow.h"

#include "BitmapLists.h"
#include "TaskbarEntry.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QProgressBar>
#include <QScreen>
#include <QTimer>
#include <QWindow>

namespace numbrook {

namespace {

constexpr int SplashWidth = 400;
constexpr int SplashHeight = 300;
constexpr int SplashTop = 200;
constexpr int LastTick = 30;

} // namespace

SplashWindow::SplashWindow(QWidget *parent)
    : QDialog(parent), Img_Logo(new QLabel(this)), Ind_Load(new QProgressBar(this)),
      Img_Load(new QLabel(this)), Img_Done(new QLabel(this)), Timer_Work(new QTimer(this)) {
    setObjectName(QStringLiteral("fmLogo"));
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setModal(true);
    setFixedSize(SplashWidth, SplashHeight);
    setAutoFillBackground(true);
    QPalette background = palette();
    background.setColor(QPalette::Window, QColor(223, 223, 223));
    setPalette(background);

    Img_Logo->setObjectName(QStringLiteral("Img_Logo"));
    Img_Logo->setScaledContents(true);
    Ind_Load->setObjectName(QStringLiteral("Ind_Load"));
    Ind_Load->setRange(0, 100);
    Ind_Load->setValue(0);
    Ind_Load->setTextVisible(false);
    Img_Load->setObjectName(QStringLiteral("Img_Load"));
    Img_Load->setScaledContents(true);
    Img_Done->setObjectName(QStringLiteral("Img_Done"));
    Img_Done->setScaledContents(true);
    Img_Done->hide();

    Timer_Work->setObjectName(QStringLiteral("Timer_Work"));
    Timer_Work->setInterval(100);
    connect(Timer_Work, &QTimer::timeout, this, &SplashWindow::Timer_WorkTimer);
    // The pictures are drawn at the first showing: most starts show no splash.
}

QPoint SplashWindow::SplashPosition(int desktopWidth) {
    // C++ integer division truncates toward zero, as the placement requires for desktops
    // narrower than the window.
    return {(desktopWidth - SplashWidth) / 2, SplashTop};
}

void SplashWindow::setPictures(const QPixmap &logo, const QPixmap &loading, const QPixmap &done) {
    Img_Logo->setPixmap(logo);
    Img_Load->setPixmap(loading);
    Img_Done->setPixmap(done);
}

void SplashWindow::showEvent(QShowEvent *event) {
    // Up for three seconds before the main window: no taskbar entry of its own.
    if (QWindow *window = windowHandle()) {
        SkipTaskbarAndPager(*window);
    }
    // The pictures are drawn at the first showing: most starts show no splash at all.
    if (Img_Logo->pixmap().isNull()) {
        setPictures(LogoPicture(), LoadPicture(), DonePicture());
    }
    const QScreen *screen = QGuiApplication::primaryScreen();
    const int desktopWidth = screen ? screen->virtualGeometry().width() : SplashWidth;
    setGeometry(QRect(SplashPosition(desktopWidth), QSize(SplashWidth, SplashHeight)));
    Img_Logo->setGeometry(0, 0, SplashWidth, SplashHeight);
    Ind_Load->setGeometry(256, 18, 140, 15);
    Ind_Load->show();
    Img_Load->setGeometry(256, 6, 33, 49);
    Img_Load->show();
    Img_Done->setGeometry(256, 6, 25, 49);
    Img_Done->hide();
    Timer_Work->start();
    QDialog::showEvent(event);
}

void SplashWindow::Timer_WorkTimer() {
    const int t = ++SplashTicks;
    if ((t >= 1 && t <= 5) || (t >= 7 && t <= 12) || (t >= 14 && t <= 20))
        Ind_Load->setValue(Ind_Load->value() + 5);
    if (t == 6 || t == 13 || t == 21)
        Ind_Load->setValue(Ind_Load->value() + 3);
    if (t == 20) {
        Img_Load->hide();
        Img_Done->show();
    }
    if (t > LastTick)
        close();
}

int SplashWindow::gaugeValue() const {
    return Ind_Load->value();
}
bool SplashWindow::loadPictureShown() const {
    return !Img_Load->isHidden();
}
bool SplashWindow::donePictureShown() const {
    return !Img_Done->isHidden();
}

void SplashWindow::keyPressEvent(QKeyEvent *event) {
    // Esc would end the dialog early; the splash runs its full time, and nothing shows before.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void SplashWindow::mousePressEvent(QMouseEvent *event) {
    // The logo picture passes its presses on to the window, so both drag it.
    drag_.pressed(*this, *event);
    event->accept();
}

void SplashWindow::mouseMoveEvent(QMouseEvent *event) {
    drag_.moved(*this, *event);
}

void SplashWindow::mouseReleaseEvent(QMouseEvent *) {
    drag_.released();
}

void SplashWindow::done(int result) {
    Timer_Work->stop();
    QDialog::done(result);
    Q_EMIT splashClosed();
}

} // namespace numbrook
