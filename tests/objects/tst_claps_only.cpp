// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

// "Only claps" through the real main window and the test environment's sound server: the
// microphone check over talk proposes it, and then every clap of the corpus from 0 to -12 dB
// answers once and nothing else of the corpus answers; with it off, the designed crossing scan
// answers as it always has. The corpus is played into the feed sink of a test microphone of its
// own, which the server clocks, so the other microphone tests can run meanwhile. An item judged
// wrong while its sound did not reach the microphone whole (a clap that never arrived, or
// PipeWire's graph losing a cycle) is played once more.
#include "BitmapLists.h"
#include "CaptureThread.h"
#include "MainWindow.h"
#include "ObjectProgram.h"
#include "PulseTools.h"
#include "SkinWidgets.h"
#include "SoundCorpus.h"
#include "SoundEngine.h"
#include "SoundObjectTable.h"

#include <QCheckBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <cmath>
#include <memory>

using namespace numbrook;
using namespace numbrook::testing;
using ObjectProgram = numbrook::testing::ObjectProgram;

namespace {

const QList<CorpusItem> &corpus() {
    static const QList<CorpusItem> items = soundCorpus();
    return items;
}

const CorpusItem &item(const QString &name) {
    for (const CorpusItem &one : corpus()) {
        if (one.name == name) {
            return one;
        }
    }
    qFatal("no corpus item %s", qPrintable(name));
}

// The first `claps` claps of a clap item, cut in the middle of the gap after the last of them.
CorpusItem firstClaps(const CorpusItem &whole, int claps) {
    CorpusItem part = whole;
    if (whole.clapsAtMs.size() > claps) {
        const int endMs = (whole.clapsAtMs[claps - 1] + whole.clapsAtMs[claps]) / 2;
        part.sound = whole.sound.left(qsizetype(samplesOf(endMs)));
        part.clapsAtMs = whole.clapsAtMs.mid(0, claps);
    }
    return part;
}

// At most the first `milliseconds` of an item without claps, and the first two claps of an item
// with claps: every kind of sound in the corpus, in about two thirds of its length (the
// benchmark plays every item whole).
CorpusItem shortened(const CorpusItem &whole, int milliseconds = 4000) {
    if (!whole.clapsAtMs.isEmpty()) {
        return firstClaps(whole, 2);
    }
    CorpusItem part = whole;
    if (part.sound.size() <= samplesOf(milliseconds)) {
        return part;
    }
    // Faded out over 20 ms: a cut in the middle of a sound would end it with a click.
    part.sound.truncate(qsizetype(samplesOf(milliseconds)));
    const qsizetype fade = samplesOf(20);
    for (qsizetype i = 0; i < fade; ++i) {
        char &sample = part.sound[part.sound.size() - fade + i];
        const double kept = double(fade - i) / double(fade);
        sample = char(quint8(std::lround(128.0 + (quint8(sample) - 128.0) * kept)));
    }
    return part;
}

struct Heard {
    int answers = 0;  // object 1's signalling switched on
    int triggers = 0; // trigger reports
    // Sounds that reached the capture at `loud` or above: a level report at least that loud
    // after 300 ms of quieter ones. A clap the test device lost in delivery is missing here.
    int loudArrivals = 0;
    int lateCycles = 0; // cycles in which PipeWire's graph lost sound while it played
};

} // namespace

class ClapsOnlyTest : public QObject {
    Q_OBJECT

    SoundEngine engine;
    std::unique_ptr<ObjectFiles> files_;

    void showListening(ObjectProgram &p) {
        QSignalSpy levels(&engine.captureReports, &CaptureReports::levelReport);
        p.main().show();
        QTRY_VERIFY_WITH_TIMEOUT(!levels.isEmpty(), 5000);
        // The start-up switch-off of the signalling is over.
        QTRY_COMPARE_WITH_TIMEOUT(p.logCount("отключение сигнализирования "), 4, 5000);
    }

