// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

// Capture against the private sound server of the test environment (scripts/test-env.sh).

#include "CaptureThread.h"
#include "MainThreadCalls.h"
#include "PipeFeeder.h"
#include "SoundEngine.h"
#include "SoundErrors.h"

#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <memory>
#include <stdexcept>

#include "PulseTools.h"

using namespace numbrook;
using numbrook::testing::pactl;
using numbrook::testing::PipeFeeder;

namespace {

constexpr int kPipeDevice = 11; // any identifier: the reports must carry it back
constexpr int kMicDevice = 12;

// Counts reports per object and per device.
struct ReportLog {
    QList<std::pair<int, int>> levels; // (device, level)
    QList<int> triggers;               // object numbers

    explicit ReportLog(CaptureReports &reports) {
        levelConnection =
            QObject::connect(&reports, &CaptureReports::levelReport, [this](int device, int level) {
                levels.append({device, level});
            });
        triggerConnection = QObject::connect(&reports, &CaptureReports::triggerReport,
                                             [this](int object) { triggers.append(object); });
    }
    ~ReportLog() {
        QObject::disconnect(levelConnection);
        QObject::disconnect(triggerConnection);
    }
    Q_DISABLE_COPY_MOVE(ReportLog)

    int levelsOf(int device) const {
        return int(std::count_if(levels.cbegin(), levels.cend(),
                                 [device](const auto &report) { return report.first == device; }));
    }
    int triggersOf(int object) const { return int(triggers.count(object)); }

    QMetaObject::Connection levelConnection;
    QMetaObject::Connection triggerConnection;
};

// What the test server does to the sound between the test's pipe and the capture. PulseAudio
// runs the pipe source and the capture at the same 22050 Hz and hands the samples through
// untouched: levels come back exact and a square-wave clap crosses a threshold once. PipeWire
// runs its graph at 48 kHz and converts 22050 Hz to it and back; the filters of that conversion
// ring at the clap's sharp edges and smear it over the next buffer, so its levels come back up
// to 30 higher or lower and a clap may cross the threshold again in every buffer it reaches (at
// most one trigger per buffer). A steady tone is smooth but for its abrupt start, and keeps its
// level within 10. PipeWire also delivers the pipe source later, in bigger bursts, and now and
// then drops a piece of what the pipe carries: a clap is lost, or a tone is cut and the filters
// ring on the step. A sound whose capture does not fit is therefore played up to three times
// there; PulseAudio gets one try.
struct Conversion {
    bool resampled = qEnvironmentVariable("NUMBROOK_TEST_SERVER") == QLatin1String("pipewire");
    int clapLevelMargin() const { return resampled ? 30 : 1; }
    int toneLevelMargin() const { return resampled ? 10 : 1; }
    int pipeAttempts() const { return resampled ? 3 : 1; }
    // Buffers to wait beyond a sound's own for it to have arrived whole.
    int extraBuffers() const { return resampled ? 24 : 2; }
    // Buffers a clap of `bytes` may reach: its own, the one it starts in, and on PipeWire the
    // ones the conversion's filters smear it into.
    int buffersReached(qsizetype bytes) const {
        return int(bytes / kCaptureBufferBytes) + (resampled ? 3 : 2);
    }

