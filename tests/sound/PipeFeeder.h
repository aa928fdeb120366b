// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

#pragma once

// Feeds the pipe microphone of the test environment in real time: unsigned 8-bit mono samples
// at 22050 Hz, silence whenever nothing else is queued, so that the source delivers a steady
// stream. Sounds queued with play() go out next; the moment their first byte is written is
// recorded for latency measurements.

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>
#include <QtGlobal>
#include <atomic>
#include <chrono>
#include <cmath>
#include <condition_variable>
#include <deque>
#include <fcntl.h>
#include <mutex>
#include <thread>
#include <unistd.h>

namespace numbrook::testing {

using Clock = std::chrono::steady_clock;

// A short loud burst: a square wave of amplitude `amplitude` around 128 for `milliseconds`.
// Every sample lies at the same distance from 128, so the burst crosses any threshold up to
// `amplitude` exactly once, at its start.
inline QByteArray clapSound(int amplitude = 110, int milliseconds = 30) {
    QByteArray sound;
    const int samples = 22050 * milliseconds / 1000;
    for (int i = 0; i < samples; ++i) {
        sound.append(char(quint8((i / 8) % 2 ? 128 + amplitude : 128 - amplitude)));
    }
    return sound;
}

// A steady sine tone of `amplitude` for `milliseconds`.
inline QByteArray toneSound(int amplitude, int milliseconds, double hertz = 440.0) {
    QByteArray sound;
    const int samples = 22050 * milliseconds / 1000;
    for (int i = 0; i < samples; ++i) {
        const double value = 128.0 + amplitude * std::sin(2.0 * M_PI * hertz * i / 22050.0);
        sound.append(char(quint8(std::lround(value))));
    }
    return sound;
}

// The description of the test environment's microphone fed from its pipe.
inline const QString kPipeMicrophone = QStringLiteral("Pipe Microphone");

// `sound` with claps of the given loudness (clapSound) laid over it at the given milliseconds.
inline QByteArray withClaps(QByteArray sound, const QList<QPair<int, int>> &atAndLoudness) {
    for (const auto &[at, loudness] : atAndLoudness) {
        const QByteArray clap = clapSound(loudness);
        sound.replace(qsizetype(22050LL * at / 1000), clap.size(), clap);
    }
    return sound;
}

class PipeFeeder {
public:
    // The test environment's pipe microphone unless told another pipe.
    explicit PipeFeeder(const QString &pipePath = qEnvironmentVariable("NUMBROOK_TEST_PIPE")) {
        // Non-blocking: a suspended source that stops reading must never hang the test.
        fd = ::open(pipePath.toLocal8Bit().constData(), O_WRONLY | O_NONBLOCK);
        if (fd >= 0) {
            worker = std::thread([this] { feed(); });
        }
    }
    ~PipeFeeder() {
        stopping = true;
        if (worker.joinable()) {
            worker.join();
        }
        if (fd >= 0) {
            ::close(fd);
        }
    }
    PipeFeeder(const PipeFeeder &) = delete;
    PipeFeeder &operator=(const PipeFeeder &) = delete;

    bool isOpen() const { return fd >= 0; }

    // Bytes the pipe refused so far (the source did not keep up).
    long long droppedBytes() const { return dropped.load(); }

    // Queues `sound` after what is already queued.
    void play(const QByteArray &sound) {
        std::lock_guard lock(mutex);
        for (char byte : sound) {
            queued.push_back(quint8(byte));
        }
        soundStart = queued.size() - std::size_t(sound.size());
        startWritten = false;
    }

    // Drops what is still queued; silence follows at once.
    void clear() {
        std::lock_guard lock(mutex);
        queued.clear();
        soundStart = 0;
        drained.notify_all();
    }

    // Waits until everything queued has been written.
    void waitUntilPlayed() {
        std::unique_lock lock(mutex);
        drained.wait(lock, [this] { return queued.empty() || stopping; });
    }

    // Whether everything queued has been written; for waiting with the event loop running, as
    // the capture's reports need the main thread.
    bool isPlayed() {
        std::lock_guard lock(mutex);
        return queued.empty();
    }

    // When the first byte of the last sound queued was written (after waitUntilPlayed()).
    Clock::time_point lastSoundWritten() {
        std::lock_guard lock(mutex);
        return soundWrittenAt;
    }

private:
    void feed() {
        const Clock::time_point start = Clock::now();
        long long written = 0;
        char chunk[4096];
        while (!stopping) {
            const auto elapsed =
                std::chrono::duration_cast<std::chrono::microseconds>(Clock::now() - start);
            const long long due = elapsed.count() * 22050 / 1000000 - written;
            long long size = std::min<long long>(due, sizeof chunk);
            if (size > 0) {
                std::unique_lock lock(mutex);
                bool marksStart = false;
                long long i = 0;
                for (; i < size && !queued.empty(); ++i) {
                    if (!startWritten && soundStart == 0) {
                        marksStart = true;
                    }
                    chunk[i] = char(queued.front());
                    queued.pop_front();
                    soundStart = soundStart > 0 ? soundStart - 1 : 0;
                }
                for (; i < size; ++i) {
                    chunk[i] = char(128);
                }
                const ssize_t done = ::write(fd, chunk, size_t(size));
                if (marksStart) {
                    soundWrittenAt = Clock::now();
                    startWritten = true;
                }
                if (queued.empty()) {
                    drained.notify_all();
                }
                lock.unlock();
                // What the pipe does not take is dropped: the stream stays in real time.
                if (done < size) {
                    dropped += size - std::max<ssize_t>(done, 0);
                }
                written += size;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        }
        drained.notify_all();
    }

    int fd = -1;
    std::atomic<bool> stopping{false};
    std::atomic<long long> dropped{0};
    std::thread worker;
    std::mutex mutex;
    std::condition_variable drained;
    std::deque<quint8> queued;
    std::size_t soundStart = 0;
    bool startWritten = true;
    Clock::time_point soundWrittenAt;
};

} // namespace numbrook::testing
