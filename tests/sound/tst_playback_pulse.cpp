// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

// Playback threads and their peak meters against the private sound server of the test
// environment (scripts/test-env.sh).

#include "DeviceCatalogue.h"
#include "MainThreadCalls.h"
#include "PlaybackThread.h"
#include "SoundEngine.h"
#include "SoundErrors.h"
#include "WavImage.h"

#include <QFile>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <tuple>

using namespace numbrook;
using namespace numbrook::testing;

namespace {

// Long enough for many 10 ms samples, short enough to wait for.
constexpr int kClipMs = 800;
// A clip ends by itself well within this (it needs about kClipMs plus the server's latency).
constexpr int kEndTimeoutMs = 15000;

QString pactl(const QStringList &arguments) {
    QProcess process;
    process.start(QStringLiteral("pactl"), arguments);
    process.waitForFinished(10000);
    return QString::fromUtf8(process.readAllStandardOutput()).trimmed();
}

// The device identifier of a sink by its server name, as last listed.
int idOfSink(const DeviceCatalogue &devices, const QString &sinkName) {
    for (int id = 0; !devices.OutputServerName(id).isEmpty(); ++id) {
        if (devices.OutputServerName(id) == sinkName) {
            return id;
        }
    }
    return kNoDevice;
}

struct LevelReport {
    int device;
    int left;
    int right;
};

// Collects the level reports of one device.
class LevelLog {
public:
    LevelLog(PlaybackReports &playbackReports, int device) {
        connection_ = QObject::connect(&playbackReports, &PlaybackReports::outputLevelReport,
                                       [this, device](int id, int left, int right) {
                                           if (id == device) {
                                               reports.append({id, left, right});
                                           }
                                       });
    }
    ~LevelLog() { QObject::disconnect(connection_); }
    Q_DISABLE_COPY_MOVE(LevelLog)

    int maxLeft() const {
        int most = 0;
        for (const LevelReport &report : reports) {
            most = std::max(most, report.left);
        }
        return most;
    }
    int maxRight() const {
        int most = 0;
        for (const LevelReport &report : reports) {
            most = std::max(most, report.right);
        }
        return most;
    }
    bool endsAtZero() const {
        return !reports.isEmpty() && reports.constLast().left == 0 &&
               reports.constLast().right == 0;
    }

    QList<LevelReport> reports;

private:
    QMetaObject::Connection connection_;
};

QString openFailure(const QString &text) {
    return QStringLiteral("Could not open the output device for playing: ") + text;
}

} // namespace

class PlaybackPulseTest : public QObject {
    Q_OBJECT

    SoundEngine engine;

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void cleanup();

    void clip_playsWithLevelsAndEndsAtZero();
    void file_plays();
    void loop_playsUntilStopped();
    void stop_endsEveryThreadOfTheObjectOnly();
    void meter_foundByDeviceName_data();
    void meter_foundByDeviceName();
    void singleChannelSink_rightLevelStaysZero();
    void ownVolume_appliesFromTheFirstSample();
    void openFailure_reported_data();
    void openFailure_reported();
    void unreadableSound_endsSilently_data();
    void unreadableSound_endsSilently();
    void noServer_reportsEachStepAndEnds();

private:
    QStringList modules;
    int speakers = kNoDevice; // the stereo sink of this test
};

void PlaybackPulseTest::initTestCase() {
    QVERIFY2(!qEnvironmentVariableIsEmpty("PULSE_SERVER"), "run inside scripts/test-env.sh");
    QVERIFY(engine.connection.open());
    // Sinks of this test's own, so that its sounds disturb no other test on the shared server:
    // a stereo one, one with a description longer than the 32 characters a device name is
    // matched by, and one with a Cyrillic description.
    modules << pactl({QStringLiteral("load-module"), QStringLiteral("module-null-sink"),
                      QStringLiteral("sink_name=nb_play"),
                      QStringLiteral("sink_properties='device.description=\"Playback Test "
                                     "Speakers\"'")});
    modules << pactl({QStringLiteral("load-module"), QStringLiteral("module-null-sink"),
                      QStringLiteral("sink_name=nb_long"),
                      QStringLiteral("sink_properties='device.description=\"Numbrook Long "
                                     "Described Test Output Device\"'")});
    modules << pactl({QStringLiteral("load-module"), QStringLiteral("module-null-sink"),
                      QStringLiteral("sink_name=nb_cyrillic"),
                      QStringLiteral("sink_properties='device.description=\"Тестовые Колонки\"'")});
    for (const QString &module : std::as_const(modules)) {
        QVERIFY(!module.isEmpty());
    }
    // PipeWire lists a loaded sink a moment after load-module has returned.
    QTRY_VERIFY_WITH_TIMEOUT((engine.devices.BuildOutputList(true),
                              idOfSink(engine.devices, QStringLiteral("nb_cyrillic")) != kNoDevice),
                             5000);
    speakers = idOfSink(engine.devices, QStringLiteral("nb_play"));
    QVERIFY(speakers != kNoDevice);
    QCOMPARE(
        engine.devices.OutputDescription(idOfSink(engine.devices, QStringLiteral("nb_cyrillic"))),
        QStringLiteral("Тестовые Колонки"));
}

