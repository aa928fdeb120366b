// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

#pragma once

#include "RiffReader.h"

#include <pulse/channelmap.h>
#include <pulse/sample.h>
#include <pulse/volume.h>

namespace numbrook {

// The stream format for a wave format record: PCM of 8 (unsigned), 16, 24 or 32 bits, 32-bit
// IEEE float, A-law and mu-law, plain or in the extensible form, with a block alignment of
// exactly one frame; channels in the wave file order. False for anything else, which the
// device open refuses.
bool PlaybackStreamFormat(const WaveFormat &format, pa_sample_spec &streamFormat,
                          pa_channel_map &map);

// The stream volume for Numbrook's own percentages on a stream with channel map `map`:
// front-left and front-right take their own percent as linear amplitude, a mono stream the
// louder one, other channels the average.
pa_cvolume StreamVolume(const pa_channel_map &map, int leftPercent, int rightPercent);

} // namespace numbrook
