// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

#include "WindowDrag.h"

#include <QApplication>
#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

namespace numbrook {

namespace {

// Whether a window can place itself on this window system.
bool windowsPlaceThemselves() {
    return !QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

} // namespace

void WindowDrag::pressed(const QWidget &window, const QMouseEvent &event) {
    if (event.button() == Qt::LeftButton) {
        press_ = Press{event.globalPosition(), window.pos()};
    } else {
        press_.reset();
    }
}

void WindowDrag::moved(QWidget &window, const QMouseEvent &event) {
    if (!press_) {
        return;
    }
    if (!(event.buttons() & Qt::LeftButton)) {
        press_.reset();
        return;
    }
    const QPointF distance = event.globalPosition() - press_->pointer;
    if (!press_->dragging) {
        if (distance.manhattanLength() < QApplication::startDragDistance()) {
            return;
        }
        if (!windowsPlaceThemselves()) {
            press_.reset();
            if (QWindow *handle = window.windowHandle()) {
                handle->startSystemMove();
            }
            return;
        }
        press_->dragging = true;
    }
    window.move(press_->window + distance.toPoint());
}

} // namespace numbrook
