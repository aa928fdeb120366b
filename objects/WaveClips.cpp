// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

#include "WaveClips.h"

#include "SoundObjectNumber.h"

#include <QtEndian>
#include <algorithm>
#include <cmath>
#include <numbers>

namespace numbrook {

namespace {

void putTag(QByteArray &out, const char *tag) {
    out.append(tag, 4);
}
void put32(QByteArray &out, quint32 value) {
    char bytes[4];
    qToLittleEndian(value, bytes);
    out.append(bytes, 4);
}
void put16(QByteArray &out, quint16 value) {
    char bytes[2];
    qToLittleEndian(value, bytes);
    out.append(bytes, 2);
}

// One voice of a clip: a partial at `frequency` Hz that starts at `start` seconds and dies
// away with time constant `decay` seconds.
struct Partial {
    double frequency;
    double start;
    double amplitude;
    double decay;
};

// Renders partials into 16-bit samples. Stereo clips place successive notes a little left
// and right of centre so that they sound wide without any channel going silent.
QList<qint16> render(int sampleRate, int channels, double seconds,
                     std::initializer_list<Partial> partials) {
    const int frames = int(seconds * sampleRate);
    QList<qint16> samples(qsizetype(frames) * channels, 0);
    qint16 *out = samples.data();
    int voice = 0;
    for (const Partial &p : partials) {
        const double pan = channels == 2 ? (voice % 2 == 0 ? 0.35 : 0.65) : 0.5;
        ++voice;
        const int first = int(p.start * sampleRate);
        // A decaying sine by recurrence: one rotation and one multiplication a sample.
        const double step = 2 * std::numbers::pi * p.frequency / sampleRate;
        const double rotateCos = std::cos(step);
        const double rotateSin = std::sin(step);
        const double decay = std::exp(-1.0 / (p.decay * sampleRate));
        const int attackSamples = std::max(1, sampleRate / 200); // 5 ms keeps the start clean
        double re = 1.0, im = 0.0, envelope = p.amplitude * 32767.0;
        for (int i = first; i < frames; ++i) {
            const int n = i - first;
            const double attack = n < attackSamples ? double(n) / attackSamples : 1.0;
            const double value = envelope * attack * im;
            for (int c = 0; c < channels; ++c) {
                const double gain = channels == 2 ? (c == 0 ? 1.0 - pan : pan) * 2.0 : 1.0;
                qint16 &s = out[qsizetype(i) * channels + c];
                s = qint16(std::clamp(s + value * gain, -32767.0, 32767.0));
            }
            const double nextRe = re * rotateCos - im * rotateSin;
            im = re * rotateSin + im * rotateCos;
            re = nextRe;
            envelope *= decay;
        }
    }
    // Fade the last 10 ms to silence so that the clip ends without a click.
    const int fade = std::min(frames, sampleRate / 100);
    for (int i = 0; i < fade; ++i) {
        const double g = double(i) / fade;
        for (int c = 0; c < channels; ++c) {
            qint16 &s = out[qsizetype(frames - 1 - i) * channels + c];
            s = qint16(s * g);
        }
    }
    return samples;
}

// The four sounds: a two-note chime, a rising three-note arpeggio, a soft wooden knock and a
// bright bell. Each is synthesized once, at its first call (thread-safe, as a static).
QByteArray chime() {
    static const QByteArray image = WaveImage(22050, 2,
                                              render(22050, 2, 0.7,
                                                     {{659.25, 0.0, 0.30, 0.25},
                                                      {1318.5, 0.0, 0.06, 0.12},
                                                      {523.25, 0.18, 0.30, 0.30},
                                                      {1046.5, 0.18, 0.05, 0.15}}));
    return image;
}
QByteArray arpeggio() {
    static const QByteArray image = WaveImage(44100, 2,
                                              render(44100, 2, 0.8,
                                                     {{523.25, 0.0, 0.25, 0.20},
                                                      {659.25, 0.12, 0.25, 0.20},
                                                      {783.99, 0.24, 0.28, 0.30},
                                                      {1567.98, 0.24, 0.04, 0.12}}));
    return image;
}
QByteArray knock() {
    static const QByteArray image = WaveImage(
        8000, 1, render(8000, 1, 0.3, {{392.0, 0.0, 0.45, 0.05}, {784.0, 0.0, 0.15, 0.03}}));
    return image;
}
QByteArray bell() {
    static const QByteArray image = WaveImage(
        11025, 2,
        render(11025, 2, 0.9,
               {{880.0, 0.0, 0.28, 0.35}, {2217.0, 0.0, 0.08, 0.15}, {1320.0, 0.0, 0.06, 0.25}}));
    return image;
}

// The lists share their clips' images: the shorter lists repeat the first clips.
WaveClipList clipList(const WaveClipList &all, int count) {
    WaveClipList list = all.first(count);
    if (!list.isEmpty()) {
        list.first().description = QStringLiteral("файл индекс 0");
    }
    return list;
}

} // namespace

QByteArray WaveImage(int sampleRate, int channels, const QList<qint16> &samples) {
    const quint32 dataBytes = quint32(samples.size()) * 2;
    QByteArray out;
    out.reserve(qsizetype(44 + dataBytes));
    putTag(out, "RIFF");
    put32(out, 36 + dataBytes);
    putTag(out, "WAVE");
    putTag(out, "fmt ");
    put32(out, 16);
    put16(out, 1); // PCM
    put16(out, quint16(channels));
    put32(out, quint32(sampleRate));
    put32(out, quint32(sampleRate * channels * 2));
    put16(out, quint16(channels * 2));
    put16(out, 16);
    putTag(out, "data");
    put32(out, dataBytes);
    for (qint16 s : samples) {
        put16(out, quint16(s));
    }
    return out;
}

const WaveClipList &BuiltInClips(int n) {
    static const WaveClipList all = {{chime, {}}, {arpeggio, {}}, {knock, {}}, {bell, {}}};
    static const PerObject<WaveClipList> lists = [] {
        // Objects 1, 2 and 3 have the first four, three and two clips; object 4 has none.
        PerObject<WaveClipList> counted;
        for (int object = kFirstSoundObject; object <= kLastSoundObject; ++object) {
            counted[object] = clipList(all, object == kLastSoundObject ? 0 : 5 - object);
        }
        return counted;
    }();
    return lists[std::clamp(n, kFirstSoundObject, kLastSoundObject)];
}

} // namespace numbrook
