#include "PulseConnection.h"

#include "SoundLog.h"

#include <QMetaObject>
#include <pulse/context.h>
#include <pulse/error.h>
#include <pulse/operation.h>
#include <pulse/proplist.h>
#include <pulse/subscribe.h>
#include <pulse/thread-mainloop.h>

namespace numbrook {

namespace {

bool stateIsFinal(pa_context_state_t state) {
    return state == PA_CONTEXT_READY || !PA_CONTEXT_IS_GOOD(state);
}

} // namespace

struct PulseConnection::Callbacks {
    static void contextState(pa_context *context, void *userdata) {
        auto *self = static_cast<PulseConnection *>(userdata);
        if (!PA_CONTEXT_IS_GOOD(pa_context_get_state(context))) {
            // Lost: the main thread starts retrying.
            QMetaObject::invokeMethod(
                self, [self] { self->noticeLoss(); }, Qt::QueuedConnection);
        }
        self->signalLoop();
    }

    static void subscription(pa_context *, pa_subscription_event_type_t type, uint32_t index,
                             void *userdata) {
        auto *self = static_cast<PulseConnection *>(userdata);
        const unsigned facility = type & PA_SUBSCRIPTION_EVENT_FACILITY_MASK;
        const unsigned kind = type & PA_SUBSCRIPTION_EVENT_TYPE_MASK;
        if (facility == PA_SUBSCRIPTION_EVENT_SOURCE && kind == PA_SUBSCRIPTION_EVENT_CHANGE) {
            QMetaObject::invokeMethod(
                self, [self, index] { Q_EMIT self->sourceChanged(index); }, Qt::QueuedConnection);
        }
    }
};

PulseConnection::PulseConnection() {
    retry_.setInterval(2000);
    connect(&retry_, &QTimer::timeout, this, [this] {
        if (connectContext()) {
            retry_.stop();
            if (wasLost_) {
                wasLost_ = false;
                Q_EMIT reconnected();
            }
        }
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
    if (connectContext()) {
        return true;
    }
    retry_.start();
    return false;
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
    if (!loop_ || !context_) {
        return false;
    }
    pa_threaded_mainloop_lock(loop_);
    const bool ready = pa_context_get_state(context_) == PA_CONTEXT_READY;
    pa_threaded_mainloop_unlock(loop_);
    return ready;
}

void PulseConnection::noticeLoss() {
    if (!retry_.isActive() && context_ && !PA_CONTEXT_IS_GOOD(pa_context_get_state(context_))) {
        qCWarning(lcSound) << "lost the connection to the sound server; retrying";
        wasLost_ = true;
        retry_.start();
    }
}

bool PulseConnection::connectContext() {
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
    bool ready = false;
    if (pa_context_connect(context_, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) >= 0) {
        while (!stateIsFinal(pa_context_get_state(context_))) {
            pa_threaded_mainloop_wait(loop_);
        }
        ready = pa_context_get_state(context_) == PA_CONTEXT_READY;
    }
    if (ready) {
        subscribe();
    } else {
        lastError_ = pa_context_errno(context_);
        if (lastError_ == PA_OK) {
            lastError_ = PA_ERR_CONNECTIONREFUSED;
        }
    }
    pa_threaded_mainloop_unlock(loop_);
    if (!ready) {
        dropContext();
    }
    return ready;
}

// Changes of the capture devices (their volumes) come as events. Called with the loop locked.
void PulseConnection::subscribe() {
    pa_context_set_subscribe_callback(context_, &Callbacks::subscription, this);
    if (pa_operation *op =
            pa_context_subscribe(context_, PA_SUBSCRIPTION_MASK_SOURCE, nullptr, nullptr)) {
        pa_operation_unref(op);
    }
}

void PulseConnection::dropContext() {
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

bool PulseConnection::run(const std::function<pa_operation *(pa_context *)> &start) {
    if (!loop_ || !context_) {
        lastError_ = PA_ERR_CONNECTIONREFUSED;
        return false;
    }
    pa_threaded_mainloop_lock(loop_);
    if (pa_context_get_state(context_) != PA_CONTEXT_READY) {
        lastError_ = PA_ERR_CONNECTIONREFUSED;
        pa_threaded_mainloop_unlock(loop_);
        if (!retry_.isActive()) {
            wasLost_ = true;
            retry_.start();
        }
        return false;
    }
    pa_operation *op = start(context_);
    if (!op) {
        lastError_ = pa_context_errno(context_);
        pa_threaded_mainloop_unlock(loop_);
        return false;
    }
    while (pa_operation_get_state(op) == PA_OPERATION_RUNNING &&
           pa_context_get_state(context_) == PA_CONTEXT_READY) {
        pa_threaded_mainloop_wait(loop_);
    }
    const bool done = pa_operation_get_state(op) == PA_OPERATION_DONE;
    if (!done) {
        pa_operation_cancel(op);
        lastError_ = pa_context_errno(context_);
        if (lastError_ == PA_OK) {
            lastError_ = PA_ERR_CONNECTIONTERMINATED;
        }
    }
    pa_operation_unref(op);
    pa_threaded_mainloop_unlock(loop_);
    return done;
}

} // namespace numbrook
