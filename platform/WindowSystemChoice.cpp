// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

#include "WindowSystemChoice.h"

#include "CommandLine.h"

namespace numbrook {

namespace {

bool platformOnCommandLine(const QStringList &arguments) {
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        QString argument = arguments[i];
        if (argument == QLatin1String("--"))
            return false;
        // Qt reads --platform as -platform.
        if (argument.startsWith(QLatin1String("--")))
            argument.remove(0, 1);
        if (argument == QLatin1String("-platform") ||
            argument.startsWith(QLatin1String("-platform=")))
            return true;
    }
    return false;
}

} // namespace

WindowSystemEnvironment WindowSystemEnvironment::current() {
    return {qEnvironmentVariable("XDG_SESSION_TYPE"), qEnvironmentVariable("WAYLAND_DISPLAY"),
            qEnvironmentVariable("DISPLAY"), qEnvironmentVariable("QT_QPA_PLATFORM")};
}

bool shouldRunOnX11(const WindowSystemEnvironment &environment, const QStringList &arguments) {
    const bool waylandSession =
        environment.sessionType.compare(QLatin1String("wayland"), Qt::CaseInsensitive) == 0 ||
        !environment.waylandDisplay.isEmpty();
    return waylandSession && !environment.x11Display.isEmpty() &&
           environment.qtPlatform.isEmpty() && !platformOnCommandLine(arguments);
}

void preferX11OnWayland(int argc, char **argv) {
    if (shouldRunOnX11(WindowSystemEnvironment::current(), argumentList(argc, argv)))
        qputenv("QT_QPA_PLATFORM", "xcb");
}

} // namespace numbrook
