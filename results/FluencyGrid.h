// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

#pragma once

// The grid of every level-1 fact of one child, one table per operation (rows a, columns b),
// each cell coloured by the fact's state and marked with a symbol, so that it reads without
// colour too; a tooltip gives the last tries. The same drawing goes into the PDF report.

#include "FactFluency.h"
#include "ResultsTexts.h"

#include <QWidget>

namespace numbrook {

class FluencyGrid : public QWidget {
    Q_OBJECT
public:
    explicit FluencyGrid(QWidget *parent = nullptr);

    void setProgress(const FactProgress &progress, int fluencyMs);
    void setLanguage(int languageIndex);

    // Draws the grids, their titles and the key into `area`, with cells of at most
    // `largestCell` (on a page, rather than on screen, the grid takes the room it has).
    static void paintGrid(QPainter &painter, const QRectF &area, const FactProgress &progress,
                          int fluencyMs, const ResultsTexts &texts, double largestCell = 34);
    // The fact under `point` of a grid drawn into `area`; none between the cells.
    static std::optional<Fact> factAt(const QRectF &area, const QPointF &point);
    // The operation's name over "12 of 16 learnt", for its grid's title.
    static QString shareText(char operation, const FactProgress &progress, int fluencyMs,
                             const ResultsTexts &texts);
    static QString tooltipText(const Fact &fact, const FactProgress &progress, int fluencyMs,
                               const ResultsTexts &texts);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    bool event(QEvent *event) override;

private:
    FactProgress progress_;
    int fluencyMs_ = kDefaultFluencyMs;
    ResultsTexts texts_;
};

} // namespace numbrook
