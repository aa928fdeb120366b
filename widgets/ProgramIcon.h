// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

#pragma once

#include <QColor>
#include <QImage>
#include <QPainterPath>
#include <vector>

class QPainter;

namespace numbrook {

// The program's icon as filled shapes, drawn back to front: a blue rounded tile with a gold
// "N". The tray, the window icons and the installed icon files (SVG and PNG, exported at build
// time) are all made from these shapes, so every place shows the same picture. The letter is a
// polygon rather than text so that the picture does not depend on the fonts of a machine.
struct IconShape {
    QPainterPath path;
    QColor colour;
};
std::vector<IconShape> ProgramIconShapes(qreal side);

// The shapes filled into a square image `side` pixels wide, with a transparent background.
QImage ProgramIconImage(int side);

} // namespace numbrook
