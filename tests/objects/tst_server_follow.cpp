// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

// The program follows the sound server as a desktop changes it: a microphone unplugged and
// plugged in again, a second one plugged in, the server killed and started again during a quiz,
// the program started before the server, and a server that stops answering. Everything runs
// against the test environment's own server, which these tests take away and bring back, and
// answers with real key events (xdotool) and real sound through the test microphone.
#include "CaptureThread.h"
#include "KeyProbe.h"
#include "ObjectProgram.h"
#include "PipeFeeder.h"
#include "PulseTools.h"
#include "QuizSession.h"
#include "SkinWidgets.h"
#include "SoundEngine.h"
#include "SoundObjectTable.h"
#include "WavImage.h"

#include <QCheckBox>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <algorithm>
#include <memory>

using namespace numbrook;
using Program = numbrook::testing::ObjectProgram;
using numbrook::testing::kPipeMicrophone;
using numbrook::testing::kTestMicrophone;
using numbrook::testing::pactl;
using numbrook::testing::pactlPercent;
using numbrook::testing::serverControl;

namespace {

const QString kSecondMicrophone = QStringLiteral("Second Microphone");

// The thread sanitizer slows everything several times: every wait of these tests is that much
// longer under it.
#if defined(__SANITIZE_THREAD__)
constexpr int kSlowdown = 4;
#else
constexpr int kSlowdown = 1;
#endif
// The question clock of the quiz tests: faster than the program's second to keep the tests
// short, but slow enough for an answer to land inside its question.
constexpr int kQuestionTickMs = 300 * kSlowdown;
// How long an answer or a volume change may take to show.
constexpr int kShowTimeoutMs = 2000 * kSlowdown;
// How long the program may take to notice a change and act on it, generously for a loaded
// machine; the benchmark measures the real times.
constexpr int kFollowTimeoutMs = 10000 * kSlowdown;
// Server restarts in the restart test: under the thread sanitizer five take as long as twenty
// and meet the same code on every thread.
constexpr int kRestarts = kSlowdown > 1 ? 5 : 20;

// A clap into the test microphone (which hears what the feed sink plays), with a little
// silence around it so that the sink's first and last buffers do not clip it.
bool clapIntoTestMicrophone() {
    return testing::playRaw(testing::kMicrophoneFeed, QByteArray(2205, char(128)) +
                                                          testing::clapSound(110, 40) +
                                                          QByteArray(4410, char(128)));
}

int inputId(const SoundEngine &engine, const QString &name) {
    for (const DeviceEntry &entry : engine.devices.InputDeviceNames) {
        if (entry.name == name) {
            return entry.id;
        }
    }
    return kNoDevice;
}

bool listed(const DeviceEntryList &list, const QString &name) {
    return std::any_of(list.cbegin(), list.cend(),
                       [&](const DeviceEntry &entry) { return entry.name == name; });
}

// Unloads the module that made the source `sourceName`, if it is loaded.
void unloadSource(const QString &sourceName) {
    const QStringList modules =
        pactl({QStringLiteral("list"), QStringLiteral("short"), QStringLiteral("modules")})
            .split(QLatin1Char('\n'));
    for (const QString &line : modules) {
        if (line.contains(QStringLiteral("source_name=") + sourceName + QLatin1Char(' '))) {
            pactl({QStringLiteral("unload-module"), line.section(QLatin1Char('\t'), 0, 0)});
        }
    }
}

} // namespace

class ServerFollowTest : public QObject {
    Q_OBJECT

    SoundEngine engine;
    std::unique_ptr<testing::ObjectFiles> files_;

    // Object 1 captures `name` afresh: its capture runs on the device that has that name now
    // and reports levels.
    bool capturesNow(Program &p, const QString &name) {
        const int id = inputId(engine, name);
        return id != kNoDevice && p.object(1).InDeviceID == id &&
               engine.captures.capturesCurrentDevice(1, id);
    }

