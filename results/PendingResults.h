// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

#pragma once

// The results the database could not take yet, in the order they were played: in memory as a
// queue of writes, and on disk as a small JSON file beside the database (written whole through
// a temporary file and a rename, so it is always either the old or the new list). The next
// start writes the file's results into the database before anything else.

#include "ResultsRecords.h"

#include <QList>
#include <QString>

#include <optional>

namespace numbrook {

class PendingResults {
public:
    // The file is `databasePath` with ".pending" added.
    explicit PendingResults(const QString &databasePath);
    static QString pathFor(const QString &databasePath);

    QString path() const { return path_; }
    bool exists() const;

    // The file's writes, their quiz handles renumbered from `nextHandle` on (which is moved
    // past them), marked as of an earlier run. Nothing when the file cannot be read or is
    // damaged: `error` says why (a damaged file is then moved aside, never deleted).
    std::optional<QList<PendingWrite>> load(qint64 &nextHandle, QString &error) const;
    // Replaces the file with `writes` (each quiz's first write a Start); removes it when empty.
    bool save(const QList<PendingWrite> &writes, QString &error) const;

private:
    QString path_;
};

} // namespace numbrook
