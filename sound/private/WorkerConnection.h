// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

#pragma once

#include <QThread>
#include <QtGlobal>
#include <chrono>
#include <pulse/context.h>
#include <pulse/mainloop.h>
#include <pulse/stream.h>

#include "StopWaker.h"

namespace numbrook {

// A wait of a worker's loop that only the server or a stop request ends.
inline constexpr std::chrono::microseconds kNoTimeLimit{-1};

// A worker thread's own connection to the sound server: a main loop that the thread runs
// itself, a context and one stream, released in the right order whatever happens. Capture and
// playback threads each hold one, so that no worker ever waits on the main thread's connection.
struct WorkerConnection {
    pa_mainloop *loop = nullptr;
    pa_context *context = nullptr;
    pa_stream *stream = nullptr;

    // `waker`, when given, ends every wait of this connection's loop on a stop request.
    explicit WorkerConnection(const StopWaker *waker = nullptr) : waker_(waker) {}
    ~WorkerConnection();
    Q_DISABLE_COPY_MOVE(WorkerConnection)

    enum class Connect { Ready, Failed, Cancelled };
    // Connects as client `clientName` and runs the loop until the context is ready, failed, or
    // `thread` is asked to stop; each wait lasts at most `step`.
    Connect connect(const char *clientName, std::chrono::microseconds step, const QThread &thread);

    // One pass of the loop, waiting at most `timeout` (kNoTimeLimit: as long as it takes) for
    // the server or a stop request. False when it is broken.
    bool iterate(std::chrono::microseconds timeout);

    // The context's own error code; 0 without a context.
    int contextErrno() const { return context ? pa_context_errno(context) : 0; }
    // The connection or the stream has failed.
    bool broken() const {
        return !PA_CONTEXT_IS_GOOD(pa_context_get_state(context)) ||
               pa_stream_get_state(stream) != PA_STREAM_READY;
    }

private:
    const StopWaker *const waker_;
};

} // namespace numbrook
