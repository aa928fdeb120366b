// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

#pragma once

// The clap loop of the latency benchmarks: plays claps into a test microphone one at a time and
// measures from the clap's first byte written to the moment `arrived` is called for it.

#include "PipeFeeder.h"

#include <QEventLoop>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace numbrook::testing {

// Runs the event loop for `milliseconds`.
inline void pause(int milliseconds) {
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

class ClapLatency {
public:
    // Called by the benchmark when the clap it waits for has been answered.
    void arrived() {
        arrivedAt = Clock::now();
        ++arrivals;
        loop.quit();
    }

    void pause(int milliseconds) {
        QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
        loop.exec();
    }

    // Plays `claps` claps through `feeder`, each after `beforeEach`, and prints the median,
    // 99th percentile and extremes as "<label>: <what> ...".
    template <typename Feeder>
    void run(const char *label, const char *what, Feeder &feeder, int claps,
             const std::function<void()> &beforeEach = {}) {
        std::vector<double> latencies;
        int missed = 0;
        for (int i = 0; i < claps; ++i) {
            if (beforeEach) {
                beforeEach();
            }
            arrivals = 0;
            feeder.play(clapSound(110, 20));
            QTimer timeout;
            timeout.setSingleShot(true);
            QObject::connect(&timeout, &QTimer::timeout, &loop, &QEventLoop::quit);
            timeout.start(3000);
            loop.exec();
            if (arrivals == 0) {
                ++missed;
                continue;
            }
            latencies.push_back(
                std::chrono::duration<double, std::milli>(arrivedAt - feeder.lastSoundWritten())
                    .count());
            // Quiet between claps, so that each one rises from silence.
            pause(80);
        }
        if (latencies.empty()) {
            std::printf("%s: %s: nothing arrived (%d claps missed)\n", label, what, missed);
            return;
        }
        std::sort(latencies.begin(), latencies.end());
        auto at = [&](double q) {
            return latencies[std::size_t(q * double(latencies.size() - 1))];
        };
        std::printf("%s: %s over %zu claps (%d missed): median %.1f ms, 99th percentile %.1f ms, "
                    "min %.1f ms, max %.1f ms\n",
                    label, what, latencies.size(), missed, at(0.5), at(0.99), latencies.front(),
                    latencies.back());
    }

private:
    QEventLoop loop;
    Clock::time_point arrivedAt;
    int arrivals = 0;
};

} // namespace numbrook::testing
