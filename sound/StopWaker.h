// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

#pragma once

#include <QtGlobal>

// The loop type of the sound server's client library, kept out of this header so that the
// threads' headers, which other folders include, do not bring in the library's headers.
struct pa_mainloop;

namespace numbrook {

// Ends a worker's waits for the server from the moment the worker is asked to stop, so that
// the worker can wait without a time limit instead of waking every few milliseconds to look
// for the request. It lives as long as the worker's thread object; requestStop() may be called
// from any thread, also after the worker has ended.
class StopWaker {
public:
    StopWaker();
    ~StopWaker();
    Q_DISABLE_COPY_MOVE(StopWaker)

    // False when the system gave no wake-up descriptor; waits then keep a time limit.
    bool usable() const { return fd_ >= 0; }
    // Makes `loop` end every wait once the stop is requested (the event goes with the loop).
    void watchFrom(pa_mainloop *loop) const;
    void requestStop() const;

private:
    int fd_;
};

} // namespace numbrook
