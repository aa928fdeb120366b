// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

#include "ShellOpen.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace numbrook {

Q_LOGGING_CATEGORY(lcShell, "numbrook.shell")

QStringList DataFileFolders() {
    QStringList folders;
    const QString programFolder = QCoreApplication::applicationDirPath();
    folders.append(programFolder);
    folders.append(QDir::cleanPath(programFolder + QStringLiteral("/../share/numbrook")));
    const QStringList dataFolders =
        QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation);
    for (const QString &folder : dataFolders)
        folders.append(folder + QStringLiteral("/numbrook"));
    folders.append(QDir::currentPath());
    folders.removeDuplicates();
    return folders;
}

QString FindDataFile(const QString &fileName, const QStringList &folders) {
    for (const QString &folder : folders) {
        const QFileInfo candidate(QDir(folder), fileName);
        if (candidate.isFile())
            return candidate.absoluteFilePath();
    }
    return {};
}

bool OpenWithDesktop(const QUrl &url) {
    if (QDesktopServices::openUrl(url))
        return true;
    // Usually xdg-open is missing; the user would otherwise see nothing happen.
    qCWarning(lcShell, "Could not open %s: the desktop has no program to open it with",
              qPrintable(url.toDisplayString()));
    return false;
}

} // namespace numbrook
