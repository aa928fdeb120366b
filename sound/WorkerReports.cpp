// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

#include "WorkerReports.h"

#include "MainThreadCalls.h"
#include "SoundErrors.h"

#include <optional>

namespace numbrook {

bool WorkerReports::deliver(const std::function<void()> &report, bool fromOutputSide) {
    std::optional<QString> failure;
    calls_.callOnMainThread([&] {
        try {
            report();
        } catch (...) {
            failure = ExceptionText(std::current_exception());
        }
    });
    if (failure) {
        errors_.ReportSoundError(kCaughtError, *failure, fromOutputSide);
    }
    return !failure;
}

} // namespace numbrook
