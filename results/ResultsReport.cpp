// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

#include "ResultsReport.h"

#include "FluencyGrid.h"
#include "InterfaceLanguages.h"

#include <QFile>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include <limits>

namespace numbrook {

namespace {

using T = ResultsText;

constexpr int kResolution = 300; // dots per inch
constexpr int kMargin = 170;     // dots
constexpr int kWrongListed = 10;

// Writes lines down the page from `y`, each in the font given.
class PageLines {
public:
    PageLines(QPainter &painter, int left, int width, int y)
        : painter_(painter), left_(left), width_(width), y_(y) {}

    void line(const QString &text, int pixelSize, bool bold = false,
              const QColor &colour = QColor(0x21, 0x21, 0x21)) {
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPixelSize(pixelSize);
        font.setBold(bold);
        painter_.setFont(font);
        painter_.setPen(colour);
        const QRect area(left_, y_, width_, pixelSize * 4);
        const QRect used = painter_.boundingRect(area, Qt::TextWordWrap, text);
        painter_.drawText(area, Qt::TextWordWrap, text);
        y_ += used.height() + pixelSize / 3;
    }
    void skip(int dots) { y_ += dots; }
    int y() const { return y_; }

private:
    QPainter &painter_;
    int left_;
    int width_;
    int y_;
};

} // namespace

bool WriteResultsReport(const QString &filePath, ResultsStore &store, qint64 child,
                        const QString &childName, int fluencyMs, const ResultsTexts &texts) {
    QFile probe(filePath);
    if (!probe.open(QIODevice::WriteOnly))
        return false;
    probe.close();
    QPdfWriter pdf(filePath);
    pdf.setPageSize(QPageSize(QPageSize::A4));
    pdf.setResolution(kResolution);
    pdf.setTitle(texts(T::ReportHeading).arg(childName));
    pdf.setCreator(QStringLiteral("Numbrook"));
    QPainter painter;
    if (!painter.begin(&pdf))
        return false;
    painter.setRenderHint(QPainter::Antialiasing);
    const int width = pdf.width() - 2 * kMargin;
    PageLines page(painter, kMargin, width, kMargin);
    const QLocale locale = InterfaceLanguageLocale(texts.language());
    page.line(texts(T::ReportHeading).arg(childName), 72, true, QColor(0x15, 0x3a, 0x6b));
    page.skip(20);

    const int quizzes = store.quizCount(child);
    if (quizzes == 0) {
        page.line(texts(T::ReportNoQuizzes), 42);
    } else {
        const QDate last = store.recentQuizzes(1, 0, child).value(0).startedAt.date();
        const QDate first = store.recentQuizzes(1, quizzes - 1, child).value(0).startedAt.date();
        const PeriodStatistics all = store.periodStatistics(
            first.startOfDay(), QDateTime::fromMSecsSinceEpoch(std::numeric_limits<qint64>::max()),
            child);
        const QString dateFormat = QStringLiteral("d MMMM yyyy");
        page.line(texts(T::ReportPeriod)
                      .arg(locale.toString(first, dateFormat), locale.toString(last, dateFormat)),
                  42);
        page.line(texts(T::ReportQuizzes).arg(all.quizzes), 42);
        page.line(texts(T::ReportRight)
                      .arg(qRound(all.shareRight() * 100))
                      .arg(texts.honestScore(all.right, all.questions, all.falseEquations)),
                  42);
        page.line(texts(T::ReportMedian).arg(texts.seconds(all.medianReactionMs)), 42);
    }
    page.skip(40);
    const FactProgress progress = store.childrenStore().factProgress(child);
    page.line(texts(T::ReportFacts), 50, true, QColor(0x15, 0x3a, 0x6b));
    const int gridHeight = 1000;
    FluencyGrid::paintGrid(painter, QRectF(kMargin, page.y(), width, gridHeight), progress,
                           fluencyMs, texts, gridHeight);
    page.skip(gridHeight + 40);

    page.line(texts(T::ReportWrongTitle), 50, true, QColor(0x15, 0x3a, 0x6b));
    const QList<WrongEquation> wrong =
        store.mostOftenWrong(QDateTime::fromMSecsSinceEpoch(0), kWrongListed, child);
    if (wrong.isEmpty())
        page.line(texts(T::ReportNone), 40);
    for (const WrongEquation &equation : wrong)
        page.line(texts(T::ReportWrongLine)
                      .arg(equation.equation)
                      .arg(equation.wrongCount)
                      .arg(equation.shownCount),
                  40);
    QFont small(QStringLiteral("DejaVu Sans"));
    small.setPixelSize(30);
    painter.setFont(small);
    painter.setPen(QColor(0x75, 0x75, 0x75));
    painter.drawText(
        QRect(kMargin, pdf.height() - kMargin, width, 60), Qt::AlignLeft,
        texts(T::ReportMade)
            .arg(locale.toString(QDate::currentDate(), QStringLiteral("d MMMM yyyy"))));
    return painter.end();
}

} // namespace numbrook