    // Answers the question on screen with a key press (true) or a clap (true), and checks that
    // it was scored as that answer.
    void answerNextQuestion(Program &p, bool byKey) {
        QTRY_VERIFY_WITH_TIMEOUT(p.display().cycle.TickCount == 1, 10 * kQuestionTickMs);
        const bool truth = p.session().generator.ExpressionIsCorrect;
        const int correct = p.session().CorrectAnswers, wrong = p.session().WrongAnswers;
        if (byKey) {
            QVERIFY(testing::xdotool({QStringLiteral("key"), QStringLiteral("Return")}));
            QTRY_VERIFY_WITH_TIMEOUT(p.main().cbHotKey1()->isChecked(), kShowTimeoutMs);
        } else {
            QVERIFY(clapIntoTestMicrophone());
            QTRY_VERIFY2_WITH_TIMEOUT(p.main().cbPorog1()->isChecked(), qPrintable(p.log()),
                                      kShowTimeoutMs);
        }
        QTRY_VERIFY_WITH_TIMEOUT(p.display().cycle.Answered, 10 * kQuestionTickMs);
        QCOMPARE(p.session().CorrectAnswers, correct + (truth ? 1 : 0));
        QCOMPARE(p.session().WrongAnswers, wrong + (truth ? 0 : 1));
    }

    // Starts a quiz whose questions can be answered for 6 question ticks.
    static void startQuiz(Program &p) {
        p.session().settings.Speed_Math = 5;
        p.display().Timer_Vopros->setInterval(kQuestionTickMs);
        p.main().Sb_StartClick();
        QVERIFY(p.display().Timer_Vopros->isActive());
    }

private Q_SLOTS:
    void initTestCase() {
        QVERIFY2(!qEnvironmentVariableIsEmpty("NUMBROOK_TEST_SERVER_CTL"),
                 "run inside scripts/test-env.sh");
        QVERIFY(engine.connection.open());
    }
    void init() {
        files_ = std::make_unique<testing::ObjectFiles>(engine);
        files_->store("ObjectMapping/ObjectIn_1", kTestMicrophone);
    }
    void cleanup() {
        // Whatever a test did to the server, the next one finds it running with its devices.
        serverControl({QStringLiteral("resume")});
        serverControl({QStringLiteral("start")});
        unloadSource(QStringLiteral("nb_mic2"));
        QTRY_VERIFY_WITH_TIMEOUT(engine.connection.isReady(), kFollowTimeoutMs);
        if (!pactl({QStringLiteral("list"), QStringLiteral("short"), QStringLiteral("sources")})
                 .contains(QStringLiteral("nb_mic\t"))) {
            serverControl({QStringLiteral("load"), QStringLiteral("nb_mic")});
        }
        engine.captures.stopAll();
        files_.reset();
    }

    void unpluggedMicrophone_comesBackAndAClapScores() {
        Program p(engine);
        p.main().show();
        QTRY_VERIFY_WITH_TIMEOUT(capturesNow(p, kTestMicrophone), kFollowTimeoutMs);
        QVERIFY(serverControl({QStringLiteral("unload"), QStringLiteral("nb_mic")}));
        // The capture of the vanished source ends and leaves the registry; the object falls
        // back to the listed microphone, as at start-up, but keeps the name of its own.
        QTRY_VERIFY_WITH_TIMEOUT(!listed(engine.devices.InputDeviceNames, kTestMicrophone),
                                 kFollowTimeoutMs);
        QTRY_VERIFY_WITH_TIMEOUT(capturesNow(p, kPipeMicrophone), kFollowTimeoutMs);
        QCOMPARE(p.object(1).SavedInDeviceName, kTestMicrophone);
        QVERIFY(p.log().contains(QStringLiteral("device lists rebuilt: ")));

        const int startsBefore = p.logCount(QStringLiteral("start mic"));
        QVERIFY(serverControl({QStringLiteral("load"), QStringLiteral("nb_mic")}));
        QTRY_VERIFY_WITH_TIMEOUT(capturesNow(p, kTestMicrophone), kFollowTimeoutMs);
        QCOMPARE(p.get<QLineEdit>(QStringLiteral("edMic1"))->text(), kTestMicrophone);
        QCOMPARE(engine.captures.count(), 1);
        QCOMPARE(p.logCount(QStringLiteral("start mic")), startsBefore + 1);
        QCOMPARE(p.logCount(QStringLiteral("mic thread started")), startsBefore + 1);
        QVERIFY(clapIntoTestMicrophone());
        QTRY_VERIFY2_WITH_TIMEOUT(p.main().cbPorog1()->isChecked(), qPrintable(p.log()),
                                  kShowTimeoutMs);
    }

