#include "MainThreadCall.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QMetaObject>
#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>

namespace numbrook {

namespace {

struct Call {
    std::function<void()> function;
    bool taken = false; // the main thread has started it
    bool done = false;
    bool ran = false;
};

struct CallQueue {
    std::mutex mutex;
    std::condition_variable changed;
    std::deque<std::shared_ptr<Call>> pending;
    bool shutDown = false;
};

CallQueue &queue() {
    static CallQueue instance;
    return instance;
}

bool onMainThread() {
    const QCoreApplication *app = QCoreApplication::instance();
    return app && QThread::currentThread() == app->thread();
}

// Takes one pending call, or none.
std::shared_ptr<Call> takeCall() {
    CallQueue &q = queue();
    std::lock_guard lock(q.mutex);
    if (q.pending.empty()) {
        return nullptr;
    }
    std::shared_ptr<Call> call = q.pending.front();
    q.pending.pop_front();
    call->taken = true;
    return call;
}

void finish(const std::shared_ptr<Call> &call, bool ran) {
    CallQueue &q = queue();
    {
        std::lock_guard lock(q.mutex);
        call->done = true;
        call->ran = ran;
    }
    q.changed.notify_all();
}

} // namespace

void runPendingMainThreadCalls() {
    while (std::shared_ptr<Call> call = takeCall()) {
        bool ran = false;
        try {
            call->function();
            ran = true;
        } catch (...) {
            // A failing report must never take the main loop down.
        }
        finish(call, ran);
    }
}

bool callOnMainThread(const std::function<void()> &function) {
    if (onMainThread()) {
        function();
        return true;
    }
    QCoreApplication *app = QCoreApplication::instance();
    if (!app) {
        return false;
    }
    CallQueue &q = queue();
    auto call = std::make_shared<Call>();
    call->function = function;
    {
        std::lock_guard lock(q.mutex);
        if (q.shutDown) {
            return false;
        }
        q.pending.push_back(call);
    }
    QMetaObject::invokeMethod(app, [] { runPendingMainThreadCalls(); }, Qt::QueuedConnection);
    // Wake a main thread that sits in waitForThread().
    q.changed.notify_all();
    std::unique_lock lock(q.mutex);
    // A call the main thread has started is always waited for: it may use the caller's data.
    q.changed.wait(lock, [&] { return call->done || (q.shutDown && !call->taken); });
    if (!call->done) {
        // Shut down while still queued: take it back so that it never runs.
        std::erase(q.pending, call);
        return false;
    }
    return call->ran;
}

bool waitForThread(QThread *thread, int timeoutMs) {
    if (!thread) {
        return true;
    }
    QDeadlineTimer deadline = timeoutMs < 0 ? QDeadlineTimer(QDeadlineTimer::Forever)
                                            : QDeadlineTimer(timeoutMs);
    CallQueue &q = queue();
    while (!thread->wait(QDeadlineTimer(0))) {
        runPendingMainThreadCalls();
        if (deadline.hasExpired()) {
            return false;
        }
        std::unique_lock lock(q.mutex);
        q.changed.wait_for(lock, std::chrono::milliseconds(5),
                           [&] { return !q.pending.empty(); });
    }
    runPendingMainThreadCalls();
    return true;
}

void shutDownMainThreadCalls() {
    CallQueue &q = queue();
    {
        std::lock_guard lock(q.mutex);
        q.shutDown = true;
    }
    q.changed.notify_all();
}

void restartMainThreadCalls() {
    CallQueue &q = queue();
    std::lock_guard lock(q.mutex);
    q.shutDown = false;
}

} // namespace numbrook
