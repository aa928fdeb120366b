// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

#pragma once

#include <QPoint>
#include <QPointF>
#include <optional>

class QMouseEvent;
class QWidget;

namespace numbrook {

// Drags a frameless window: a left press where dragging may start, then a move past the
// platform's drag distance with the button still held, moves the window with the pointer
// until the release. A click (press and release without that move) never moves the window.
// On X11 the window moves itself, so it follows the pointer from the press on and nothing is
// left waiting for a release; where a window cannot place itself (Wayland) the window manager
// takes over the move while the button is held.
class WindowDrag {
public:
    // A press the window received where a drag may start.
    void pressed(const QWidget &window, const QMouseEvent &event);
    // A move of the pointer over the window (or anywhere while the button is held).
    void moved(QWidget &window, const QMouseEvent &event);
    void released() { press_.reset(); }

private:
    struct Press {
        QPointF pointer; // global
        QPoint window;   // the window's position then
        bool dragging = false;
    };
    std::optional<Press> press_;
};

} // namespace numbrook
