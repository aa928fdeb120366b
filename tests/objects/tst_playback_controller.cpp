// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

// The playback side of the sound objects through the real main window, against the test
// environment's sound server: first start, output device arrows, channel volumes shared by the
// objects of one device, folder files and built-in clips, level bars.
#include "MainWindow.h"
#include "ObjectIniStore.h"
#include "ObjectProgram.h"
#include "PlaybackThread.h"
#include "PulseTools.h"
#include "QuizSession.h"
#include "RiffReader.h"
#include "SkinWidgets.h"
#include "SoundEngine.h"
#include "SoundErrors.h"
#include "SoundObjectTable.h"
#include "WaveClips.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <memory>

using namespace numbrook;
using Program = numbrook::testing::ObjectProgram;
using numbrook::testing::pactlPercent;

namespace {

void touch(const QString &path) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("RIFF");
}

} // namespace

class PlaybackControllerTest : public QObject {
    Q_OBJECT

    SoundEngine engine;

    std::unique_ptr<testing::ObjectFiles> files_;

private Q_SLOTS:
    void initTestCase() {
        QVERIFY2(!qEnvironmentVariableIsEmpty("PULSE_SERVER"), "run inside scripts/test-env.sh");
        QVERIFY(engine.connection.open());
    }
    void init() { files_ = std::make_unique<testing::ObjectFiles>(engine); }
    void cleanup() { files_.reset(); }

    void firstStart_firstDeviceFirstClipHalfVolume() {
        const int masterBefore = pactlPercent("sink", "nb_speakers");
        Program p(engine);
        QVERIFY(!engine.devices.OutputDeviceNames.isEmpty());
        const DeviceEntry first = engine.devices.OutputDeviceNames.first();
        for (int n = 1; n <= 4; ++n) {
            QCOMPARE(p.object(n).OutDeviceID, first.id);
            QCOMPARE(p.object(n).OutDeviceName, first.name);
            QCOMPARE(p.object(n).panel.edObj->text(), first.name);
            QCOMPARE(p.object(n).panel.edObj->toolTip(), first.name);
            QCOMPARE(p.object(n).panel.tbVL->value(), 50);
            QCOMPARE(p.object(n).panel.tbVR->value(), 50);
            QVERIFY(!p.object(n).PlayFromFile);
        }
        // Numbrook's own volume on that device, never the device's master volume.
        QCOMPARE(engine.outputVolume.OutputVolumeForSink(engine.devices.OutputServerName(first.id)),
                 std::make_pair(50, 50));
        QCOMPARE(pactlPercent("sink", "nb_speakers"), masterBefore);

        QCOMPARE(p.object(1).FileList,
                 QStringList({"файл индекс 0", "WL файл 1", "WL файл 2", "WL файл 3"}));
        QCOMPARE(p.object(1).FileIndex, 0);
        QCOMPARE(p.object(1).panel.edFile->text(), QStringLiteral("файл индекс 0"));
        QCOMPARE(p.object(2).FileList.size(), 3);
        QCOMPARE(p.object(3).FileList.size(), 2);
        QVERIFY(p.object(4).FileList.isEmpty());
        QCOMPARE(p.object(4).FileIndex, -1);
        QVERIFY(p.object(4).panel.edFile->text().isEmpty());
        // The file arrows do nothing with an empty list.
        p.click("Sb_File4_Down");
        QCOMPARE(p.object(4).FileIndex, -1);
    }

    void builtInClips_areWaveImagesInTheirFormats() {
        const WaveClipList &clips = BuiltInClips(1);
        QCOMPARE(clips.size(), 4);
        const struct {
            quint32 rate;
            quint16 channels;
        } formats[] = {{22050, 2}, {44100, 2}, {8000, 1}, {11025, 2}};
        for (int i = 0; i < 4; ++i) {
            const QByteArray image = clips[i].image();
            WavSound sound;
            QVERIFY(ReadWav({reinterpret_cast<const std::uint8_t *>(image.constData()),
                             std::size_t(image.size())},
                            sound));
            WaveFormat format;
            QVERIFY(DecodeWaveFormat(sound.format, format));
            QCOMPARE(format.formatTag, kWaveFormatPcm);
            QCOMPARE(format.bitsPerSample, quint16(16));
            QCOMPARE(format.channels, formats[i].channels);
            QCOMPARE(format.samplesPerSecond, formats[i].rate);
            // A short sound, not silence.
            QVERIFY(sound.samples.size() > 1000);
            QVERIFY(std::any_of(sound.samples.begin(), sound.samples.end(),
                                [](std::uint8_t b) { return b > 0x40; }));
        }
        // The shorter lists repeat the first clips.
        QCOMPARE(BuiltInClips(2).size(), 3);
        QCOMPARE(BuiltInClips(3).size(), 2);
        QCOMPARE(BuiltInClips(3)[1].image(), clips[1].image());
        // Synthesized once and shared: every call hands out the same image.
        QCOMPARE(clips[2].image().constData(), BuiltInClips(2)[2].image().constData());
        QVERIFY(BuiltInClips(4).isEmpty());
    }

