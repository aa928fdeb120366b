// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

#include "QuietLogging.h"

#include <QDir>
#include <QFile>
#include <QLibraryInfo>
#include <QLoggingCategory>
#include <QStandardPaths>

namespace numbrook {

namespace {

// Qt's rule files take rules only from their [Rules] section; a neutral section between the
// files keeps one file's section from running on into the next.
const QLatin1String FileBoundary("\n[numbrook-file]\n");

QString fileText(const QString &path) {
    QFile file(path);
    if (path.isEmpty() || !file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    return QString::fromUtf8(file.readAll());
}

} // namespace

QString quietLoggingRules(const QStringList &userRuleFiles) {
    QString rules = QStringLiteral("numbrook.*.debug=false\nnumbrook.*.info=false\n");
    for (const QString &path : userRuleFiles)
        rules += FileBoundary + fileText(path);
    return rules;
}

void installQuietLogging() {
    // Qt reads these files too, but before the rules set here, which would hide them.
    const QStringList userRuleFiles{
        QDir(QLibraryInfo::path(QLibraryInfo::DataPath))
            .absoluteFilePath(QStringLiteral("qtlogging.ini")),
        QStandardPaths::locate(QStandardPaths::GenericConfigLocation,
                               QStringLiteral("QtProject/qtlogging.ini")),
        qEnvironmentVariable("QT_LOGGING_CONF"),
    };
    QLoggingCategory::setFilterRules(quietLoggingRules(userRuleFiles));
}

} // namespace numbrook
