#pragma once

// Small helpers for tests against the test environment's sound server.

#include <QProcess>
#include <QRegularExpression>
#include <QString>
#include <QStringList>

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

// Plays raw unsigned 8-bit mono samples at 22050 Hz into `sink` with pacat and waits until
// they have been played; true when pacat succeeded.
inline bool playRaw(const QString &sink, const QByteArray &samples) {
    QProcess player;
    player.start(QStringLiteral("pacat"),
                 {QStringLiteral("--playback"), QStringLiteral("--device=") + sink,
                  QStringLiteral("--format=u8"), QStringLiteral("--rate=22050"),
                  QStringLiteral("--channels=1"), QStringLiteral("--raw")});
    if (!player.waitForStarted()) {
        return false;
    }
    player.write(samples);
    player.closeWriteChannel();
    return player.waitForFinished(10000) && player.exitStatus() == QProcess::NormalExit &&
           player.exitCode() == 0;
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
