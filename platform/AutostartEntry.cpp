// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

#include "AutostartEntry.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>

namespace numbrook {

namespace {

QString configHome() {
    const QString fromEnvironment = qEnvironmentVariable("XDG_CONFIG_HOME");
    // The rules say a relative value is invalid and must be ignored.
    if (!fromEnvironment.isEmpty() && QDir::isAbsolutePath(fromEnvironment))
        return fromEnvironment;
    return QDir::homePath() + QStringLiteral("/.config");
}

bool isReserved(QChar c) {
    static const QString reserved = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");
    return reserved.contains(c);
}

} // namespace

QString ProgramTitle(const QString &executablePath) {
    QString title = QFileInfo(executablePath).fileName();
    const qsizetype stop = title.indexOf(QLatin1Char('.'));
    if (stop >= 0)
        title.truncate(stop);
    if (title.size() > 1)
        title = title.left(1) + title.mid(1).toLower();
    return title;
}

QString DesktopExecArgument(const QString &argument) {
    QString quoted;
    if (std::any_of(argument.begin(), argument.end(), isReserved)) {
        quoted.append(QLatin1Char('"'));
        for (QChar c : argument) {
            if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$') ||
                c == QLatin1Char('\\'))
                quoted.append(QLatin1Char('\\'));
            quoted.append(c);
        }
        quoted.append(QLatin1Char('"'));
    } else {
        quoted = argument;
    }
    quoted.replace(QLatin1Char('%'), QStringLiteral("%%"));

    // The Exec value is itself a string value, whose own escapes apply on top of the quoting.
    QString escaped;
    for (QChar c : std::as_const(quoted)) {
        if (c == QLatin1Char('\\'))
            escaped.append(QStringLiteral("\\\\"));
        else if (c == QLatin1Char('\n'))
            escaped.append(QStringLiteral("\\n"));
        else if (c == QLatin1Char('\t'))
            escaped.append(QStringLiteral("\\t"));
        else if (c == QLatin1Char('\r'))
            escaped.append(QStringLiteral("\\r"));
        else
            escaped.append(c);
    }
    return escaped;
}

AutostartEntry::AutostartEntry(const QString &title) : title_(title) {}

QString AutostartEntry::fileName() const {
    return configHome() + QStringLiteral("/autostart/") + title_ + QStringLiteral(".desktop");
}

bool AutostartEntry::exists() const {
    return QFileInfo::exists(fileName());
}

bool AutostartEntry::write(const QString &executablePath) const {
    const QString file = fileName();
    if (!QDir().mkpath(QFileInfo(file).absolutePath()))
        return false;
    QSaveFile out(file);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Text))
        return false;
    const QString text = QStringLiteral("[Desktop Entry]\n"
                                        "Type=Application\n"
                                        "Name=Numbrook\n"
                                        "Exec=%1\n")
                             .arg(DesktopExecArgument(executablePath));
    out.write(text.toUtf8());
    return out.commit();
}

bool AutostartEntry::remove() const {
    const QString file = fileName();
    if (!QFileInfo::exists(file) && !QFileInfo(file).isSymLink())
        return true;
    return QFile::remove(file);
}

} // namespace numbrook