void PlaybackPulseTest::cleanupTestCase() {
    for (const QString &module : std::as_const(modules)) {
        pactl({QStringLiteral("unload-module"), module});
    }
}

void PlaybackPulseTest::cleanup() {
    engine.playbacks.stopAll();
    QCOMPARE(engine.playbacks.count(), 0);
}

void PlaybackPulseTest::clip_playsWithLevelsAndEndsAtZero() {
    LevelLog log(engine.playbackReports, speakers);
    QSignalSpy errors(&engine.errors, &SoundErrors::errorTextReady);
    engine.playbacks.startFromMemory(1, speakers, false, toneWav(2, kClipMs, 0.5, 0.25),
                                     QStringLiteral("Playback Test Speakers"));
    QCOMPARE(engine.playbacks.count(), 1);
    QTRY_VERIFY_WITH_TIMEOUT(log.maxLeft() > 0, kEndTimeoutMs);
    QTRY_COMPARE_WITH_TIMEOUT(engine.playbacks.count(), 0, kEndTimeoutMs);

    // The meter follows the channels: the left tone is twice as loud as the right one.
    QVERIFY2(std::abs(log.maxLeft() - 50) <= 3, qPrintable(QString::number(log.maxLeft())));
    QVERIFY2(std::abs(log.maxRight() - 25) <= 3, qPrintable(QString::number(log.maxRight())));
    QVERIFY(log.endsAtZero());
    // About one report every 10 ms while the clip played.
    QVERIFY2(log.reports.size() >= kClipMs / 10 / 2,
             qPrintable(QString::number(log.reports.size())));
    QCOMPARE(errors.size(), 0);
}

