// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

#pragma once

// The children in the record: their names, pictures and own quiz settings, and how well each
// knows the level-1 facts, read from their recorded questions.

#include "ResultsRecords.h"

#include <QList>
#include <QString>

#include <optional>

namespace numbrook {

class ResultsDatabase;

class ChildrenStore {
public:
    explicit ChildrenStore(ResultsDatabase &database);

    // First child first. Names are trimmed; an empty one, or one another child has already (in
    // any letter case), is refused.
    QList<ChildProfile> list();
    ChildNameProblem addChild(const QString &name, int picture, qint64 *id = nullptr);
    ChildNameProblem changeChild(qint64 id, const QString &name, int picture);
    // Deletes the child and every quiz of theirs; the last child stays.
    bool removeChild(qint64 id);
    // The child's own quiz settings as the settings panel wrote them; none before the first.
    std::optional<QString> childSettings(qint64 id);
    bool setChildSettings(qint64 id, const QString &values);

    // The last three tries of every level-1 fact the child was asked, from the recorded
    // questions.
    FactProgress factProgress(qint64 child);
    // Each operation's fluent share at the end of every day with level-1 questions; `progress`,
    // when given, receives what factProgress would return, from the same reading.
    QList<DailyFluency> dailyFluency(qint64 child, int fluencyMs, FactProgress *progress = nullptr);

private:
    ChildNameProblem checkName(const QString &name, qint64 self);
    template <typename Visit> bool visitLevelOneTries(qint64 child, Visit visit);

    ResultsDatabase &database_;
};

} // namespace numbrook
