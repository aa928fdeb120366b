// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

#include "ResultsCharts.h"

#include "InterfaceLanguages.h"

#include <QCategoryAxis>
#include <QChart>
#include <QCursor>
#include <QLegendMarker>
#include <QLineSeries>
#include <QLocale>
#include <QToolTip>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

namespace numbrook {

namespace {

using T = ResultsText;

constexpr int kMostDayLabels = 10;

const QColor kShareColour(0x2e, 0x7d, 0x32);
const QColor kSilentColour(0x75, 0x75, 0x75);
const QColor kTimeColour(0x15, 0x65, 0xc0);

QLocale localeOf(const ResultsTexts &texts) {
    return InterfaceLanguageLocale(texts.language());
}

// The x axis: day n after `first` at x = n, a label on every `step`-th day counted back from
// today, so that today always has its own.
QCategoryAxis *dayAxis(QChart *chart, const QDate &first, const QDate &today,
                       const ResultsTexts &texts) {
    auto *axis = new QCategoryAxis(chart);
    const int span = std::max(1, int(first.daysTo(today)));
    const int step = std::max(1, int(std::ceil(double(span + 1) / kMostDayLabels)));
    axis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    axis->setRange(-0.5, span + 0.5);
    axis->setStartValue(-0.5);
    const QLocale locale = localeOf(texts);
    QList<int> labelled;
    for (int day = span; day >= 0; day -= step)
        labelled.prepend(day);
    for (int day : labelled)
        axis->append(locale.toString(first.addDays(day), texts(T::ChartDateFormat)), day);
    axis->setGridLineVisible(true);
    return axis;
}

// Points by day (x = days after `first`) as lines that join neighbouring days only. The first
// piece carries the name in the legend.
QList<QLineSeries *> daySeries(QChart *chart, const QList<QPointF> &points, const QString &name,
                               const QPen &pen) {
    QList<QLineSeries *> pieces;
    for (qsizetype i = 0; i < points.size(); ++i) {
        if (i == 0 || points[i].x() - points[i - 1].x() > 1.5) {
            auto *series = new QLineSeries(chart);
            series->setName(name);
            series->setPen(pen);
            series->setPointsVisible(true);
            series->setMarkerSize(7);
            pieces << series;
        }
        pieces.last()->append(points[i]);
    }
    return pieces;
}

void addPieces(QChart *chart, const QList<QLineSeries *> &pieces, QAbstractAxis *x,
               QAbstractAxis *y) {
    for (QLineSeries *series : pieces) {
        chart->addSeries(series);
        series->attachAxis(x);
        series->attachAxis(y);
        if (series != pieces.first()) {
            for (QLegendMarker *marker : chart->legend()->markers(series))
                marker->setVisible(false);
        }
    }
}

QValueAxis *percentAxis(QChart *chart, const QColor &colour) {
    auto *axis = new QValueAxis(chart);
    axis->setRange(0, 100);
    axis->setLabelFormat(QStringLiteral("%d %"));
    axis->setLabelsColor(colour);
    axis->setTickCount(6);
    return axis;
}

QChart *newChart(const QString &title, const ResultsTexts &texts) {
    auto *chart = new QChart();
    chart->setTitle(title);
    chart->legend()->setAlignment(Qt::AlignBottom);
    chart->setMargins(QMargins(4, 4, 4, 4));
    chart->setLocale(localeOf(texts));
    return chart;
}

} // namespace

QChart *AnswersChart(const QList<DayStatistics> &days, const QDate &first, const QDate &today,
                     const ResultsTexts &texts) {
    QChart *chart = newChart(texts(T::ChartTitle), texts);
    QList<QPointF> share, silent, time;
    double slowest = 1.0;
    for (const DayStatistics &day : days) {
        const double x = double(first.daysTo(day.day));
        share << QPointF(x, day.shareRight() * 100);
        if (day.questions > 0)
            silent << QPointF(x, 100.0 * day.falseEquations / day.questions);
        if (day.medianReactionMs) {
            time << QPointF(x, *day.medianReactionMs / 1000.0);
            slowest = std::max(slowest, *day.medianReactionMs / 1000.0);
        }
    }
    QCategoryAxis *dates = dayAxis(chart, first, today, texts);
    QValueAxis *shareAxis = percentAxis(chart, kShareColour);
    auto *timeAxis = new QValueAxis(chart);
    timeAxis->setRange(0, std::ceil(slowest));
    // The unit is in the series' name: a printf format takes no text beyond Latin-1.
    timeAxis->setLabelFormat(QStringLiteral("%.1f"));
    timeAxis->setLabelsColor(kTimeColour);
    timeAxis->setTickCount(6);
    chart->addAxis(dates, Qt::AlignBottom);
    chart->addAxis(shareAxis, Qt::AlignLeft);
    chart->addAxis(timeAxis, Qt::AlignRight);
    const QList<QLineSeries *> sharePieces =
        daySeries(chart, share, texts(T::ChartShareSeries), QPen(kShareColour, 2.5));
    addPieces(chart, sharePieces, dates, shareAxis);
    // Each day's score in words, beside what staying silent would have given.
    for (QLineSeries *piece : sharePieces) {
        QObject::connect(
            piece, &QLineSeries::hovered, chart,
            [days, first, texts](const QPointF &point, bool entered) {
                const QDate day = first.addDays(qRound(point.x()));
                const auto found =
                    std::find_if(days.begin(), days.end(),
                                 [&day](const DayStatistics &d) { return d.day == day; });
                if (!entered || found == days.end()) {
                    QToolTip::hideText();
                    return;
                }
                QToolTip::showText(
                    QCursor::pos(),
                    localeOf(texts).toString(day, texts(T::ChartDateFormat)) +
                        QStringLiteral(": ") +
                        texts.honestScore(found->right, found->questions, found->falseEquations));
            });
    }
    addPieces(chart,
              daySeries(chart, silent, texts(T::ChartSilentSeries),
                        QPen(kSilentColour, 1.5, Qt::DashLine)),
              dates, shareAxis);
    addPieces(chart, daySeries(chart, time, texts(T::ChartTimeSeries), QPen(kTimeColour, 2.5)),
              dates, timeAxis);
    return chart;
}

QChart *FluencyChart(const QList<DailyFluency> &days, const QDate &first, const QDate &today,
                     const ResultsTexts &texts) {
    QChart *chart = newChart(texts(T::FluencyChartTitle), texts);
    QCategoryAxis *dates = dayAxis(chart, first, today, texts);
    QValueAxis *shareAxis = percentAxis(chart, QColor(0x21, 0x21, 0x21));
    chart->addAxis(dates, Qt::AlignBottom);
    chart->addAxis(shareAxis, Qt::AlignLeft);
    // A colour and a line style each, so that the lines differ without colour too.
    static const std::pair<QColor, Qt::PenStyle> looks[] = {
        {QColor(0x2e, 0x7d, 0x32), Qt::SolidLine},
        {QColor(0xc6, 0x28, 0x28), Qt::DashLine},
        {QColor(0x15, 0x65, 0xc0), Qt::DotLine},
        {QColor(0x6a, 0x1b, 0x9a), Qt::DashDotLine}};
    static const T names[] = {T::OperationAddition, T::OperationSubtraction,
                              T::OperationMultiplication, T::OperationDivision};
    for (std::size_t op = 0; op < kFactOperations.size(); ++op) {
        QList<QPointF> points;
        bool practised = false;
        for (const DailyFluency &day : days) {
            practised = practised || day.practised[op];
            if (practised && day.day >= first)
                points << QPointF(double(first.daysTo(day.day)), day.share[op] * 100);
        }
        if (points.isEmpty())
            continue;
        addPieces(chart,
                  daySeries(chart, points, texts(T::FluencySeries).arg(texts(names[op])),
                            QPen(looks[op].first, 2.5, looks[op].second)),
                  dates, shareAxis);
    }
    return chart;
}

} // namespace numbrook
