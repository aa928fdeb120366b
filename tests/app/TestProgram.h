// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

#pragma once

// The program's windows as the entry point creates them, for tests that drive the real main
// window. The splash is marked as shown: it has tests of its own, and run modally it would
// stop every test at the first show.

#include "ConfigHome.h"
#include "ProgramWindows.h"
#include "SkinWidgets.h"
#include "SoundEngine.h"

namespace numbrook::testing {

// A sound engine of the test's own, not connected: built before the windows that use it. Its
// object file lies in the test's configuration folder when the test set one.
struct OwnSoundEngine {
    OwnSoundEngine() {
        const QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
        if (!config.isEmpty()) {
            ownEngine.objectIni.setPath(config + QStringLiteral("/objects.ini"));
        }
    }
    SoundEngine ownEngine;
};

struct Program : OwnSoundEngine, ProgramWindows {
    Program() : ProgramWindows(ownEngine) { main().setSplashShown(true); }
    // The windows on the caller's engine (for instance one connected to the test server).
    explicit Program(SoundEngine &engine) : ProgramWindows(engine) { main().setSplashShown(true); }
    Q_DISABLE_COPY_MOVE(Program)
};

// Tests find controls by their objectName, as screen readers do.
inline QWidget *control(const QWidget &window, const QString &name) {
    return window.findChild<QWidget *>(name);
}
inline PictureButton *button(const QWidget &window, const QString &name) {
    return window.findChild<PictureButton *>(name);
}

} // namespace numbrook::testing
