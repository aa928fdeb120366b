// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

#include "ProgramIcon.h"

#include <QPainter>

namespace numbrook {

std::vector<IconShape> ProgramIconShapes(qreal side) {
    QPainterPath tile;
    tile.addRoundedRect(QRectF(0, 0, side, side), side * 0.22, side * 0.22);

    // A bold "N" on a unit square: two stems joined by a diagonal from top left to bottom right.
    static const QPointF letter[] = {
        {0.24, 0.80}, {0.24, 0.20}, {0.39, 0.20}, {0.61, 0.56}, {0.61, 0.20},
        {0.76, 0.20}, {0.76, 0.80}, {0.61, 0.80}, {0.39, 0.44}, {0.39, 0.80},
    };
    QPolygonF polygon;
    for (const QPointF &point : letter)
        polygon.append(point * side);
    QPainterPath glyph;
    glyph.addPolygon(polygon);
    glyph.closeSubpath();

    return {{tile, QColor(0x36, 0x6A, 0xB3)}, {glyph, QColor(0xF0, 0xB9, 0x26)}};
}

QImage ProgramIconImage(int side) {
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    for (const IconShape &shape : ProgramIconShapes(side)) {
        painter.setBrush(shape.colour);
        painter.drawPath(shape.path);
    }
    return image;
}

} // namespace numbrook
