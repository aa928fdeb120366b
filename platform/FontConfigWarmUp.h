#pragma once

#include <QtGlobal>

#include <thread>

namespace numbrook {

// Loads the desktop's font configuration and font caches on a thread of its own while the
// main thread connects to the display and opens the sound server. Reading the configuration
// is the largest single cost before the first window can show text; done beside the display
// connection it no longer delays the first paint. The fonts the program then asks for are
// the same: only the moment of loading changes.
class FontConfigWarmUp {
public:
    // Starts the loading. Create it first thing in main(), before the application object.
    FontConfigWarmUp();
    // Waits for the loading to end, if finish() did not.
    ~FontConfigWarmUp();
    Q_DISABLE_COPY_MOVE(FontConfigWarmUp)

    // Waits for the loading to end. Call it before the first window is built, so that the
    // main thread never loads the configuration a second time beside the warm-up thread.
    void finish();

private:
    std::thread thread_;
};

} // namespace numbrook