    // Plays `sound` into the test microphone and counts what object 1 made of it.
    static Heard play(ObjectProgram &p, SinkPlayer &feeder, SoundEngine &engine,
                      const QByteArray &sound, int loud = 128) {
        Heard heard;
        const int lateBefore = graphLateCycles();
        QSignalSpy triggers(&engine.captureReports, &CaptureReports::triggerReport);
        const QMetaObject::Connection counting =
            connect(p.main().cbPorog1(), &QCheckBox::toggled, p.main().cbPorog1(),
                    [&heard](bool on) { heard.answers += on ? 1 : 0; });
        QElapsedTimer clock;
        clock.start();
        qint64 lastLoudMs = -1000;
        const QMetaObject::Connection arriving =
            connect(&engine.captureReports, &CaptureReports::levelReport, p.main().cbPorog1(),
                    [&](int, int level) {
                        if (level >= loud) {
                            heard.loudArrivals += clock.elapsed() - lastLoudMs >= 300 ? 1 : 0;
                            lastLoudMs = clock.elapsed();
                        }
                    });
        feeder.play(sound);
        const int lengthMs = int(sound.size() * 1000 / kCorpusRate);
        [&] {
            QTRY_VERIFY_WITH_TIMEOUT(feeder.isPlayed(), lengthMs + 10000);
            // The server's buffering, and the hold time, so that the next item starts unheard.
            QTest::qWait(700);
            QTRY_VERIFY_WITH_TIMEOUT(!p.main().cbPorog1()->isChecked(), 3000);
        }();
        disconnect(counting);
        disconnect(arriving);
        heard.triggers = int(triggers.count());
        heard.lateCycles = graphLateCycles() - lateBefore;
        return heard;
    }

private Q_SLOTS:
    void initTestCase() {
        QVERIFY2(!qEnvironmentVariableIsEmpty("NUMBROOK_TEST_PIPE"),
                 "run inside scripts/test-env.sh");
        for (const CorpusItem &one : corpus()) {
            QVERIFY2(!one.sound.isEmpty(), qPrintable(one.name + ": espeak-ng or sox missing"));
        }
        QVERIFY(engine.connection.open());
    }
    void init() {
        files_ = std::make_unique<ObjectFiles>(engine);
        files_->store("ObjectMapping/ObjectIn_1", kClapsMicrophone);
        pactl({"set-source-volume", "nb_clapsmic", "100%"});
    }
    void cleanup() {
        engine.captures.stopAll();
        files_.reset();
    }

