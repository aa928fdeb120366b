#include "FontConfigWarmUp.h"

#include <fontconfig/fontconfig.h>

#include <system_error>

namespace numbrook {

FontConfigWarmUp::FontConfigWarmUp() {
    // Without a thread Qt loads the configuration itself when the first text is measured.
    try {
        thread_ = std::thread([] { FcInit(); });
    } catch (const std::system_error &) {
    }
}

FontConfigWarmUp::~FontConfigWarmUp() {
    finish();
}

void FontConfigWarmUp::finish() {
    if (thread_.joinable())
        thread_.join();
}

} // namespace numbrook
