// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

// libFuzzer harness of the RIFF WAVE reader: any input must be read or refused without a crash,
// an out-of-bounds access or an allocation larger than the input.

#include "RiffReader.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    numbrook::WavSound sound;
    if (!numbrook::ReadWav(std::span(data, size), sound)) {
        return 0;
    }
    // What was read came from the input and nothing else.
    if (sound.samples.size() > size ||
        sound.format.size() > std::max<std::size_t>(size, numbrook::kWaveFormatBytes)) {
        std::abort();
    }
    numbrook::WaveFormat format;
    numbrook::DecodeWaveFormat(sound.format, format);
    return 0;
}
