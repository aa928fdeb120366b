// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

#include "ClapDetector.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

namespace numbrook {

namespace {

constexpr int kSilence = 128;
constexpr int kMillisecond = ClapDetector::kSampleRate / 1000; // 22 samples
// Pitch periods of voices and instruments: 400 Hz down to 50 Hz.
constexpr int kShortestPeriod = ClapDetector::kSampleRate / 400;
constexpr int kLongestPeriod = ClapDetector::kSampleRate / 50;
// A burst's milliseconds are those within 15 dB of its loudest one.
const double kBurstRange = std::pow(10.0, 1.5);

double meanSquare(std::span<const float> samples) {
    double sum = 0;
    for (float x : samples) {
        sum += double(x) * x;
    }
    return samples.empty() ? 0 : sum / double(samples.size());
}

// The mean squares of the whole milliseconds of `samples`.
std::vector<double> millisecondEnergies(std::span<const float> samples) {
    std::vector<double> energies;
    for (std::size_t at = 0; at + kMillisecond <= samples.size(); at += kMillisecond) {
        energies.push_back(meanSquare(samples.subspan(at, kMillisecond)));
    }
    return energies;
}

double sharpnessOf(std::span<const float> samples) {
    double differences = 0;
    double energy = 0;
    for (std::size_t i = 1; i < samples.size(); ++i) {
        const double step = double(samples[i]) - samples[i - 1];
        differences += step * step;
        energy += double(samples[i]) * samples[i];
    }
    return energy > 0 ? differences / energy : 0;
}

double correlation(std::span<const float> samples, std::size_t length, int lag) {
    double product = 0;
    double here = 0;
    double there = 0;
    for (std::size_t n = 0; n < length; ++n) {
        const double a = samples[n];
        const double b = samples[n + std::size_t(lag)];
        product += a * b;
        here += a * a;
        there += b * b;
    }
    return here > 0 && there > 0 ? product / std::sqrt(here * there) : 0;
}

// The largest normalised autocorrelation of the first `length` samples with the samples one
// pitch period of a voice or an instrument later; `samples` holds length plus the longest period.
double periodicityOf(std::span<const float> samples, std::size_t length) {
    double best = 0;
    for (int lag = kShortestPeriod; lag <= kLongestPeriod; ++lag) {
        best = std::max(best, correlation(samples, length, lag));
    }
    return best;
}

} // namespace

ClapFeatures ClapDetector::measure(std::span<const float> samples, std::size_t onset,
                                   bool always) const {
    ClapFeatures f;
    const auto window = [&](int from, int to) {
        return samples.subspan(onset + std::size_t(from), std::size_t(to - from));
    };
    f.before = meanSquare(samples.subspan(onset - kBeforeSamples, kBeforeSamples));
    const std::span<const float> early = window(0, kEarlySamples);
    f.early = meanSquare(early);
    const std::vector<double> earlyMs = millisecondEnergies(early);
    f.loudestMs = *std::max_element(earlyMs.begin(), earlyMs.end());
    f.late = meanSquare(window(kLateStart, kDecisionSamples));
    f.sharpness = sharpnessOf(early);
    const std::vector<double> burst = millisecondEnergies(window(0, kBurstSamples));
    // Measured on what the sound adds to the energy before it, so that the room's own level
    // does not lengthen a clap.
    const double loudest = *std::max_element(burst.begin(), burst.end()) - f.before;
    f.burstMs = int(std::count_if(burst.begin(), burst.end(), [&](double energy) {
        return (energy - f.before) * kBurstRange >= loudest;
    }));
    if (always || isClap(f)) {
        f.periodicity = periodicityOf(window(0, kEarlySamples + kLongestPeriod), kEarlySamples);
    }
    return f;
}

bool ClapDetector::isClap(const ClapFeatures &f) const {
    // The energy before gets a floor of one step squared, the quantisation of the samples, so
    // that a start from digital silence divides nothing by zero.
    return f.loudestMs >= rules_.onsetRatio * (f.before + 1) &&
           std::max(0.0, f.late - f.before) <= rules_.decayRatio * (f.early - f.before) &&
           f.sharpness >= rules_.minimumSharpness && f.periodicity <= rules_.maximumPeriodicity &&
           f.burstMs >= rules_.minimumBurstMs;
}

bool ClapDetector::process(std::span<const std::uint8_t> block, int threshold) {
    const int level = background_ + threshold;
    bool heard = false;
    int peak = 0;
    for (std::uint8_t sample : block) {
        const int distance = std::abs(int(sample) - kSilence);
        const std::int64_t at = received_++;
        const int previous = int(std::abs(sampleAt(at - 1)));
        history_[std::size_t(at) % kHistory] = float(int(sample) - kSilence);
        peak = std::max(peak, distance);
        if (threshold > 0 && at >= scanFrom_ && previous < level && distance >= level &&
            (pendingCount_ == 0 || at - pending_[pendingCount_ - 1] >= kCandidateSpacing) &&
            pendingCount_ < pending_.size()) {
            pending_[pendingCount_++] = at;
        }
        if (pendingCount_ > 0 && at == pending_[0] + kDecisionSamples && decide()) {
            heard = true;
            // The candidates within the clap are the clap itself.
            pendingCount_ = 0;
            scanFrom_ = at + 1;
        }
    }
    updateBackground(peak);
    return heard;
}

bool ClapDetector::decide() {
    std::array<float, kBeforeSamples + kDecisionSamples> window{};
    const std::int64_t first = pending_[0] - kBeforeSamples;
    for (std::size_t i = 0; i < window.size(); ++i) {
        const std::int64_t at = first + std::int64_t(i);
        window[i] = at < 0 ? 0.0f : sampleAt(at);
    }
    std::copy(pending_.begin() + 1, pending_.begin() + std::ptrdiff_t(pendingCount_),
              pending_.begin());
    --pendingCount_;
    lastCandidate_ = measure(window, kBeforeSamples, false);
    lastWasClap_ = isClap(*lastCandidate_);
    ++decided_;
    return lastWasClap_;
}

void ClapDetector::updateBackground(int peak) {
    peaks_[std::size_t(peakCount_ % kBackgroundBlocks)] = peak;
    ++peakCount_;
    const int known = std::min(peakCount_, kBackgroundBlocks);
    std::array<int, kBackgroundBlocks> sorted = peaks_;
    std::nth_element(sorted.begin(), sorted.begin() + known / 2, sorted.begin() + known);
    background_ = sorted[std::size_t(known / 2)];
    // Wraps well before the count could overflow, keeping the same position in the ring.
    if (peakCount_ >= 1 << 30) {
        peakCount_ = kBackgroundBlocks;
    }
}

void ClapDetector::reset() {
    *this = ClapDetector(rules_);
}

} // namespace numbrook