    // Whether `triggers` fits a clap of `amplitude` and `bytes` against `threshold`.
    bool clapTriggersFit(int triggers, int amplitude, int threshold, qsizetype bytes) const {
        if (!resampled) {
            return triggers == (amplitude >= threshold ? 1 : 0);
        }
        if (amplitude - threshold > clapLevelMargin()) {
            return triggers >= 1 && triggers <= buffersReached(bytes);
        }
        if (threshold - amplitude > clapLevelMargin()) {
            return triggers == 0;
        }
        // Inside the ringing either outcome is the server's, but never more than one trigger
        // per buffer.
        return triggers <= buffersReached(bytes);
    }
};

// A PulseAudio server of a test's own with one null sink, nb_lone, so that the shared server
// stays up while the test stops or kills this one.
class LoneServer {
public:
    bool start() {
        if (!dir_.isValid()) {
            return false;
        }
        QFile script(dir_.filePath(QStringLiteral("server.pa")));
        if (!script.open(QIODevice::WriteOnly)) {
            return false;
        }
        script.write(QStringLiteral("load-module module-native-protocol-unix socket=%1 "
                                    "auth-anonymous=1\n"
                                    "load-module module-null-sink sink_name=nb_lone\n")
                         .arg(socket())
                         .toUtf8());
        script.close();
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("PULSE_STATE_PATH"), dir_.path());
        environment.insert(QStringLiteral("PULSE_RUNTIME_PATH"), dir_.path());
        server_.setProcessEnvironment(environment);
        server_.start(QStringLiteral("pulseaudio"),
                      {QStringLiteral("-n"), QStringLiteral("-F"), script.fileName(),
                       QStringLiteral("--daemonize=no"), QStringLiteral("--exit-idle-time=-1"),
                       QStringLiteral("--use-pid-file=no"), QStringLiteral("--log-target=stderr")});
        if (!server_.waitForStarted()) {
            return false;
        }
        QDeadlineTimer deadline(10000);
        while (!QFile::exists(socket()) && !deadline.hasExpired()) {
            QTest::qWait(20);
        }
        return QFile::exists(socket());
    }

    // Starts a capture of object `object` on nb_lone's monitor through this server.
    bool startCapture(SoundEngine &engine, int object) const {
        const QByteArray sharedServer = qgetenv("PULSE_SERVER");
        qputenv("PULSE_SERVER", QByteArray("unix:") + socket().toUtf8());
        const bool started =
            engine.captures.start(object, kMicDevice, QStringLiteral("nb_lone.monitor"));
        // The capture thread reads the address while it connects.
        QTest::qWait(300);
        qputenv("PULSE_SERVER", sharedServer);
        return started;
    }

    void signal(int number) const {
        if (server_.processId() > 0) {
            ::kill(pid_t(server_.processId()), number);
        }
    }
    void kill() {
        server_.kill();
        server_.waitForFinished();
    }
    ~LoneServer() {
        signal(SIGCONT);
        kill();
    }

private:
    QString socket() const { return dir_.filePath(QStringLiteral("native")); }

    QTemporaryDir dir_;
    QProcess server_;
};

} // namespace

class CapturePulseTest : public QObject {
    Q_OBJECT

    SoundEngine engine;

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void pipeSignal_triggersAsExpected_data();
    void pipeSignal_triggersAsExpected();
    void thresholdChange_appliesFromNextBuffer();
    void twoObjectsOnOneDevice_triggerOnlyTheirOwn();
    void microphone_reportsEveryBuffer();
    void microphone_clapThroughFeedSink_triggersOnce();
    void stop_reportsLevelZeroAndLeavesRegistry();
    void startTwice_refusedForSameObject();
    void missingDevice_reportsOpenFailure_data();
    void missingDevice_reportsOpenFailure();
    void vanishedSource_reportsFailureAndLeavesRegistry();
    void failingReportHandler_reportsCaughtError();
    void serverKilled_noHangAndFailureReported();
    void stoppedServer_stopRequestStillEndsTheCapture();

private:
    // Starts capture of `object` on the pipe microphone and waits until its buffers arrive.
    void startOnPipe(int object, ReportLog &log);
    // Plays `sound` into the pipe microphone and waits until the buffers holding it arrived.
    void playAndWait(ReportLog &log, const QByteArray &sound);

    std::unique_ptr<PipeFeeder> feeder;
};

void CapturePulseTest::initTestCase() {
    QVERIFY2(!qEnvironmentVariableIsEmpty("PULSE_SERVER"), "run inside scripts/test-env.sh");
    QVERIFY2(!qEnvironmentVariableIsEmpty("NUMBROOK_TEST_PIPE"), "run inside scripts/test-env.sh");
    feeder = std::make_unique<PipeFeeder>(qEnvironmentVariable("NUMBROOK_TEST_PIPE"));
    QVERIFY(feeder->isOpen());
}

