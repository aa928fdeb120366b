// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

#include "RiffReader.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstring>
#include <memory>

namespace numbrook {

namespace {

using FourCC = std::uint32_t;

constexpr FourCC fourCC(const char (&text)[5]) {
    return FourCC(std::uint8_t(text[0])) | FourCC(std::uint8_t(text[1])) << 8 |
           FourCC(std::uint8_t(text[2])) << 16 | FourCC(std::uint8_t(text[3])) << 24;
}

constexpr FourCC kRiff = fourCC("RIFF");
constexpr FourCC kWave = fourCC("WAVE");
constexpr FourCC kFmt = fourCC("fmt ");
constexpr FourCC kData = fourCC("data");

constexpr std::uint64_t kChunkHeaderBytes = 8;
constexpr std::uint64_t kFormTypeBytes = 4;

std::uint16_t readLe16(const std::uint8_t *bytes) {
    return std::uint16_t(bytes[0] | bytes[1] << 8);
}

std::uint32_t readLe32(const std::uint8_t *bytes) {
    return std::uint32_t(bytes[0]) | std::uint32_t(bytes[1]) << 8 | std::uint32_t(bytes[2]) << 16 |
           std::uint32_t(bytes[3]) << 24;
}

// Random access to the bytes of a RIFF stream.
class Source {
public:
    virtual ~Source() = default;
    virtual std::uint64_t size() const = 0;
    // Copies up to `count` bytes from `offset`; returns how many arrived.
    virtual std::size_t readAt(std::uint64_t offset, void *into, std::size_t count) = 0;
};

class MemorySource final : public Source {
public:
    explicit MemorySource(std::span<const std::uint8_t> image) : image_(image) {}
    std::uint64_t size() const override { return image_.size(); }
    std::size_t readAt(std::uint64_t offset, void *into, std::size_t count) override {
        if (offset >= image_.size()) {
            return 0;
        }
        const std::size_t available = std::min<std::uint64_t>(count, image_.size() - offset);
        if (available > 0) {
            std::memcpy(into, image_.data() + offset, available);
        }
        return available;
    }

private:
    std::span<const std::uint8_t> image_;
};

class FileSource final : public Source {
public:
    explicit FileSource(std::FILE *file) : file_(file) {
        if (std::fseek(file_, 0, SEEK_END) == 0) {
            const long end = std::ftell(file_);
            size_ = end > 0 ? std::uint64_t(end) : 0;
        }
    }
    std::uint64_t size() const override { return size_; }
    std::size_t readAt(std::uint64_t offset, void *into, std::size_t count) override {
        if (offset >= size_ || std::fseek(file_, long(offset), SEEK_SET) != 0) {
            return 0;
        }
        return std::fread(into, 1, count, file_);
    }

private:
    std::FILE *file_;
    std::uint64_t size_ = 0;
};

// A chunk found by a descent: its id, the size its header declares, and where its contents
// begin (after the form type, for a RIFF chunk).
struct Chunk {
    FourCC id = 0;
    std::uint32_t size = 0;
    FourCC formType = 0;
    std::uint64_t start = 0;
    std::uint64_t end() const { return start + size; }
};

// Walks the chunks from `position` up to `end` until one with the id `wanted` (and, for a RIFF
// chunk, the form type `formType`) is found. Each chunk must fit inside `end`; the first that
// does not ends the search with a failure, so that no size read from the stream is trusted
// beyond the bytes that are really there.
bool descend(Source &source, std::uint64_t position, std::uint64_t end, FourCC wanted,
             FourCC formType, Chunk &found) {
    while (position + kChunkHeaderBytes <= end) {
        std::array<std::uint8_t, kChunkHeaderBytes> header{};
        if (source.readAt(position, header.data(), header.size()) != header.size()) {
            return false;
        }
        const FourCC id = readLe32(header.data());
        const std::uint32_t size = readLe32(header.data() + 4);
        const std::uint64_t contents = position + kChunkHeaderBytes;
        if (size > end - contents) {
            return false;
        }
        if (id == wanted) {
            if (wanted != kRiff) {
                found = {id, size, 0, contents};
                return true;
            }
            std::array<std::uint8_t, kFormTypeBytes> type{};
            if (size >= kFormTypeBytes &&
                source.readAt(contents, type.data(), type.size()) == type.size() &&
                readLe32(type.data()) == formType) {
                found = {id, size - std::uint32_t(kFormTypeBytes), formType,
                         contents + kFormTypeBytes};
                return true;
            }
        }
        // The next chunk starts after this one's contents and its pad byte, if any.
        position = contents + size + (size & 1u);
    }
    return false;
}

bool readWav(Source &source, WavSound &sound) {
    sound.format.clear();
    sound.samples.clear();

    Chunk riff;
    if (!descend(source, 0, source.size(), kRiff, kWave, riff) || riff.id != kRiff ||
        riff.formType != kWave) {
        return false;
    }
    Chunk fmt;
    if (!descend(source, riff.start, riff.end(), kFmt, 0, fmt)) {
        return false;
    }
    // The chunk is held whole, also the longer extensible form; a shorter one leaves the rest of
    // the basic record zero.
    sound.format.assign(std::max<std::size_t>(fmt.size, kWaveFormatBytes), 0);
    if (source.readAt(fmt.start, sound.format.data(), fmt.size) != fmt.size) {
        return false;
    }
    // The data chunk is searched for only after the fmt chunk and its pad byte.
    const std::uint64_t afterFmt = fmt.end() + (fmt.size & 1u);
    Chunk data;
    if (!descend(source, afterFmt, riff.end(), kData, 0, data)) {
        return false;
    }
    sound.samples.resize(data.size);
    return source.readAt(data.start, sound.samples.data(), data.size) == data.size;
}

// The standard sub-formats share this GUID apart from its first two bytes, which hold the tag.
constexpr std::array<std::uint8_t, 14> kSubFormatTail{0x00, 0x00, 0x00, 0x00, 0x10, 0x00, 0x80,
                                                      0x00, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71};

constexpr std::size_t kBasicFormatBytes = 16;
constexpr std::size_t kExtensibleFormatBytes = 40;
constexpr std::uint16_t kExtensionBytes = 22;

} // namespace

bool ReadWav(std::span<const std::uint8_t> image, WavSound &sound) {
    MemorySource source(image);
    return readWav(source, sound);
}

bool ReadWavFile(const std::string &path, WavSound &sound) {
    std::unique_ptr<std::FILE, int (*)(std::FILE *)> file(std::fopen(path.c_str(), "rb"),
                                                          &std::fclose);
    if (!file) {
        return false;
    }
    FileSource source(file.get());
    return readWav(source, sound);
}

bool DecodeWaveFormat(std::span<const std::uint8_t> format, WaveFormat &decoded) {
    if (format.size() < kBasicFormatBytes) {
        return false;
    }
    const std::uint8_t *bytes = format.data();
    decoded = {};
    decoded.formatTag = readLe16(bytes);
    decoded.channels = readLe16(bytes + 2);
    decoded.samplesPerSecond = readLe32(bytes + 4);
    decoded.averageBytesPerSecond = readLe32(bytes + 8);
    decoded.blockAlign = readLe16(bytes + 12);
    decoded.bitsPerSample = readLe16(bytes + 14);
    decoded.validBits = decoded.bitsPerSample;
    if (decoded.formatTag != kWaveFormatExtensible) {
        return true;
    }
    if (format.size() < kExtensibleFormatBytes || readLe16(bytes + 16) < kExtensionBytes ||
        !std::equal(kSubFormatTail.begin(), kSubFormatTail.end(), bytes + 26)) {
        return false;
    }
    decoded.extensible = true;
    decoded.validBits = readLe16(bytes + 18);
    decoded.channelMask = readLe32(bytes + 20);
    decoded.formatTag = readLe16(bytes + 24);
    return true;
}

} // namespace numbrook
