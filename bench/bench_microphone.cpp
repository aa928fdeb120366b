// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

// Microphone answer figures of the running program:
//   - the time from a clap entering the test microphone to cbPorog1 being ticked, through the
//     real main window, sound object table and capture thread;
//   - the processor use of the idle program (object 1 capturing) over 30 s, beside parec
//     recording the same format from the same source in the same run.
// Run inside scripts/test-env.sh:
//   scripts/test-env.sh build/release/bench/bench_microphone [claps] [seconds]

#include "CaptureThread.h"
#include "ClapLatency.h"
#include "MainWindow.h"
#include "ObjectIniStore.h"
#include "PipeFeeder.h"
#include "SoundEngine.h"
#include "SoundObjectTable.h"
#include "TestProgram.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <unistd.h>

using namespace numbrook;
using testing::pause;

namespace {

void benchClapToAnswerBox(SoundEngine &engine, const QString &iniPath, int claps) {
    QSettings(iniPath, QSettings::IniFormat)
        .setValue(QStringLiteral("ObjectMapping/ObjectIn_1"), QStringLiteral("Pipe Microphone"));
    engine.objectIni.setPath(iniPath);
    testing::PipeFeeder feeder(qEnvironmentVariable("NUMBROOK_TEST_PIPE"));
    if (!feeder.isOpen()) {
        std::printf("clap -> cbPorog1: the test microphone's pipe cannot be opened\n");
        return;
    }
    testing::Program program(engine);
    TfmMain &main = program.main();

    testing::ClapLatency latency;
    QObject::connect(main.cbPorog1(), &QCheckBox::toggled, main.cbPorog1(), [&](bool on) {
        if (on) {
            latency.arrived();
        }
    });
    main.show(); // starts object 1's capture
    latency.pause(1500);
    // The question display clears the answer channel at every question; do the same here so
    // that each clap ticks the box afresh.
    latency.run("pipe microphone", "clap -> cbPorog1 ticked", feeder, claps,
                [&program] { program.answers().clear(); });
    main.close();
    engine.objectIni.setPath({});
}

// User plus system time of a process, in seconds.
double cpuSeconds(qint64 pid) {
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly)) {
        return -1;
    }
    const QByteArray text = stat.readAll();
    // Fields after the command name, which is in parentheses and may hold blanks.
    const QList<QByteArray> fields = text.mid(text.lastIndexOf(')') + 2).split(' ');
    if (fields.size() < 13) {
        return -1;
    }
    return double(fields[11].toLongLong() + fields[12].toLongLong()) / double(sysconf(_SC_CLK_TCK));
}

void benchIdleCpu(const QString &folder, int seconds) {
    // A copy of the program in a folder of its own, so that its object file starts fresh:
    // object 1 then listens to the first capture source.
    const QString program = QDir(folder).filePath(QStringLiteral("numbrook"));
    QFile::copy(QStringLiteral(NUMBROOK_BINARY), program);
    QProcess numbrookProcess;
    numbrookProcess.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    numbrookProcess.setStandardOutputFile(QProcess::nullDevice());
    numbrookProcess.start(program, {});
    QProcess parec;
    parec.setStandardOutputFile(QProcess::nullDevice());
    parec.start(QStringLiteral("parec"),
                {QStringLiteral("--device=nb_mic"), QStringLiteral("--format=u8"),
                 QStringLiteral("--rate=22050"), QStringLiteral("--channels=1"),
                 QStringLiteral("--latency=512"), QStringLiteral("--raw")});
    if (!numbrookProcess.waitForStarted() || !parec.waitForStarted()) {
        std::printf("idle processor use: could not start the programs\n");
        return;
    }
    pause(5000); // the splash, the first paint, the capture start
    const double programBefore = cpuSeconds(numbrookProcess.processId());
    const double parecBefore = cpuSeconds(parec.processId());
    pause(seconds * 1000);
    const double programUsed = cpuSeconds(numbrookProcess.processId()) - programBefore;
    const double parecUsed = cpuSeconds(parec.processId()) - parecBefore;
    numbrookProcess.terminate();
    parec.terminate();
    numbrookProcess.waitForFinished(10000);
    parec.waitForFinished(10000);
    std::printf("idle processor use over %d s: numbrook %.2f %% of one core, parec %.2f %% "
                "(ratio %.1f)\n",
                seconds, 100.0 * programUsed / seconds, 100.0 * parecUsed / seconds,
                parecUsed > 0 ? programUsed / parecUsed : 0.0);
}

} // namespace

int main(int argc, char **argv) {
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    const int claps = argc > 1 ? std::max(1, std::atoi(argv[1])) : 200;
    const int seconds = argc > 2 ? std::max(1, std::atoi(argv[2])) : 30;
    if (qEnvironmentVariableIsEmpty("PULSE_SERVER") ||
        qEnvironmentVariableIsEmpty("NUMBROOK_TEST_PIPE")) {
        std::printf("skipped: run inside scripts/test-env.sh\n");
        return 0;
    }
    QTemporaryDir dir;
    qputenv("XDG_CONFIG_HOME", dir.path().toLocal8Bit());
    SoundEngine engine;
    engine.open();
    benchClapToAnswerBox(engine, dir.filePath(QStringLiteral("objects.ini")), claps);
    benchIdleCpu(dir.path(), seconds);
    engine.close();
    return 0;
}
