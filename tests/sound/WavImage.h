// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

#pragma once

// Builders of RIFF WAVE images for the reader and playback tests.

#include <QByteArray>
#include <QtGlobal>
#include <cmath>

namespace numbrook::testing {

inline QByteArray le16(quint32 value) {
    QByteArray bytes;
    bytes.append(char(value & 0xFF)).append(char((value >> 8) & 0xFF));
    return bytes;
}

inline QByteArray le32(quint32 value) {
    return le16(value & 0xFFFF) + le16(value >> 16);
}

// A chunk with the size of its contents, followed by a pad byte when that size is odd.
inline QByteArray chunk(const char (&id)[5], const QByteArray &contents, bool pad = true) {
    QByteArray bytes = QByteArray(id, 4) + le32(quint32(contents.size())) + contents;
    if (pad && contents.size() % 2) {
        bytes.append('\0');
    }
    return bytes;
}

// A chunk whose header declares `declared` bytes, whatever follows.
inline QByteArray chunkDeclaring(const char (&id)[5], quint32 declared,
                                 const QByteArray &contents) {
    return QByteArray(id, 4) + le32(declared) + contents;
}

// The RIFF WAVE chunk around `body`.
inline QByteArray riffWave(const QByteArray &body) {
    return chunk("RIFF", QByteArray("WAVE") + body, false);
}

// The 16-byte basic fmt contents.
inline QByteArray basicFormat(quint16 tag, quint16 channels, quint32 rate, quint16 bits) {
    const quint32 block = channels * ((bits + 7) / 8);
    return le16(tag) + le16(channels) + le32(rate) + le32(rate * block) + le16(block) + le16(bits);
}

// The 18-byte record with an empty extension.
inline QByteArray waveFormat(quint16 tag, quint16 channels, quint32 rate, quint16 bits) {
    return basicFormat(tag, channels, rate, bits) + le16(0);
}

// The 40-byte extensible form, naming the standard sub-format `subTag`.
inline QByteArray extensibleFormat(quint16 subTag, quint16 channels, quint32 rate, quint16 bits,
                                   quint16 validBits, quint32 channelMask) {
    static const char tail[] = "\x00\x00\x00\x00\x10\x00\x80\x00\x00\xAA\x00\x38\x9B\x71";
    return basicFormat(0xFFFE, channels, rate, bits) + le16(22) + le16(validBits) +
           le32(channelMask) + le16(subTag) + QByteArray(tail, 14);
}

// Interleaved 16-bit sine tones of `hertz` with a peak of `leftPeak` and `rightPeak` (0..1) of
// full scale, `milliseconds` long; one channel takes the left peak.
inline QByteArray toneS16(int channels, quint32 rate, int milliseconds, double leftPeak,
                          double rightPeak, double hertz = 440.0) {
    QByteArray samples;
    const qint64 frames = qint64(rate) * milliseconds / 1000;
    for (qint64 i = 0; i < frames; ++i) {
        const double wave = std::sin(2 * M_PI * hertz * double(i) / rate);
        for (int c = 0; c < channels; ++c) {
            const double peak = c == 0 ? leftPeak : rightPeak;
            samples.append(le16(quint16(qint16(std::lround(32767 * peak * wave)))));
        }
    }
    return samples;
}

// A plain 16-bit PCM WAV image of a tone.
inline QByteArray toneWav(int channels, int milliseconds, double leftPeak, double rightPeak) {
    constexpr quint32 rate = 44100;
    return riffWave(chunk("fmt ", waveFormat(1, quint16(channels), rate, 16)) +
                    chunk("data", toneS16(channels, rate, milliseconds, leftPeak, rightPeak)));
}

} // namespace numbrook::testing
