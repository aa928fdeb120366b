// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

#pragma once

#include <QObject>
#include <QTimer>
#include <functional>

struct pa_context;
struct pa_operation;
struct pa_threaded_mainloop;

namespace numbrook {

// The main thread's connection to the sound server: a threaded main loop for device lists,
// volumes and change events.
//
// Calls from the main thread lock the loop, start an operation and wait for it; the loop's
// callbacks copy what they need and signal the waiting thread, and change events are posted to
// the main thread as Qt signals. Callbacks never wait for the main thread.
//
// No wait is unbounded: a call that gets no answer within kWaitBoundMs is cancelled and fails
// with PA_ERR_TIMEOUT, and until the server answers again (a probe is sent) every call fails at
// once rather than waiting again. When the server cannot be reached or goes away, every call
// fails at once and a retry timer connects again in the background; `reconnected` says when
// the server can be used again.
class PulseConnection : public QObject {
    Q_OBJECT
public:
    // The longest the main thread waits for the server.
    static constexpr int kWaitBoundMs = 2000;
    // How often a lost connection is tried again.
    static constexpr int kRetryIntervalMs = 500;

    PulseConnection();
    ~PulseConnection() override;
    Q_DISABLE_COPY_MOVE(PulseConnection)

    // Connects and waits, at most kWaitBoundMs, until the context is ready or failed; true when
    // ready. Otherwise the connection goes on in the background (retrying when it failed) and
    // `reconnected` follows once it is ready.
    bool open();
    // Starts connecting without waiting (retrying when it fails); `reconnected` follows once
    // the connection is ready.
    void openInBackground();
    // Disconnects and stops retrying.
    void close();
    // Connected, and the server answers.
    bool isReady() const;

    // The error code of the last failed call: the context's own error, PA_ERR_CONNECTIONREFUSED
    // when there is no connection, PA_ERR_TIMEOUT when the server did not answer in time.
    int lastError() const { return lastError_; }

    // Runs `start` with the loop locked and waits until the operation it returns has ended (or
    // the connection failed, or kWaitBoundMs passed). `start` passes callbacks that call
    // signalLoop() of this connection; use `userdata` structures that live on the caller's
    // stack. False when there is no connection, the operation could not be started, the
    // connection failed meanwhile or the server did not answer in time (the operation is
    // cancelled then, so its callback never runs afterwards).
    bool run(const std::function<pa_operation *(pa_context *)> &start);

    // For callbacks on the loop's thread: wakes the waiting main thread.
    void signalLoop() const;

Q_SIGNALS:
    // A source (capture device) changed, for example its volume. Main thread.
    void sourceChanged(quint32 index);
    // A sink or source was added or removed. Main thread; bursts are not coalesced here.
    void devicesChanged();
    // The server can be used again after it could not: connected after a failed or lost
    // connection, or answering again after it stopped answering. Main thread.
    void reconnected();

private:
    // The libpulse callbacks, which reach the private members.
    struct Callbacks;

    // Starts connecting a new context; does not wait. False when that could not even start.
    bool startConnecting();
    // Waits with the loop locked until `done` holds, the context fails or kWaitBoundMs passed;
    // true when `done` holds.
    bool waitLocked(const std::function<bool()> &done);
    void subscribeLocked(pa_context *context);
    void dropContext();
    // Main thread: the context became ready, or failed.
    void noticeReady(pa_context *context);
    void noticeLoss(pa_context *context);
    // Main thread: a call timed out; probe the server and fail every call until it answers.
    void noticeStall();
    void noticeAnswer();
    void announceReady();

    pa_threaded_mainloop *loop_ = nullptr;
    pa_context *context_ = nullptr;
    QTimer retry_;
    int lastError_ = 0;
    // The current context has been reported usable (by open() or `reconnected`).
    bool announced_ = false;
    // A call timed out and the server has not answered since.
    bool stalled_ = false;
};

} // namespace numbrook