void CapturePulseTest::init() {
    for (int object = kFirstSoundObject; object <= kLastSoundObject; ++object) {
        engine.captures.TriggerThreshold(object).store(kDefaultTriggerThreshold);
    }
}

void CapturePulseTest::cleanup() {
    feeder->clear();
    engine.captures.stopAll();
    QCOMPARE(engine.captures.count(), 0);
}

void CapturePulseTest::startOnPipe(int object, ReportLog &log) {
    QVERIFY(engine.captures.start(object, kPipeDevice, QStringLiteral("nb_pipe_mic")));
    // The first buffers carry whatever the source held before; start from clean silence.
    QTRY_VERIFY_WITH_TIMEOUT(log.levelsOf(kPipeDevice) >= 5, 5000);
    QTRY_VERIFY_WITH_TIMEOUT(log.levels.constLast().second == 0, 5000);
    log.triggers.clear();
    log.levels.clear();
}

void CapturePulseTest::playAndWait(ReportLog &log, const QByteArray &sound) {
    // The pipe source has a fixed latency of one pipe buffer (4 KiB) and delivers in bursts.
    const qsizetype before = log.levels.size();
    const qsizetype buffers =
        (sound.size() + 8192) / kCaptureBufferBytes + Conversion().extraBuffers();
    feeder->play(sound);
    QTRY_VERIFY_WITH_TIMEOUT(log.levels.size() - before >= buffers, 10000);
}

void CapturePulseTest::pipeSignal_triggersAsExpected_data() {
    QTest::addColumn<QByteArray>("sound");
    QTest::addColumn<bool>("clap");
    QTest::addColumn<int>("triggers");
    QTest::addColumn<int>("peak");

    QTest::newRow("silence") << QByteArray(11025, char(128)) << false << 0 << 0;
    QTest::newRow("clap") << testing::clapSound(110, 30) << true << 1 << 110;
    QTest::newRow("long loud burst") << testing::clapSound(100, 200) << true << 1 << 100;
    QTest::newRow("clap just at the threshold") << testing::clapSound(78, 30) << true << 1 << 78;
    QTest::newRow("clap just below the threshold") << testing::clapSound(77, 30) << true << 0 << 77;
    QTest::newRow("clap clearly below the threshold")
        << testing::clapSound(40, 30) << true << 0 << 40;
    QTest::newRow("steady tone below the threshold")
        << testing::toneSound(60, 1000) << false << 0 << 60;
    // A steady tone above the threshold rises through it on every cycle: one per buffer.
    QTest::newRow("steady tone above the threshold")
        << testing::toneSound(100, 500) << false << 21 << 100;
}

void CapturePulseTest::pipeSignal_triggersAsExpected() {
    QFETCH(QByteArray, sound);
    QFETCH(bool, clap);
    QFETCH(int, triggers);
    QFETCH(int, peak);

    const Conversion conversion;
    // What the capture made of the sound; empty when it is what the sound should give.
    const auto judge = [&](const ReportLog &log) -> QString {
        const int seen = log.triggersOf(1);
        const bool triggersFit =
            clap ? conversion.clapTriggersFit(seen, peak, kDefaultTriggerThreshold, sound.size())
            : triggers > 1
                // The exact number depends on where the buffer edges fall.
                ? seen >= triggers - 1 && seen <= triggers + 2
                : seen == triggers;
        int loudest = 0;
        for (const auto &[device, level] : std::as_const(log.levels)) {
            loudest = std::max(loudest, level);
        }
        const int margin = clap ? conversion.clapLevelMargin() : conversion.toneLevelMargin();
        if (triggersFit && std::abs(loudest - peak) <= margin) {
            return {};
        }
        return QStringLiteral("%1 triggers, loudest level %2").arg(seen).arg(loudest);
    };
    QString failure;
    for (int attempt = 0; attempt < conversion.pipeAttempts(); ++attempt) {
        ReportLog log(engine.captureReports);
        startOnPipe(1, log);
        playAndWait(log, sound);
        failure = judge(log);
        engine.captures.finish(1);
        if (failure.isEmpty()) {
            break;
        }
        qInfo("attempt %d: %s", attempt + 1, qPrintable(failure));
    }
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
}

