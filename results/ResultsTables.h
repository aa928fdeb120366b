// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

#pragma once

// The read-only tables of the results window, built and filled alike: one row selected at a
// time, no row numbers, cells aligned by what they hold.

#include "ResultsTexts.h"

#include <QString>

#include <initializer_list>

class QTableWidget;
class QTableWidgetItem;
class QWidget;

namespace numbrook {

// A table named `objectName` whose rows are chosen whole, one at a time, and never edited.
QTableWidget *MakeResultsTable(const QString &objectName, QWidget *parent);
// The table's columns, one for each header text `ids` names, in that order.
void SetTableHeaders(QTableWidget *table, const ResultsTexts &texts,
                     std::initializer_list<ResultsText> ids);
// A cell showing `text`, centred vertically.
QTableWidgetItem *TextCell(const QString &text, Qt::Alignment alignment = Qt::AlignLeft);
// A cell showing `value`, aligned right.
QTableWidgetItem *NumberCell(int value);
// Columns at least as wide as their texts and headers; the table scrolls sideways when they do
// not all fit, rather than cutting a text short.
void WidenColumnsToContents(QTableWidget *table);
// `share` (0 to 1) in whole percent.
int Percent(double share);

} // namespace numbrook
