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

int medianLevel(const QList<LevelReport> &reports) {
    QList<int> levels;
    for (const LevelReport &report : reports)
        levels << report.level;
    std::nth_element(levels.begin(), levels.begin() + levels.size() / 2, levels.end());
    return levels[levels.size() / 2];
}

// Whether each report is part of a held sound: `count` reports in a row, itself among them, all
// at least a third of the way from the room's level up to its own. A clap is down again sooner.
QList<bool> heldReports(const QList<LevelReport> &reports, int room, int count) {
    QList<bool> held(reports.size(), false);
    for (qsizetype i = 0; i < reports.size(); ++i) {
        const int third = room + (reports[i].level - room) / 3;
        for (qsizetype start = std::max<qsizetype>(0, i - count + 1);
             start <= i && start + count <= reports.size() && !held[i]; ++start) {
            held[i] = std::all_of(reports.begin() + start, reports.begin() + start + count,
                                  [&](const LevelReport &r) { return r.level >= third; });
        }
    }
    return held;
}

// The "only claps" proposal, when it is one.
void proposeOnlyClaps(const QList<LevelReport> &reports, const MicrophoneCheckRules &rules,
                      const MicrophoneCheckSetting &setting, MicrophoneCheckResult &result) {
    // Held sound answers at the threshold in force or the one proposed; when none is proposed
    // it is as loud as the claps if it reaches the softer loud event.
    const int proposedOrClaps = result.proposed() ? result.threshold : result.clapPeaks.value(1, 0);
    const int answersAt = std::min(setting.threshold, proposedOrClaps > 0 ? proposedOrClaps : 128);
    const QList<bool> held = heldReports(reports, result.roomLevel, rules.sustainedReports);
    QList<LevelReport> shortSounds;
    for (qsizetype i = 0; i < reports.size(); ++i) {
        if (held[i])
            result.speechLevel = std::max(result.speechLevel, reports[i].level);
        else
            shortSounds << reports[i];
    }
    result.speechHeard = result.speechLevel >= answersAt;
    if (!setting.onlyClaps && !result.speechHeard)
        return;
    // As in the loudness analysis, the two loudest short events are the claps and the fourth is
    // what short sounds the room makes anyway; the claps must rise well above that.
    const QList<int> peaks = eventPeaks(shortSounds, 4, rules.eventSpanMs);
    const int room = result.roomLevel;
    if (peaks.size() < 2 || peaks[1] - room < rules.minimumGap ||
        peaks[1] < peaks.value(3, room) * rules.shortEventRatio)
        return;
    const QList<int> claps = peaks.mid(0, 2);
    result.outcome = MicrophoneCheckOutcome::Proposed;
    result.onlyClaps = true;
    result.clapPeaks = claps;
    result.background = result.roomLevel;
    result.threshold =
        std::max(rules.minimumClapThreshold,
                 int(std::lround((claps[1] - result.roomLevel) * rules.clapRiseFraction)));
}

} // namespace

MicrophoneCheckResult analyseMicrophoneCheck(const QList<LevelReport> &reports,
                                             const MicrophoneCheckRules &rules,
                                             const MicrophoneCheckSetting &setting) {
    MicrophoneCheckResult result = analyseLoudness(reports, rules);
    if (reports.isEmpty())
        return result;
    result.roomLevel = medianLevel(reports);
    proposeOnlyClaps(reports, rules, setting, result);
    return result;
}

MicrophoneCheckResult analyseLoudness(const QList<LevelReport> &reports,
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

MicrophoneCheckResult MicrophoneCheck::finish(const MicrophoneCheckSetting &setting) {
    running_ = false;
    return analyseMicrophoneCheck(reports_, {}, setting);
}

} // namespace numbrook
