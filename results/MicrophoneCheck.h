// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

#pragma once

// The microphone check: for a few seconds the parent claps twice while the capture reports its
// level per buffer (0..127, the largest distance of a sample from 128). From those reports the
// check finds the loudest background and the claps, and proposes a trigger threshold between
// them, or refuses when the claps do not stand clearly above the background.

#include <QList>
#include <QtGlobal>

namespace numbrook {

struct LevelReport {
    qint64 atMs = 0; // when the buffer was reported
    int level = 0;   // 0..127
};

enum class MicrophoneCheckOutcome {
    Proposed,           // `threshold` is the proposal
    TooFewClaps,        // one clap stands out, a second does not
    NotLouderThanNoise, // something loud was heard, but nothing stands out from the background
    NothingHeard,       // no level reports at all
    NoClapHeard,        // reports came, but nothing in them is loud enough to be a clap
};

struct MicrophoneCheckResult {
    MicrophoneCheckOutcome outcome = MicrophoneCheckOutcome::NothingHeard;
    int background = 0;   // the loudest background
    QList<int> clapPeaks; // the two loudest events, loudest first
    int threshold = 0;    // a buffer at or above it counts as a clap
    // "Only claps" is proposed with it: `threshold` is then the rise over `roomLevel` a clap
    // must reach, and `clapPeaks` are the two loudest short events.
    bool onlyClaps = false;
    int roomLevel = 0;        // the median level: the background "only claps" measures rises from
    int speechLevel = 0;      // the loudest level of a held (speech-like) sound
    bool speechHeard = false; // speech-like sound reached the threshold that would answer
    bool proposed() const { return outcome == MicrophoneCheckOutcome::Proposed; }
};

// What is in force while the check runs: the threshold and whether object 1 hears only claps.
struct MicrophoneCheckSetting {
    int threshold = 78;
    bool onlyClaps = false;
};

struct MicrophoneCheckRules {
    qint64 eventSpanMs = 150;  // levels this close to an event's peak belong to that event
    double minimumRatio = 1.5; // the softest clap over the loudest background at least
    int minimumGap = 12;       // and at least this many steps above it
    int quietFloor = 6;        // the background counts as at least this loud
    // Speech and music hold their level for syllables and notes; a clap is down again within
    // three buffers (70 ms). A level held for this many reports in a row (116 ms) is speech-like.
    int sustainedReports = 5;
    // The softer clap over the fourth loudest short event (the edge of a word, a knock) at least.
    double shortEventRatio = 1.3;
    // An "only claps" threshold is this fraction of the softer clap's rise, so that claps 12 dB
    // softer than those made for the check still answer.
    double clapRiseFraction = 0.25;
    int minimumClapThreshold = 3;
};

// The loudness analysis alone, as the check made it before "only claps": finds events as the
// loudest levels at least `eventSpanMs` apart and proposes a threshold between them and the
// background; the rest of the result is left empty.
MicrophoneCheckResult analyseLoudness(const QList<LevelReport> &reports,
                                      const MicrophoneCheckRules &rules = {});

// Finds events as the loudest levels at least `eventSpanMs` apart. The two loudest are the
// claps; the third is passed over as a single outlier (a cough, a third clap); the loudest
// level after that is the background. When even the loudest event would not count as a clap over
// a silent room, no clap was made at all: that is said as such rather than as a background as
// loud as the claps. The threshold is the geometric middle of background and
// softest clap, which leaves more room below the clap than above the background: a clap in a
// quiz is often softer than one made on request.
//
// "Only claps" is proposed when speech-like sound (a level held over several reports) reached
// the threshold in force or the one that would be proposed (it would answer for the child) or,
// when none could be proposed, the softer of the two loudest events (it is as loud as the
// claps), or when "only claps" is already on; two short events, each rising at least minimumGap
// over the room's median level, are then the claps, and the threshold is a quarter of the softer
// one's rise.
MicrophoneCheckResult analyseMicrophoneCheck(const QList<LevelReport> &reports,
                                             const MicrophoneCheckRules &rules = {},
                                             const MicrophoneCheckSetting &setting = {});

// Collects the level reports of one check run.
class MicrophoneCheck {
public:
    static constexpr qint64 kDurationMs = 5000;

    void start(qint64 nowMs);
    // Reports before start or after the check's end are ignored.
    void addLevel(qint64 atMs, int level);
    bool isRunning() const { return running_; }
    bool isFinished(qint64 nowMs) const { return running_ && nowMs - startMs_ >= kDurationMs; }
    // Ends the run and analyses what was collected against what is in force.
    MicrophoneCheckResult finish(const MicrophoneCheckSetting &setting = {});
    int loudestSoFar() const { return loudest_; }

private:
    bool running_ = false;
    qint64 startMs_ = 0;
    int loudest_ = 0;
    QList<LevelReport> reports_;
};

} // namespace numbrook