    void onlyClaps_proposedOverTalk_thenEveryClapAndNothingElseAnswers() {
        SinkPlayer feeder(kClapsFeed);
        ObjectProgram p(engine);
        QCOMPARE(p.object(1).InDeviceName, kClapsMicrophone);
        QVERIFY(!p.objects().clapsOnly(1));
        // A parent had lowered the threshold to 30, so talk at the table answers.
        TrackBar *threshold = p.get<TrackBar>(QStringLiteral("tbTrig1"));
        threshold->setValue(30);
        showListening(p);

        // The check: two claps, at 0 and -6 dB, while someone talks.
        Samples check = toSigned(item(QStringLiteral("speech-en")).sound);
        scaleToPeak(check, 40);
        check.resize(std::size_t(samplesOf(int(MicrophoneCheck::kDurationMs) - 300)), 0.0);
        mixAt(check, clap(ClapShape::Flat, peakAt(0), 1), std::size_t(samplesOf(1200)));
        mixAt(check, clap(ClapShape::Room, peakAt(-6), 2), std::size_t(samplesOf(2900)));
        p.click(QStringLiteral("Sb_MicCheck"));
        feeder.play(toUnsigned(check));
        QTRY_VERIFY_WITH_TIMEOUT(p.main().microphoneCheckResult().has_value(), 9000);
        const MicrophoneCheckResult result = *p.main().microphoneCheckResult();
        qInfo("check: room %d, speech %d, claps %d and %d: %s threshold %d", result.roomLevel,
              result.speechLevel, int(result.clapPeaks.value(0)), int(result.clapPeaks.value(1)),
              result.onlyClaps ? "only claps," : "plain,", result.threshold);
        QVERIFY(result.proposed());
        QVERIFY(result.onlyClaps);
        QVERIFY(result.speechHeard);
        QVERIFY(p.get<QLabel>(QStringLiteral("Lbl_MicCheck"))
                    ->text()
                    .contains(QString::number(result.threshold)));
        if (const QString folder = qEnvironmentVariable("NUMBROOK_SCREENSHOT_DIR");
            !folder.isEmpty()) {
            p.main().grab().save(folder + QStringLiteral("/claps-only-proposed.png"));
        }
        p.click(QStringLiteral("Sb_MicCheckApply"));
        QVERIFY(p.objects().clapsOnly(1));
        QVERIFY(engine.captures.ClapsOnly(1).load());
        QCOMPARE(threshold->value(), result.threshold);
        QTRY_VERIFY_WITH_TIMEOUT(feeder.isPlayed(), 5000);
        QTest::qWait(1200);

        // Two claps of every shape and loudness, and the start of everything else.
        const int loud = result.roomLevel + result.threshold;
        QStringList wrong;
        for (const CorpusItem &whole : corpus()) {
            const CorpusItem one = shortened(whole);
            const int claps = int(one.clapsAtMs.size());
            Heard heard = play(p, feeder, engine, one.sound, loud);
            const auto misjudged = [&] {
                return heard.answers != claps || heard.triggers != heard.answers;
            };
            if (misjudged() && (heard.lateCycles > 0 || heard.loudArrivals < claps)) {
                // The test device did not deliver the sound whole: a few milliseconds lost in
                // a word make a sharp start, in a clap a short one, and a clap may not arrive
                // at all. That is no verdict on the detector; the item is played once more.
                qInfo("%s: %d answers for %d claps, %d loud sounds arrived, the graph lost "
                      "sound in %d cycles: played again",
                      qPrintable(one.name), heard.answers, claps, heard.loudArrivals,
                      heard.lateCycles);
                heard = play(p, feeder, engine, one.sound, loud);
            }
            qInfo("%s only-claps %d/%d", qPrintable(one.name), heard.answers, claps);
            if (misjudged()) {
                wrong << QStringLiteral("%1: %2 answers, %3 reports for %4 claps")
                             .arg(one.name)
                             .arg(heard.answers)
                             .arg(heard.triggers)
                             .arg(one.clapsAtMs.size());
            }
        }
        QVERIFY(feeder.succeeded());
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QStringLiteral("; "))));
        // Kept for the next start.
        p.objects().SaveAllObjects();
        QCOMPARE(files_->stored("ObjectWavParams/ObjectInClapsOnly_1"), QStringLiteral("1"));
    }

    // Off, the designed scan at the default threshold: a full clap answers, one of -6 dB does
    // not, and shouted speech and a loud snap answer, as they always have.
    void designed_answersAsBefore() {
        SinkPlayer feeder(kClapsFeed);
        ObjectProgram p(engine);
        QVERIFY(!p.objects().clapsOnly(1));
        QCOMPARE(p.get<TrackBar>(QStringLiteral("tbTrig1"))->value(), kDefaultTriggerThreshold);
        showListening(p);
        // The box and its caption switch the option, and the capture follows.
        auto *box = p.get<PictureButton>(QStringLiteral("Cb_ClapsOnly1"));
        QVERIFY(box && box->isEnabled());
        p.click(QStringLiteral("Cb_ClapsOnly1"));
        QVERIFY(engine.captures.ClapsOnly(1).load());
        QCOMPARE(box->picture(), int(ButtonPicture::SmallBoxOn));
        p.click(QStringLiteral("Lbl_ClapsOnly1"));
        QVERIFY(!engine.captures.ClapsOnly(1).load());
        QCOMPARE(box->picture(), int(ButtonPicture::SmallBoxOff));
        const struct {
            const char *name;
            int answers; // -1: at least one
        } expected[] = {{"clap-flat-0dB", 2},
                        {"clap-room-6dB", 0},
                        {"snap-0dB", -1},
                        {"speech-en-shouted", -1}};
        for (const auto &[name, answers] : expected) {
            const CorpusItem one = firstClaps(item(QString::fromLatin1(name)), 2);
            const Heard heard = play(p, feeder, engine, one.sound);
            qInfo("%s designed %d/%d", name, heard.answers, int(one.clapsAtMs.size()));
            if (answers < 0) {
                QVERIFY2(heard.answers > 0, name);
            } else {
                QVERIFY2(heard.answers == answers, name);
            }
        }
    }
};

QTEST_MAIN(ClapsOnlyTest)
#include "tst_claps_only.moc"
