// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

#pragma once

// The one-page report of one child, as PDF: name, period, quizzes, right share beside what
// staying silent would have given, typical answer time, the grid of the level-1 facts and the
// equations most often misjudged. For a parent to print or send to a teacher.

#include "ResultsStore.h"
#include "ResultsTexts.h"

namespace numbrook {

// False when the file cannot be written.
bool WriteResultsReport(const QString &filePath, ResultsStore &store, qint64 child,
                        const QString &childName, int fluencyMs, const ResultsTexts &texts);

} // namespace numbrook