void CapturePulseTest::thresholdChange_appliesFromNextBuffer() {
    ReportLog log(engine.captureReports);
    startOnPipe(1, log);
    // A threshold no sample reaches, then one the clap clears by more than the conversion's
    // ringing.
    const Conversion conversion;
    const QByteArray clap = testing::clapSound(80, 30);
    engine.captures.TriggerThreshold(1).store(128);
    playAndWait(log, clap);
    QCOMPARE(log.triggersOf(1), 0);

    const int threshold = 80 - conversion.clapLevelMargin() - 1;
    engine.captures.TriggerThreshold(1).store(threshold);
    playAndWait(log, clap);
    QVERIFY2(conversion.clapTriggersFit(log.triggersOf(1), 80, threshold, clap.size()),
             qPrintable(QString::number(log.triggersOf(1))));
}

void CapturePulseTest::twoObjectsOnOneDevice_triggerOnlyTheirOwn() {
    ReportLog log(engine.captureReports);
    startOnPipe(1, log);
    QVERIFY(engine.captures.start(3, kPipeDevice + 1, QStringLiteral("nb_pipe_mic")));
    QTRY_VERIFY_WITH_TIMEOUT(log.levelsOf(kPipeDevice + 1) >= 5, 5000);
    QCOMPARE(engine.captures.count(), 2);
    engine.captures.TriggerThreshold(3).store(0); // never fires
    QTest::qWait(100);
    log.triggers.clear();
    log.levels.clear();

    const QByteArray clap = testing::clapSound(110, 30);
    playAndWait(log, clap);
    QVERIFY2(
        Conversion().clapTriggersFit(log.triggersOf(1), 110, kDefaultTriggerThreshold, clap.size()),
        qPrintable(QString::number(log.triggersOf(1))));
    QCOMPARE(log.triggersOf(3), 0);
    QVERIFY(engine.captures.running(1));
    QVERIFY(engine.captures.running(3));
    QVERIFY(!engine.captures.running(2));
}

void CapturePulseTest::microphone_reportsEveryBuffer() {
    // The remapped microphone is clocked by the server: silence at 22050 bytes a second.
    ReportLog log(engine.captureReports);
    QVERIFY(engine.captures.start(2, kMicDevice, QStringLiteral("nb_mic")));
    QTRY_VERIFY_WITH_TIMEOUT(log.levelsOf(kMicDevice) >= 1, 5000);
    QTest::qWait(500);
    const int before = log.levelsOf(kMicDevice);
    QElapsedTimer timer;
    timer.start();
    QTest::qWait(3000);
    const double perSecond = (log.levelsOf(kMicDevice) - before) * 1000.0 / timer.elapsed();
    const double expected = double(kCaptureSampleRate) / kCaptureBufferBytes; // 43.07
    QVERIFY2(std::abs(perSecond - expected) < expected * 0.15,
             qPrintable(QString::number(perSecond)));
    QCOMPARE(log.levelsOf(kPipeDevice), 0);
    QCOMPARE(log.triggers.size(), 0);
}

void CapturePulseTest::microphone_clapThroughFeedSink_triggersOnce() {
    // What is played into the feed sink reaches the remapped microphone at unity volume.
    ReportLog log(engine.captureReports);
    QVERIFY(engine.captures.start(1, kMicDevice, QStringLiteral("nb_mic")));
    QTRY_VERIFY_WITH_TIMEOUT(log.levelsOf(kMicDevice) >= 5, 5000);
    const QByteArray clap = testing::clapSound(110, 30);
    QVERIFY(testing::playRaw(testing::kMicrophoneFeed,
                             QByteArray(4410, char(128)) + clap + QByteArray(6615, char(128))));
    QTRY_VERIFY_WITH_TIMEOUT(log.triggersOf(1) >= 1, 3000);
    QTest::qWait(300);
    const Conversion conversion;
    QVERIFY2(
        conversion.clapTriggersFit(log.triggersOf(1), 110, kDefaultTriggerThreshold, clap.size()),
        qPrintable(QString::number(log.triggersOf(1))));
    int loudest = 0;
    for (const auto &[device, level] : std::as_const(log.levels)) {
        loudest = std::max(loudest, level);
    }
    // The feed sink's volume step adds up to one more level.
    QVERIFY2(std::abs(loudest - 110) <= conversion.clapLevelMargin() + 1,
             qPrintable(QString::number(loudest)));
}

