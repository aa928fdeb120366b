// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

#pragma once

#include <QString>
#include <QStringList>

namespace numbrook {

// The parts of the environment that decide which window system Qt talks to.
struct WindowSystemEnvironment {
    QString sessionType;    // XDG_SESSION_TYPE
    QString waylandDisplay; // WAYLAND_DISPLAY
    QString x11Display;     // DISPLAY
    QString qtPlatform;     // QT_QPA_PLATFORM

    static WindowSystemEnvironment current();
};

// True when the program should run on X11 although the session is Wayland: the answer keys
// are system-wide only on X11, and a Wayland session with an X display offers X11 through
// XWayland. A platform the user chose (QT_QPA_PLATFORM, or -platform on the command line)
// always stands.
bool shouldRunOnX11(const WindowSystemEnvironment &environment, const QStringList &arguments);

// Applies shouldRunOnX11 to this process by setting QT_QPA_PLATFORM=xcb. Call it before the
// application object is made.
void preferX11OnWayland(int argc, char **argv);

} // namespace numbrook