    void folderFiles_listedUnsortedWithoutSubfolders() {
        const QString folder = files_->path() + "/Data/wav2/";
        QVERIFY(QDir().mkpath(folder + "sub"));
        touch(folder + "b clap.wav");
        touch(folder + ".a hidden");
        files_->store("ObjectWavParams/ObjectPlayFromFile_2", 1);
        Program p(engine);
        SoundObject &o = p.object(2);
        QVERIFY(o.PlayFromFile);
        QVERIFY(o.panel.cbPlayFromFile->isChecked());
        QCOMPARE(o.FileList.size(), 2);
        QVERIFY(o.FileList.contains(folder + "b clap.wav"));
        QVERIFY(o.FileList.contains(folder + ".a hidden"));
        QCOMPARE(o.panel.edFile->text(), QFileInfo(o.FileList.first()).fileName());

        // Stepping wraps at both ends.
        p.click("Sb_File2_Up");
        QCOMPARE(o.FileIndex, 1);
        p.click("Sb_File2_Down");
        QCOMPARE(o.FileIndex, 0);
        p.click("Sb_File2_Down");
        QCOMPARE(o.FileIndex, 1);
        p.click("Sb_File2_Down");
        QCOMPARE(o.FileIndex, 0);

        // Back to the built-in clips, and a missing folder gives an empty list.
        p.click("cbPlayFromFile2");
        QVERIFY(!o.PlayFromFile);
        QCOMPARE(o.panel.edFile->text(), QStringLiteral("файл индекс 0"));
        p.click("cbPlayFromFile3");
        QVERIFY(p.object(3).FileList.isEmpty());
        QCOMPARE(p.object(3).FileIndex, -1);
    }

    void outputArrows_wrapSaveAndLog() {
        Program p(engine);
        QVERIFY(engine.devices.OutputDeviceNames.size() >= 2);
        const DeviceEntry last = engine.devices.OutputDeviceNames.last();
        p.click("Sb_Obj1_Up");
        QCOMPARE(p.object(1).OutDeviceName, last.name);
        QCOMPARE(p.object(1).OutDeviceID, last.id);
        QCOMPARE(p.object(1).panel.edObj->text(), last.name);
        QCOMPARE(files_->stored("ObjectMapping/Object_1"), last.name);
        QVERIFY(p.log().contains(QStringLiteral("SetObjectTrackbar FDeviceID= %1").arg(last.id)));
        QVERIFY(p.log().endsWith(QStringLiteral("SaveMappingObjectToAudio 1 %1").arg(last.id)));
        p.click("Sb_Obj1_Down");
        QCOMPARE(p.object(1).OutDeviceID, engine.devices.OutputDeviceNames.first().id);

        // A stored name in other letter case resolves to the listed name.
        files_->store("ObjectMapping/Object_3", last.name.toUpper());
        Program again(engine);
        QCOMPARE(again.object(3).OutDeviceName, last.name);
    }

    void volumeBars_bothChannelsTogetherAndSharedDevice() {
        Program p(engine);
        const int FDeviceID = p.object(1).OutDeviceID;
        p.object(1).panel.tbVL->setValue(30);
        QCOMPARE(engine.outputVolume.GetOutputVolume(FDeviceID), std::make_pair(30, 50));
        // Moving the right bar writes the left bar's value too.
        p.object(1).panel.tbVR->setValue(70);
        QCOMPARE(engine.outputVolume.GetOutputVolume(FDeviceID), std::make_pair(30, 70));
        QVERIFY(p.log().contains(QStringLiteral("VL1Change FDeviceID= %1").arg(FDeviceID)));
        // The other objects on that device show its volume.
        for (int n = 2; n <= 4; ++n) {
            QCOMPARE(p.object(n).panel.tbVL->value(), 30);
            QCOMPARE(p.object(n).panel.tbVR->value(), 70);
            QCOMPARE(p.object(n).VolumeRight, 70);
        }
        p.objects().ShowOutputLevels(p.object(1).OutDeviceID, 12, 34);
        QCOMPARE(p.object(4).panel.pbL->value(), 12);
        QCOMPARE(p.object(4).panel.pbR->value(), 34);
        p.objects().ShowOutputLevels(p.object(1).OutDeviceID + 100, 99, 99);
        QCOMPARE(p.object(1).panel.pbL->value(), 12);
    }