void PlaybackPulseTest::file_plays() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QFile file(dir.filePath(QStringLiteral("clip.wav")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(toneWav(1, kClipMs, 0.5, 0));
    file.close();

    LevelLog log(engine.playbackReports, speakers);
    engine.playbacks.startFromFile(2, speakers, false, file.fileName(),
                                   QStringLiteral("Playback Test Speakers"));
    QTRY_COMPARE_WITH_TIMEOUT(engine.playbacks.count(), 0, kEndTimeoutMs);
    // A mono sound plays on both channels of the stereo sink.
    QVERIFY2(log.maxLeft() >= 45 && log.maxRight() >= 45,
             qPrintable(QStringLiteral("%1 %2").arg(log.maxLeft()).arg(log.maxRight())));
    QVERIFY(log.endsAtZero());
}

void PlaybackPulseTest::loop_playsUntilStopped() {
    LevelLog log(engine.playbackReports, speakers);
    engine.playbacks.startFromMemory(3, speakers, true, toneWav(2, 200, 0.5, 0.5),
                                     QStringLiteral("Playback Test Speakers"));
    QTRY_VERIFY_WITH_TIMEOUT(log.maxLeft() > 0, kEndTimeoutMs);
    // Many times the clip's length later it still plays: a report comes about every 10 ms.
    QTRY_VERIFY_WITH_TIMEOUT(log.reports.size() >= 200, kEndTimeoutMs);
    QCOMPARE(engine.playbacks.count(), 1);
    const qsizetype before = log.reports.size();
    QTRY_VERIFY(log.reports.size() > before + 10);
    const auto recent = log.reports.mid(log.reports.size() - 10);
    QVERIFY(std::all_of(recent.cbegin(), recent.cend(),
                        [](const LevelReport &report) { return report.left > 0; }));

    engine.playbacks.stop(3);
    QTRY_COMPARE(engine.playbacks.count(), 0);
    QVERIFY(log.endsAtZero());
}

void PlaybackPulseTest::stop_endsEveryThreadOfTheObjectOnly() {
    const QByteArray clip = toneWav(2, 200, 0.3, 0.3);
    PlaybackRegistry &registry = engine.playbacks;
    registry.startFromMemory(2, speakers, true, clip, QStringLiteral("Playback Test Speakers"));
    registry.startFromMemory(2, speakers, true, clip, QStringLiteral("Playback Test Speakers"));
    registry.startFromMemory(3, speakers, true, clip, QStringLiteral("Playback Test Speakers"));
    QCOMPARE(registry.count(), 3);

    // An object without a playback thread: nothing happens.
    registry.stop(4);
    QTest::qWait(300);
    QCOMPARE(registry.count(), 3);

    registry.stop(2);
    QTRY_COMPARE(registry.count(), 1);
    QTest::qWait(300);
    QCOMPARE(registry.count(), 1);
    registry.stop(3);
    QTRY_COMPARE(registry.count(), 0);
}

void PlaybackPulseTest::meter_foundByDeviceName_data() {
    QTest::addColumn<QString>("sink");
    QTest::addColumn<QString>("deviceName");
    QTest::addColumn<bool>("metered");

    auto row = [](const char *name, const char *sink, const char *deviceName, bool metered) {
        QTest::newRow(name) << QString::fromUtf8(sink) << QString::fromUtf8(deviceName) << metered;
    };
    row("same name", "nb_play", "Playback Test Speakers", true);
    row("other letter case", "nb_play", "pLAYBACK tEST sPEAKERS", true);
    row("part of the endpoint name", "nb_play", "back test speak", true);
    // Only the first 32 characters ("Numbrook Long Described Test Out") are looked for.
    row("first 32 characters", "nb_long", "Numbrook Long Described Test Output Elsewhere", true);
    row("Cyrillic in other letter case", "nb_cyrillic", "тестовые колонки", true);
    row("empty name", "nb_play", "", false);
    row("name of no endpoint", "nb_play", "Headphones", false);
}

void PlaybackPulseTest::meter_foundByDeviceName() {
    QFETCH(QString, sink);
    QFETCH(QString, deviceName);
    QFETCH(bool, metered);

    const int device = idOfSink(engine.devices, sink);
    QVERIFY(device != kNoDevice);
    LevelLog log(engine.playbackReports, device);
    QSignalSpy errors(&engine.errors, &SoundErrors::errorTextReady);
    engine.playbacks.startFromMemory(1, device, false, toneWav(2, kClipMs, 0.5, 0.5), deviceName);
    QTRY_COMPARE_WITH_TIMEOUT(engine.playbacks.count(), 0, kEndTimeoutMs);

    // The sound played through, whether or not a meter was found.
    QVERIFY2(log.reports.size() >= kClipMs / 10 / 2,
             qPrintable(QString::number(log.reports.size())));
    QVERIFY(log.endsAtZero());
    if (metered) {
        QVERIFY2(log.maxLeft() >= 45 && log.maxRight() >= 45,
                 qPrintable(QStringLiteral("%1 %2").arg(log.maxLeft()).arg(log.maxRight())));
    } else {
        QCOMPARE(log.maxLeft(), 0);
        QCOMPARE(log.maxRight(), 0);
    }
    QCOMPARE(errors.size(), 0);
}

void PlaybackPulseTest::singleChannelSink_rightLevelStaysZero() {
    const int mono = idOfSink(engine.devices, QStringLiteral("nb_mono"));
    LevelLog log(engine.playbackReports, mono);
    engine.playbacks.startFromMemory(4, mono, false, toneWav(2, kClipMs, 0.6, 0.6),
                                     QStringLiteral("Mono Speaker"));
    QTRY_COMPARE_WITH_TIMEOUT(engine.playbacks.count(), 0, kEndTimeoutMs);
    QVERIFY2(log.maxLeft() >= 50, qPrintable(QString::number(log.maxLeft())));
    QCOMPARE(log.maxRight(), 0);
}

void PlaybackPulseTest::ownVolume_appliesFromTheFirstSample() {
    const int FDeviceID = speakers;
    engine.outputVolume.SetOutputVolume(FDeviceID, 50, 100);
    LevelLog log(engine.playbackReports, speakers);
    engine.playbacks.startFromMemory(1, speakers, false, toneWav(2, kClipMs, 0.5, 0.5),
                                     QStringLiteral("Playback Test Speakers"));
    QTRY_COMPARE_WITH_TIMEOUT(engine.playbacks.count(), 0, kEndTimeoutMs);
    engine.outputVolume.SetOutputVolume(FDeviceID, 100, 100);
    // Half the amplitude on the left from the start, the full one on the right.
    QVERIFY2(std::abs(log.maxLeft() - 25) <= 3, qPrintable(QString::number(log.maxLeft())));
    QVERIFY2(std::abs(log.maxRight() - 50) <= 3, qPrintable(QString::number(log.maxRight())));
}

void PlaybackPulseTest::openFailure_reported_data() {
    QTest::addColumn<bool>("onSpeakers"); // else on `device`
    QTest::addColumn<int>("device");
    QTest::addColumn<QByteArray>("image");
    QTest::addColumn<QString>("error");

    const QByteArray clip = toneWav(2, 100, 0.5, 0.5);
    QTest::newRow("device that does not exist")
        << false << 999 << clip << openFailure("No such entity");
    QTest::newRow("no device") << false << int(kNoDevice) << clip << openFailure("No such entity");
    // ADPCM is not among the formats a stream takes.
    const QByteArray adpcm =
        riffWave(chunk("fmt ", waveFormat(2, 1, 22050, 4)) + chunk("data", QByteArray(64, 'x')));
    QTest::newRow("format the device refuses")
        << true << 0 << adpcm << openFailure("Not supported");
}

void PlaybackPulseTest::openFailure_reported() {
    QFETCH(bool, onSpeakers);
    QFETCH(int, device);
    QFETCH(QByteArray, image);
    QFETCH(QString, error);
    if (onSpeakers) {
        device = speakers;
    }

    LevelLog log(engine.playbackReports, device);
    QSignalSpy errors(&engine.errors, &SoundErrors::errorTextReady);
    engine.playbacks.startFromMemory(1, device, false, image,
                                     QStringLiteral("Playback Test Speakers"));
    QTRY_COMPARE(engine.playbacks.count(), 0);
    QCOMPARE(errors.size(), 1);
    QCOMPARE(errors.at(0).at(0).toString(), error);
    // Nothing played, so nothing was reported.
    QCOMPARE(log.reports.size(), 0);
}

void PlaybackPulseTest::unreadableSound_endsSilently_data() {
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QByteArray>("image");

    QTest::newRow("missing file") << "no such file.wav" << QByteArray();
    QTest::newRow("file that is no WAV") << "text.wav" << QByteArray("plain text, no RIFF");
    QTest::newRow("image that is no WAV") << "" << QByteArray("plain text, no RIFF");
    QTest::newRow("data before fmt")
        << "" << riffWave(chunk("data", "abcd") + chunk("fmt ", waveFormat(1, 1, 8000, 8)));
}

void PlaybackPulseTest::unreadableSound_endsSilently() {
    QFETCH(QString, fileName);
    QFETCH(QByteArray, image);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    LevelLog log(engine.playbackReports, speakers);
    QSignalSpy errors(&engine.errors, &SoundErrors::errorTextReady);
    if (fileName.isEmpty()) {
        engine.playbacks.startFromMemory(1, speakers, false, image,
                                         QStringLiteral("Playback Test Speakers"));
    } else {
        const QString path = dir.filePath(fileName);
        if (!image.isEmpty()) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(image);
        }
        engine.playbacks.startFromFile(1, speakers, false, path,
                                       QStringLiteral("Playback Test Speakers"));
    }
    QTRY_COMPARE(engine.playbacks.count(), 0);
    QCOMPARE(errors.size(), 0);
    QCOMPARE(log.reports.size(), 0);
}

