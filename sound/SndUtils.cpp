#include "SndUtils.h"

#include "MainThreadCall.h"
#include "PulseConnection.h"
#include "snd_dev_ds.h"

#include <QHash>
#include <QMutex>
#include <QMutexLocker>
#include <algorithm>
#include <cmath>
#include <pulse/def.h>
#include <pulse/error.h>
#include <pulse/introspect.h>
#include <pulse/volume.h>
#include <unistd.h>

namespace numbrook {

namespace {

QMutex lastErrorMutex;
QString lastError;

bool isSoundServerCode(int code) {
    return code > 0 && code < PA_ERR_MAX;
}

} // namespace

QString SoundErrorText(int code) {
    if (isSoundServerCode(code)) {
        return QString::fromUtf8(pa_strerror(code));
    }
    if (code == kMixerNoLine || code == kMixerNoControl) {
        return QStringLiteral("Ошибка микшера!!! Код ошибки: ") + QString::number(code);
    }
    return QStringLiteral("Ошибка!!! Код ошибки: ") + QString::number(code);
}

QString SoundErrorMessage(int code, const QString &context) {
    const QString text = SoundErrorText(code);
    if (text.isEmpty()) {
        return context;
    }
    // A context that already ends in a blank is followed by the text directly.
    const bool separated = context.isEmpty() || context.back().isSpace();
    return (separated ? context + text : context + QLatin1Char(' ') + text).trimmed();
}

SoundErrorReporter &SoundErrorReporter::instance() {
    static SoundErrorReporter reporter;
    return reporter;
}

QString SoundErrorReporter::lastErrorText() const {
    QMutexLocker lock(&lastErrorMutex);
    return lastError;
}

void SoundErrorReporter::publish(const QString &message) {
    {
        QMutexLocker lock(&lastErrorMutex);
        lastError = message;
    }
    // The message travels with the call, so a text reported meanwhile by another thread can
    // never replace it before the main thread has read it.
    callOnMainThread([this, message] { Q_EMIT errorTextReady(message); });
}

void ReportSoundError(int code, const QString &context, bool fromOutputSide) {
    Q_UNUSED(fromOutputSide);
    SoundErrorReporter::instance().publish(SoundErrorMessage(code, context));
}

QString LastErrorText() {
    return SoundErrorReporter::instance().lastErrorText();
}

} // namespace numbrook

// ---------------------------------------------------------------------------------------------
// Output volume

namespace numbrook {

namespace {

QMutex volumeMutex;
QHash<QString, std::pair<int, int>> outputVolumes;

struct SinkInputTarget {
    quint32 sinkIndex = PA_INVALID_INDEX;
    QList<std::pair<quint32, pa_channel_map>> inputs;
};

void collectOwnInput(pa_context *, const pa_sink_input_info *info, int eol, void *userdata) {
    if (eol == 0 && info) {
        auto *target = static_cast<SinkInputTarget *>(userdata);
        const char *marker = pa_proplist_gets(info->proplist, kPlaybackStreamProperty);
        const char *pid = pa_proplist_gets(info->proplist, PA_PROP_APPLICATION_PROCESS_ID);
        if (info->sink == target->sinkIndex && marker && qstrcmp(marker, "1") == 0 && pid &&
            QByteArray(pid).toLongLong() == qint64(::getpid())) {
            target->inputs.append({info->index, info->channel_map});
        }
    }
    if (eol != 0) {
        PulseConnection::signalLoop();
    }
}

void collectSinkIndex(pa_context *, const pa_sink_info *info, int eol, void *userdata) {
    if (eol == 0 && info) {
        *static_cast<quint32 *>(userdata) = info->index;
    }
    if (eol != 0) {
        PulseConnection::signalLoop();
    }
}

void operationDone(pa_context *, int, void *) {
    PulseConnection::signalLoop();
}

int percentOf(int value) {
    return std::clamp(value, 0, 100);
}

} // namespace

int RoundHalfEven(double value) {
    return int(std::nearbyint(value));
}

std::pair<int, int> OutputVolumeForSink(const QString &sinkName) {
    QMutexLocker lock(&volumeMutex);
    return outputVolumes.value(sinkName, {100, 100});
}

// The stream volume for a channel map: front-left and front-right take their own percent, a
// mono stream the louder one, any other channel the average.
pa_cvolume StreamVolume(const pa_channel_map &map, int left, int right) {
    pa_cvolume volume;
    volume.channels = map.channels;
    for (unsigned i = 0; i < map.channels; ++i) {
        double linear = (left + right) / 200.0;
        switch (map.map[i]) {
        case PA_CHANNEL_POSITION_FRONT_LEFT:
            linear = left / 100.0;
            break;
        case PA_CHANNEL_POSITION_FRONT_RIGHT:
            linear = right / 100.0;
            break;
        case PA_CHANNEL_POSITION_MONO:
            linear = std::max(left, right) / 100.0;
            break;
        default:
            break;
        }
        volume.values[i] = pa_sw_volume_from_linear(linear);
    }
    return volume;
}

void SetOutputVolume(int leftPercent, int rightPercent) {
    const QString sink = OutputServerName(FDeviceID);
    if (sink.isEmpty()) {
        ReportSoundError(PA_ERR_NOENTITY, QString(), true);
        return;
    }
    const int left = percentOf(leftPercent);
    const int right = percentOf(rightPercent);
    {
        QMutexLocker lock(&volumeMutex);
        outputVolumes.insert(sink, {left, right});
    }
    PulseConnection &connection = PulseConnection::instance();
    const QByteArray sinkName = sink.toUtf8();
    SinkInputTarget target;
    bool ok = connection.run([&](pa_context *c) {
        return pa_context_get_sink_info_by_name(c, sinkName.constData(), collectSinkIndex,
                                                &target.sinkIndex);
    });
    ok = ok && target.sinkIndex != PA_INVALID_INDEX && connection.run([&](pa_context *c) {
        return pa_context_get_sink_input_info_list(c, collectOwnInput, &target);
    });
    if (!ok) {
        ReportSoundError(target.sinkIndex == PA_INVALID_INDEX && connection.isReady()
                             ? int(PA_ERR_NOENTITY)
                             : connection.lastError(),
                         QString(), true);
        return;
    }
    for (const auto &[index, map] : target.inputs) {
        const pa_cvolume volume = StreamVolume(map, left, right);
        const quint32 input = index;
        connection.run([&](pa_context *c) {
            return pa_context_set_sink_input_volume(c, input, &volume, operationDone, nullptr);
        });
    }
}

std::pair<int, int> GetOutputVolume() {
    const QString sink = OutputServerName(FDeviceID);
    if (sink.isEmpty()) {
        ReportSoundError(PA_ERR_NOENTITY, QString(), true);
        return {0, 0};
    }
    return OutputVolumeForSink(sink);
}

} // namespace numbrook