    void secondMicrophone_appearsWithoutRestartAndTheChosenOneKeepsCapturing() {
        Program p(engine);
        p.main().show();
        QTRY_VERIFY_WITH_TIMEOUT(capturesNow(p, kTestMicrophone), kFollowTimeoutMs);
        const int starts = p.logCount(QStringLiteral("start mic"));
        QVERIFY(!pactl({QStringLiteral("load-module"), QStringLiteral("module-remap-source"),
                        QStringLiteral("source_name=nb_mic2 master=nb_speakers.monitor "
                                       "source_properties='device.description=\"%1\"'")
                            .arg(kSecondMicrophone)})
                     .isEmpty());
        QTRY_VERIFY_WITH_TIMEOUT(listed(engine.devices.InputDeviceNames, kSecondMicrophone),
                                 kFollowTimeoutMs);
        // Object 1 goes on capturing its microphone with the same capture.
        QVERIFY(capturesNow(p, kTestMicrophone));
        QCOMPARE(p.logCount(QStringLiteral("start mic")), starts);

        // The arrows of another object reach the new microphone.
        const int count = int(engine.devices.InputDeviceNames.size());
        for (int step = 0; step < count && p.object(2).InDeviceName != kSecondMicrophone; ++step) {
            p.objects().laRightMic1Click(2);
        }
        QCOMPARE(p.object(2).InDeviceName, kSecondMicrophone);
        QCOMPARE(p.get<QLineEdit>(QStringLiteral("edMic2"))->text(), kSecondMicrophone);
        QCOMPARE(files_->stored("ObjectMapping/ObjectIn_2"), kSecondMicrophone);

        // Unplugged again: listed no more, and the object keeps its name for when it returns.
        unloadSource(QStringLiteral("nb_mic2"));
        QTRY_VERIFY_WITH_TIMEOUT(!listed(engine.devices.InputDeviceNames, kSecondMicrophone) &&
                                     capturesNow(p, kTestMicrophone),
                                 kFollowTimeoutMs);
        QCOMPARE(p.object(2).SavedInDeviceName, kSecondMicrophone);
    }