void CapturePulseTest::stop_reportsLevelZeroAndLeavesRegistry() {
    ReportLog log(engine.captureReports);
    startOnPipe(2, log);
    feeder->play(testing::toneSound(60, 3000));
    QTRY_VERIFY(!log.levels.isEmpty() && log.levels.constLast().second >= 59);
    QVERIFY(engine.captures.running(2));

    // Stopping an object without a capture does nothing.
    engine.captures.stop(4);
    QVERIFY(engine.captures.running(2));

    engine.captures.stop(2);
    QTRY_VERIFY(!engine.captures.running(2));
    QCOMPARE(engine.captures.count(), 0);
    QTRY_COMPARE(log.levels.constLast(), std::make_pair(kPipeDevice, 0));
    const int reports = int(log.levels.size());
    QTest::qWait(100);
    QCOMPARE(log.levels.size(), reports);
}

void CapturePulseTest::startTwice_refusedForSameObject() {
    ReportLog log(engine.captureReports);
    startOnPipe(1, log);
    QVERIFY(!engine.captures.start(1, kMicDevice, QStringLiteral("nb_mic")));
    QVERIFY(!engine.captures.start(0, kMicDevice, QStringLiteral("nb_mic")));
    QVERIFY(!engine.captures.start(5, kMicDevice, QStringLiteral("nb_mic")));
    QCOMPARE(engine.captures.count(), 1);
}

void CapturePulseTest::missingDevice_reportsOpenFailure_data() {
    QTest::addColumn<QString>("source");
    QTest::newRow("unknown source") << QStringLiteral("nb_no_such_source");
    QTest::newRow("no source name") << QString();
    // A sink is no capture device.
    QTest::newRow("sink name") << QStringLiteral("nb_speakers");
}

void CapturePulseTest::missingDevice_reportsOpenFailure() {
    QFETCH(QString, source);
    ReportLog log(engine.captureReports);
    QSignalSpy errors(&engine.errors, &SoundErrors::errorTextReady);
    QVERIFY(engine.captures.start(4, kMicDevice, source));
    QTRY_COMPARE(errors.size(), 1);
    QCOMPARE(errors.at(0).at(0).toString(),
             QStringLiteral("Could not open the input device: No such entity"));
    QTRY_COMPARE(engine.captures.count(), 0);
    QCOMPARE(log.levels.size(), 0);
}

void CapturePulseTest::vanishedSource_reportsFailureAndLeavesRegistry() {
    const QString module = pactl({QStringLiteral("load-module"), QStringLiteral("module-null-sink"),
                                  QStringLiteral("sink_name=nb_brief")});
    QVERIFY(!module.isEmpty());
    ReportLog log(engine.captureReports);
    QSignalSpy errors(&engine.errors, &SoundErrors::errorTextReady);
    QVERIFY(engine.captures.start(2, kMicDevice, QStringLiteral("nb_brief.monitor")));
    QTRY_VERIFY_WITH_TIMEOUT(log.levelsOf(kMicDevice) >= 3, 5000);

    pactl({QStringLiteral("unload-module"), module});
    QTRY_COMPARE(errors.size(), 1);
    QVERIFY2(errors.at(0).at(0).toString().startsWith(
                 QStringLiteral("Could not open the input device: ")),
             qPrintable(errors.at(0).at(0).toString()));
    // A failed stream ends its capture, which leaves the registry with a last level of 0, so
    // that the object can capture again.
    QTRY_VERIFY(!engine.captures.running(2));
    QCOMPARE(engine.captures.count(), 0);
    QCOMPARE(log.levels.constLast(), std::make_pair(kMicDevice, 0));
    QVERIFY(engine.captures.start(2, kPipeDevice, QStringLiteral("nb_pipe_mic")));
    QTRY_VERIFY(log.levelsOf(kPipeDevice) >= 3);
    engine.captures.stop(2);
}

