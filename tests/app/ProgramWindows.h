#pragma once

// The program's four windows as the entry point creates and joins them, for tests that drive
// the real main window. The splash is marked as shown: it has tests of its own, and run
// modally it would stop every test at the first show.

#include "Display.h"
#include "Help.h"
#include "Logo.h"
#include "MainForm.h"
#include "SoundEngine.h"

namespace numbrook::testing {

struct Program {
    // A sound engine of its own (not connected), or the caller's.
    SoundEngine ownEngine;
    TfmMain main;
    TfmHelp help;
    TfmLogo logo;
    TfmDisplay display;
    Program() : Program(ownEngine) {}
    explicit Program(SoundEngine &engine) : main(engine) {
        main.attachWindows(&help, &logo, &display);
        main.SplashShown = true;
    }
    Q_DISABLE_COPY_MOVE(Program)
};

} // namespace numbrook::testing