    // Each restart gives the devices new server indexes and the program new mixer controls: the
    // input volume track bar must follow the restarted source, not a stale one.
    void serverRestartedTwentyTimesDuringAQuiz_keyClapAndVolumeFollow() {
        files_->store("ObjectMapping/ObjectIn_2", kPipeMicrophone);
        Program p(engine);
        p.main().show();
        QTRY_VERIFY_WITH_TIMEOUT(capturesNow(p, kTestMicrophone), kFollowTimeoutMs);
        startQuiz(p);
        TrackBar *volume = p.object(1).panel.tbMixerVol;

        for (int restart = 1; restart <= kRestarts; ++restart) {
            QVERIFY(serverControl({QStringLiteral("restart"), QStringLiteral("--kill")}));
            QTRY_VERIFY2_WITH_TIMEOUT(capturesNow(p, kTestMicrophone),
                                      qPrintable(QStringLiteral("restart %1").arg(restart)),
                                      kFollowTimeoutMs);
            QCOMPARE(engine.captures.count(), 1);
            QCOMPARE(p.get<QLineEdit>(QStringLiteral("edMic1"))->text(), kTestMicrophone);

            answerNextQuestion(p, true);
            answerNextQuestion(p, false);
            if (QTest::currentTestFailed()) {
                return;
            }

            // An outside change of this source moves the track bar (50 is the unity gain);
            // one of another source does not.
            const int percent = 40 + restart;
            pactl({QStringLiteral("set-source-volume"), QStringLiteral("nb_mic"),
                   QStringLiteral("%1%").arg(percent)});
            QTRY_VERIFY2_WITH_TIMEOUT(qAbs(volume->value() - percent / 2) <= 1,
                                      qPrintable(QString::number(volume->value())), kShowTimeoutMs);
            const int before = volume->value();
            pactl({QStringLiteral("set-source-volume"), QStringLiteral("nb_pipe_mic"), "20%"});
            QTest::qWait(200);
            QCOMPARE(volume->value(), before);
            // Moving the track bar sets this source and no other.
            volume->setValue(60);
            QTRY_COMPARE_WITH_TIMEOUT(pactlPercent("source", "nb_mic"), 120, kShowTimeoutMs);
            QCOMPARE(pactlPercent("source", "nb_pipe_mic"), 20);
        }
        p.main().Sb_StartClick();
    }

    // The object file as a run with the server left it, with two devices that are not there.
    QByteArray storeObjectFileWithUnpluggedDevices() {
        { Program first(engine); }
        files_->store("ObjectMapping/ObjectIn_2", QStringLiteral("Unplugged Headset"));
        files_->store("ObjectMapping/Object_3", QStringLiteral("Unplugged Speakers"));
        QFile ini(files_->iniPath());
        return ini.open(QIODevice::ReadOnly) ? ini.readAll() : QByteArray();
    }

    // Object 1 takes the test microphone once the server answers, captures it and answers a
    // clap; the stored names stay as they were.
    void expectDevicesTakenWhenConnected(Program &p, SoundEngine &sound) {
        QTRY_COMPARE_WITH_TIMEOUT(p.get<QLineEdit>(QStringLiteral("edMic1"))->text(),
                                  kTestMicrophone, kFollowTimeoutMs);
        const int id = inputId(sound, kTestMicrophone);
        QTRY_VERIFY_WITH_TIMEOUT(sound.captures.capturesCurrentDevice(1, id), kFollowTimeoutMs);
        QVERIFY(p.object(1).MixerOpen);
        QVERIFY(clapIntoTestMicrophone());
        QTRY_VERIFY2_WITH_TIMEOUT(p.main().cbPorog1()->isChecked(), qPrintable(p.log()),
                                  kShowTimeoutMs);
    }

    void startedWithoutServer_fillsWhenItStarts_andKeepsTheStoredNames() {
        const QByteArray stored = storeObjectFileWithUnpluggedDevices();
        QVERIFY(!stored.isEmpty());
        QVERIFY(serverControl({QStringLiteral("stop")}));
        SoundEngine cold;
        cold.objectIni.setPath(files_->iniPath());
        QVERIFY(!cold.open());
        {
            Program p(cold);
            p.main().show();
            QVERIFY(p.main().isVisible());
            QVERIFY(p.get<QLineEdit>(QStringLiteral("edMic1"))->text().isEmpty());
            QVERIFY(serverControl({QStringLiteral("start")}));
            expectDevicesTakenWhenConnected(p, cold);
        }
        QFile ini(files_->iniPath());
        QVERIFY(ini.open(QIODevice::ReadOnly));
        QCOMPARE(ini.readAll(), stored);
    }

