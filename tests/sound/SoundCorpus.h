// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

#pragma once

// The sounds of a living room that the clap detector is tuned and tested on, made here or by
// espeak-ng and sox: claps of three shapes at 0 to -12 dB, finger snaps, speech in five
// languages from whispered to shouted, music, a door knock, steady and babbling noise, and
// claps over speech. Every item is unsigned 8-bit mono at 22050 Hz (the capture format) with
// the times of the claps in it; an item with no claps must never answer in "only claps" mode.

#include <QByteArray>
#include <QList>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <random>
#include <vector>

namespace numbrook::testing {

inline constexpr int kCorpusRate = 22050;

struct CorpusItem {
    QString name;
    QByteArray sound;     // unsigned 8-bit mono
    QList<int> clapsAtMs; // where each clap starts
};

// Signed samples (-128..127 around silence) while an item is made.
using Samples = std::vector<double>;

inline int samplesOf(int milliseconds) {
    return int(std::int64_t(kCorpusRate) * milliseconds / 1000);
}

inline QByteArray toUnsigned(const Samples &samples) {
    QByteArray sound;
    sound.reserve(qsizetype(samples.size()));
    for (double x : samples) {
        sound.append(char(quint8(std::clamp(std::lround(128 + x), 0L, 255L))));
    }
    return sound;
}

inline Samples toSigned(const QByteArray &sound) {
    Samples samples;
    for (char byte : sound) {
        samples.push_back(double(quint8(byte)) - 128);
    }
    return samples;
}

inline void scaleToPeak(Samples &samples, double peak) {
    double loudest = 1e-9;
    for (double x : samples) {
        loudest = std::max(loudest, std::abs(x));
    }
    for (double &x : samples) {
        x *= peak / loudest;
    }
}

// Peak amplitude of a sound `decibels` below (negative) a full-scale clap.
inline double peakAt(double decibels) {
    return 120.0 * std::pow(10.0, decibels / 20.0);
}

// Adds `sound` into `into` from sample `at` on.
inline void mixAt(Samples &into, const Samples &sound, std::size_t at) {
    if (into.size() < at + sound.size()) {
        into.resize(at + sound.size(), 0.0);
    }
    for (std::size_t i = 0; i < sound.size(); ++i) {
        into[at + i] += sound[i];
    }
}

// Uniform noise in -1..1 from a seeded generator, the same on every run.
class Noise {
public:
    explicit Noise(unsigned seed) : random_(seed) {}
    double next() { return double(random_()) / double(std::mt19937::max()) * 2 - 1; }

private:
    std::mt19937 random_;
};

// A two-pole band-pass resonator at `hertz` with `bandwidth`, run over `samples`.
inline Samples bandPass(const Samples &samples, double hertz, double bandwidth) {
    const double r = std::exp(-M_PI * bandwidth / kCorpusRate);
    const double a1 = 2 * r * std::cos(2 * M_PI * hertz / kCorpusRate);
    const double a2 = -r * r;
    Samples out(samples.size());
    double y1 = 0, y2 = 0;
    for (std::size_t i = 0; i < samples.size(); ++i) {
        const double y = (1 - r) * samples[i] + a1 * y1 + a2 * y2;
        out[i] = y;
        y2 = y1;
        y1 = y;
    }
    return out;
}

// Band-passed noise under an envelope: half a millisecond up, then exponential decay with
// time constant `decayMs`, for `lengthMs`.
inline Samples burst(Noise &noise, double hertz, double bandwidth, double decayMs, int lengthMs) {
    Samples raw(std::size_t(samplesOf(lengthMs)));
    for (double &x : raw) {
        x = noise.next();
    }
    Samples shaped = bandPass(raw, hertz, bandwidth);
    const double attack = kCorpusRate * 0.0005;
    for (std::size_t i = 0; i < shaped.size(); ++i) {
        const double t = double(i);
        const double rise = std::min(1.0, t / attack);
        shaped[i] *= rise * std::exp(-t / (kCorpusRate * decayMs / 1000.0));
    }
    return shaped;
}

// The three clap shapes: a flat clap (palms flat, bright), a cupped clap (hollow, darker) and a
// clap in a room (two impacts 2 ms apart and the room's tail 22 dB down).
enum class ClapShape { Flat, Cupped, Room };

inline Samples clap(ClapShape shape, double peak, unsigned seed) {
    Noise noise(seed);
    Samples sound;
    switch (shape) {
    case ClapShape::Flat:
        sound = burst(noise, 1800, 2200, 6, 60);
        break;
    case ClapShape::Cupped:
        sound = burst(noise, 950, 900, 9, 80);
        break;
    case ClapShape::Room: {
        sound = burst(noise, 1400, 1600, 5, 50);
        Samples second = burst(noise, 1400, 1600, 4, 40);
        for (double &x : second) {
            x *= 0.6;
        }
        mixAt(sound, second, std::size_t(samplesOf(2)));
        scaleToPeak(sound, 1.0);
        Samples tail = burst(noise, 1200, 3000, 80, 400);
        scaleToPeak(tail, std::pow(10.0, -22.0 / 20.0));
        mixAt(sound, tail, std::size_t(samplesOf(3)));
        break;
    }
    }
    scaleToPeak(sound, peak);
    return sound;
}

// A finger snap: a very short bright crack (a time constant of 1.2 ms around 3 kHz).
inline Samples snap(double peak, unsigned seed) {
    Noise noise(seed);
    Samples sound = burst(noise, 3000, 1800, 1.2, 25);
    scaleToPeak(sound, peak);
    return sound;
}

// One knock of a knuckle on a door: the panel's low modes ringing for some tens of
// milliseconds after a short click.
inline Samples knock(double peak, unsigned seed) {
    Noise noise(seed);
    Samples sound(std::size_t(samplesOf(150)));
    for (std::size_t i = 0; i < sound.size(); ++i) {
        const double t = double(i) / kCorpusRate;
        sound[i] = std::exp(-t / 0.025) *
                   (std::sin(2 * M_PI * 170 * t) + 0.6 * std::sin(2 * M_PI * 410 * t + 1.0) +
                    0.3 * std::sin(2 * M_PI * 780 * t + 2.0));
    }
    Samples click = burst(noise, 2500, 3000, 0.7, 6);
    scaleToPeak(click, 0.5);
    mixAt(sound, click, 0);
    scaleToPeak(sound, peak);
    return sound;
}

// `milliseconds` of silence with a faint room hiss (about 1 step), as a microphone gives.
inline Samples quietRoom(int milliseconds, unsigned seed = 1) {
    Noise noise(seed);
    Samples room(std::size_t(samplesOf(milliseconds)));
    for (double &x : room) {
        x = 1.2 * noise.next();
    }
    return room;
}

// Samples that `program` writes to its standard output as unsigned 8-bit mono at 22050 Hz;
// empty when it cannot run.
inline Samples rawFrom(const QString &program, const QStringList &arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0) {
        return {};
    }
    return toSigned(process.readAllStandardOutput());
}

