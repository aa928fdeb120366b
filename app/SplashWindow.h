// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

#pragma once

#include "WindowDrag.h"

#include <QDialog>
#include <QPoint>

class QLabel;
class QProgressBar;
class QTimer;

namespace numbrook {

// The splash window: the logo with a loading gauge for about three seconds before the main
// window is first shown.
class SplashWindow : public QDialog {
    Q_OBJECT
public:
    explicit SplashWindow(QWidget *parent = nullptr);
    Q_DISABLE_COPY_MOVE(SplashWindow)

    // The window's top-left corner on a desktop `desktopWidth` pixels wide (all monitors):
    // centred with a division that truncates toward zero, top edge at 200.
    static QPoint SplashPosition(int desktopWidth);

    void setPictures(const QPixmap &logo, const QPixmap &loading, const QPixmap &done);

    // One tick of Timer_Work (public so the schedule can be driven directly).
    void Timer_WorkTimer();

    int gaugeValue() const;
    bool loadPictureShown() const;
    bool donePictureShown() const;

    // Work timer ticks since the splash was shown.
    qint32 splashTicks() const { return SplashTicks; }

Q_SIGNALS:
    // The splash has closed; the main window records that it was shown.
    void splashClosed();

protected:
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void done(int result) override;

private:
    QLabel *Img_Logo;
    QProgressBar *Ind_Load;
    QLabel *Img_Load;
    QLabel *Img_Done;
    QTimer *Timer_Work;
    WindowDrag drag_;
    qint32 SplashTicks = 0;
};

using TfmLogo = SplashWindow;

} // namespace numbrook
