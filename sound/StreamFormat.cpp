// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

#include "StreamFormat.h"

#include <QtGlobal>
#include <algorithm>

namespace numbrook {

bool PlaybackStreamFormat(const WaveFormat &format, pa_sample_spec &streamFormat,
                          pa_channel_map &map) {
    streamFormat.rate = format.samplesPerSecond;
    streamFormat.channels = quint8(std::min<unsigned>(format.channels, 255));
    switch (format.formatTag) {
    case kWaveFormatPcm:
        switch (format.bitsPerSample) {
        case 8:
            streamFormat.format = PA_SAMPLE_U8;
            break;
        case 16:
            streamFormat.format = PA_SAMPLE_S16LE;
            break;
        case 24:
            streamFormat.format = PA_SAMPLE_S24LE;
            break;
        case 32:
            streamFormat.format = PA_SAMPLE_S32LE;
            break;
        default:
            return false;
        }
        break;
    case kWaveFormatIeeeFloat:
        if (format.bitsPerSample != 32) {
            return false;
        }
        streamFormat.format = PA_SAMPLE_FLOAT32LE;
        break;
    case kWaveFormatALaw:
    case kWaveFormatMuLaw:
        if (format.bitsPerSample != 8) {
            return false;
        }
        streamFormat.format = format.formatTag == kWaveFormatALaw ? PA_SAMPLE_ALAW : PA_SAMPLE_ULAW;
        break;
    default:
        return false;
    }
    if (format.channels == 0 || format.channels > PA_CHANNELS_MAX ||
        !pa_sample_spec_valid(&streamFormat) || format.blockAlign != pa_frame_size(&streamFormat)) {
        return false;
    }
    return pa_channel_map_init_auto(&map, streamFormat.channels, PA_CHANNEL_MAP_WAVEEX) != nullptr;
}

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

} // namespace numbrook
