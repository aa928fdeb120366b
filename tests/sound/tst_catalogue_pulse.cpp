// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

// Device lists, Numbrook's own output volume and the microphone volume control, against the
// private sound server of the test environment.
#include "DeviceCatalogue.h"
#include "MainThreadCalls.h"
#include "MicrophoneVolume.h"
#include "SoundEngine.h"
#include "SoundErrors.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>
#include <atomic>
#include <cmath>
#include <memory>
#include <pulse/error.h>
#include <pulse/simple.h>

#include "PulseTools.h"

using namespace numbrook;
using numbrook::testing::pactl;
using numbrook::testing::pactlPercent;

namespace {

int idOf(const DeviceEntryList &list, const QString &name) {
    for (const DeviceEntry &entry : list) {
        if (entry.name == name) {
            return entry.id;
        }
    }
    return -1;
}

// A stereo tone played by this process on a sink, marked as Numbrook's own playback stream.
class MarkedTone {
public:
    explicit MarkedTone(const QString &sink) {
        thread_.reset(QThread::create([this, sink] {
            const pa_sample_spec streamFormat{PA_SAMPLE_S16LE, 44100, 2};
            int error = 0;
            const QByteArray device = sink.toUtf8();
            pa_simple *stream =
                pa_simple_new(nullptr, "tone", PA_STREAM_PLAYBACK, device.constData(), "tone",
                              &streamFormat, nullptr, nullptr, &error);
            if (!stream) {
                return;
            }
            std::vector<qint16> block(2 * 441);
            long t = 0;
            while (!stop_) {
                for (std::size_t i = 0; i < block.size(); i += 2, ++t) {
                    const auto v = qint16(12000 * std::sin(2 * M_PI * 440 * t / 44100.0));
                    block[i] = block[i + 1] = v;
                }
                pa_simple_write(stream, block.data(), block.size() * 2, &error);
            }
            pa_simple_free(stream);
        }));
        thread_->start();
    }
    ~MarkedTone() {
        stop_ = true;
        thread_->wait();
    }

private:
    std::atomic<bool> stop_{false};
    std::unique_ptr<QThread> thread_;
};

// Left and right energy of what a sink plays, from its monitor.
std::pair<double, double> monitorEnergy(const QString &sink) {
    QProcess parec;
    parec.start(QStringLiteral("parec"),
                {QStringLiteral("--device=%1.monitor").arg(sink), QStringLiteral("--raw"),
                 QStringLiteral("--format=s16le"), QStringLiteral("--channels=2"),
                 QStringLiteral("--rate=44100"), QStringLiteral("--latency-msec=20")});
    parec.waitForStarted();
    QTest::qWait(1500);
    parec.kill();
    parec.waitForFinished();
    const QByteArray data = parec.readAllStandardOutput();
    const auto *samples = reinterpret_cast<const qint16 *>(data.constData());
    double left = 0;
    double right = 0;
    // Skip the first fifth: it may still hold sound from before the change.
    const qsizetype frames = data.size() / 4;
    for (qsizetype i = frames / 5; i < frames; ++i) {
        left += double(samples[2 * i]) * samples[2 * i];
        right += double(samples[2 * i + 1]) * samples[2 * i + 1];
    }
    return {left, right};
}

} // namespace

class CataloguePulseTest : public QObject {
    Q_OBJECT

    SoundEngine engine;

    // Builds the input list until it holds the source `serverName`: PipeWire lists a loaded
    // device a moment after load-module has returned.
    bool listSource(const QString &serverName) {
        QElapsedTimer clock;
        clock.start();
        do {
            engine.devices.BuildInputList(true);
            for (const DeviceEntry &entry : engine.devices.InputDeviceNames) {
                if (engine.devices.InputServerName(entry.id) == serverName) {
                    return true;
                }
            }
            QTest::qWait(50);
        } while (clock.elapsed() < 5000);
        return false;
    }

private Q_SLOTS:
    void initTestCase() {
        QVERIFY2(!qEnvironmentVariableIsEmpty("PULSE_SERVER"), "run inside scripts/test-env.sh");
        // Streams this process opens are Numbrook's own playback streams.
        qputenv("PULSE_PROP", "numbrook.playback=1");
        QVERIFY(engine.connection.open());
    }

