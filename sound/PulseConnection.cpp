// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

#include "PulseConnection.h"

#include "SoundLog.h"

#include <QMetaObject>
#include <pulse/context.h>
#include <pulse/error.h>
#include <pulse/introspect.h>
#include <pulse/mainloop-api.h>
#include <pulse/operation.h>
#include <pulse/proplist.h>
#include <pulse/subscribe.h>
#include <pulse/thread-mainloop.h>
#include <pulse/timeval.h>

namespace numbrook {

namespace {

bool stateIsFinal(pa_context_state_t state) {
    return state == PA_CONTEXT_READY || !PA_CONTEXT_IS_GOOD(state);
}

// Set by a time event of the loop when a wait's bound has passed.
struct Deadline {
    const PulseConnection *connection = nullptr;
    bool passed = false;
};

} // namespace

struct PulseConnection::Callbacks {
    // Every event for the main thread names the context it came from, so that one of a context
    // dropped meanwhile is ignored.
    static void contextState(pa_context *context, void *userdata) {
        auto *self = static_cast<PulseConnection *>(userdata);
        const pa_context_state_t state = pa_context_get_state(context);
        if (state == PA_CONTEXT_READY) {
            self->subscribeLocked(context);
            QMetaObject::invokeMethod(
                self, [self, context] { self->noticeReady(context); }, Qt::QueuedConnection);
        } else if (!PA_CONTEXT_IS_GOOD(state)) {
            QMetaObject::invokeMethod(
                self, [self, context] { self->noticeLoss(context); }, Qt::QueuedConnection);
        }
        self->signalLoop();
    }

    static void subscription(pa_context *, pa_subscription_event_type_t type, uint32_t index,
                             void *userdata) {
        auto *self = static_cast<PulseConnection *>(userdata);
        const unsigned facility = type & PA_SUBSCRIPTION_EVENT_FACILITY_MASK;
        const unsigned kind = type & PA_SUBSCRIPTION_EVENT_TYPE_MASK;
        const bool device =
            facility == PA_SUBSCRIPTION_EVENT_SOURCE || facility == PA_SUBSCRIPTION_EVENT_SINK;
        if (!device) {
            return;
        }
        if (kind == PA_SUBSCRIPTION_EVENT_NEW || kind == PA_SUBSCRIPTION_EVENT_REMOVE) {
            QMetaObject::invokeMethod(
                self, [self] { Q_EMIT self->devicesChanged(); }, Qt::QueuedConnection);
        } else if (facility == PA_SUBSCRIPTION_EVENT_SOURCE) {
            QMetaObject::invokeMethod(
                self, [self, index] { Q_EMIT self->sourceChanged(index); }, Qt::QueuedConnection);
        }
    }

    static void deadlinePassed(pa_mainloop_api *, pa_time_event *, const struct timeval *,
                               void *userdata) {
        auto *deadline = static_cast<Deadline *>(userdata);
        deadline->passed = true;
        deadline->connection->signalLoop();
    }