// espeak-ng's speech (it speaks at 22050 Hz) through sox into the capture format.
inline Samples spokenBy(const QString &voice, const QString &text, int pitch, int amplitude) {
    const QString line =
        QStringLiteral("espeak-ng --stdout -v '%1' -p %2 -a %3 \"$0\" | sox -t wav - -t raw "
                       "-r 22050 -e unsigned-integer -b 8 -c 1 -")
            .arg(voice)
            .arg(pitch)
            .arg(amplitude);
    return rawFrom(QStringLiteral("sh"), {QStringLiteral("-c"), line, text});
}

// sox's synthesiser: `effects` after "synth", mixed down to mono.
inline Samples synthesised(const QStringList &effects) {
    // -R: the same noise on every run.
    QStringList arguments = {QStringLiteral("-R"), QStringLiteral("-n"),
                             QStringLiteral("-t"), QStringLiteral("raw"),
                             QStringLiteral("-r"), QStringLiteral("22050"),
                             QStringLiteral("-e"), QStringLiteral("unsigned-integer"),
                             QStringLiteral("-b"), QStringLiteral("8"),
                             QStringLiteral("-c"), QStringLiteral("1"),
                             QStringLiteral("-"),  QStringLiteral("synth")};
    arguments += effects;
    arguments += {QStringLiteral("remix"), QStringLiteral("-")};
    return rawFrom(QStringLiteral("sox"), arguments);
}

inline CorpusItem finished(const QString &name, Samples samples, const QList<int> &claps,
                           unsigned seed) {
    // Every item rests on the same faint room and ends with half a second of it.
    samples.resize(samples.size() + std::size_t(samplesOf(500)), 0.0);
    const Samples room = quietRoom(int(samples.size() * 1000 / kCorpusRate) + 1, seed);
    for (std::size_t i = 0; i < samples.size(); ++i) {
        samples[i] += room[i];
    }
    return {name, toUnsigned(samples), claps};
}

