// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

#pragma once

#include <QLoggingCategory>
#include <QString>
#include <QStringList>
#include <QUrl>

namespace numbrook {

// Failures to hand a file or page to the desktop.
Q_DECLARE_LOGGING_CATEGORY(lcShell)

// The folders in which a data file of the program (such as a help text) is looked for, in
// order: the executable's own folder, the installed data folders (<prefix>/share/numbrook
// beside the executable's bin folder, then numbrook/ in the desktop's data folders), and last
// the current folder. Looking only in the current folder would find nothing when the program
// is started from a menu or at log-on.
QStringList DataFileFolders();

// The first existing file called `fileName` in `folders`; empty when there is none.
QString FindDataFile(const QString &fileName, const QStringList &folders = DataFileFolders());

// Hands a page address or a local file to the desktop's default application. The result is
// only whether the desktop accepted the request; a refusal is logged to numbrook.shell.
bool OpenWithDesktop(const QUrl &url);

} // namespace numbrook
