// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

#include "StopWaker.h"

#include <pulse/mainloop.h>

#include <cstdint>
#include <sys/eventfd.h>
#include <unistd.h>

namespace numbrook {

StopWaker::StopWaker() : fd_(eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK)) {}

StopWaker::~StopWaker() {
    if (fd_ >= 0) {
        close(fd_);
    }
}

void StopWaker::watchFrom(pa_mainloop *loop) const {
    if (fd_ < 0) {
        return;
    }
    // The descriptor is never read: once the stop is requested it stays readable, and every
    // later wait of the loop returns at once until the worker has wound up.
    pa_mainloop_api *api = pa_mainloop_get_api(loop);
    api->io_new(
        api, fd_, PA_IO_EVENT_INPUT,
        [](pa_mainloop_api *, pa_io_event *, int, pa_io_event_flags_t, void *) {}, nullptr);
}

void StopWaker::requestStop() const {
    if (fd_ >= 0) {
        const std::uint64_t one = 1;
        // Only fails when the counter is full, which leaves it readable anyway.
        [[maybe_unused]] const ssize_t written = write(fd_, &one, sizeof one);
    }
}

} // namespace numbrook
