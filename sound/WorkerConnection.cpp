// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

#include "WorkerConnection.h"

namespace numbrook {

namespace {

// How often a worker whose stop request cannot wake it looks for the request itself.
constexpr std::chrono::microseconds kStopPollStep{10000};

} // namespace

WorkerConnection::~WorkerConnection() {
    if (stream) {
        pa_stream_set_read_callback(stream, nullptr, nullptr);
        pa_stream_set_write_callback(stream, nullptr, nullptr);
        pa_stream_unref(stream);
    }
    if (context) {
        pa_context_disconnect(context);
        pa_context_unref(context);
    }
    if (loop) {
        pa_mainloop_free(loop);
    }
}

WorkerConnection::Connect WorkerConnection::connect(const char *clientName,
                                                    std::chrono::microseconds step,
                                                    const QThread &thread) {
    loop = pa_mainloop_new();
    if (!loop) {
        return Connect::Failed;
    }
    if (waker_) {
        waker_->watchFrom(loop);
    }
    context = pa_context_new(pa_mainloop_get_api(loop), clientName);
    if (!context || pa_context_connect(context, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0) {
        return Connect::Failed;
    }
    while (pa_context_get_state(context) != PA_CONTEXT_READY) {
        if (!PA_CONTEXT_IS_GOOD(pa_context_get_state(context)) || !iterate(step)) {
            return Connect::Failed;
        }
        if (thread.isInterruptionRequested()) {
            return Connect::Cancelled;
        }
    }
    return Connect::Ready;
}

bool WorkerConnection::iterate(std::chrono::microseconds timeout) {
    if (timeout == kNoTimeLimit && !(waker_ && waker_->usable())) {
        timeout = kStopPollStep;
    }
    return pa_mainloop_prepare(loop, int(timeout.count())) >= 0 && pa_mainloop_poll(loop) >= 0 &&
           pa_mainloop_dispatch(loop) >= 0;
}

} // namespace numbrook
