// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

#pragma once

#include <QObject>
#include <QThread>
#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>

namespace numbrook {

// Synchronous calls from worker threads into the main (GUI) thread.
//
// A worker hands a function to callOnMainThread() and waits until the main thread has run it,
// as a window message sent from a worker is handled before the sender goes on. The main thread
// never deadlocks against such a worker: when it waits for a worker to end it uses
// waitForThread(), which keeps carrying out the calls that workers queue meanwhile.
//
// Called on the main thread itself, callOnMainThread() runs the function directly. The object
// lives on the main thread.
class MainThreadCalls : public QObject {
    Q_OBJECT
public:
    MainThreadCalls() = default;
    ~MainThreadCalls() override;
    Q_DISABLE_COPY_MOVE(MainThreadCalls)

    // Runs `function` on the main thread and waits for it; false when it did not run (no
    // application, or it threw).
    bool callOnMainThread(const std::function<void()> &function);

    // Waits until `thread` has finished, carrying out pending calls meanwhile. Main thread
    // only. False when the thread did not finish within `timeoutMs` (negative: no limit).
    bool waitForThread(QThread *thread, int timeoutMs = -1);

    // Carries out every call queued so far (main thread only).
    Q_INVOKABLE void runPendingMainThreadCalls();

private:
    struct Call;
    std::shared_ptr<Call> takeCall();
    void finish(const std::shared_ptr<Call> &call, bool ran);

    std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<std::shared_ptr<Call>> pending_;
};

} // namespace numbrook