    void outputList_filtersSpdifAndKeepsEnumerationPositions() {
        engine.devices.BuildOutputList(false);
        QCOMPARE(idOf(engine.devices.OutputDeviceNames, "Test Speakers"), 0);
        QCOMPARE(idOf(engine.devices.OutputDeviceNames, "Digital spdif Output"), -1);
        // Trimmed, and the identifiers after the filtered entry keep their positions.
        QCOMPARE(idOf(engine.devices.OutputDeviceNames, "Padded Sink"), 2);
        QCOMPARE(idOf(engine.devices.OutputDeviceNames, "Mono Speaker"), 3);
        QCOMPARE(engine.devices.OutputServerName(3), QStringLiteral("nb_mono"));

        engine.devices.BuildOutputList(true);
        QCOMPARE(idOf(engine.devices.OutputDeviceNames, "Digital spdif Output"), 1);
        QCOMPARE(engine.devices.PlaybackDeviceCount(), engine.devices.OutputDeviceNames.size());
    }

    void inputList_holdsSourcesWithoutMonitors() {
        engine.devices.BuildInputList(true);
        QStringList names;
        for (const DeviceEntry &entry : engine.devices.InputDeviceNames) {
            names << entry.name;
            QVERIFY2(!engine.devices.InputServerName(entry.id).endsWith(".monitor"),
                     qPrintable(entry.name));
        }
        QVERIFY(names.contains("Test Microphone"));
        QVERIFY(names.contains("Pipe Microphone"));
        QCOMPARE(engine.devices.CaptureDeviceCount(), engine.devices.InputDeviceNames.size());
        QCOMPARE(engine.devices.CaptureDeviceEntry(999), (std::pair<QString, QString>{}));
    }

    void outputVolume_isOwnStreamVolume_notTheSinkVolume() {
        engine.devices.BuildOutputList(false);
        const int FDeviceID = idOf(engine.devices.OutputDeviceNames, "Test Speakers");
        const int sinkBefore = pactlPercent("sink", "nb_speakers");
        MarkedTone tone(QStringLiteral("nb_speakers"));
        QTest::qWait(300);
        engine.outputVolume.SetOutputVolume(FDeviceID, 100, 0);
        const auto [left, right] = monitorEnergy(QStringLiteral("nb_speakers"));
        QVERIFY2(left > 1e6, qPrintable(QString::number(left)));
        QVERIFY2(right < left / 1000, qPrintable(QStringLiteral("%1 %2").arg(left).arg(right)));
        QCOMPARE(engine.outputVolume.GetOutputVolume(FDeviceID), (std::pair{100, 0}));
        QCOMPARE(engine.outputVolume.OutputVolumeForSink("nb_speakers"), (std::pair{100, 0}));
        QCOMPARE(pactlPercent("sink", "nb_speakers"), sinkBefore);

        engine.outputVolume.SetOutputVolume(FDeviceID, 0, 100);
        const auto [left2, right2] = monitorEnergy(QStringLiteral("nb_speakers"));
        QVERIFY(right2 > 1e6 && left2 < right2 / 1000);
        engine.outputVolume.SetOutputVolume(FDeviceID, 100, 100);
    }

    void outputVolume_unknownDevice_reportsFailure() {
        const int FDeviceID = 77;
        QSignalSpy reports(&engine.errors, &SoundErrors::errorTextReady);
        engine.outputVolume.SetOutputVolume(FDeviceID, 50, 50);
        QCOMPARE(engine.outputVolume.GetOutputVolume(FDeviceID), (std::pair{0, 0}));
        QCOMPARE(reports.size(), 2);
        QCOMPARE(reports.at(0).at(0).toString(), QString::fromUtf8(pa_strerror(PA_ERR_NOENTITY)));
    }

    void mixer_scaleHasUnityAtHalf() {
        // A source of this test's own: the capture tests rely on the test microphone's volume.
        testing::PrivateSource source(QStringLiteral("nb_mixer_scale"));
        QVERIFY(source.loaded());
        QVERIFY(listSource(QStringLiteral("nb_mixer_scale")));
        ObjectMixer mixer;
        int position = -1;
        bool enabled = false;
        mixer.setTrackPosition = [&](int p) { position = p; };
        mixer.setTrackEnabled = [&](bool e) { enabled = e; };
        for (const DeviceEntry &entry : engine.devices.InputDeviceNames) {
            if (engine.devices.InputServerName(entry.id) == "nb_mixer_scale") {
                mixer.InDeviceID = entry.id;
            }
        }
        mixer.MixerOpen = engine.microphoneVolume.OpenObjectMixer(mixer);
        QVERIFY(mixer.MixerOpen);
        QVERIFY(enabled);
        QVERIFY(mixer.FMixerControlID != kNoMixerControl);

        engine.microphoneVolume.WriteObjectMixerVolume(mixer, 50);
        QCOMPARE(pactlPercent("source", "nb_mixer_scale"), 100);
        engine.microphoneVolume.WriteObjectMixerVolume(mixer, 100);
        QCOMPARE(pactlPercent("source", "nb_mixer_scale"), 200);
        engine.microphoneVolume.ReadObjectMixerVolume(mixer);
        QCOMPARE(mixer.MixerVolume, 100);
        QCOMPARE(position, 100);
        engine.microphoneVolume.WriteObjectMixerVolume(mixer, 0);
        engine.microphoneVolume.ReadObjectMixerVolume(mixer);
        QCOMPARE(mixer.MixerVolume, 0);
        // Above unity boost the read shows at most 100.
        pactl({"set-source-volume", "nb_mixer_scale", "250%"});
        engine.microphoneVolume.ReadObjectMixerVolume(mixer);
        QCOMPARE(mixer.MixerVolume, 100);
        engine.microphoneVolume.WriteObjectMixerVolume(mixer, 50);

        engine.microphoneVolume.CloseObjectMixer(mixer);
        QVERIFY(!enabled);
        QCOMPARE(mixer.MixerVolume, 0);
        QCOMPARE(position, 0);
        // Closed: reads and writes do nothing.
        engine.microphoneVolume.WriteObjectMixerVolume(mixer, 90);
        QCOMPARE(pactlPercent("source", "nb_mixer_scale"), 100);
        source.unload();
    }

