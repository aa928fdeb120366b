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

// The program's windows as they are a moment after the first paint: every sound object's
// controls built and loaded, so that a test can reach them before it shows the window.
struct Program : OwnSoundEngine, ProgramWindows {
    Program() : ProgramWindows(ownEngine) { complete(); }
    // The windows on the caller's engine (for instance one connected to the test server).
    explicit Program(SoundEngine &engine) : ProgramWindows(engine) { complete(); }
    Q_DISABLE_COPY_MOVE(Program)

private:
    void complete() {
        main().setSplashShown(true);
        main().buildRemainingObjectPages();
    }
};

// Tests find controls by their objectName, as screen readers do.
inline QWidget *control(const QWidget &window, const QString &name) {
    return window.findChild<QWidget *>(name);
}
inline PictureButton *button(const QWidget &window, const QString &name) {
    return window.findChild<PictureButton *>(name);
}

} // namespace numbrook::testing
