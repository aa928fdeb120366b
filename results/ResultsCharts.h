// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

#pragma once

// The results window's charts by day. The day axis has one tick per day it labels, each point
// sits on its day's tick, and a line joins only neighbouring days: a day without quizzes
// leaves a gap.

#include "ResultsStore.h"
#include "ResultsTexts.h"

#include <QDate>
#include <QList>

class QChart;

namespace numbrook {

// Right answers, what staying silent would have scored, and the typical answer time, by day,
// over the days from `first` to `today`.
QChart *AnswersChart(const QList<DayStatistics> &days, const QDate &first, const QDate &today,
                     const ResultsTexts &texts);
// The share of learnt facts of each operation practised, at the end of each day.
QChart *FluencyChart(const QList<DailyFluency> &days, const QDate &first, const QDate &today,
                     const ResultsTexts &texts);

} // namespace numbrook
