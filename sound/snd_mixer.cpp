#include "snd_mixer.h"

#include "PulseConnection.h"
#include "SndUtils.h"
#include "snd_dev_ds.h"

#include <algorithm>
#include <pulse/error.h>
#include <pulse/introspect.h>
#include <pulse/volume.h>

namespace numbrook {

namespace {

struct SourceVolume {
    bool found = false;
    quint32 index = PA_INVALID_INDEX;
    pa_cvolume volume{};
};

void collectSource(pa_context *, const pa_source_info *info, int eol, void *userdata) {
    if (eol == 0 && info) {
        auto *result = static_cast<SourceVolume *>(userdata);
        result->found = true;
        result->index = info->index;
        result->volume = info->volume;
    }
    if (eol != 0) {
        PulseConnection::signalLoop();
    }
}

void operationDone(pa_context *, int, void *) {
    PulseConnection::signalLoop();
}

// The error of a query that found nothing: the device vanished.
int failureCode(bool ran) {
    return ran ? int(PA_ERR_NOENTITY) : PulseConnection::instance().lastError();
}

bool querySource(quint32 index, SourceVolume &result) {
    return PulseConnection::instance().run([&](pa_context *c) {
        return pa_context_get_source_info_by_index(c, index, collectSource, &result);
    });
}

} // namespace

MixerEvents &MixerEvents::instance() {
    static MixerEvents events;
    return events;
}

MixerEvents::MixerEvents() {
    connect(&PulseConnection::instance(), &PulseConnection::sourceChanged, this,
            [this](quint32 index) { Q_EMIT controlChanged(index); });
}

bool OpenObjectMixer(ObjectMixer &mixer) {
    MixerEvents::instance();
    mixer.FMixerControlID = kNoMixerControl;
    const qint64 index = InputServerIndex(mixer.InDeviceID);
    if (index < 0) {
        ReportSoundError(PA_ERR_NOENTITY, QStringLiteral("Error at mixerGetId: "), true);
        return false;
    }
    SourceVolume source;
    const bool ran = querySource(quint32(index), source);
    if (!ran || !source.found) {
        ReportSoundError(failureCode(ran), QStringLiteral("Error at mixerOpen: "), true);
        return false;
    }
    mixer.MixerHandle = source.index;
    mixer.FMixerControlID = source.index;
    mixer.MixerMaximum = 2 * PA_VOLUME_NORM;
    if (mixer.setTrackEnabled) {
        mixer.setTrackEnabled(true);
    }
    return true;
}

void CloseObjectMixer(ObjectMixer &mixer) {
    mixer.MixerOpen = false;
    if (mixer.setTrackEnabled) {
        mixer.setTrackEnabled(false);
    }
    mixer.MixerVolume = 0;
    if (mixer.setTrackPosition) {
        mixer.setTrackPosition(0);
    }
}

namespace {

// The control's current raw value (the channels' average), or nothing after a reported failure.
std::optional<pa_volume_t> readControl(const ObjectMixer &mixer, SourceVolume &source) {
    const bool ran = querySource(mixer.FMixerControlID, source);
    if (!ran || !source.found) {
        ReportSoundError(failureCode(ran), QStringLiteral("error mixerGetControlDetails"), false);
        return std::nullopt;
    }
    return pa_cvolume_avg(&source.volume);
}

} // namespace

void ReadObjectMixerVolume(ObjectMixer &mixer) {
    if (!mixer.MixerOpen) {
        return;
    }
    SourceVolume source;
    const std::optional<pa_volume_t> value = readControl(mixer, source);
    if (!value) {
        return;
    }
    mixer.MixerVolume =
        std::min(100, RoundHalfEven(double(*value) / double(mixer.MixerMaximum) * 100.0));
    if (mixer.setTrackPosition) {
        mixer.setTrackPosition(mixer.MixerVolume);
    }
}

void WriteObjectMixerVolume(ObjectMixer &mixer, int percent) {
    if (!mixer.MixerOpen) {
        return;
    }
    SourceVolume source;
    const std::optional<pa_volume_t> current = readControl(mixer, source);
    if (!current) {
        return;
    }
    const pa_volume_t wanted =
        pa_volume_t(std::max(0, RoundHalfEven(percent * (double(mixer.MixerMaximum) / 100.0))));
    if (wanted == *current) {
        return;
    }
    pa_cvolume volume = source.volume;
    pa_cvolume_set(&volume, volume.channels, wanted);
    const quint32 index = mixer.FMixerControlID;
    const bool ran = PulseConnection::instance().run([&](pa_context *c) {
        return pa_context_set_source_volume_by_index(c, index, &volume, operationDone, nullptr);
    });
    if (!ran) {
        ReportSoundError(PulseConnection::instance().lastError(),
                         QStringLiteral("error mixerSetControlDetails"), false);
    }
}

} // namespace numbrook