    // As the program starts: the windows are built and shown before the engine connects, in
    // the background, so that the server's answers are no part of the first paint.
    void connectedInBackgroundAfterTheWindow_takesTheStoredDevices() {
        const QByteArray stored = storeObjectFileWithUnpluggedDevices();
        QVERIFY(!stored.isEmpty());
        SoundEngine later;
        later.objectIni.setPath(files_->iniPath());
        {
            Program p(later);
            p.main().show();
            QVERIFY(p.get<QLineEdit>(QStringLiteral("edMic1"))->text().isEmpty());
            QSignalSpy connected(&later.connection, &PulseConnection::reconnected);
            later.openInBackground();
            expectDevicesTakenWhenConnected(p, later);
            QCOMPARE(connected.count(), 1);
        }
        QFile ini(files_->iniPath());
        QVERIFY(ini.open(QIODevice::ReadOnly));
        QCOMPARE(ini.readAll(), stored);
        later.close();
    }

    void stoppedServer_windowAppearsKeysScoreAndCallsReturn() {
        Program p(engine);
        p.main().show();
        QTRY_VERIFY_WITH_TIMEOUT(capturesNow(p, kTestMicrophone), kFollowTimeoutMs);
        QVERIFY(serverControl({QStringLiteral("pause")}));

        // A program started now appears, having waited for the server no longer than the bound.
        QElapsedTimer clock;
        clock.start();
        SoundEngine late;
        late.objectIni.setPath(files_->path() + QStringLiteral("/late.ini"));
        QVERIFY(!late.open());
        auto second = std::make_unique<Program>(late);
        second->main().show();
        QVERIFY(second->main().isVisible());
        QVERIFY2(clock.elapsed() < 3 * PulseConnection::kWaitBoundMs,
                 qPrintable(QString::number(clock.elapsed())));

        // A volume change gives up after the bound, and the next one does not wait again.
        clock.restart();
        p.object(1).panel.tbMixerVol->setValue(30);
        QVERIFY2(clock.elapsed() < 3 * PulseConnection::kWaitBoundMs,
                 qPrintable(QString::number(clock.elapsed())));
        clock.restart();
        p.object(1).panel.tbMixerVol->setValue(35);
        QVERIFY2(clock.elapsed() < PulseConnection::kWaitBoundMs,
                 qPrintable(QString::number(clock.elapsed())));
        QVERIFY2(p.log().contains(QStringLiteral("Timeout")), qPrintable(p.log()));

        // A sound started now cannot open its stream, and stopping it does not wait for the
        // server either: a frozen server cannot hang the program's end.
        const int speakers = p.object(1).OutDeviceID;
        QVERIFY(speakers != kNoDevice);
        engine.playbacks.startFromMemory(1, speakers, true, testing::toneWav(2, 200, 0.3, 0.3),
                                         p.object(1).OutDeviceName);
        QTest::qWait(300);
        clock.restart();
        engine.playbacks.stopAll();
        QCOMPARE(engine.playbacks.count(), 0);
        QVERIFY2(clock.elapsed() < PulseConnection::kWaitBoundMs,
                 qPrintable(QString::number(clock.elapsed())));

        // The key answer does not depend on the server.
        startQuiz(p);
        answerNextQuestion(p, true);

        QVERIFY(serverControl({QStringLiteral("resume")}));
        QTRY_VERIFY_WITH_TIMEOUT(engine.connection.isReady(), kFollowTimeoutMs);
        QTRY_VERIFY_WITH_TIMEOUT(late.connection.isReady(), kFollowTimeoutMs);
        QTRY_COMPARE_WITH_TIMEOUT(second->get<QLineEdit>(QStringLiteral("edMic1"))->text(),
                                  kTestMicrophone, kFollowTimeoutMs);
        answerNextQuestion(p, false);
        p.object(1).panel.tbMixerVol->setValue(45);
        QTRY_COMPARE_WITH_TIMEOUT(pactlPercent("source", "nb_mic"), 90, kShowTimeoutMs);
        p.main().Sb_StartClick();
        second.reset();
    }
};

QTEST_MAIN(ServerFollowTest)
#include "tst_server_follow.moc"
