// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

// The clap corpus through the capture's per-buffer work, in both modes: one line per item and
// mode, "item mode heard/total" (answers, as signalling switched on, over the claps the item
// holds), then the per-buffer cost of the clap detector beside the plain crossing scan.
//   bench_claps [designed threshold] [only-claps threshold] [--features]
// --features also prints what the detector measured of every candidate. Inside
// scripts/test-env.sh it then plays the corpus into the test microphone and counts the trigger
// reports of a real capture in each mode ("item mode heard/total server").

#include "CaptureThread.h"
#include "ClapDetector.h"
#include "CorpusListener.h"
#include "PulseTools.h"
#include "SoundCorpus.h"
#include "SoundEngine.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <cstring>

using namespace numbrook;
using namespace numbrook::testing;

namespace {

// Nanoseconds per block of `work` over the whole corpus, best of five rounds.
template <typename Work> double perBlock(const QList<CorpusItem> &corpus, Work work) {
    double best = 1e18;
    for (int round = 0; round < 5; ++round) {
        long long blocks = 0;
        const auto start = std::chrono::steady_clock::now();
        for (const CorpusItem &item : corpus) {
            work(item, blocks);
        }
        const double ns = double(std::chrono::duration_cast<std::chrono::nanoseconds>(
                                     std::chrono::steady_clock::now() - start)
                                     .count());
        best = std::min(best, ns / double(std::max(1LL, blocks)));
    }
    return best;
}

// Runs the event loop for `milliseconds`, or until `done` holds.
template <typename Done> void runFor(int milliseconds, Done done) {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < milliseconds && !done()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
}

// The corpus played into the test microphone, heard by a capture of object 1 in each mode.
void playThroughServer(const QList<CorpusItem> &corpus, int designedThreshold, int clapThreshold) {
    SoundEngine engine;
    if (!engine.open()) {
        std::printf("server: no connection\n");
        return;
    }
    QList<qint64> heardAt;
    QElapsedTimer clock;
    clock.start();
    QObject::connect(&engine.captureReports, &CaptureReports::triggerReport, &engine.captureReports,
                     [&] { heardAt << clock.elapsed(); });
    // The test microphone, which hears what is played into its feed sink.
    engine.captures.start(1, 0, QStringLiteral("nb_mic"));
    runFor(1500, [] { return false; });
    SinkPlayer feeder;
    for (ListenMode mode : {ListenMode::Designed, ListenMode::OnlyClaps}) {
        engine.captures.ClapsOnly(1).store(mode == ListenMode::OnlyClaps);
        engine.captures.TriggerThreshold(1).store(mode == ListenMode::Designed ? designedThreshold
                                                                               : clapThreshold);
        for (const CorpusItem &item : corpus) {
            heardAt.clear();
            feeder.play(item.sound);
            runFor(int(item.sound.size() * 1000 / kCorpusRate) + 10000,
                   [&] { return feeder.isPlayed(); });
            runFor(1200, [] { return false; });
            // Answers as the signalling counts them: reports more than the hold time apart.
            int answers = 0;
            for (qsizetype i = 0; i < heardAt.size(); ++i) {
                answers += i == 0 || heardAt[i] - heardAt[i - 1] > 1000 ? 1 : 0;
            }
            std::printf("%s %s %d/%lld server (%lld reports)\n", qPrintable(item.name),
                        modeName(mode), answers, qsizetype(item.clapsAtMs.size()), heardAt.size());
            std::fflush(stdout);
        }
    }
    engine.captures.stopAll();
    engine.close();
}

} // namespace

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    const int designedThreshold = argc > 1 ? std::atoi(argv[1]) : kDefaultTriggerThreshold;
    const int clapThreshold = argc > 2 ? std::atoi(argv[2]) : 16;
    const bool features = argc > 3 && std::strcmp(argv[3], "--features") == 0;
    const QList<CorpusItem> corpus = soundCorpus();
    std::printf("thresholds: designed %d, only-claps %d (rise over the background)\n",
                designedThreshold, clapThreshold);
    for (const CorpusItem &item : corpus) {
        if (item.sound.isEmpty()) {
            std::printf("%s: could not be made (espeak-ng or sox missing)\n",
                        qPrintable(item.name));
            continue;
        }
        for (ListenMode mode : {ListenMode::Designed, ListenMode::OnlyClaps}) {
            const int threshold = mode == ListenMode::Designed ? designedThreshold : clapThreshold;
            const Listened heard =
                listen(item.sound, mode, threshold, [&](const ClapDetector &detector, int atMs) {
                    if (!features) {
                        return;
                    }
                    const ClapFeatures &f = *detector.lastCandidate();
                    std::printf(
                        "    %-28s %6d ms %s bg %3d onset %7.1f decay %6.3f/%6.2f sharp %5.3f "
                        "period %4.2f burst %2d\n",
                        qPrintable(item.name), atMs, detector.lastWasClap() ? "CLAP" : "    ",
                        detector.background(), f.loudestMs / (f.before + 1),
                        std::max(0.0, f.late - f.before) / std::max(1e-9, f.early - f.before),
                        f.late / (f.before + 1), f.sharpness, f.periodicity, f.burstMs);
                });
            std::printf("%s %s %d/%lld\n", qPrintable(item.name), modeName(mode), heard.answers,
                        qsizetype(item.clapsAtMs.size()));
        }
    }

    volatile int sink = 0;
    const double scanNs = perBlock(corpus, [&](const CorpusItem &item, long long &blocks) {
        const auto *samples = reinterpret_cast<const quint8 *>(item.sound.constData());
        for (qsizetype at = 0; at + kCaptureBufferBytes <= item.sound.size();
             at += kCaptureBufferBytes, ++blocks) {
            const std::span<const quint8> block(samples + at, kCaptureBufferBytes);
            sink = sink + MicLevel(block) + int(HasRisingCrossing(block, designedThreshold));
        }
    });
    const double detectorNs = perBlock(corpus, [&](const CorpusItem &item, long long &blocks) {
        ClapDetector detector;
        const auto *samples = reinterpret_cast<const quint8 *>(item.sound.constData());
        for (qsizetype at = 0; at + kCaptureBufferBytes <= item.sound.size();
             at += kCaptureBufferBytes, ++blocks) {
            const std::span<const quint8> block(samples + at, kCaptureBufferBytes);
            sink = sink + MicLevel(block) + int(detector.process(block, clapThreshold));
        }
    });
    std::printf("per buffer: level and crossing scan %.0f ns, level and clap detector %.0f ns "
                "(a buffer lasts %.1f ms)\n",
                scanNs, detectorNs, 1000.0 * kCaptureBufferBytes / kCaptureSampleRate);
    if (!qEnvironmentVariableIsEmpty("NUMBROOK_TEST_SERVER")) {
        std::printf("server: %s\n", qPrintable(qEnvironmentVariable("NUMBROOK_TEST_SERVER")));
        playThroughServer(corpus, designedThreshold, clapThreshold);
    }
    return 0;
}
