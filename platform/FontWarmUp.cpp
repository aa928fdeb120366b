#include "FontWarmUp.h"

#include <QFontDatabase>
#include <QStringList>

#include <fontconfig/fontconfig.h>

#include <system_error>

namespace numbrook {

FontWarmUp::FontWarmUp() {
    // Without the thread the toolkit does the same work itself when the first text is measured.
    try {
        thread_ = std::thread([this] { run(); });
    } catch (const std::system_error &) {
    }
}

FontWarmUp::~FontWarmUp() {
    finish();
}

void FontWarmUp::applicationReady() {
    {
        const std::lock_guard lock(mutex_);
        next_ = Next::FontList;
    }
    changed_.notify_one();
}

void FontWarmUp::finish() {
    {
        const std::lock_guard lock(mutex_);
        if (next_ == Next::Wait)
            next_ = Next::End;
    }
    changed_.notify_one();
    if (thread_.joinable())
        thread_.join();
}

void FontWarmUp::run() {
    FcInit();
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return next_ != Next::Wait; });
    if (next_ == Next::FontList) {
        lock.unlock();
        // Fills the toolkit's font database (under its own lock), which every font look-up
        // of the windows then finds ready.
        (void)QFontDatabase::families();
    }
}

} // namespace numbrook
