// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

#include "ResultsStore.h"

#include "PendingResults.h"

#include <QStandardPaths>

namespace numbrook {

namespace {

QString chosenPath(const QString &databasePath) {
    return databasePath.isEmpty() ? ResultsStore::defaultPath() : databasePath;
}

} // namespace

ResultsStore::ResultsStore(const QString &databasePath)
    : database_(chosenPath(databasePath), PendingResults::pathFor(chosenPath(databasePath))),
      writer_(database_), queries_(database_, writer_.runningQuizzes()), children_(database_) {}

QString ResultsStore::defaultPath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/Numbrook/results.sqlite");
}

} // namespace numbrook
