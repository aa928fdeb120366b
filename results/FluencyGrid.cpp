// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

#include "FluencyGrid.h"

#include "InterfaceLanguages.h"

#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>

#include <algorithm>
#include <set>

namespace numbrook {

namespace {

using T = ResultsText;

constexpr double kGapCells = 0.8;   // between two operations' grids
constexpr double kTitleCells = 2.0; // an operation's two title lines above its grid
constexpr double kKeyCells = 1.4;   // the key under the grids
constexpr double kScreenCell = 34;

struct StateLook {
    QColor fill;
    QColor mark;
    QString symbol;
};

// Fluent: a tick on green; learning: a half-filled circle on amber; not seen: an empty pale
// cell. The symbols tell the states apart without the colours.
StateLook lookOf(FactState state) {
    switch (state) {
    case FactState::Fluent:
        return {QColor(0x81, 0xc7, 0x84), QColor(0x1b, 0x5e, 0x20), QStringLiteral("✔")};
    case FactState::Learning:
        return {QColor(0xff, 0xcc, 0x80), QColor(0x8a, 0x4b, 0x00), QStringLiteral("◐")};
    case FactState::NotSeen:
        break;
    }
    return {QColor(0xf1, 0xf3, 0xf5), QColor(0x9e, 0x9e, 0x9e), QString()};
}

T operationName(char operation) {
    switch (operation) {
    case '+':
        return T::OperationAddition;
    case '-':
        return T::OperationSubtraction;
    case '*':
        return T::OperationMultiplication;
    default:
        return T::OperationDivision;
    }
}

// The rows (values of a) and columns (values of b) of one operation's grid.
struct Axes {
    std::vector<int> rows;
    std::vector<int> columns;
};

Axes axesOf(char operation) {
    std::set<int> rows, columns;
    for (const Fact &fact : FactsOfOperation(operation)) {
        rows.insert(fact.a);
        columns.insert(fact.b);
    }
    return {{rows.begin(), rows.end()}, {columns.begin(), columns.end()}};
}

// Where each operation's grid goes in `area`: its top-left corner (the corner cell with the
// sign) and the cell size shared by all.
struct GridPlaces {
    double cell = 0;
    double keyTop = 0;
    std::array<QPointF, 4> corner{};
    std::array<Axes, 4> axes{};
};

GridPlaces placesIn(const QRectF &area, double largestCell = kScreenCell) {
    GridPlaces places;
    double widthCells = kGapCells * double(kFactOperations.size() - 1);
    std::size_t tallest = 0;
    for (std::size_t i = 0; i < kFactOperations.size(); ++i) {
        places.axes[i] = axesOf(kFactOperations[i]);
        widthCells += double(places.axes[i].columns.size() + 1);
        tallest = std::max(tallest, places.axes[i].rows.size() + 1);
    }
    const double heightCells = double(tallest) + kTitleCells + kKeyCells;
    places.cell = std::min({area.width() / widthCells, area.height() / heightCells, largestCell});
    places.keyTop = area.top() + (kTitleCells + double(tallest) + 0.4) * places.cell;
    const double used = widthCells * places.cell;
    double x = area.left() + (area.width() - used) / 2;
    for (std::size_t i = 0; i < kFactOperations.size(); ++i) {
        places.corner[i] = QPointF(x, area.top() + kTitleCells * places.cell);
        x += (double(places.axes[i].columns.size() + 1) + kGapCells) * places.cell;
    }
    return places;
}

QRectF cellRect(const GridPlaces &places, std::size_t op, std::size_t row, std::size_t column) {
    const double c = places.cell;
    return QRectF(places.corner[op].x() + double(column + 1) * c,
                  places.corner[op].y() + double(row + 1) * c, c, c);
}

std::size_t indexOf(const std::vector<int> &values, int value) {
    return std::size_t(std::find(values.begin(), values.end(), value) - values.begin());
}

void paintKey(QPainter &painter, const QRectF &area, double cell, double top,
              const ResultsTexts &texts) {
    const std::pair<FactState, T> entries[] = {{FactState::Fluent, T::GridKeyFluent},
                                               {FactState::Learning, T::GridKeyLearning},
                                               {FactState::NotSeen, T::GridKeyNotSeen}};
    double x = area.left() + cell * 0.2;
    const double y = top;
    for (const auto &[state, text] : entries) {
        const StateLook look = lookOf(state);
        const QRectF box(x, y, cell * 0.8, cell * 0.8);
        painter.setPen(QPen(QColor(0x90, 0x90, 0x90), 1));
        painter.setBrush(look.fill);
        painter.drawRect(box);
        painter.setPen(look.mark);
        painter.drawText(box, Qt::AlignCenter, look.symbol);
        painter.setPen(QColor(0x21, 0x21, 0x21));
        const QRectF label(box.right() + cell * 0.25, y - cell, area.width(), cell * 2.8);
        painter.drawText(label, Qt::AlignLeft | Qt::AlignVCenter, texts(text));
        x = label.left() + painter.fontMetrics().horizontalAdvance(texts(text)) + cell;
    }
}

} // namespace

FluencyGrid::FluencyGrid(QWidget *parent) : QWidget(parent) {
    setObjectName(QStringLiteral("fluencyGrid"));
    setMouseTracking(true);
}

void FluencyGrid::setProgress(const FactProgress &progress, int fluencyMs) {
    progress_ = progress;
    fluencyMs_ = fluencyMs;
    update();
}

void FluencyGrid::setLanguage(int languageIndex) {
    texts_.setLanguage(languageIndex);
    update();
}

QSize FluencyGrid::sizeHint() const {
    return QSize(880, 330);
}

QSize FluencyGrid::minimumSizeHint() const {
    return QSize(560, 220);
}

QString FluencyGrid::shareText(char operation, const FactProgress &progress, int fluencyMs,
                               const ResultsTexts &texts) {
    const int count = int(FactsOfOperation(operation).size());
    return texts(operationName(operation)) + QLatin1Char('\n') +
           texts(T::GridShare).arg(progress.fluentCount(operation, fluencyMs)).arg(count);
}

QString FluencyGrid::tooltipText(const Fact &fact, const FactProgress &progress, int fluencyMs,
                                 const ResultsTexts &texts) {
    static const T states[] = {T::GridKeyNotSeen, T::GridKeyLearning, T::GridKeyFluent};
    QStringList lines{fact.text() + QStringLiteral(": ") +
                      texts(states[int(progress.state(fact, fluencyMs))])};
    const QLocale locale = InterfaceLanguageLocale(texts.language());
    for (const FactTry &attempt : progress.lastTries(fact)) {
        lines << texts(T::GridTry)
                     .arg(locale.toString(attempt.day, texts(T::ChartDateFormat)), attempt.equation,
                          texts(attempt.judgedRight ? T::JudgedRight : T::JudgedWrong),
                          texts.seconds(attempt.reactionMs));
    }
    return lines.join(QLatin1Char('\n'));
}

void FluencyGrid::paintGrid(QPainter &painter, const QRectF &area, const FactProgress &progress,
                            int fluencyMs, const ResultsTexts &texts, double largestCell) {
    const GridPlaces places = placesIn(area, largestCell);
    const double c = places.cell;
    QFont font = painter.font();
    font.setPixelSize(std::max(6, int(c * 0.45)));
    painter.setFont(font);
    for (std::size_t op = 0; op < kFactOperations.size(); ++op) {
        const char operation = kFactOperations[op];
        const Axes &axes = places.axes[op];
        const QPointF corner = places.corner[op];
        QFont bold = font;
        bold.setBold(true);
        painter.setFont(bold);
        painter.setPen(QColor(0x21, 0x21, 0x21));
        painter.drawText(
            QRectF(corner.x(), corner.y() - kTitleCells * c,
                   double(axes.columns.size() + 1) * c + kGapCells * c, kTitleCells * c),
            Qt::AlignLeft | Qt::AlignVCenter, shareText(operation, progress, fluencyMs, texts));
        const QString sign = QString(QLatin1Char(operation))
                                 .replace(QLatin1Char('*'), QChar(0x00D7))
                                 .replace(QLatin1Char('/'), QChar(0x00F7))
                                 .replace(QLatin1Char('-'), QChar(0x2212));
        painter.drawText(QRectF(corner, QSizeF(c, c)), Qt::AlignCenter, sign);
        for (std::size_t i = 0; i < axes.columns.size(); ++i)
            painter.drawText(QRectF(corner.x() + double(i + 1) * c, corner.y(), c, c),
                             Qt::AlignCenter, QString::number(axes.columns[i]));
        for (std::size_t i = 0; i < axes.rows.size(); ++i)
            painter.drawText(QRectF(corner.x(), corner.y() + double(i + 1) * c, c, c),
                             Qt::AlignCenter, QString::number(axes.rows[i]));
        painter.setFont(font);
        for (const Fact &fact : FactsOfOperation(operation)) {
            const QRectF rect =
                cellRect(places, op, indexOf(axes.rows, fact.a), indexOf(axes.columns, fact.b));
            const StateLook look = lookOf(progress.state(fact, fluencyMs));
            painter.setPen(QPen(Qt::white, std::max(1.0, c / 14)));
            painter.setBrush(look.fill);
            painter.drawRect(rect);
            painter.setPen(look.mark);
            painter.drawText(rect, Qt::AlignCenter, look.symbol);
        }
    }
    paintKey(painter, area, c, places.keyTop, texts);
}

std::optional<Fact> FluencyGrid::factAt(const QRectF &area, const QPointF &point) {
    const GridPlaces places = placesIn(area);
    for (std::size_t op = 0; op < kFactOperations.size(); ++op) {
        for (const Fact &fact : FactsOfOperation(kFactOperations[op])) {
            const Axes &axes = places.axes[op];
            if (cellRect(places, op, indexOf(axes.rows, fact.a), indexOf(axes.columns, fact.b))
                    .contains(point))
                return fact;
        }
    }
    return std::nullopt;
}

void FluencyGrid::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(rect(), Qt::white);
    paintGrid(painter, QRectF(rect()).adjusted(8, 8, -8, -4), progress_, fluencyMs_, texts_);
}

bool FluencyGrid::event(QEvent *event) {
    if (event->type() == QEvent::ToolTip) {
        const auto *help = static_cast<QHelpEvent *>(event);
        const std::optional<Fact> fact =
            factAt(QRectF(rect()).adjusted(8, 8, -8, -4), QPointF(help->pos()));
        if (fact)
            QToolTip::showText(help->globalPos(), tooltipText(*fact, progress_, fluencyMs_, texts_),
                               this);
        else
            QToolTip::hideText();
        return true;
    }
    return QWidget::event(event);
}

} // namespace numbrook
