// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

#pragma once

// A small RIFF WAVE reader over a file or a memory image. It uses no Qt and no sound library,
// so that tests and the fuzz harness link it alone.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace numbrook {

// The 18-byte wave format record (WAVEFORMATEX) that a fmt chunk at least fills.
inline constexpr std::size_t kWaveFormatBytes = 18;

// What a successful read delivers: the fmt chunk's bytes held whole (zero-filled up to
// kWaveFormatBytes when the chunk is shorter) and the data chunk's bytes.
struct WavSound {
    std::vector<std::uint8_t> format;
    std::vector<std::uint8_t> samples;
};

// Reads a RIFF WAVE image: the first top-level RIFF chunk of form type "WAVE", inside it the
// first "fmt " chunk, and after that the first "data" chunk. Chunks of odd size are followed by
// a pad byte. A chunk that claims more bytes than its parent (or the source) holds fails the
// read before anything is allocated for it. False on any failure; `sound` is then unspecified.
bool ReadWav(std::span<const std::uint8_t> image, WavSound &sound);

// The same over a file (a narrow, file-system encoded path). False when it cannot be opened.
bool ReadWavFile(const std::string &path, WavSound &sound);

// Format tags of the wave format record.
inline constexpr std::uint16_t kWaveFormatPcm = 0x0001;
inline constexpr std::uint16_t kWaveFormatIeeeFloat = 0x0003;
inline constexpr std::uint16_t kWaveFormatALaw = 0x0006;
inline constexpr std::uint16_t kWaveFormatMuLaw = 0x0007;
inline constexpr std::uint16_t kWaveFormatExtensible = 0xFFFE;

// The fields of a wave format record. For the extensible form, `formatTag` is the tag its
// sub-format names (when that is one of the standard sub-formats) and `validBits` and
// `channelMask` come from the extension; otherwise `validBits` equals `bitsPerSample` and the
// mask is 0.
struct WaveFormat {
    std::uint16_t formatTag = 0;
    std::uint16_t channels = 0;
    std::uint32_t samplesPerSecond = 0;
    std::uint32_t averageBytesPerSecond = 0;
    std::uint16_t blockAlign = 0;
    std::uint16_t bitsPerSample = 0;
    std::uint16_t validBits = 0;
    std::uint32_t channelMask = 0;
    bool extensible = false;
};

// Decodes the bytes of a fmt chunk. False when they are shorter than the basic record, or the
// extensible form lacks its extension or names a sub-format outside the standard family.
bool DecodeWaveFormat(std::span<const std::uint8_t> format, WaveFormat &decoded);

} // namespace numbrook
