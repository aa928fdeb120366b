// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

#include "ResultsTables.h"

#include <QHeaderView>
#include <QTableWidget>

#include <algorithm>
#include <cmath>

namespace numbrook {

QTableWidget *MakeResultsTable(const QString &objectName, QWidget *parent) {
    auto *table = new QTableWidget(parent);
    table->setObjectName(objectName);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setAlternatingRowColors(true);
    table->verticalHeader()->hide();
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 6);
    table->horizontalHeader()->setHighlightSections(false);
    return table;
}

void SetTableHeaders(QTableWidget *table, const ResultsTexts &texts,
                     std::initializer_list<ResultsText> ids) {
    QStringList headers;
    for (ResultsText id : ids)
        headers << texts(id);
    table->setColumnCount(int(headers.size()));
    table->setHorizontalHeaderLabels(headers);
}

QTableWidgetItem *TextCell(const QString &text, Qt::Alignment alignment) {
    auto *item = new QTableWidgetItem(text);
    item->setTextAlignment(alignment | Qt::AlignVCenter);
    return item;
}

QTableWidgetItem *NumberCell(int value) {
    return TextCell(QString::number(value), Qt::AlignRight);
}

void WidenColumnsToContents(QTableWidget *table) {
    for (int column = 0; column < table->columnCount(); ++column) {
        const int wanted =
            std::max(static_cast<QAbstractItemView *>(table)->sizeHintForColumn(column),
                     table->horizontalHeader()->sectionSizeHint(column));
        if (table->columnWidth(column) < wanted)
            table->setColumnWidth(column, wanted);
    }
}

int Percent(double share) {
    return int(std::lround(share * 100));
}

} // namespace numbrook
