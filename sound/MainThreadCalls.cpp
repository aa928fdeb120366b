// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

#include "MainThreadCalls.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QMetaObject>

namespace numbrook {

struct MainThreadCalls::Call {
    std::function<void()> function;
    bool done = false;
    bool ran = false;
};

namespace {

bool onMainThread() {
    const QCoreApplication *app = QCoreApplication::instance();
    return app && QThread::currentThread() == app->thread();
}

} // namespace

MainThreadCalls::~MainThreadCalls() {
    // Nobody may still wait: the owner stops its workers first. Whatever is left is carried out
    // so that no caller's data is left referenced.
    runPendingMainThreadCalls();
}

std::shared_ptr<MainThreadCalls::Call> MainThreadCalls::takeCall() {
    std::lock_guard lock(mutex_);
    if (pending_.empty()) {
        return nullptr;
    }
    std::shared_ptr<Call> call = pending_.front();
    pending_.pop_front();
    return call;
}

void MainThreadCalls::finish(const std::shared_ptr<Call> &call, bool ran) {
    {
        std::lock_guard lock(mutex_);
        call->done = true;
        call->ran = ran;
    }
    changed_.notify_all();
}

void MainThreadCalls::runPendingMainThreadCalls() {
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

bool MainThreadCalls::callOnMainThread(const std::function<void()> &function) {
    if (onMainThread()) {
        function();
        return true;
    }
    if (!QCoreApplication::instance()) {
        return false;
    }
    auto call = std::make_shared<Call>();
    call->function = function;
    {
        std::lock_guard lock(mutex_);
        pending_.push_back(call);
    }
    // Queued by name, so the wake-up carries no object of ours built here and read there: the
    // only state the two threads share is `pending_`, under `mutex_`.
    QMetaObject::invokeMethod(this, "runPendingMainThreadCalls", Qt::QueuedConnection);
    // Wake a main thread that sits in waitForThread().
    changed_.notify_all();
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [&] { return call->done; });
    return call->ran;
}

bool MainThreadCalls::waitForThread(QThread *thread, int timeoutMs) {
    if (!thread) {
        return true;
    }
    QDeadlineTimer deadline =
        timeoutMs < 0 ? QDeadlineTimer(QDeadlineTimer::Forever) : QDeadlineTimer(timeoutMs);
    while (!thread->wait(QDeadlineTimer(0))) {
        runPendingMainThreadCalls();
        if (deadline.hasExpired()) {
            return false;
        }
        std::unique_lock lock(mutex_);
        changed_.wait_for(lock, std::chrono::milliseconds(5), [&] { return !pending_.empty(); });
    }
    runPendingMainThreadCalls();
    return true;
}

} // namespace numbrook
