// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>

namespace numbrook {

// What the clap detector measures of one candidate, the sound from a little before a rising
// crossing of the background level plus the threshold to 75 ms after it. Energies are mean
// squares of the distance from silence.
struct ClapFeatures {
    double before = 0;       // the 10 ms before the crossing
    double loudestMs = 0;    // the loudest millisecond of the first 20 ms after it
    double early = 0;        // the first 20 ms after the crossing
    double late = 0;         // 35 to 75 ms after the crossing
    double sharpness = 0;    // first differences over the samples, early window (2 for white noise)
    double periodicity = -1; // the largest normalised autocorrelation at a voice's pitch periods
    int burstMs = 0; // milliseconds of the first 40 within 15 dB of the loudest one, over before
};

// The rules a candidate must pass to count as a clap; ARCHITECTURE.md gives the measured reason
// for each value.
struct ClapRules {
    double onsetRatio = 16.0; // loudestMs over before: it starts from its background
    double decayRatio = 0.06; // late over early at most, each above the energy before: most of
                              // what the sound added is gone by 35 ms
    double minimumSharpness = 0.03;  // broad and high enough: not a knock or a hum
    double maximumPeriodicity = 0.6; // no pitch of a voice or an instrument
    int minimumBurstMs = 5;          // longer than a finger snap
};

// Tells claps from other sounds in the capture stream, one 512-byte block at a time, on the
// capture thread. A candidate is a rising crossing of the background level (the median of the
// last blocks' peaks) plus the threshold, at least 1 ms after the candidate before it; 75 ms
// later it is either a clap or nothing. A clap is reported in the block that holds its 75th
// millisecond (at most about 100 ms after its start), and once: the candidates within it are
// dropped and the next one is looked for after it.
class ClapDetector {
public:
    static constexpr int kSampleRate = 22050;
    static constexpr int kBeforeSamples = kSampleRate / 100;         // 10 ms
    static constexpr int kEarlySamples = kSampleRate / 50;           // 20 ms
    static constexpr int kBurstSamples = kSampleRate / 25;           // 40 ms
    static constexpr int kLateStart = kSampleRate * 35 / 1000;       // 35 ms
    static constexpr int kDecisionSamples = kSampleRate * 75 / 1000; // 75 ms
    static constexpr int kBackgroundBlocks = 32;                     // about 0.75 s
    static constexpr int kCandidateSpacing = kSampleRate / 1000;     // 1 ms

    explicit ClapDetector(const ClapRules &rules = {}) : rules_(rules) {}

    // Takes the next block of unsigned 8-bit samples; true when a clap was decided in it.
    // `threshold` is the rise over the background a clap must reach (0 hears nothing).
    bool process(std::span<const std::uint8_t> block, int threshold);
    // Forgets everything heard, as a fresh detector.
    void reset();

    // The background level the threshold is added to (0..128 on the scale of MicLevel).
    int background() const { return background_; }
    // The features of the last candidate decided, and whether it was a clap.
    const std::optional<ClapFeatures> &lastCandidate() const { return lastCandidate_; }
    bool lastWasClap() const { return lastWasClap_; }
    // How many candidates were decided so far.
    int candidatesDecided() const { return decided_; }

    // The features of the sound in `samples` (signed distances from silence), for a crossing
    // at index `onset`; the samples reach kBeforeSamples before it and kDecisionSamples after
    // it. The periodicity, the costly one, is measured only when `always` or when every other
    // rule holds (else it stays -1).
    ClapFeatures measure(std::span<const float> samples, std::size_t onset,
                         bool always = true) const;
    bool isClap(const ClapFeatures &features) const;

private:
    static constexpr std::size_t kHistory = 4096; // more than before + decision, a power of two

    float sampleAt(std::int64_t index) const { return history_[std::size_t(index) % kHistory]; }
    // Judges the oldest pending candidate; true when it is a clap.
    bool decide();
    void updateBackground(int peak);

    ClapRules rules_;
    std::array<float, kHistory> history_{};
    std::int64_t received_ = 0; // samples taken so far
    std::int64_t scanFrom_ = 0; // no candidate starts before this sample
    // The crossings being judged, oldest first (at most one per kCandidateSpacing).
    std::array<std::int64_t, kDecisionSamples / kCandidateSpacing + 1> pending_{};
    std::size_t pendingCount_ = 0;
    std::array<int, kBackgroundBlocks> peaks_{};
    int peakCount_ = 0;
    int background_ = 0;
    std::optional<ClapFeatures> lastCandidate_;
    bool lastWasClap_ = false;
    int decided_ = 0;
};

} // namespace numbrook