void CapturePulseTest::failingReportHandler_reportsCaughtError() {
    ReportLog log(engine.captureReports);
    startOnPipe(1, log);
    QSignalSpy errors(&engine.errors, &SoundErrors::errorTextReady);
    bool thrown = false;
    QMetaObject::Connection failing =
        connect(&engine.captureReports, &CaptureReports::levelReport, this, [&](int, int) {
            if (!thrown) {
                thrown = true;
                throw std::runtime_error("level bar is gone");
            }
        });
    QTRY_COMPARE(errors.size(), 1);
    disconnect(failing);
    QCOMPARE(errors.at(0).at(0).toString(),
             QStringLiteral("level bar is gone Ошибка!!! Код ошибки: -5345"));
    // The capture goes on.
    const int reports = log.levelsOf(kPipeDevice);
    QTRY_VERIFY(log.levelsOf(kPipeDevice) > reports + 3);
    QVERIFY(engine.captures.running(1));
}

void CapturePulseTest::serverKilled_noHangAndFailureReported() {
    LoneServer server;
    QVERIFY(server.start());
    ReportLog log(engine.captureReports);
    QSignalSpy errors(&engine.errors, &SoundErrors::errorTextReady);
    QVERIFY(server.startCapture(engine, 1));
    QTRY_VERIFY_WITH_TIMEOUT(log.levelsOf(kMicDevice) >= 3, 5000);

    server.kill();
    QTRY_COMPARE(errors.size(), 1);
    QVERIFY2(errors.at(0).at(0).toString().startsWith(
                 QStringLiteral("Could not open the input device: ")),
             qPrintable(errors.at(0).at(0).toString()));
    // The capture whose server went away ends and leaves the registry.
    QTRY_VERIFY(!engine.captures.running(1));

    // With no server at all, a new capture fails to open and ends at once.
    QVERIFY(server.startCapture(engine, 2));
    QTRY_COMPARE(errors.size(), 2);
    QVERIFY2(errors.at(1).at(0).toString().startsWith(
                 QStringLiteral("Could not open the input device: ")),
             qPrintable(errors.at(1).at(0).toString()));
    QTRY_VERIFY(!engine.captures.running(2));

    engine.captures.stopAll();
    QCOMPARE(engine.captures.count(), 0);
    QCOMPARE(log.levels.constLast(), std::make_pair(kMicDevice, 0));
}

void CapturePulseTest::stoppedServer_stopRequestStillEndsTheCapture() {
    LoneServer server;
    QVERIFY(server.start());
    ReportLog log(engine.captureReports);
    QVERIFY(server.startCapture(engine, 1));
    QTRY_VERIFY_WITH_TIMEOUT(log.levelsOf(kMicDevice) >= 3, 5000);

    // A server that stops answering delivers nothing more: the capture waits for it without a
    // time limit, and only the stop request can end that wait.
    server.signal(SIGSTOP);
    QTest::qWait(200);
    engine.captures.stop(1);
    QTRY_VERIFY_WITH_TIMEOUT(!engine.captures.running(1), 5000);
    QCOMPARE(log.levels.constLast(), std::make_pair(kMicDevice, 0));

    // Asked while it connects to a stopped server, a new capture ends as well.
    QVERIFY(server.startCapture(engine, 2));
    engine.captures.finish(2);
    QVERIFY(!engine.captures.running(2));
}

QTEST_GUILESS_MAIN(CapturePulseTest)
#include "tst_capture_pulse.moc"
