// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

// The microphone check on synthetic level reports: claps over background noise and speech give
// a threshold that catches every clap of a quiz and none of its background; a background as
// loud as the claps is refused.
#include "MicrophoneCheck.h"
#include "ResultsTexts.h"

#include <QTest>
#include <random>

using namespace numbrook;

namespace {

constexpr qint64 kBufferMs = 23; // 512 samples at 22050 Hz

enum class Background { Quiet, Noise, Speech };

// The level of the background at buffer `index`: steady noise, or speech-like bursts of
// syllables (about 5 a second) with pauses between words.
int backgroundLevel(Background kind, int index, int loudness, std::mt19937 &random) {
    std::uniform_int_distribution<int> jitter(-2, 2);
    switch (kind) {
    case Background::Quiet:
        return std::max(0, 2 + jitter(random));
    case Background::Noise:
        return std::max(0, loudness + jitter(random) * loudness / 8);
    case Background::Speech: {
        const int phase = index % 9;               // a syllable every 9 buffers
        const bool inWord = (index / 40) % 3 != 2; // every third stretch is a pause
        const int envelope = inWord ? std::max(0, 4 - std::abs(phase - 4)) : 0;
        return std::max(0, 3 + envelope * loudness / 4 + jitter(random));
    }
    }
    return 0;
}

// A clap: a sharp peak decaying over about a tenth of a second.
const int kClapShape[] = {100, 55, 30, 15};

struct Recording {
    QList<LevelReport> reports;
    QList<int> clapPeaks; // the peak of each clap
    int loudestBackground = 0;
};

// Claps start at buffer 40 and follow every `clapEveryBuffers`, `clapCount` of them (-1: to the
// end).
Recording record(Background kind, int backgroundLoudness, qint64 lengthMs, int clapLoudness,
                 int clapEveryBuffers, int clapCount, unsigned seed) {
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> clapVariation(-8, 8); // percent
    Recording recording;
    const int buffers = int(lengthMs / kBufferMs);
    int clapStep = -1;
    int clapPeak = 0;
    for (int index = 0; index < buffers; ++index) {
        if (index >= 40 && (index - 40) % clapEveryBuffers == 0 &&
            (clapCount < 0 || recording.clapPeaks.size() < clapCount)) {
            clapStep = 0;
            clapPeak = std::min(127, clapLoudness * (100 + clapVariation(random)) / 100);
            recording.clapPeaks << clapPeak;
        }
        const int background = backgroundLevel(kind, index, backgroundLoudness, random);
        int level = background;
        if (clapStep >= 0 && clapStep < 4) {
            level = std::max(background, clapPeak * kClapShape[clapStep] / 100);
            ++clapStep;
        } else {
            recording.loudestBackground = std::max(recording.loudestBackground, background);
        }
        recording.reports.append({index * kBufferMs, level});
    }
    return recording;
}

} // namespace

class MicrophoneCheckTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void proposedThreshold_catchesEveryClap_andNoBackground_data() {
        QTest::addColumn<Background>("background");
        QTest::addColumn<int>("backgroundLoudness");
        QTest::addColumn<int>("clapLoudness");
        for (int clap : {45, 80, 120}) {
            QTest::addRow("quiet room, claps %d", clap) << Background::Quiet << 0 << clap;
            QTest::addRow("noise, claps %d", clap) << Background::Noise << 12 << clap;
            QTest::addRow("speech, claps %d", clap) << Background::Speech << 16 << clap;
        }
    }
    void proposedThreshold_catchesEveryClap_andNoBackground() {
        QFETCH(Background, background);
        QFETCH(int, backgroundLoudness);
        QFETCH(int, clapLoudness);
        // The check: two claps about 0.7 s apart within five seconds.
        const Recording check = record(background, backgroundLoudness, MicrophoneCheck::kDurationMs,
                                       clapLoudness, 30, 2, 1);
        QCOMPARE(check.clapPeaks.size(), 2);
        MicrophoneCheck collector;
        collector.start(0);
        for (const LevelReport &report : check.reports)
            collector.addLevel(report.atMs, report.level);
        QVERIFY(collector.isFinished(MicrophoneCheck::kDurationMs));
        const MicrophoneCheckResult result = collector.finish();
        QVERIFY2(result.proposed(), qPrintable(QString::number(int(result.outcome))));
        QVERIFY(result.threshold > result.background);

        // A minute of quiz with the same background and a clap every 3 s.
        const Recording quiz =
            record(background, backgroundLoudness, 60000, clapLoudness, 130, -1, 2);
        QVERIFY2(quiz.loudestBackground < result.threshold,
                 qPrintable(QStringLiteral("background %1, threshold %2")
                                .arg(quiz.loudestBackground)
                                .arg(result.threshold)));
        for (int peak : quiz.clapPeaks)
            QVERIFY2(peak >= result.threshold,
                     qPrintable(
                         QStringLiteral("clap %1, threshold %2").arg(peak).arg(result.threshold)));
    }

    void clapsNotClearlyLouder_areRefused_data() {
        QTest::addColumn<Background>("background");
        QTest::addColumn<int>("backgroundLoudness");
        QTest::addColumn<int>("clapLoudness");
        QTest::addColumn<int>("clapCount");
        QTest::addColumn<MicrophoneCheckOutcome>("outcome");
        QTest::newRow("noise as loud as the claps")
            << Background::Noise << 60 << 62 << 2 << MicrophoneCheckOutcome::NotLouderThanNoise;
        QTest::newRow("one clap only")
            << Background::Noise << 10 << 90 << 1 << MicrophoneCheckOutcome::TooFewClaps;
        QTest::newRow("no clap in a quiet room")
            << Background::Quiet << 0 << 0 << 0 << MicrophoneCheckOutcome::NoClapHeard;
        QTest::newRow("claps too soft to tell from a quiet room")
            << Background::Quiet << 0 << 8 << 2 << MicrophoneCheckOutcome::NoClapHeard;
    }
    void clapsNotClearlyLouder_areRefused() {
        QFETCH(Background, background);
        QFETCH(int, backgroundLoudness);
        QFETCH(int, clapLoudness);
        QFETCH(int, clapCount);
        QFETCH(MicrophoneCheckOutcome, outcome);
        const Recording check = record(background, backgroundLoudness, MicrophoneCheck::kDurationMs,
                                       clapLoudness, 30, clapCount, 3);
        const MicrophoneCheckResult result = analyseMicrophoneCheck(check.reports);
        QCOMPARE(result.outcome, outcome);
        QCOMPARE(result.threshold, 0);
    }

    // A silent microphone is told to clap, in both languages, with no level quoted: "not louder
    // than a background of 0" reads as nonsense to a parent.
    void silence_saysNoClapWasHeard_inBothLanguages() {
        const QList<LevelReport> silence(int(MicrophoneCheck::kDurationMs / kBufferMs));
        const MicrophoneCheckResult result = analyseMicrophoneCheck(silence);
        QCOMPARE(result.outcome, MicrophoneCheckOutcome::NoClapHeard);
        QVERIFY(!result.proposed());
        for (int language : {0, 1}) {
            const QString message = microphoneCheckMessage(result, language);
            QCOMPARE(message, ResultsTexts::text(ResultsText::MicrophoneNoClap, language));
            QVERIFY2(!message.contains(QLatin1Char('0')) && !message.contains(QLatin1Char('%')),
                     qPrintable(message));
        }
        QVERIFY(microphoneCheckMessage(result, 0) != microphoneCheckMessage(result, 1));
        // The refusal of a loud background still quotes its level.
        const Recording loud =
            record(Background::Noise, 60, MicrophoneCheck::kDurationMs, 62, 30, 2, 5);
        const MicrophoneCheckResult refused = analyseMicrophoneCheck(loud.reports);
        QCOMPARE(refused.outcome, MicrophoneCheckOutcome::NotLouderThanNoise);
        QVERIFY(microphoneCheckMessage(refused, 0).contains(QString::number(refused.background)));
    }

    void singleLoudOutlier_doesNotRaiseTheBackground() {
        Recording check = record(Background::Noise, 10, MicrophoneCheck::kDurationMs, 70, 30, 2, 4);
        check.reports[200].level = 100; // a door banging once
        const MicrophoneCheckResult result = analyseMicrophoneCheck(check.reports);
        QVERIFY(result.proposed());
        QVERIFY(result.background < 20);
    }

    // Speech or noise that would answer at the threshold in force (or at the one the loudness
    // alone proposes) brings the proposal of "only claps": the claps are the short events, the
    // threshold a quarter of the softer one's rise over the room. Below that, nothing changes,
    // unless "only claps" is already on.
    void speechOverThreshold_proposesOnlyClaps_data() {
        QTest::addColumn<Background>("background");
        QTest::addColumn<int>("backgroundLoudness");
        QTest::addColumn<int>("clapLoudness");
        QTest::addColumn<int>("inForce");
        QTest::addColumn<bool>("onlyClapsOn");
        QTest::addColumn<bool>("onlyClaps");
        QTest::newRow("loud speech, louder claps")
            << Background::Speech << 76 << 120 << 78 << false << true;
        // Level reports cannot tell claps from speech of their loudness: refused, as before.
        QTest::newRow("speech as loud as the claps")
            << Background::Speech << 70 << 70 << 78 << false << false;
        QTest::newRow("speech over the threshold in force")
            << Background::Speech << 50 << 110 << 40 << false << true;
        QTest::newRow("noise over the threshold in force")
            << Background::Noise << 30 << 100 << 25 << false << true;
        QTest::newRow("speech under every threshold")
            << Background::Speech << 16 << 80 << 78 << false << false;
        QTest::newRow("quiet room, only claps already on")
            << Background::Quiet << 0 << 60 << 78 << true << true;
    }
    void speechOverThreshold_proposesOnlyClaps() {
        QFETCH(Background, background);
        QFETCH(int, backgroundLoudness);
        QFETCH(int, clapLoudness);
        QFETCH(int, inForce);
        QFETCH(bool, onlyClapsOn);
        QFETCH(bool, onlyClaps);
        const Recording check = record(background, backgroundLoudness, MicrophoneCheck::kDurationMs,
                                       clapLoudness, 30, 2, 6);
        const MicrophoneCheckResult result =
            analyseMicrophoneCheck(check.reports, {}, {inForce, onlyClapsOn});
        QCOMPARE(result.onlyClaps, onlyClaps);
        if (!onlyClaps)
            return;
        QVERIFY(result.proposed());
        QCOMPARE(result.speechHeard, !onlyClapsOn);
        // Claps 6 dB softer than the softer one of the check still answer (speech as loud as the
        // claps can pass for one of them; the threshold is then a little higher).
        const int softer = std::min(check.clapPeaks[0], check.clapPeaks[1]);
        QVERIFY2(result.threshold >= 3 && result.threshold <= (softer - result.roomLevel) / 2,
                 qPrintable(QStringLiteral("threshold %1, softer clap %2, room %3")
                                .arg(result.threshold)
                                .arg(softer)
                                .arg(result.roomLevel)));
        for (int language : {0, 1}) {
            const QString message = microphoneCheckMessage(result, language);
            QVERIFY2(message.contains(QString::number(result.threshold)) &&
                         message.startsWith(ResultsTexts::text(ResultsText::MicrophoneSpeechHeard,
                                                               language)) == !onlyClapsOn,
                     qPrintable(message));
        }
    }

    void collector_ignoresReportsOutsideItsRun() {
        MicrophoneCheck check;
        check.addLevel(0, 120);
        check.start(1000);
        check.addLevel(900, 120);
        check.addLevel(1000 + MicrophoneCheck::kDurationMs + 1, 120);
        QCOMPARE(check.loudestSoFar(), 0);
        QCOMPARE(check.finish().outcome, MicrophoneCheckOutcome::NothingHeard);
        QVERIFY(!check.isRunning());
    }
};

QTEST_GUILESS_MAIN(MicrophoneCheckTest)
#include "tst_microphone_check.moc"
