// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

#include "OutputVolume.h"

#include "DeviceCatalogue.h"
#include "PulseConnection.h"
#include "SoundErrors.h"
#include "StreamFormat.h"

#include <QMutexLocker>
#include <algorithm>
#include <cmath>
#include <pulse/error.h>
#include <pulse/introspect.h>
#include <unistd.h>

namespace numbrook {

namespace {

// Numbrook's own playback streams on one sink.
struct OwnStreams {
    const PulseConnection &connection;
    quint32 sinkIndex = PA_INVALID_INDEX;
    QList<std::pair<quint32, pa_channel_map>> inputs;
};

void collectOwnInput(pa_context *, const pa_sink_input_info *info, int eol, void *userdata) {
    auto *target = static_cast<OwnStreams *>(userdata);
    if (eol == 0 && info) {
        const char *marker = pa_proplist_gets(info->proplist, kPlaybackStreamProperty);
        const char *pid = pa_proplist_gets(info->proplist, PA_PROP_APPLICATION_PROCESS_ID);
        if (info->sink == target->sinkIndex && marker && qstrcmp(marker, "1") == 0 && pid &&
            QByteArray(pid).toLongLong() == qint64(::getpid())) {
            target->inputs.append({info->index, info->channel_map});
        }
    }
    if (eol != 0) {
        target->connection.signalLoop();
    }
}

void collectSinkIndex(pa_context *, const pa_sink_info *info, int eol, void *userdata) {
    auto *target = static_cast<OwnStreams *>(userdata);
    if (eol == 0 && info) {
        target->sinkIndex = info->index;
    }
    if (eol != 0) {
        target->connection.signalLoop();
    }
}

void operationDone(pa_context *, int, void *userdata) {
    static_cast<const PulseConnection *>(userdata)->signalLoop();
}

int percentOf(int value) {
    return std::clamp(value, 0, 100);
}

} // namespace

int RoundHalfEven(double value) {
    return int(std::nearbyint(value));
}

std::pair<int, int> OutputVolume::OutputVolumeForSink(const QString &sinkName) const {
    QMutexLocker lock(&mutex_);
    return volumes_.value(sinkName, {100, 100});
}

QString OutputVolume::sinkOf(int deviceId) {
    const QString sink = devices_.OutputServerName(deviceId);
    if (sink.isEmpty()) {
        errors_.ReportSoundError(PA_ERR_NOENTITY, QString(), true);
    }
    return sink;
}

void OutputVolume::SetOutputVolume(int FDeviceID, int leftPercent, int rightPercent) {
    const QString sink = sinkOf(FDeviceID);
    if (sink.isEmpty()) {
        return;
    }
    const int left = percentOf(leftPercent);
    const int right = percentOf(rightPercent);
    {
        QMutexLocker lock(&mutex_);
        volumes_.insert(sink, {left, right});
    }
    applyToOwnStreams(sink, left, right);
}

// The streams already playing on the sink take the new volume at once.
void OutputVolume::applyToOwnStreams(const QString &sink, int left, int right) {
    const QByteArray sinkName = sink.toUtf8();
    OwnStreams target{connection_, PA_INVALID_INDEX, {}};
    bool ok = connection_.run([&](pa_context *c) {
        return pa_context_get_sink_info_by_name(c, sinkName.constData(), collectSinkIndex, &target);
    });
    ok = ok && target.sinkIndex != PA_INVALID_INDEX && connection_.run([&](pa_context *c) {
        return pa_context_get_sink_input_info_list(c, collectOwnInput, &target);
    });
    if (!ok) {
        errors_.ReportSoundError(target.sinkIndex == PA_INVALID_INDEX && connection_.isReady()
                                     ? int(PA_ERR_NOENTITY)
                                     : connection_.lastError(),
                                 QString(), true);
        return;
    }
    for (const auto &[index, map] : target.inputs) {
        const pa_cvolume volume = StreamVolume(map, left, right);
        const quint32 input = index;
        connection_.run([&](pa_context *c) {
            return pa_context_set_sink_input_volume(c, input, &volume, operationDone, &connection_);
        });
    }
}

std::pair<int, int> OutputVolume::GetOutputVolume(int FDeviceID) {
    const QString sink = sinkOf(FDeviceID);
    return sink.isEmpty() ? std::pair{0, 0} : OutputVolumeForSink(sink);
}

} // namespace numbrook