    void playTwice_countsTwoThreadsAndStopEndsBoth() {
        // A sink of its own, so that the sound does not reach other tests' measurements.
        files_->store("ObjectMapping/Object_1", "Padded Sink");
        files_->store("ObjectWavParams/ObjectLoop_1", 1);
        Program p(engine);
        p.main().ApplyLanguage();
        SoundObject &o = p.object(1);
        QCOMPARE(o.OutDeviceName, QStringLiteral("Padded Sink"));
        QVERIFY(o.panel.cbLoop->isChecked());
        const auto indicatorColour = [&p] {
            QWidget *indicator = testing::control(p.main(), "Indicator_Play");
            return indicator->grab().toImage().pixelColor(10, 3);
        };
        const auto counterText = [&p] {
            return static_cast<QLabel *>(testing::control(p.main(), "laThreadCnt"))->text();
        };
        const auto indicatorName = [&p] {
            return testing::control(p.main(), "Indicator_Play")->accessibleName();
        };
        p.main().fmThreadCountTimer();
        QCOMPARE(counterText(), QStringLiteral("The number of threads Out: 0"));
        QCOMPARE(indicatorColour(), QColor(0, 128, 192));
        QCOMPARE(indicatorName(), QStringLiteral("No sound playing"));

        p.click("Sb_StartPlay_Obj1");
        p.click("Sb_StartPlay_Obj1");
        QCOMPARE(engine.playbacks.count(), 2);
        p.main().fmThreadCountTimer();
        QCOMPARE(counterText(), QStringLiteral("The number of threads Out: 2"));
        QCOMPARE(indicatorColour(), QColor(255, 0, 0));
        QCOMPARE(indicatorName(), QStringLiteral("Sound playing"));
        // The meter of the object's device moves its bars while the clips play.
        QTRY_VERIFY_WITH_TIMEOUT(o.panel.pbL->value() > 0 && o.panel.pbR->value() > 0, 5000);
        // A looping clip outlasts its own length.
        QTest::qWait(1500);
        QCOMPARE(engine.playbacks.count(), 2);

        p.click("Sb_StopPlay_Obj1");
        QTRY_COMPARE_WITH_TIMEOUT(engine.playbacks.count(), 0, 5000);
        QTRY_VERIFY_WITH_TIMEOUT(o.panel.pbL->value() == 0 && o.panel.pbR->value() == 0, 5000);
        p.main().fmThreadCountTimer();
        QCOMPARE(counterText(), QStringLiteral("The number of threads Out: 0"));
        QCOMPARE(indicatorColour(), QColor(0, 128, 192));
    }

    void clipEndsByItself_andExitWhilePlayingStopsEverything() {
        files_->store("ObjectMapping/Object_2", "Padded Sink");
        auto p = std::make_unique<Program>(engine);
        // The built-in knock of object 2 is about a third of a second long.
        p->object(2).FileIndex = 2;
        p->objects().btPlayThreadClick(2);
        QCOMPARE(engine.playbacks.count(), 1);
        QTRY_COMPARE_WITH_TIMEOUT(engine.playbacks.count(), 0, 5000);

        p->object(2).panel.cbLoop->setChecked(true);
        p->objects().btPlayThreadClick(2);
        p->objects().btPlayThreadClick(2);
        QTest::qWait(100);
        p.reset();
        QCOMPARE(engine.playbacks.count(), 0);
        // Object 4 has no clips: its play button does nothing.
        Program again(engine);
        again.objects().btPlayThreadClick(4);
        QCOMPARE(engine.playbacks.count(), 0);
    }
};

QTEST_MAIN(PlaybackControllerTest)
#include "tst_playback_controller.moc"
