// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

#include "ResultsView.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>
#include <QLoggingCategory>
#include <QStringList>

#include <dlfcn.h>

namespace numbrook {

namespace {

Q_LOGGING_CATEGORY(lcResultsView, "numbrook.results")

// The maker of a library loaded already (a program linked with it, as the tests are), else of
// the library found beside the program, which stays loaded for the rest of the run.
ResultsViewMaker findMaker() {
    if (void *linked = dlsym(RTLD_DEFAULT, kResultsViewMakerName)) {
        return reinterpret_cast<ResultsViewMaker>(linked);
    }
    const QDir programFolder(QCoreApplication::applicationDirPath());
    const QStringList candidates = {
        programFolder.filePath(QStringLiteral("../lib/numbrook/") +
                               QLatin1String(kResultsViewLibrary)),
        programFolder.filePath(QLatin1String(kResultsViewLibrary)),
    };
    QStringList failures;
    for (const QString &candidate : candidates) {
        if (!QFileInfo::exists(candidate)) {
            continue;
        }
        QLibrary library(QDir::cleanPath(candidate));
        library.setLoadHints(QLibrary::PreventUnloadHint);
        if (auto maker =
                reinterpret_cast<ResultsViewMaker>(library.resolve(kResultsViewMakerName))) {
            return maker;
        }
        failures << library.errorString();
    }
    qCWarning(lcResultsView, "the results window cannot be opened: %s",
              failures.isEmpty() ? qPrintable(QStringLiteral("%1 not found in %2")
                                                  .arg(QLatin1String(kResultsViewLibrary),
                                                       candidates.join(QStringLiteral(", "))))
                                 : qPrintable(failures.join(QStringLiteral("; "))));
    return nullptr;
}

} // namespace

std::unique_ptr<ResultsView> MakeResultsView(ResultsStore &store, int languageIndex, qint64 child,
                                             int fluencyMs) {
    static const ResultsViewMaker maker = findMaker();
    if (!maker) {
        return nullptr;
    }
    return std::unique_ptr<ResultsView>(maker(store, languageIndex, child, fluencyMs));
}

} // namespace numbrook
