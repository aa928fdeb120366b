// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

// Writes the program's icon into a hicolor theme tree at build time, from the same shapes the
// program draws its tray and window icons with:
//   numbrook_iconexport <folder> <icon name>
// gives <folder>/scalable/apps/<icon name>.svg and <folder>/<N>x<N>/apps/<icon name>.png.
// The SVG is written from the shapes' outlines, so no SVG library is needed at build time or
// at run time.
#include "ProgramIcon.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QString>
#include <QTextStream>
#include <cstdio>

namespace {

constexpr int kSvgSide = 256;
constexpr int kPngSides[] = {16, 22, 24, 32, 48, 64, 128, 256};

QString number(qreal value) {
    return QString::number(value, 'f', 2).remove(QRegularExpression(QStringLiteral("\\.?0+$")));
}

QString point(const QPainterPath::Element &element) {
    return number(element.x) + QLatin1Char(',') + number(element.y);
}

// The outline as SVG path data: moves, lines and cubic curves.
QString svgPathData(const QPainterPath &path) {
    QStringList parts;
    for (int i = 0; i < path.elementCount(); ++i) {
        const QPainterPath::Element element = path.elementAt(i);
        switch (element.type) {
        case QPainterPath::MoveToElement:
            if (i > 0)
                parts.append(QStringLiteral("Z"));
            parts.append(QLatin1Char('M') + point(element));
            break;
        case QPainterPath::LineToElement:
            parts.append(QLatin1Char('L') + point(element));
            break;
        case QPainterPath::CurveToElement:
            parts.append(QLatin1Char('C') + point(element) + QLatin1Char(' ') +
                         point(path.elementAt(i + 1)) + QLatin1Char(' ') +
                         point(path.elementAt(i + 2)));
            i += 2;
            break;
        case QPainterPath::CurveToDataElement:
            break;
        }
    }
    parts.append(QStringLiteral("Z"));
    return parts.join(QLatin1Char(' '));
}

bool writeSvg(const QString &fileName) {
    QFile file(fileName);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    QTextStream out(&file);
    out << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" << kSvgSide << "\" height=\""
        << kSvgSide << "\" viewBox=\"0 0 " << kSvgSide << ' ' << kSvgSide << "\">\n";
    for (const numbrook::IconShape &shape : numbrook::ProgramIconShapes(kSvgSide)) {
        out << "  <path fill=\"" << shape.colour.name() << "\" d=\"" << svgPathData(shape.path)
            << "\"/>\n";
    }
    out << "</svg>\n";
    out.flush();
    return file.error() == QFile::NoError;
}

bool fail(const QString &what) {
    std::fprintf(stderr, "numbrook_iconexport: could not write %s\n", qPrintable(what));
    return false;
}

bool exportIcons(const QDir &root, const QString &name) {
    const QString svgFolder = root.filePath(QStringLiteral("scalable/apps"));
    const QString svg = svgFolder + QLatin1Char('/') + name + QStringLiteral(".svg");
    if (!QDir().mkpath(svgFolder) || !writeSvg(svg))
        return fail(svg);
    for (int side : kPngSides) {
        const QString folder = root.filePath(QStringLiteral("%1x%1/apps").arg(side));
        const QString png = folder + QLatin1Char('/') + name + QStringLiteral(".png");
        if (!QDir().mkpath(folder) || !numbrook::ProgramIconImage(side).save(png, "PNG"))
            return fail(png);
    }
    return true;
}

} // namespace

int main(int argc, char *argv[]) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: numbrook_iconexport <folder> <icon name>\n");
        return 2;
    }
    return exportIcons(QDir(QString::fromLocal8Bit(argv[1])), QString::fromLocal8Bit(argv[2])) ? 0
                                                                                               : 1;
}
