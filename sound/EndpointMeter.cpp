// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

#include "EndpointMeter.h"

#include "OutputVolume.h"
#include "SoundErrors.h"

#include <QList>
#include <algorithm>
#include <cmath>
#include <pulse/error.h>
#include <pulse/introspect.h>

namespace numbrook {

namespace {

// The failure contexts of the meter, as the log shows them before the server's text.
QString connectionFailedContext() {
    return QStringLiteral("CoCreateInstance Error: ");
}
QString listFailedContext() {
    return QStringLiteral("EnumAudioEndpoints Error: ");
}
QString countFailedContext() {
    return QStringLiteral("pCollection.GetCount Error: ");
}
QString nameFailedContext() {
    return QStringLiteral("pProps.GetValue Error: ");
}
QString activateFailedContext() {
    return QStringLiteral("mmd.Activate Error: ");
}
QString channelCountFailedContext() {
    return QStringLiteral("peak.GetMeteringChannelCount Error: ");
}
QString peakReadFailedContext() {
    return QStringLiteral("peak.GetChannelsPeakValues Error: ");
}

// The meter stream delivers one peak per channel a hundred times a second.
constexpr quint32 kMeterRate = 100;

} // namespace

struct EndpointMeter::Endpoint {
    quint32 index = PA_INVALID_INDEX;
    QString description;
    bool hasDescription = false; // a sink without one cannot be matched by name
    QByteArray monitorSource;
    pa_channel_map channelMap{};
};

struct EndpointMeter::EndpointList {
    QList<Endpoint> endpoints;
    bool complete = false;
    bool failed = false;
};

namespace {

void collectEndpoint(pa_context *, const pa_sink_info *info, int eol, void *userdata) {
    auto *list = static_cast<EndpointMeter::EndpointList *>(userdata);
    if (eol < 0) {
        list->failed = true;
        return;
    }
    if (eol > 0) {
        list->complete = true;
        return;
    }
    if (!info) {
        return;
    }
    EndpointMeter::Endpoint endpoint;
    endpoint.index = info->index;
    if (info->description) {
        endpoint.description = QString::fromUtf8(info->description);
        endpoint.hasDescription = true;
    }
    endpoint.monitorSource = QByteArray(info->monitor_source_name ? info->monitor_source_name : "");
    endpoint.channelMap = info->channel_map;
    list->endpoints.append(endpoint);
}

int contextError(pa_context *context) {
    const int code = context ? pa_context_errno(context) : 0;
    return code != PA_OK ? code : int(PA_ERR_CONNECTIONREFUSED);
}

} // namespace

QString EndpointKey(const QString &deviceName) {
    return deviceName.left(kEndpointKeyLength).toUpper();
}

int PeakPercent(float peak) {
    return std::clamp(RoundHalfEven(double(peak) * 100.0), 0, 100);
}

EndpointMeter::~EndpointMeter() {
    release();
}

void EndpointMeter::release() {
    if (stream_) {
        if (pa_stream_get_state(stream_) == PA_STREAM_READY) {
            pa_stream_disconnect(stream_);
        }
        pa_stream_unref(stream_);
        stream_ = nullptr;
    }
    channelCount_ = 0;
    peaks_.clear();
}

void EndpointMeter::report(int code, const QString &context) {
    errors_.ReportSoundError(code, context, true);
}

void EndpointMeter::setup(pa_context *context, const QString &deviceName, const LoopStep &step) {
    release();
    endpointName_.clear();
    context_ = context;
    if (!context || pa_context_get_state(context) != PA_CONTEXT_READY) {
        report(contextError(context), connectionFailedContext());
        return;
    }
    EndpointList list;
    if (!listEndpoints(list, step) || list.endpoints.isEmpty()) {
        return;
    }
    std::sort(list.endpoints.begin(), list.endpoints.end(),
              [](const Endpoint &a, const Endpoint &b) { return a.index < b.index; });

    const QString key = EndpointKey(deviceName);
    for (const Endpoint &endpoint : std::as_const(list.endpoints)) {
        if (!endpoint.hasDescription) {
            report(PA_ERR_NOENTITY, nameFailedContext());
            return;
        }
        if (!key.isEmpty() && endpoint.description.toUpper().contains(key)) {
            endpointName_ = endpoint.description;
            open(endpoint, step);
            return;
        }
    }
}

// Lists the sinks into `list`; false after a reported failure.
bool EndpointMeter::listEndpoints(EndpointList &list, const LoopStep &step) {
    pa_operation *listing = pa_context_get_sink_info_list(context_, collectEndpoint, &list);
    if (!listing) {
        report(contextError(context_), listFailedContext());
        return false;
    }
    while (pa_operation_get_state(listing) == PA_OPERATION_RUNNING && step()) {
    }
    const bool finished = pa_operation_get_state(listing) == PA_OPERATION_DONE;
    if (!finished) {
        // The callback still points at `list`: it must never run after this function.
        pa_operation_cancel(listing);
    }
    pa_operation_unref(listing);
    if (!finished || list.failed || !list.complete) {
        report(contextError(context_), countFailedContext());
        return false;
    }
    return true;
}

// Opens the peak-detecting record stream on the endpoint's monitor.
void EndpointMeter::open(const Endpoint &endpoint, const LoopStep &step) {
    const pa_sample_spec format{PA_SAMPLE_FLOAT32NE, kMeterRate, endpoint.channelMap.channels};
    stream_ = pa_stream_new(context_, "Peak meter", &format, &endpoint.channelMap);
    if (!stream_) {
        report(contextError(context_), activateFailedContext());
        return;
    }
    pa_buffer_attr wanted;
    wanted.maxlength = std::uint32_t(-1);
    wanted.tlength = std::uint32_t(-1);
    wanted.prebuf = std::uint32_t(-1);
    wanted.minreq = std::uint32_t(-1);
    wanted.fragsize = std::uint32_t(pa_frame_size(&format));
    const auto flags =
        pa_stream_flags_t(PA_STREAM_PEAK_DETECT | PA_STREAM_ADJUST_LATENCY | PA_STREAM_DONT_MOVE);
    if (pa_stream_connect_record(stream_, endpoint.monitorSource.constData(), &wanted, flags) < 0) {
        report(contextError(context_), activateFailedContext());
        pa_stream_unref(stream_);
        stream_ = nullptr;
        return;
    }
    while (pa_stream_get_state(stream_) == PA_STREAM_CREATING && step()) {
    }
    if (pa_stream_get_state(stream_) != PA_STREAM_READY) {
        // The meter is held but never read.
        report(contextError(context_), channelCountFailedContext());
        return;
    }
    channelCount_ = pa_stream_get_sample_spec(stream_)->channels;
    peaks_.assign(channelCount_, 0.0f);
    nextChannel_ = 0;
}

void EndpointMeter::read(int &left, int &right) {
    if (channelCount_ == 0 || !stream_) {
        return;
    }
    if (pa_stream_get_state(stream_) != PA_STREAM_READY) {
        // A stream that has failed or ended never delivers again: one report, and the meter goes
        // rather than reporting the same failure every 10 ms until the sound ends.
        report(contextError(context_), peakReadFailedContext());
        release();
        return;
    }
    std::fill(peaks_.begin(), peaks_.end(), 0.0f);
    bool arrived = false;
    while (pa_stream_readable_size(stream_) > 0) {
        const void *data = nullptr;
        size_t size = 0;
        if (pa_stream_peek(stream_, &data, &size) < 0) {
            report(contextError(context_), peakReadFailedContext());
            return;
        }
        if (size == 0) {
            break;
        }
        // A hole (data lost by the server) carries no samples.
        if (data) {
            const auto *samples = static_cast<const float *>(data);
            for (size_t i = 0; i < size / sizeof(float); ++i) {
                float &peak = peaks_[nextChannel_];
                peak = std::max(peak, std::fabs(samples[i]));
                nextChannel_ = (nextChannel_ + 1) % channelCount_;
            }
            arrived = true;
        }
        pa_stream_drop(stream_);
    }
    if (!arrived) {
        return;
    }
    left = PeakPercent(peaks_[0]);
    right = channelCount_ >= 2 ? PeakPercent(peaks_[1]) : 0;
}

} // namespace numbrook
