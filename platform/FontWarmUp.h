#pragma once

#include <QtGlobal>

#include <condition_variable>
#include <mutex>
#include <thread>

namespace numbrook {

// Loads the fonts' set-up on a thread of its own while the main thread does what must come
// before the first window: connecting to the display, asking for a running copy, opening the
// sound server. Reading the desktop's font configuration and listing its fonts is the largest
// single cost before the first window can show text; done beside the display connection it
// no longer delays the first paint. The fonts the program then asks for are the same: only
// the moment of loading changes.
//
// Two steps: the font configuration first, which needs nothing from the toolkit; then, once
// the application object exists (it chooses the font database), the toolkit's list of fonts.
class FontWarmUp {
public:
    // Starts the first step. Create it first thing in main(), before the application object.
    FontWarmUp();
    // Calls finish().
    ~FontWarmUp();
    Q_DISABLE_COPY_MOVE(FontWarmUp)

    // The application object exists: the thread goes on to the toolkit's font list. Call it
    // while the application object is sure to outlive finish().
    void applicationReady();
    // Waits for the thread to end; the second step, if not yet asked for, is left out. Call
    // it before the first window is built.
    void finish();

private:
    void run();

    std::thread thread_;
    std::mutex mutex_;
    std::condition_variable changed_;
    enum class Next { Wait, FontList, End } next_ = Next::Wait;
};

} // namespace numbrook