// Sounds laid one after another with `gapMs` between them, starting after `leadMs`.
inline Samples inSequence(const QList<Samples> &sounds, int leadMs, int gapMs,
                          QList<int> *startsMs = nullptr) {
    Samples all(std::size_t(samplesOf(leadMs)), 0.0);
    for (const Samples &sound : sounds) {
        if (startsMs) {
            startsMs->append(int(all.size() * 1000 / kCorpusRate));
        }
        all.insert(all.end(), sound.begin(), sound.end());
        all.resize(all.size() + std::size_t(samplesOf(gapMs)), 0.0);
    }
    return all;
}

struct SpeechLine {
    QString voice;
    QString text;
};

inline const QList<SpeechLine> &speechLines() {
    static const QList<SpeechLine> lines = {
        {QStringLiteral("en"),
         QStringLiteral("Two plus three is five. Hmm, seven minus four, that is three, I think.")},
        {QStringLiteral("ru"), QStringLiteral("Два плюс три будет пять. Так, восемь разделить на "
                                              "два, получается четыре.")},
        {QStringLiteral("de"),
         QStringLiteral("Zwei und drei ist fünf. Sieben weniger vier ist drei, glaube ich.")},
        {QStringLiteral("fr"),
         QStringLiteral("Deux plus trois font cinq. Sept moins quatre, ça fait trois.")},
        {QStringLiteral("es"),
         QStringLiteral("Dos más tres son cinco. Siete menos cuatro, eso es tres, creo.")},
    };
    return lines;
}

// The claps of the corpus: four claps of one shape and loudness, 1.3 s apart.
inline QList<CorpusItem> clapItems() {
    QList<CorpusItem> items;
    const QList<std::pair<ClapShape, QString>> shapes = {
        {ClapShape::Flat, QStringLiteral("flat")},
        {ClapShape::Cupped, QStringLiteral("cupped")},
        {ClapShape::Room, QStringLiteral("room")}};
    unsigned seed = 100;
    for (const auto &[shape, shapeName] : shapes) {
        for (int decibels : {0, -3, -6, -9, -12}) {
            QList<Samples> claps;
            for (int n = 0; n < 4; ++n) {
                claps.append(clap(shape, peakAt(decibels), seed++));
            }
            QList<int> starts;
            const Samples sound = inSequence(claps, 600, 1300, &starts);
            items.append(finished(QStringLiteral("clap-%1-%2dB").arg(shapeName).arg(-decibels),
                                  sound, starts, seed));
        }
    }
    return items;
}

