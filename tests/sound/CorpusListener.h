// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

#pragma once

// Listens to a corpus item block by block as a capture thread would, in either mode, and counts
// the answers: the times signalling would switch on with a hold of one second.

#include "CaptureThread.h"
#include "ClapDetector.h"
#include "SoundCorpus.h"

#include <functional>
#include <span>

namespace numbrook::testing {

enum class ListenMode { Designed, OnlyClaps };

inline const char *modeName(ListenMode mode) {
    return mode == ListenMode::Designed ? "designed" : "only-claps";
}

struct Listened {
    int answers = 0;        // signalling switched on
    QList<int> answersAtMs; // when, as the end of the block that answered
    int triggers = 0;       // trigger reports
};

// `onCandidate` sees every candidate the detector decided (only-claps mode).
inline Listened
listen(const QByteArray &sound, ListenMode mode, int threshold,
       const std::function<void(const ClapDetector &, int atMs)> &onCandidate = {}) {
    constexpr int kHoldMs = 1000;
    Listened result;
    ClapDetector detector;
    double holdUntilMs = -1;
    const auto *samples = reinterpret_cast<const quint8 *>(sound.constData());
    for (qsizetype at = 0; at + kCaptureBufferBytes <= sound.size(); at += kCaptureBufferBytes) {
        const std::span<const quint8> block(samples + at, kCaptureBufferBytes);
        const double endMs = double(at + kCaptureBufferBytes) * 1000.0 / kCaptureSampleRate;
        bool fired = false;
        if (mode == ListenMode::Designed) {
            fired = HasRisingCrossing(block, threshold);
        } else {
            const int decided = detector.candidatesDecided();
            fired = detector.process(block, threshold);
            if (onCandidate && detector.candidatesDecided() != decided) {
                onCandidate(detector, int(endMs));
            }
        }
        if (!fired) {
            continue;
        }
        ++result.triggers;
        if (endMs >= holdUntilMs) {
            ++result.answers;
            result.answersAtMs.append(int(endMs));
        }
        holdUntilMs = endMs + kHoldMs;
    }
    return result;
}

} // namespace numbrook::testing
