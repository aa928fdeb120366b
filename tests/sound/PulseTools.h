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

} // namespace numbrook::testing
