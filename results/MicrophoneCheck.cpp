// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

#include "MicrophoneCheck.h"

#include <algorithm>
#include <cmath>

namespace numbrook {

namespace {

// The peaks of up to `count` events, loudest first; every report within the span of a chosen
// peak is taken out before the next is chosen.
QList<int> eventPeaks(QList<LevelReport> reports, int count, qint64 spanMs) {
    QList<int> peaks;
    while (peaks.size() < count && !reports.isEmpty()) {
        const auto loudest = std::max_element(
            reports.cbegin(), reports.cend(),
            [](const LevelReport &a, const LevelReport &b) { return a.level < b.level; });
        const LevelReport peak = *loudest;
        peaks << peak.level;
        reports.removeIf(
            [&](const LevelReport &report) { return std::abs(report.atMs - peak.atMs) <= spanMs; });
    }
    return peaks;
}

} // namespace

MicrophoneCheckResult analyseMicrophoneCheck(const QList<LevelReport> &reports,
                                             const MicrophoneCheckRules &rules) {
    MicrophoneCheckResult result;
    if (reports.isEmpty())
        return result;
    const QList<int> peaks = eventPeaks(reports, 4, rules.eventSpanMs);
    result.clapPeaks = peaks.mid(0, 2);
    result.background = peaks.size() > 3 ? peaks[3] : 0;
    const int floor = std::max(result.background, rules.quietFloor);
    auto standsOut = [&](int peak) {
        return peak >= floor * rules.minimumRatio && peak - result.background >= rules.minimumGap;
    };
    if (!standsOut(result.clapPeaks[0])) {
        const bool clapOverSilence = result.clapPeaks[0] >= rules.quietFloor * rules.minimumRatio &&
                                     result.clapPeaks[0] >= rules.minimumGap;
        result.outcome = clapOverSilence ? MicrophoneCheckOutcome::NotLouderThanNoise
                                         : MicrophoneCheckOutcome::NoClapHeard;
        return result;
    }
    if (result.clapPeaks.size() < 2 || !standsOut(result.clapPeaks[1])) {
        result.outcome = MicrophoneCheckOutcome::TooFewClaps;
        return result;
    }
    const int softest = result.clapPeaks[1];
    const int middle = int(std::lround(std::sqrt(double(floor) * softest)));
    result.threshold = std::clamp(middle, result.background + 1, softest);
    result.outcome = MicrophoneCheckOutcome::Proposed;
    return result;
}

void MicrophoneCheck::start(qint64 nowMs) {
    running_ = true;
    startMs_ = nowMs;
    loudest_ = 0;
    reports_.clear();
}

void MicrophoneCheck::addLevel(qint64 atMs, int level) {
    if (!running_ || atMs < startMs_ || atMs - startMs_ > kDurationMs)
        return;
    reports_.append({atMs, level});
    loudest_ = std::max(loudest_, level);
}

MicrophoneCheckResult MicrophoneCheck::finish() {
    running_ = false;
    return analyseMicrophoneCheck(reports_);
}

} // namespace numbrook
