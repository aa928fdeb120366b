// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

// Capture figures: the cost of the level and crossing scan per 512-byte buffer (and of the clap
// detector beside it), and the time
// from a clap written into a test microphone to its trigger report on the main thread.
// Run inside scripts/test-env.sh:  scripts/test-env.sh build/release/bench/bench_capture [claps]

#include "CaptureThread.h"
#include "ClapDetector.h"
#include "ClapLatency.h"
#include "PipeFeeder.h"
#include "SoundEngine.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <pulse/simple.h>
#include <random>
#include <vector>

using namespace numbrook;
using numbrook::testing::Clock;

namespace {

void benchScan() {
    // Buffers of varied loudness, so that the crossing search ends early in some and runs to
    // the end in others.
    std::mt19937 random(7);
    std::vector<std::array<quint8, kCaptureBufferBytes>> buffers(256);
    for (std::size_t b = 0; b < buffers.size(); ++b) {
        const int amplitude = int(b % 129);
        std::uniform_int_distribution<int> noise(128 - amplitude, std::min(255, 128 + amplitude));
        for (quint8 &sample : buffers[b]) {
            sample = quint8(noise(random));
        }
    }
    const int rounds = 4000;
    long long sink = 0;
    QElapsedTimer timer;
    timer.start();
    for (int round = 0; round < rounds; ++round) {
        for (const auto &buffer : buffers) {
            sink += MicLevel(buffer);
            sink += HasRisingCrossing(buffer, kDefaultTriggerThreshold) ? 1 : 0;
        }
    }
    const double ns = double(timer.nsecsElapsed()) / (double(rounds) * double(buffers.size()));
    std::printf("scan: level + crossing search, %.1f ns per 512-byte buffer (%lld)\n", ns,
                sink % 10);
    // The same buffers through the clap detector ("only claps"), at a threshold low enough for
    // most of them to start candidates: its worst case, every candidate judged in full.
    ClapDetector detector;
    timer.restart();
    for (int round = 0; round < rounds / 8; ++round) {
        for (const auto &buffer : buffers) {
            sink += MicLevel(buffer);
            sink += detector.process(buffer, 4) ? 1 : 0;
        }
    }
    const double clapNs =
        double(timer.nsecsElapsed()) / (double(rounds / 8) * double(buffers.size()));
    std::printf("scan: level + clap detector, %.1f ns per 512-byte buffer (%lld, %d candidates "
                "judged)\n",
                clapNs, sink % 10, detector.candidatesDecided());
}

// Plays into the sink that feeds the remapped test microphone, through a low-latency playback
// stream; silence between claps.
class SinkFeeder {
public:
    SinkFeeder() {
        const pa_sample_spec format{PA_SAMPLE_U8, kCaptureSampleRate, 1};
        pa_buffer_attr attr;
        attr.maxlength = std::uint32_t(-1);
        attr.tlength = 1024;
        attr.prebuf = std::uint32_t(-1);
        attr.minreq = 256;
        attr.fragsize = std::uint32_t(-1);
        stream = pa_simple_new(nullptr, "Numbrook capture bench", PA_STREAM_PLAYBACK, "nb_micfeed",
                               "clap", &format, nullptr, &attr, nullptr);
        if (stream) {
            worker = std::thread([this] { feed(); });
        }
    }
    ~SinkFeeder() {
        stopping = true;
        if (worker.joinable()) {
            worker.join();
        }
        if (stream) {
            pa_simple_free(stream);
        }
    }
    bool isOpen() const { return stream != nullptr; }
    void play(const QByteArray &sound) {
        std::lock_guard lock(mutex);
        pending = sound;
    }
    Clock::time_point lastSoundWritten() {
        std::lock_guard lock(mutex);
        return writtenAt;
    }

private:
    void feed() {
        const QByteArray silence(256, char(128));
        while (!stopping) {
            QByteArray chunk;
            {
                std::lock_guard lock(mutex);
                chunk.swap(pending);
            }
            const bool isSound = !chunk.isEmpty();
            if (!isSound) {
                chunk = silence;
            }
            pa_simple_write(stream, chunk.constData(), size_t(chunk.size()), nullptr);
            if (isSound) {
                std::lock_guard lock(mutex);
                writtenAt = Clock::now();
            }
        }
    }

    pa_simple *stream = nullptr;
    std::atomic<bool> stopping{false};
    std::thread worker;
    std::mutex mutex;
    QByteArray pending;
    Clock::time_point writtenAt;
};

template <typename Feeder>
void benchClaps(const char *label, const QString &source, Feeder &feeder, int claps) {
    SoundEngine engine;
    testing::ClapLatency latency;
    const QMetaObject::Connection reports =
        QObject::connect(&engine.captureReports, &CaptureReports::triggerReport,
                         [&latency](int) { latency.arrived(); });
    if (!engine.captures.start(1, 0, source)) {
        std::printf("%s: capture did not start\n", label);
        QObject::disconnect(reports);
        return;
    }
    latency.pause(1000); // settle
    latency.run(label, "clap written -> trigger report", feeder, claps);
    QObject::disconnect(reports);
    engine.captures.stopAll();
}

} // namespace

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    const int claps = argc > 1 ? std::max(1, std::atoi(argv[1])) : 200;
    benchScan();
    if (qEnvironmentVariableIsEmpty("PULSE_SERVER") ||
        qEnvironmentVariableIsEmpty("NUMBROOK_TEST_PIPE")) {
        std::printf("latency: skipped, run inside scripts/test-env.sh\n");
        return 0;
    }
    {
        testing::PipeFeeder pipe(qEnvironmentVariable("NUMBROOK_TEST_PIPE"));
        if (pipe.isOpen()) {
            benchClaps("pipe microphone", QStringLiteral("nb_pipe_mic"), pipe, claps);
        }
    }
    {
        SinkFeeder sink;
        if (sink.isOpen()) {
            benchClaps("remapped microphone", QStringLiteral("nb_mic"), sink, claps);
        }
    }
    return 0;
}