    // The answer to the probe sent after a call timed out: the server is back.
    static void probeAnswered(pa_context *, const pa_server_info *, void *userdata) {
        auto *self = static_cast<PulseConnection *>(userdata);
        QMetaObject::invokeMethod(
            self, [self] { self->noticeAnswer(); }, Qt::QueuedConnection);
    }
};

PulseConnection::PulseConnection() {
    retry_.setInterval(kRetryIntervalMs);
    connect(&retry_, &QTimer::timeout, this, [this] {
        // A context still on its way (a server that accepted the connection but has not
        // answered yet) is left to finish; a failed one, or none, is replaced.
        if (context_) {
            pa_threaded_mainloop_lock(loop_);
            const bool good = PA_CONTEXT_IS_GOOD(pa_context_get_state(context_));
            pa_threaded_mainloop_unlock(loop_);
            if (good) {
                return;
            }
        }
        startConnecting();
    });
}

PulseConnection::~PulseConnection() {
    close();
}

void PulseConnection::signalLoop() const {
    if (loop_) {
        pa_threaded_mainloop_signal(loop_, 0);
    }
}

bool PulseConnection::open() {
    if (isReady()) {
        return true;
    }
    if (!context_ && !startConnecting()) {
        retry_.start();
        return false;
    }
    pa_threaded_mainloop_lock(loop_);
    waitLocked([this] { return stateIsFinal(pa_context_get_state(context_)); });
    const pa_context_state_t state = pa_context_get_state(context_);
    if (state != PA_CONTEXT_READY) {
        lastError_ = PA_CONTEXT_IS_GOOD(state) ? PA_ERR_TIMEOUT : pa_context_errno(context_);
        if (lastError_ == PA_OK) {
            lastError_ = PA_ERR_CONNECTIONREFUSED;
        }
    }
    pa_threaded_mainloop_unlock(loop_);
    if (state != PA_CONTEXT_READY) {
        if (!PA_CONTEXT_IS_GOOD(state)) {
            dropContext();
        }
        retry_.start();
        return false;
    }
    // Ready now: the queued notice of it has nothing more to announce.
    announced_ = true;
    retry_.stop();
    return true;
}

void PulseConnection::openInBackground() {
    if (context_) {
        return;
    }
    if (!startConnecting()) {
        retry_.start();
    }
}

void PulseConnection::close() {
    retry_.stop();
    dropContext();
    if (loop_) {
        pa_threaded_mainloop_stop(loop_);
        pa_threaded_mainloop_free(loop_);
        loop_ = nullptr;
    }
}

bool PulseConnection::isReady() const {
    if (!loop_ || !context_ || stalled_) {
        return false;
    }
    pa_threaded_mainloop_lock(loop_);
    const bool ready = pa_context_get_state(context_) == PA_CONTEXT_READY;
    pa_threaded_mainloop_unlock(loop_);
    return ready;
}

bool PulseConnection::startConnecting() {
    dropContext();
    if (!loop_) {
        loop_ = pa_threaded_mainloop_new();
        if (!loop_ || pa_threaded_mainloop_start(loop_) < 0) {
            lastError_ = PA_ERR_INTERNAL;
            return false;
        }
    }
    pa_threaded_mainloop_lock(loop_);
    pa_proplist *props = pa_proplist_new();
    pa_proplist_sets(props, PA_PROP_APPLICATION_NAME, "Numbrook");
    pa_proplist_sets(props, PA_PROP_APPLICATION_ID, "numbrook");
    context_ = pa_context_new_with_proplist(pa_threaded_mainloop_get_api(loop_), "Numbrook", props);
    pa_proplist_free(props);
    pa_context_set_state_callback(context_, &Callbacks::contextState, this);
    const bool started =
        pa_context_connect(context_, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) >= 0;
    if (!started) {
        lastError_ = pa_context_errno(context_);
    }
    pa_threaded_mainloop_unlock(loop_);
    if (!started) {
        dropContext();
    }
    return started;
}

bool PulseConnection::waitLocked(const std::function<bool()> &done) {
    pa_mainloop_api *api = pa_threaded_mainloop_get_api(loop_);
    Deadline deadline{this, false};
    struct timeval when {};
    pa_timeval_add(pa_gettimeofday(&when), pa_usec_t(kWaitBoundMs) * PA_USEC_PER_MSEC);
    pa_time_event *timer = api->time_new(api, &when, &Callbacks::deadlinePassed, &deadline);
    while (!done() && PA_CONTEXT_IS_GOOD(pa_context_get_state(context_)) && !deadline.passed) {
        pa_threaded_mainloop_wait(loop_);
    }
    api->time_free(timer);
    return done();
}

// Devices coming and going, and changes of the capture devices (their volumes), come as
// events. Called with the loop locked.
void PulseConnection::subscribeLocked(pa_context *context) {
    pa_context_set_subscribe_callback(context, &Callbacks::subscription, this);
    const auto mask =
        pa_subscription_mask_t(PA_SUBSCRIPTION_MASK_SOURCE | PA_SUBSCRIPTION_MASK_SINK);
    if (pa_operation *op = pa_context_subscribe(context, mask, nullptr, nullptr)) {
        pa_operation_unref(op);
    }
}

void PulseConnection::dropContext() {
    stalled_ = false;
    announced_ = false;
    if (!loop_ || !context_) {
        return;
    }
    pa_threaded_mainloop_lock(loop_);
    pa_context_set_state_callback(context_, nullptr, nullptr);
    pa_context_set_subscribe_callback(context_, nullptr, nullptr);
    pa_context_disconnect(context_);
    pa_context_unref(context_);
    context_ = nullptr;
    pa_threaded_mainloop_unlock(loop_);
}

void PulseConnection::noticeReady(pa_context *context) {
    if (context != context_) {
        return;
    }
    retry_.stop();
    announceReady();
}

void PulseConnection::announceReady() {
    if (!announced_) {
        announced_ = true;
        qCInfo(lcSound) << "connected to the sound server";
        Q_EMIT reconnected();
    }
}

void PulseConnection::noticeLoss(pa_context *context) {
    if (context != context_) {
        return;
    }
    if (announced_) {
        qCWarning(lcSound) << "lost the connection to the sound server; retrying";
    }
    dropContext();
    retry_.start();
}

void PulseConnection::noticeStall() {
    if (stalled_) {
        return;
    }
    qCWarning(lcSound) << "the sound server did not answer within" << kWaitBoundMs
                       << "ms; waiting for it in the background";
    stalled_ = true;
    pa_threaded_mainloop_lock(loop_);
    if (pa_operation *op = pa_context_get_server_info(context_, &Callbacks::probeAnswered, this)) {
        pa_operation_unref(op);
    }
    pa_threaded_mainloop_unlock(loop_);
}

void PulseConnection::noticeAnswer() {
    if (!stalled_) {
        return;
    }
    stalled_ = false;
    qCInfo(lcSound) << "the sound server answers again";
    announced_ = false;
    announceReady();
}

bool PulseConnection::run(const std::function<pa_operation *(pa_context *)> &start) {
    if (!loop_ || !context_) {
        lastError_ = PA_ERR_CONNECTIONREFUSED;
        return false;
    }
    if (stalled_) {
        lastError_ = PA_ERR_TIMEOUT;
        return false;
    }
    pa_threaded_mainloop_lock(loop_);
    if (pa_context_get_state(context_) != PA_CONTEXT_READY) {
        lastError_ = PA_ERR_CONNECTIONREFUSED;
        pa_threaded_mainloop_unlock(loop_);
        return false;
    }
    pa_operation *op = start(context_);
    if (!op) {
        lastError_ = pa_context_errno(context_);
        pa_threaded_mainloop_unlock(loop_);
        return false;
    }
    const bool done =
        waitLocked([op] { return pa_operation_get_state(op) != PA_OPERATION_RUNNING; }) &&
        pa_operation_get_state(op) == PA_OPERATION_DONE;
    bool timedOut = false;
    if (!done) {
        timedOut = pa_operation_get_state(op) == PA_OPERATION_RUNNING &&
                   pa_context_get_state(context_) == PA_CONTEXT_READY;
        pa_operation_cancel(op);
        lastError_ = timedOut ? int(PA_ERR_TIMEOUT) : pa_context_errno(context_);
        if (lastError_ == PA_OK) {
            lastError_ = PA_ERR_CONNECTIONTERMINATED;
        }
    }
    pa_operation_unref(op);
    pa_threaded_mainloop_unlock(loop_);
    if (timedOut) {
        noticeStall();
    }
    return done;
}

} // namespace numbrook
