// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

// The sound server goes away and comes back: nothing hangs, failures are reported, and the
// connection is made again. Runs its own private server so that other tests keep theirs.
#include "DeviceCatalogue.h"
#include "SoundEngine.h"
#include "SoundErrors.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace numbrook;

class PulseFaultTest : public QObject {
    Q_OBJECT

    SoundEngine engine;
    // The playback device the volume calls address.
    int FDeviceID = 0;

    QTemporaryDir dir_;
    std::unique_ptr<QProcess> server_;

    void startServer() {
        const QString script = dir_.filePath("server.pa");
        QFile file(script);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QStringLiteral("load-module module-native-protocol-unix socket=%1 "
                                  "auth-anonymous=1\nload-module module-null-sink "
                                  "sink_name=fault_sink\n")
                       .arg(dir_.filePath("native"))
                       .toUtf8());
        file.close();
        server_ = std::make_unique<QProcess>();
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("XDG_RUNTIME_DIR", dir_.path());
        env.insert("PULSE_RUNTIME_PATH", dir_.filePath("runtime"));
        env.insert("PULSE_STATE_PATH", dir_.filePath("state"));
        server_->setProcessEnvironment(env);
        server_->start("pulseaudio", {"-n", "-F", script, "--daemonize=no", "--exit-idle-time=-1",
                                      "--use-pid-file=no", "--log-target=stderr"});
        QVERIFY(server_->waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(dir_.filePath("native")), 10000);
    }

    void killServer() {
        server_->kill();
        server_->waitForFinished();
        QFile::remove(dir_.filePath("native"));
    }

private Q_SLOTS:
    void initTestCase() {
        QVERIFY(dir_.isValid());
        qputenv("PULSE_SERVER", ("unix:" + dir_.filePath("native")).toLocal8Bit());
        startServer();
        QVERIFY(engine.connection.open());
        engine.devices.BuildOutputList(false);
        QCOMPARE(engine.devices.OutputDeviceNames.size(), 1);
        FDeviceID = engine.devices.OutputDeviceNames.front().id;
    }

    void serverKilled_callsFailWithoutHanging_thenReconnect() {
        QSignalSpy reports(&engine.errors, &SoundErrors::errorTextReady);
        engine.outputVolume.SetOutputVolume(FDeviceID, 40, 60);
        QCOMPARE(reports.size(), 0);

        killServer();
        QElapsedTimer clock;
        clock.start();
        for (int i = 0; i < 20; ++i) {
            engine.outputVolume.SetOutputVolume(FDeviceID, 30, 30);
            QTest::qWait(20);
        }
        QVERIFY(clock.elapsed() < 10000);
        QVERIFY(reports.size() >= 1);
        QVERIFY(!engine.connection.isReady());
        engine.devices.BuildOutputList(false); // nothing to list, nothing hangs
        QCOMPARE(engine.devices.OutputDeviceNames.size(), 0);

        QSignalSpy reconnected(&engine.connection, &PulseConnection::reconnected);
        startServer();
        QTRY_VERIFY_WITH_TIMEOUT(reconnected.size() > 0, 15000);
        engine.devices.BuildOutputList(false);
        QCOMPARE(engine.devices.OutputDeviceNames.size(), 1);
        reports.clear();
        engine.outputVolume.SetOutputVolume(FDeviceID, 70, 70);
        QCOMPARE(reports.size(), 0);
        QCOMPARE(engine.outputVolume.GetOutputVolume(FDeviceID), (std::pair{70, 70}));
    }

    void cleanupTestCase() {
        engine.connection.close();
        killServer();
    }
};

QTEST_GUILESS_MAIN(PulseFaultTest)
#include "tst_pulse_fault.moc"