    void mixer_outsideChangeReachesEveryObjectOnTheSource_andEqualWriteSendsNothing() {
        // A source of this test's own, so that no other test's streams cause change events.
        testing::PrivateSource source(QStringLiteral("nb_mixer_private"));
        QVERIFY(source.loaded());
        QVERIFY(listSource(QStringLiteral("nb_mixer_private")));
        ObjectMixer first;
        ObjectMixer second;
        for (const DeviceEntry &entry : engine.devices.InputDeviceNames) {
            if (engine.devices.InputServerName(entry.id) == "nb_mixer_private") {
                first.InDeviceID = second.InDeviceID = entry.id;
            }
        }
        first.MixerOpen = engine.microphoneVolume.OpenObjectMixer(first);
        second.MixerOpen = engine.microphoneVolume.OpenObjectMixer(second);
        QVERIFY(first.MixerOpen && second.MixerOpen);
        engine.microphoneVolume.WriteObjectMixerVolume(first, 50);
        QTest::qWait(500);

        QSignalSpy changes(&engine.microphoneVolume, &MicrophoneVolume::controlChanged);
        engine.microphoneVolume.WriteObjectMixerVolume(first, 50);
        QTest::qWait(300);
        QCOMPARE(changes.count(QList<QVariant>{QVariant::fromValue(first.FMixerControlID)}), 0);

        auto link = connect(&engine.microphoneVolume, &MicrophoneVolume::controlChanged, this,
                            [&](quint32 control) {
                                for (ObjectMixer *object : {&first, &second}) {
                                    if (object->FMixerControlID == control) {
                                        engine.microphoneVolume.ReadObjectMixerVolume(*object);
                                    }
                                }
                            });
        pactl({"set-source-volume", "nb_mixer_private", "150%"});
        QTRY_COMPARE(first.MixerVolume, 75);
        QTRY_COMPARE(second.MixerVolume, 75);
        disconnect(link);
        source.unload();
    }

    void mixer_vanishedSource_givesFailureTexts() {
        testing::PrivateSource source(QStringLiteral("nb_vanishing"));
        QVERIFY(source.loaded());
        QVERIFY(listSource(QStringLiteral("nb_vanishing")));
        ObjectMixer mixer;
        for (const DeviceEntry &entry : engine.devices.InputDeviceNames) {
            if (engine.devices.InputServerName(entry.id) == "nb_vanishing") {
                mixer.InDeviceID = entry.id;
            }
        }
        mixer.MixerOpen = engine.microphoneVolume.OpenObjectMixer(mixer);
        QVERIFY(mixer.MixerOpen);
        source.unload();

        QSignalSpy reports(&engine.errors, &SoundErrors::errorTextReady);
        engine.microphoneVolume.ReadObjectMixerVolume(mixer);
        engine.microphoneVolume.WriteObjectMixerVolume(mixer, 30);
        QCOMPARE(reports.size(), 2);
        const QString noEntity = QString::fromUtf8(pa_strerror(PA_ERR_NOENTITY));
        QCOMPARE(reports.at(0).at(0).toString(), "error mixerGetControlDetails " + noEntity);
        QCOMPARE(reports.at(1).at(0).toString(), "error mixerGetControlDetails " + noEntity);

        // A device that is no longer listed cannot be opened.
        engine.devices.BuildInputList(true);
        ObjectMixer gone;
        gone.InDeviceID = 999;
        QVERIFY(!engine.microphoneVolume.OpenObjectMixer(gone));
        QCOMPARE(engine.errors.LastErrorText(), "Error at mixerGetId: " + noEntity);
    }
};

QTEST_GUILESS_MAIN(CataloguePulseTest)
#include "tst_catalogue_pulse.moc"
