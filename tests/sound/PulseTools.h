// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

#pragma once

// Small helpers for tests against the test environment's sound server.

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QString>
#include <QStringList>

#include <chrono>

namespace numbrook::testing {

// Runs pactl and returns what it printed.
inline QString pactl(const QStringList &arguments) {
    QProcess process;
    process.start(QStringLiteral("pactl"), arguments);
    process.waitForFinished(10000);
    return QString::fromUtf8(process.readAllStandardOutput()).trimmed();
}

// The first percentage pactl shows for a device's volume ("sink" or "source"); -1 when none.
inline int pactlPercent(const QString &what, const QString &device) {
    const QString text = pactl({QStringLiteral("get-%1-volume").arg(what), device});
    const QRegularExpressionMatch match = QRegularExpression(QStringLiteral("(\\d+)%")).match(text);
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

// The test environment's microphone, which hears what is played into the feed sink.
inline const QString kTestMicrophone = QStringLiteral("Test Microphone");
inline const QString kMicrophoneFeed = QStringLiteral("nb_micfeed");
// The second test microphone and its feed sink, which only the clap corpus test plays into.
inline const QString kClapsMicrophone = QStringLiteral("Claps Microphone");
inline const QString kClapsFeed = QStringLiteral("nb_clapsfeed");

// Plays raw unsigned 8-bit mono samples at 22050 Hz into a sink with pacat, one sound at a
// time. play() returns at once, so the event loop can run while the sound plays (the capture's
// reports need it); the server clocks the sound, so nothing is lost when the test is slow.
// The samples go to the server as signed 16-bit ones, the same sound: PipeWire's PulseAudio
// service pads the last buffer of an 8-bit stream with zero bytes, which are full scale for
// unsigned 8-bit samples and reach a microphone as a loud click at the end of every sound.
class SinkPlayer {
public:
    explicit SinkPlayer(const QString &sink = kMicrophoneFeed) : sink_(sink) {}
    ~SinkPlayer() {
        if (pacat_.state() != QProcess::NotRunning) {
            pacat_.kill();
            pacat_.waitForFinished();
        }
    }
    SinkPlayer(const SinkPlayer &) = delete;
    SinkPlayer &operator=(const SinkPlayer &) = delete;

    // Plays `samples` once the sound before it has been played.
    void play(const QByteArray &samples) {
        waitUntilPlayed();
        collect();
        if (!isPlayed()) {
            return;
        }
        pacat_.start(QStringLiteral("pacat"),
                     {QStringLiteral("--playback"), QStringLiteral("--device=") + sink_,
                      QStringLiteral("--format=s16le"), QStringLiteral("--rate=22050"),
                      QStringLiteral("--channels=1"), QStringLiteral("--raw")});
        if (!pacat_.waitForStarted()) {
            failed_ = true;
            return;
        }
        startedAt_ = std::chrono::steady_clock::now();
        collected_ = false;
        QByteArray wide;
        wide.reserve(samples.size() * 2);
        for (char sample : samples) {
            wide.append(char(0));
            wide.append(char(int(quint8(sample)) - 128));
        }
        pacat_.write(wide);
        pacat_.closeWriteChannel();
    }

    // Whether the last sound has been played (pacat has drained its stream and ended).
    bool isPlayed() const { return pacat_.state() == QProcess::NotRunning; }
    // When the player of the last sound had started: its sound begins a little later, once
    // the player has connected.
    std::chrono::steady_clock::time_point startedAt() const { return startedAt_; }

    // Waits, without the event loop, until the last sound has been played.
    void waitUntilPlayed(int timeoutMs = 10000) {
        if (pacat_.state() != QProcess::NotRunning && !pacat_.waitForFinished(timeoutMs)) {
            failed_ = true;
        }
    }

    // Whether every sound so far was played whole (after waiting for the last one).
    bool succeeded() {
        collect();
        return !failed_;
    }

private:
    // Counts the outcome of the pacat that has ended, once.
    void collect() {
        if (isPlayed() && !collected_) {
            collected_ = true;
            failed_ =
                failed_ || pacat_.exitStatus() != QProcess::NormalExit || pacat_.exitCode() != 0;
        }
    }

    QString sink_;
    QProcess pacat_;
    bool failed_ = false;
    bool collected_ = true;
    std::chrono::steady_clock::time_point startedAt_;
};

// Plays raw unsigned 8-bit mono samples at 22050 Hz into `sink` with pacat and waits until
// they have been played; true when pacat succeeded.
inline bool playRaw(const QString &sink, const QByteArray &samples) {
    SinkPlayer player(sink);
    player.play(samples);
    player.waitUntilPlayed();
    return player.succeeded();
}

// How often the test PipeWire's graph has run a cycle with a node late, so far: its core logs
// each such cycle ("client too slow!", one line per late node), and sound due in it is lost
// on its way to the test microphone. 0 on PulseAudio, which keeps no such log.
inline int graphLateCycles() {
    QFile log(qEnvironmentVariable("NUMBROOK_TEST_ENV") + QStringLiteral("/log/pipewire.log"));
    if (!log.open(QIODevice::ReadOnly)) {
        return 0;
    }
    int cycles = 0;
    QByteArray lastTime;
    while (!log.atEnd()) {
        const QByteArray line = log.readLine();
        if (line.contains("client too slow")) {
            // "[I][seconds.micros] ...": the lines of one cycle share their time.
            const QByteArray time = line.left(line.indexOf(']', 3) + 1);
            cycles += time != lastTime ? 1 : 0;
            lastTime = time;
        }
    }
    return cycles;
}

// Runs the test environment's server control (scripts/test-server.sh) with `arguments`; true
// when it succeeded.
inline bool serverControl(const QStringList &arguments) {
    QProcess control;
    control.setProcessChannelMode(QProcess::ForwardedChannels);
    control.start(qEnvironmentVariable("NUMBROOK_TEST_SERVER_CTL"), arguments);
    return control.waitForFinished(60000) && control.exitStatus() == QProcess::NormalExit &&
           control.exitCode() == 0;
}

// A capture source of a test's own, so that no other test's streams touch it, made the same way
// on both servers (PipeWire has no module-null-source): a source remapped from the monitor of a
// null sink of its own. Both are unloaded when it goes, or by unload().
class PrivateSource {
public:
    explicit PrivateSource(const QString &name) {
        sinkModule_ = pactl({QStringLiteral("load-module"), QStringLiteral("module-null-sink"),
                             QStringLiteral("sink_name=%1_master").arg(name)});
        sourceModule_ =
            pactl({QStringLiteral("load-module"), QStringLiteral("module-remap-source"),
                   QStringLiteral("source_name=%1 master=%1_master.monitor").arg(name)});
    }
    ~PrivateSource() { unload(); }
    PrivateSource(const PrivateSource &) = delete;
    PrivateSource &operator=(const PrivateSource &) = delete;

    bool loaded() const { return !sinkModule_.isEmpty() && !sourceModule_.isEmpty(); }
    void unload() {
        for (QString *module : {&sourceModule_, &sinkModule_}) {
            if (!module->isEmpty()) {
                pactl({QStringLiteral("unload-module"), *module});
                module->clear();
            }
        }
    }

private:
    QString sinkModule_;
    QString sourceModule_;
};

} // namespace numbrook::testing