// Everything else: none of it is a clap.
inline QList<CorpusItem> otherItems() {
    QList<CorpusItem> items;
    unsigned seed = 500;
    for (int decibels : {0, -6}) {
        QList<Samples> snaps;
        for (int n = 0; n < 4; ++n) {
            snaps.append(snap(peakAt(decibels), seed++));
        }
        items.append(finished(QStringLiteral("snap-%1dB").arg(-decibels),
                              inSequence(snaps, 600, 1300), {}, seed));
    }
    {
        // Three knocks a fifth of a second apart, twice.
        QList<Samples> knocks;
        for (int n = 0; n < 6; ++n) {
            Samples one = knock(peakAt(n < 3 ? 0 : -6), seed++);
            one.resize(std::size_t(samplesOf(n % 3 == 2 ? 1300 : 210)), 0.0);
            knocks.append(one);
        }
        items.append(finished(QStringLiteral("door-knock"), inSequence(knocks, 600, 0), {}, seed));
    }
    // Speech: each language at a normal voice and pitch, and English whispered, quiet,
    // high-pitched (a child) and shouted (driven into the top of the scale).
    for (const SpeechLine &line : speechLines()) {
        Samples speech = spokenBy(line.voice, line.text, 50, 100);
        scaleToPeak(speech, 90);
        items.append(finished(QStringLiteral("speech-%1").arg(line.voice),
                              inSequence({speech}, 300, 0), {}, seed++));
    }
    const SpeechLine &english = speechLines().first();
    struct Delivery {
        QString name;
        QString voice;
        int pitch;
        double peak;
    };
    const QList<Delivery> deliveries = {
        {QStringLiteral("whispered"), QStringLiteral("en+whisper"), 50, 60},
        {QStringLiteral("quiet"), QStringLiteral("en"), 40, 30},
        {QStringLiteral("child"), QStringLiteral("en+f4"), 90, 90},
        {QStringLiteral("shouted"), QStringLiteral("en+m3"), 70, 160},
    };
    for (const Delivery &delivery : deliveries) {
        Samples speech = spokenBy(delivery.voice, english.text, delivery.pitch, 150);
        scaleToPeak(speech, delivery.peak);
        items.append(finished(QStringLiteral("speech-en-%1").arg(delivery.name),
                              inSequence({speech}, 300, 0), {}, seed++));
    }
    {
        // Plucked chords and a plucked melody (percussive, but harmonic), and held chords.
        Samples chords;
        for (const QString &chord : {QStringLiteral("C3 E3 G3"), QStringLiteral("F3 A3 C4"),
                                     QStringLiteral("G3 B3 D4"), QStringLiteral("C3 E3 G3")}) {
            QStringList effects = {QStringLiteral("0.7")};
            for (const QString &note : chord.split(QLatin1Char(' '))) {
                effects << QStringLiteral("pluck") << note;
            }
            const Samples one = synthesised(effects);
            chords.insert(chords.end(), one.begin(), one.end());
        }
        scaleToPeak(chords, 110);
        items.append(finished(QStringLiteral("music-plucked-chords"), inSequence({chords}, 300, 0),
                              {}, seed++));
        Samples melody;
        for (const QString &note :
             {QStringLiteral("E4"), QStringLiteral("D4"), QStringLiteral("C4"),
              QStringLiteral("D4"), QStringLiteral("E4"), QStringLiteral("E4"),
              QStringLiteral("E4"), QStringLiteral("G4")}) {
            const Samples one = synthesised({QStringLiteral("0.3"), QStringLiteral("pluck"), note});
            melody.insert(melody.end(), one.begin(), one.end());
        }
        scaleToPeak(melody, 110);
        items.append(finished(QStringLiteral("music-plucked-melody"), inSequence({melody}, 300, 0),
                              {}, seed++));
        Samples held =
            synthesised({QStringLiteral("3"), QStringLiteral("square"), QStringLiteral("C3"),
                         QStringLiteral("sine"), QStringLiteral("E4"), QStringLiteral("sawtooth"),
                         QStringLiteral("G3"), QStringLiteral("tremolo"), QStringLiteral("4"),
                         QStringLiteral("60")});
        scaleToPeak(held, 100);
        items.append(
            finished(QStringLiteral("music-held-chord"), inSequence({held}, 300, 0), {}, seed++));
    }
    {
        Samples pink = synthesised({QStringLiteral("4"), QStringLiteral("pinknoise")});
        scaleToPeak(pink, 50);
        items.append(
            finished(QStringLiteral("noise-steady"), inSequence({pink}, 0, 0), {}, seed++));
        // Babble: four voices talking over each other.
        Samples babble;
        int offset = 0;
        for (const SpeechLine &line : speechLines().mid(0, 4)) {
            Samples speech = spokenBy(line.voice, line.text, 30 + offset / 20, 100);
            mixAt(babble, speech, std::size_t(samplesOf(offset)));
            offset += 370;
        }
        scaleToPeak(babble, 70);
        items.append(
            finished(QStringLiteral("noise-babble"), inSequence({babble}, 0, 0), {}, seed++));
    }
    return items;
}

// Claps at 0, -6 and -12 dB over a sentence in each of two languages at a moderate level, and
// over steady noise.
inline QList<CorpusItem> clapsOverBackgroundItems() {
    QList<CorpusItem> items;
    unsigned seed = 900;
    for (const SpeechLine &line : speechLines().mid(0, 2)) {
        Samples speech = spokenBy(line.voice, line.text, 50, 100);
        scaleToPeak(speech, 20);
        Samples sound = inSequence({speech}, 400, 0);
        QList<int> claps;
        int at = 900;
        for (int decibels : {0, -6, -12}) {
            mixAt(sound, clap(ClapShape::Room, peakAt(decibels), seed++),
                  std::size_t(samplesOf(at)));
            claps.append(at);
            at += 1300;
        }
        items.append(
            finished(QStringLiteral("claps-over-speech-%1").arg(line.voice), sound, claps, seed));
    }
    Samples noise = synthesised({QStringLiteral("4.5"), QStringLiteral("pinknoise")});
    scaleToPeak(noise, 10);
    QList<int> claps;
    int at = 900;
    for (int decibels : {0, -6, -12}) {
        mixAt(noise, clap(ClapShape::Flat, peakAt(decibels), seed++), std::size_t(samplesOf(at)));
        claps.append(at);
        at += 1300;
    }
    items.append(finished(QStringLiteral("claps-over-noise"), noise, claps, seed));
    return items;
}

inline QList<CorpusItem> soundCorpus() {
    return clapItems() + otherItems() + clapsOverBackgroundItems();
}

} // namespace numbrook::testing