void PlaybackPulseTest::noServer_reportsEachStepAndEnds() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    LevelLog log(engine.playbackReports, speakers);
    QSignalSpy errors(&engine.errors, &SoundErrors::errorTextReady);
    const QByteArray sharedServer = qgetenv("PULSE_SERVER");
    qputenv("PULSE_SERVER", "unix:" + QFile::encodeName(dir.filePath(QStringLiteral("none"))));
    engine.playbacks.startFromMemory(1, speakers, false, toneWav(2, 100, 0.5, 0.5),
                                     QStringLiteral("Playback Test Speakers"));
    QTRY_COMPARE(engine.playbacks.count(), 0);
    qputenv("PULSE_SERVER", sharedServer);

    // The connection, the meter and the device open each fail with their own text.
    QStringList texts;
    for (const QList<QVariant> &error : std::as_const(errors)) {
        texts << error.at(0).toString();
    }
    QCOMPARE(texts, QStringList({QStringLiteral("CoInitialize Error: Connection refused"),
                                 QStringLiteral("CoCreateInstance Error: Connection refused"),
                                 openFailure(QStringLiteral("Connection refused"))}));
    QCOMPARE(log.reports.size(), 0);
}

QTEST_GUILESS_MAIN(PlaybackPulseTest)
#include "tst_playback_pulse.moc"
