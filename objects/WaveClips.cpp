#include "WaveClips.h"

#include <QtEndian>
#include <array>
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
    int voice = 0;
    for (const Partial &p : partials) {
        const double pan = channels == 2 ? (voice % 2 == 0 ? 0.35 : 0.65) : 0.5;
        ++voice;
        const int first = int(p.start * sampleRate);
        for (int i = first; i < frames; ++i) {
            const double t = double(i - first) / sampleRate;
            // A 5 ms attack keeps the start free of clicks.
            const double attack = std::min(1.0, t / 0.005);
            const double value = p.amplitude * attack * std::exp(-t / p.decay) *
                                 std::sin(2 * std::numbers::pi * p.frequency * t);
            for (int c = 0; c < channels; ++c) {
                const double gain = channels == 2 ? (c == 0 ? 1.0 - pan : pan) * 2.0 : 1.0;
                qint16 &s = samples[qsizetype(i) * channels + c];
                s = qint16(std::clamp(s + value * gain * 32767.0, -32767.0, 32767.0));
            }
        }
    }
    // Fade the last 10 ms to silence so that the clip ends without a click.
    const int fade = std::min(frames, sampleRate / 100);
    for (int i = 0; i < fade; ++i) {
        const double g = double(i) / fade;
        for (int c = 0; c < channels; ++c) {
            qint16 &s = samples[qsizetype(frames - 1 - i) * channels + c];
            s = qint16(s * g);
        }
    }
    return samples;
}

// The four sounds: a two-note chime, a rising three-note arpeggio, a soft wooden knock and a
// bright bell.
WaveClip chime() {
    return {WaveImage(22050, 2,
                      render(22050, 2, 0.7,
                             {{659.25, 0.0, 0.30, 0.25},
                              {1318.5, 0.0, 0.06, 0.12},
                              {523.25, 0.18, 0.30, 0.30},
                              {1046.5, 0.18, 0.05, 0.15}})),
            {}};
}
WaveClip arpeggio() {
    return {WaveImage(44100, 2,
                      render(44100, 2, 0.8,
                             {{523.25, 0.0, 0.25, 0.20},
                              {659.25, 0.12, 0.25, 0.20},
                              {783.99, 0.24, 0.28, 0.30},
                              {1567.98, 0.24, 0.04, 0.12}})),
            {}};
}
WaveClip knock() {
    return {WaveImage(8000, 1,
                      render(8000, 1, 0.3, {{392.0, 0.0, 0.45, 0.05}, {784.0, 0.0, 0.15, 0.03}})),
            {}};
}
WaveClip bell() {
    return {WaveImage(11025, 2,
                      render(11025, 2, 0.9,
                             {{880.0, 0.0, 0.28, 0.35},
                              {2217.0, 0.0, 0.08, 0.15},
                              {1320.0, 0.0, 0.06, 0.25}})),
            {}};
}

WaveClipList clipList(int count) {
    const std::array<WaveClip (*)(), 4> makers = {chime, arpeggio, knock, bell};
    WaveClipList list;
    for (int i = 0; i < count; ++i) {
        list.append(makers[std::size_t(i)]());
    }
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
    static const std::array<WaveClipList, 4> lists = {clipList(4), clipList(3), clipList(2),
                                                      clipList(0)};
    return lists[std::size_t(std::clamp(n, 1, 4) - 1)];
}

} // namespace numbrook
