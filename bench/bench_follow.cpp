// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

// How quickly the microphone answer comes back when the desktop takes the microphone or the
// sound server away, through the real main window and sound object table:
//   - from the test microphone's source being loaded again (pactl load-module returned) to
//     object 1's capture started on it again, and to its first buffer reported;
//   - from the server being up again after a kill (its devices listed) to the same. The first
//     buffer of a freshly started server's test microphone can take long by itself: the null
//     sink it listens to starts with a long block.
//   - the time from a clap entering the pipe microphone to cbPorog1 being ticked.
// Each over N tries (median, 99th percentile). Run inside scripts/test-env.sh, on either server:
//   scripts/test-env.sh --server pipewire build/release/bench/bench_follow [tries] [claps]
// bench/bench_follow.sh runs it on both servers in one go.

#include "CaptureThread.h"
#include "ClapLatency.h"
#include "MainWindow.h"
#include "PulseTools.h"
#include "SoundEngine.h"
#include "SoundObjectTable.h"
#include "TestProgram.h"

#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <vector>

using namespace numbrook;

using testing::pause;

namespace {

int inputId(const SoundEngine &engine, const QString &name) {
    for (const DeviceEntry &entry : engine.devices.InputDeviceNames) {
        if (entry.name == name) {
            return entry.id;
        }
    }
    return kNoDevice;
}

// Runs the event loop until `done` holds; the milliseconds that took, or -1 after `limitMs`.
template <typename Done> double waitFor(Done done, int limitMs) {
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > limitMs) {
            return -1;
        }
        QCoreApplication::processEvents(QEventLoop::AllEvents, 2);
    }
    return double(clock.nsecsElapsed()) / 1e6;
}

void print(const char *what, std::vector<double> times, int failed) {
    if (times.empty()) {
        std::printf("%s: never came back (%d tries)\n", what, failed);
        return;
    }
    std::sort(times.begin(), times.end());
    auto at = [&](double q) { return times[std::size_t(q * double(times.size() - 1))]; };
    std::printf("%s over %zu tries (%d failed): median %.0f ms, 99th percentile %.0f ms, "
                "max %.0f ms\n",
                what, times.size(), failed, at(0.5), at(0.99), times.back());
}

// The time until object 1 captures `name` again with a fresh capture that has reported a
// buffer, after `takeAway` and `bringBack`, measured from the moment `bringBack` returned.
template <typename Away, typename Back>
void benchComeBack(const char *what, SoundEngine &engine, int tries, Away takeAway,
                   Back bringBack) {
    const QString name = QStringLiteral("Test Microphone");
    std::vector<double> started;
    std::vector<double> delivering;
    int failed = 0;
    int levels = 0;
    QObject::connect(&engine.captureReports, &CaptureReports::levelReport, &engine.captureReports,
                     [&](int, int) { ++levels; });
    auto capturing = [&] {
        const int id = inputId(engine, name);
        return id != kNoDevice && engine.captures.capturesCurrentDevice(1, id);
    };
    for (int i = 0; i < tries; ++i) {
        takeAway();
        // Gone, and the program has seen it go.
        waitFor([&] { return !capturing(); }, 10000);
        pause(300);
        QElapsedTimer clock;
        bringBack();
        clock.start();
        if (waitFor(capturing, 20000) < 0) {
            ++failed;
            continue;
        }
        started.push_back(double(clock.nsecsElapsed()) / 1e6);
        levels = 0;
        if (waitFor([&] { return levels > 0; }, 20000) < 0) {
            ++failed;
            continue;
        }
        delivering.push_back(double(clock.nsecsElapsed()) / 1e6);
    }
    QObject::disconnect(&engine.captureReports, &CaptureReports::levelReport,
                        &engine.captureReports, nullptr);
    print(qPrintable(QStringLiteral("%1 -> capture started").arg(QLatin1String(what))), started,
          failed);
    print(qPrintable(QStringLiteral("%1 -> first buffer reported").arg(QLatin1String(what))),
          delivering, failed);
}

} // namespace

int main(int argc, char **argv) {
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    const int tries = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;
    const int claps = argc > 2 ? std::max(1, std::atoi(argv[2])) : 100;
    if (qEnvironmentVariableIsEmpty("NUMBROOK_TEST_SERVER_CTL")) {
        std::printf("skipped: run inside scripts/test-env.sh\n");
        return 0;
    }
    const QString server = qEnvironmentVariable("NUMBROOK_TEST_SERVER");
    std::printf("server: %s\n", qPrintable(server));
    QTemporaryDir dir;
    qputenv("XDG_CONFIG_HOME", dir.path().toLocal8Bit());
    const QString ini = dir.filePath(QStringLiteral("objects.ini"));
    QSettings(ini, QSettings::IniFormat)
        .setValue(QStringLiteral("ObjectMapping/ObjectIn_1"), QStringLiteral("Test Microphone"));
    SoundEngine engine;
    engine.objectIni.setPath(ini);
    engine.open();
    {
        testing::Program program(engine);
        program.main().show(); // starts object 1's capture
        pause(1500);

        using testing::serverControl;
        benchComeBack(
            "source loaded again", engine, tries,
            [] {
                serverControl({QStringLiteral("unload"), QStringLiteral("nb_mic")});
            },
            [] {
                serverControl({QStringLiteral("load"), QStringLiteral("nb_mic")});
            });
        benchComeBack(
            "server up again after a kill", engine, tries,
            [] { serverControl({QStringLiteral("kill")}); },
            [] { serverControl({QStringLiteral("start")}); });

        // Clap to answer, on the pipe microphone.
        SoundObjectTable &objects = program.main().soundObjects();
        objects.btStopMic1Click(1);
        engine.captures.finish(1);
        while (objects.object(1).InDeviceName != QStringLiteral("Pipe Microphone")) {
            objects.laRightMic1Click(1);
        }
        objects.startMic(1);
        testing::PipeFeeder feeder(qEnvironmentVariable("NUMBROOK_TEST_PIPE"));
        testing::ClapLatency latency;
        QObject::connect(program.main().cbPorog1(), &QCheckBox::toggled, program.main().cbPorog1(),
                         [&](bool on) {
                             if (on) {
                                 latency.arrived();
                             }
                         });
        latency.pause(1500);
        latency.run(qPrintable(server), "clap -> cbPorog1 ticked", feeder, claps,
                    [&program] { program.answers().clear(); });
        program.main().close();
    }
    engine.close();
    return 0;
}
