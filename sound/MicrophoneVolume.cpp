// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

#include "MicrophoneVolume.h"

#include "DeviceCatalogue.h"
#include "OutputVolume.h"
#include "PulseConnection.h"
#include "SoundErrors.h"

#include <algorithm>
#include <pulse/error.h>
#include <pulse/introspect.h>
#include <pulse/volume.h>

namespace numbrook {

struct MicrophoneVolume::SourceVolume {
    const PulseConnection &connection;
    bool found = false;
    quint32 index = PA_INVALID_INDEX;
    pa_cvolume volume{};
};

namespace {

void operationDone(pa_context *, int, void *userdata) {
    static_cast<const PulseConnection *>(userdata)->signalLoop();
}

} // namespace

MicrophoneVolume::MicrophoneVolume(PulseConnection &connection, const DeviceCatalogue &devices,
                                   SoundErrors &errors)
    : connection_(connection), devices_(devices), errors_(errors) {
    connect(&connection_, &PulseConnection::sourceChanged, this, &MicrophoneVolume::controlChanged);
}

int MicrophoneVolume::failureCode(bool ran) const {
    return ran ? int(PA_ERR_NOENTITY) : connection_.lastError();
}

bool MicrophoneVolume::querySource(quint32 index, SourceVolume &result) {
    auto collect = [](pa_context *, const pa_source_info *info, int eol, void *userdata) {
        auto *target = static_cast<SourceVolume *>(userdata);
        if (eol == 0 && info) {
            target->found = true;
            target->index = info->index;
            target->volume = info->volume;
        }
        if (eol != 0) {
            target->connection.signalLoop();
        }
    };
    return connection_.run([&](pa_context *c) {
        return pa_context_get_source_info_by_index(c, index, collect, &result);
    });
}

bool MicrophoneVolume::OpenObjectMixer(ObjectMixer &mixer) {
    mixer.FMixerControlID = kNoMixerControl;
    const qint64 index = devices_.InputServerIndex(mixer.InDeviceID);
    if (index < 0) {
        errors_.ReportSoundError(PA_ERR_NOENTITY, QStringLiteral("Error at mixerGetId: "), true);
        return false;
    }
    SourceVolume source{connection_, false, PA_INVALID_INDEX, {}};
    const bool ran = querySource(quint32(index), source);
    if (!ran || !source.found) {
        errors_.ReportSoundError(failureCode(ran), QStringLiteral("Error at mixerOpen: "), true);
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

void MicrophoneVolume::CloseObjectMixer(ObjectMixer &mixer) {
    mixer.MixerOpen = false;
    if (mixer.setTrackEnabled) {
        mixer.setTrackEnabled(false);
    }
    mixer.MixerVolume = 0;
    if (mixer.setTrackPosition) {
        mixer.setTrackPosition(0);
    }
}

// Reads the control into `source`; false after a reported failure.
bool MicrophoneVolume::readControl(const ObjectMixer &mixer, SourceVolume &source) {
    const bool ran = querySource(mixer.FMixerControlID, source);
    if (!ran || !source.found) {
        errors_.ReportSoundError(failureCode(ran), QStringLiteral("error mixerGetControlDetails"),
                                 false);
        return false;
    }
    return true;
}

void MicrophoneVolume::ReadObjectMixerVolume(ObjectMixer &mixer) {
    SourceVolume source{connection_, false, PA_INVALID_INDEX, {}};
    if (!mixer.MixerOpen || !readControl(mixer, source)) {
        return;
    }
    const pa_volume_t value = pa_cvolume_avg(&source.volume);
    mixer.MixerVolume =
        std::min(100, RoundHalfEven(double(value) / double(mixer.MixerMaximum) * 100.0));
    if (mixer.setTrackPosition) {
        mixer.setTrackPosition(mixer.MixerVolume);
    }
}

void MicrophoneVolume::WriteObjectMixerVolume(ObjectMixer &mixer, int percent) {
    SourceVolume source{connection_, false, PA_INVALID_INDEX, {}};
    if (!mixer.MixerOpen || !readControl(mixer, source)) {
        return;
    }
    const pa_volume_t wanted =
        pa_volume_t(std::max(0, RoundHalfEven(percent * (double(mixer.MixerMaximum) / 100.0))));
    if (wanted == pa_cvolume_avg(&source.volume)) {
        return;
    }
    pa_cvolume volume = source.volume;
    pa_cvolume_set(&volume, volume.channels, wanted);
    const quint32 index = mixer.FMixerControlID;
    const bool ran = connection_.run([&](pa_context *c) {
        return pa_context_set_source_volume_by_index(c, index, &volume, operationDone,
                                                     &connection_);
    });
    if (!ran) {
        errors_.ReportSoundError(connection_.lastError(),
                                 QStringLiteral("error mixerSetControlDetails"), false);
    }
}

} // namespace numbrook
