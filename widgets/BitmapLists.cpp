// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

#include "BitmapLists.h"

#include "ProgramIcon.h"

#include <QIconEngine>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace numbrook {

BitmapList::BitmapList(std::vector<QSize> naturalSizes, Painter painter)
    : sizes_(std::move(naturalSizes)), painter_(std::move(painter)) {}

QSize BitmapList::naturalSize(int index) const {
    return index >= 0 && index < count() ? sizes_[std::size_t(index)] : QSize();
}

QPixmap BitmapList::picture(int index, QSize size) const {
    if (index < 0 || index >= count()) {
        return {};
    }
    if (size.isEmpty()) {
        size = naturalSize(index);
    }
    if (size.isEmpty()) {
        return {};
    }
    for (const auto &[key, pixmap] : cache_) {
        if (key.first == index && key.second == size) {
            return pixmap;
        }
    }
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    {
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        painter_(painter, size, index);
    }
    cache_.push_back({{index, size}, pixmap});
    return pixmap;
}

namespace {

const QColor kWindowBlue(0x36, 0x6A, 0xB3);
const QColor kGold(0xF0, 0xB9, 0x26);

// A rounded, lightly shaded tile; brighter when hovered.
void tile(QPainter &p, QRectF r, QColor base, bool hovered, qreal radius = 5) {
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    const QColor top = hovered ? base.lighter(150) : base.lighter(115);
    g.setColorAt(0, top);
    g.setColorAt(1, hovered ? base.lighter(110) : base.darker(115));
    p.setPen(QPen(base.darker(160), 1));
    p.setBrush(g);
    p.drawRoundedRect(r.adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
}

void captionButton(QPainter &p, QSize s, int index) {
    const bool hovered = index % 2 == 0;
    const QRectF r(0, 0, s.width(), s.height());
    tile(p, r, index == 6 || index == 7 ? QColor(0xC0, 0x39, 0x2B) : QColor(0x1F, 0x4E, 0x8C),
         hovered);
    p.setPen(QPen(Qt::white, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    const QPointF c = r.center();
    const qreal k = std::min(s.width(), s.height()) / 22.0;
    switch (index / 2) {
    case 0: { // help: a question mark
        QFont f(QStringLiteral("Verdana"));
        f.setPixelSize(int(15 * k));
        f.setBold(true);
        p.setFont(f);
        p.drawText(r, Qt::AlignCenter, QStringLiteral("?"));
        break;
    }
    case 1: // web site: a globe
        p.setPen(QPen(Qt::white, 1.4));
        p.drawEllipse(c, 6.5 * k, 6.5 * k);
        p.drawEllipse(c, 3 * k, 6.5 * k);
        p.drawLine(QPointF(c.x() - 6.5 * k, c.y()), QPointF(c.x() + 6.5 * k, c.y()));
        break;
    case 2: // minimise
        p.drawLine(QPointF(c.x() - 5 * k, c.y() + 4 * k), QPointF(c.x() + 5 * k, c.y() + 4 * k));
        break;
    case 4: { // results: three bars rising on a base line
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        const qreal base = c.y() + 6 * k;
        const qreal heights[] = {5, 8.5, 12};
        for (int bar = 0; bar < 3; ++bar) {
            p.drawRect(QRectF(c.x() - 6.5 * k + bar * 4.5 * k, base - heights[bar] * k, 3.4 * k,
                              heights[bar] * k));
        }
        break;
    }
    default: // close
        p.drawLine(QPointF(c.x() - 4.5 * k, c.y() - 4.5 * k),
                   QPointF(c.x() + 4.5 * k, c.y() + 4.5 * k));
        p.drawLine(QPointF(c.x() + 4.5 * k, c.y() - 4.5 * k),
                   QPointF(c.x() - 4.5 * k, c.y() + 4.5 * k));
        break;
    }
}

void optionBox(QPainter &p, QSize s, bool on) {
    const QRectF r = QRectF(0, 0, s.width(), s.height()).adjusted(1, 1, -1, -1);
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, QColor(0xFF, 0xFF, 0xFF));
    g.setColorAt(1, QColor(0xDD, 0xE8, 0xF5));
    p.setPen(QPen(QColor(0x15, 0x3A, 0x6B), 1.2));
    p.setBrush(g);
    p.drawRoundedRect(r, 4, 4);
    if (on) {
        QPainterPath tick;
        const qreal w = r.width();
        tick.moveTo(r.left() + w * 0.2, r.top() + w * 0.52);
        tick.lineTo(r.left() + w * 0.42, r.top() + w * 0.75);
        tick.lineTo(r.left() + w * 0.82, r.top() + w * 0.25);
        p.setPen(QPen(QColor(0x2E, 0x9E, 0x3A), std::max(2.0, w * 0.16), Qt::SolidLine,
                      Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPath(tick);
    }
}

void arrow(QPainter &p, QSize s, bool right, bool hovered) {
    const QRectF r(0, 0, s.width(), s.height());
    tile(p, r, QColor(0x1F, 0x4E, 0x8C), hovered, 4);
    QPainterPath head;
    const QPointF c = r.center();
    const qreal d = right ? 1 : -1;
    head.moveTo(c.x() + 3.5 * d, c.y());
    head.lineTo(c.x() - 2.5 * d, c.y() - 5);
    head.lineTo(c.x() - 2.5 * d, c.y() + 5);
    head.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(hovered ? kGold : QColor(Qt::white));
    p.drawPath(head);
}

void field(QPainter &p, QSize s) {
    const QRectF r = QRectF(0, 0, s.width(), s.height()).adjusted(0.5, 0.5, -0.5, -0.5);
    p.setPen(QPen(QColor(0x15, 0x3A, 0x6B), 1));
    p.setBrush(QColor(0xF4, 0xF8, 0xFD));
    p.drawRoundedRect(r, 4, 4);
    p.setPen(QPen(QColor(0, 0, 0, 40), 1));
    p.drawLine(QPointF(r.left() + 3, r.top() + 1.5), QPointF(r.right() - 3, r.top() + 1.5));
}

void startButton(QPainter &p, QSize s, bool hovered) {
    const QRectF r = QRectF(0, 0, s.width(), s.height()).adjusted(1, 1, -1, -1);
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, hovered ? QColor(0x7D, 0xE0, 0x6A) : QColor(0x5C, 0xC8, 0x4A));
    g.setColorAt(1, hovered ? QColor(0x3A, 0xA8, 0x2C) : QColor(0x2B, 0x8A, 0x22));
    p.setPen(QPen(QColor(0x1B, 0x5E, 0x15), 1.5));
    p.setBrush(g);
    p.drawRoundedRect(r, r.height() / 2, r.height() / 2);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 60));
    p.drawRoundedRect(QRectF(r.left() + 8, r.top() + 3, r.width() - 16, r.height() * 0.38),
                      r.height() * 0.2, r.height() * 0.2);
    // A play triangle in a white disc: start and stop read the same in every language.
    const QPointF c = r.center();
    const qreal rad = r.height() * 0.34;
    p.setBrush(Qt::white);
    p.drawEllipse(c, rad, rad);
    QPainterPath play;
    play.moveTo(c.x() + rad * 0.55, c.y());
    play.lineTo(c.x() - rad * 0.35, c.y() - rad * 0.5);
    play.lineTo(c.x() - rad * 0.35, c.y() + rad * 0.5);
    play.closeSubpath();
    p.setBrush(QColor(0x2B, 0x8A, 0x22));
    p.drawPath(play);
}

void lamp(QPainter &p, QSize s, int index) {
    const QRectF r = QRectF(0, 0, s.width(), s.height()).adjusted(3, 3, -3, -3);
    const bool lit = index != 59;
    const QColor glow = index == 60 ? kGold : QColor(0x4C, 0xD1, 0x37);
    QRadialGradient g(r.center() - QPointF(r.width() * 0.15, r.height() * 0.15), r.width() * 0.7);
    g.setColorAt(0, lit ? glow.lighter(160) : QColor(0x9A, 0xA7, 0xB8));
    g.setColorAt(1, lit ? glow.darker(120) : QColor(0x4A, 0x55, 0x66));
    p.setPen(QPen(QColor(0x15, 0x2A, 0x4B), 2));
    p.setBrush(g);
    p.drawEllipse(r);
    p.setPen(QPen(lit ? Qt::white : QColor(0xC8, 0xD0, 0xDA), 2.2, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    const QPointF c = r.center();
    const qreal k = r.width() / 42.0;
    if (index == 61) { // microphone
        p.drawRoundedRect(QRectF(c.x() - 4 * k, c.y() - 12 * k, 8 * k, 15 * k), 4 * k, 4 * k);
        p.drawArc(QRectF(c.x() - 8 * k, c.y() - 6 * k, 16 * k, 14 * k), 180 * 16, 180 * 16);
        p.drawLine(QPointF(c.x(), c.y() + 8 * k), QPointF(c.x(), c.y() + 12 * k));
    } else if (index == 60) { // a key
        p.drawRoundedRect(QRectF(c.x() - 10 * k, c.y() - 7 * k, 20 * k, 14 * k), 3 * k, 3 * k);
        p.drawLine(QPointF(c.x() - 5 * k, c.y() + 2 * k), QPointF(c.x() + 5 * k, c.y() + 2 * k));
    }
}

void hint(QPainter &p, QSize s, bool truth) {
    const QRectF r = QRectF(0, 0, s.width(), s.height()).adjusted(2, 2, -2, -2);
    const QColor base = truth ? QColor(0x2E, 0xB8, 0x3E) : QColor(0xE0, 0x3A, 0x2E);
    QRadialGradient g(r.center() - QPointF(r.width() * 0.2, r.height() * 0.2), r.width() * 0.8);
    g.setColorAt(0, base.lighter(140));
    g.setColorAt(1, base.darker(115));
    p.setPen(QPen(Qt::white, 3));
    p.setBrush(g);
    p.drawEllipse(r);
    p.setPen(QPen(Qt::white, r.width() * 0.12, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    const qreal w = r.width();
    if (truth) {
        QPainterPath tick;
        tick.moveTo(r.left() + w * 0.26, r.top() + w * 0.52);
        tick.lineTo(r.left() + w * 0.44, r.top() + w * 0.7);
        tick.lineTo(r.left() + w * 0.75, r.top() + w * 0.32);
        p.drawPath(tick);
    } else {
        p.drawLine(QPointF(r.left() + w * 0.32, r.top() + w * 0.32),
                   QPointF(r.left() + w * 0.68, r.top() + w * 0.68));
        p.drawLine(QPointF(r.left() + w * 0.68, r.top() + w * 0.32),
                   QPointF(r.left() + w * 0.32, r.top() + w * 0.68));
    }
}

void smallControl(QPainter &p, QSize s, int index) {
    const bool hovered = index % 2 == 1;
    const QRectF r(0, 0, s.width(), s.height());
    tile(p, r, QColor(0x1F, 0x4E, 0x8C), hovered, 4);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    const QPointF c = r.center();
    switch ((index - 40) / 2) {
    case 0: {
        QPainterPath play;
        play.moveTo(c.x() + 5, c.y());
        play.lineTo(c.x() - 4, c.y() - 6);
        play.lineTo(c.x() - 4, c.y() + 6);
        play.closeSubpath();
        p.drawPath(play);
        break;
    }
    case 1:
        p.drawRect(QRectF(c.x() - 5, c.y() - 5, 10, 10));
        break;
    default:
        p.setBrush(index < 46 ? QColor(0x4C, 0xD1, 0x37) : QColor(0xE0, 0x3A, 0x2E));
        p.drawEllipse(c, 5, 5);
        break;
    }
}

void buttonPicture(QPainter &p, QSize s, int index) {
    if (index <= 9) {
        captionButton(p, s, index);
    } else if (index == 21 || index == 22 || index == 36 || index == 37) {
        optionBox(p, s, index == 22 || index == 37);
    } else if (index >= 40 && index <= 47) {
        smallControl(p, s, index);
    } else if (index >= 50 && index <= 53) {
        arrow(p, s, index <= 51, index == 51 || index == 53);
    } else if (index == 54) {
        field(p, s);
    } else if (index == 57 || index == 58) {
        startButton(p, s, index == 58);
    } else if (index >= 59 && index <= 61) {
        lamp(p, s, index);
    } else if (index == 62 || index == 63) {
        hint(p, s, index == 62);
    }
}

std::vector<QSize> buttonSizes() {
    std::vector<QSize> sizes(64, QSize(22, 22));
    for (int i = 0; i <= 9; ++i) {
        sizes[std::size_t(i)] = QSize(22, 23);
    }
    sizes[21] = sizes[22] = QSize(23, 23);
    sizes[36] = sizes[37] = QSize(18, 18);
    for (int i = 50; i <= 53; ++i) {
        sizes[std::size_t(i)] = QSize(17, 21);
    }
    sizes[54] = QSize(72, 21);
    sizes[57] = sizes[58] = QSize(164, 50);
    sizes[59] = sizes[60] = sizes[61] = QSize(48, 48);
    sizes[62] = sizes[63] = QSize(64, 64);
    return sizes;
}

// The board's frame: a warm wooden rim around the black board. Corners, edges and the
// stretchable middles are all cut from one continuous rim so that they join seamlessly.
void boardPiece(QPainter &p, QSize s, int index) {
    const QColor wood(0x8B, 0x5A, 0x2B);
    const bool vertical = index <= 4 || (index >= 8 && index <= 12);
    const bool left = index <= 4;
    const bool top = index == 0 || index == 8 || index >= 13;
    QLinearGradient g;
    if (vertical) {
        g = QLinearGradient(0, 0, s.width(), 0);
    } else {
        g = QLinearGradient(0, 0, 0, s.height());
    }
    const bool outerFirst = vertical ? left : top;
    g.setColorAt(outerFirst ? 0 : 1, wood.darker(150));
    g.setColorAt(0.45, wood.lighter(120));
    g.setColorAt(outerFirst ? 1 : 0, wood.darker(120));
    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillRect(QRect(QPoint(0, 0), s), g);
    // Grain lines along the rim.
    p.setPen(QPen(QColor(0x5A, 0x36, 0x14, 90), 1));
    for (int i = 5; i < (vertical ? s.width() : s.height()); i += 6) {
        if (vertical) {
            p.drawLine(i, 0, i, s.height());
        } else {
            p.drawLine(0, i, s.width(), i);
        }
    }
    // A thin chalk-tray highlight on the inner edge.
    p.setPen(QPen(QColor(0xE8, 0xC9, 0x8E), 1));
    if (vertical) {
        const int x = left ? s.width() - 1 : 0;
        p.drawLine(x, 0, x, s.height());
    } else {
        const int y = top ? s.height() - 1 : 0;
        p.drawLine(0, y, s.width(), y);
    }
}

std::vector<QSize> boardSizes() {
    return {QSize(21, 25), QSize(21, 275), QSize(21, 1), QSize(21, 275),
            QSize(21, 25), QSize(379, 25), QSize(1, 25), QSize(379, 25),
            QSize(21, 25), QSize(21, 275), QSize(21, 1), QSize(21, 275),
            QSize(21, 25), QSize(379, 25), QSize(1, 25), QSize(379, 25)};
}

} // namespace

PictureLists::PictureLists()
    : BitmapList_Btn(buttonSizes(), buttonPicture), BitmapList_Doska(boardSizes(), boardPiece) {}

QRegion MainWindowOutline(QSize size) {
    QPainterPath path;
    path.addRoundedRect(QRectF(0, 0, size.width(), size.height()), 14, 14);
    return QRegion(path.toFillPolygon().toPolygon());
}

namespace {

void drawDigitBadge(QPainter &p, QPointF centre, qreal radius, QColor colour, const QString &text) {
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawEllipse(centre, radius, radius);
    QFont f(QStringLiteral("Verdana"));
    f.setBold(true);
    f.setPixelSize(int(radius * 1.2));
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(QRectF(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius),
               Qt::AlignCenter, text);
}

} // namespace

QPixmap LogoPicture() {
    QPixmap pixmap(400, 300);
    pixmap.fill(QColor(223, 223, 223));
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, 300);
    sky.setColorAt(0, QColor(0x4F, 0x86, 0xCF));
    sky.setColorAt(1, kWindowBlue.darker(130));
    p.fillRect(pixmap.rect(), sky);
    drawDigitBadge(p, {70, 200}, 30, QColor(0xE8, 0x4A, 0x3C), QStringLiteral("3"));
    drawDigitBadge(p, {140, 235}, 24, kGold.darker(110), QStringLiteral("+"));
    drawDigitBadge(p, {205, 205}, 30, QColor(0x3C, 0xB0, 0x4A), QStringLiteral("2"));
    drawDigitBadge(p, {270, 240}, 22, QColor(0x8E, 0x5C, 0xD9), QStringLiteral("="));
    drawDigitBadge(p, {335, 200}, 30, QColor(0xF0, 0x8A, 0x24), QStringLiteral("5"));
    QFont title(QStringLiteral("Verdana"));
    title.setBold(true);
    title.setPixelSize(52);
    p.setFont(title);
    p.setPen(QColor(0xC5, 0x60, 0x0E));
    p.drawText(QRect(22, 72, 360, 70), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Numbrook"));
    p.setPen(kGold);
    p.drawText(QRect(20, 70, 360, 70), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Numbrook"));
    return pixmap;
}

QPixmap LoadPicture() {
    QPixmap pixmap(33, 49);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::white, 2));
    p.setBrush(QColor(255, 255, 255, 60));
    // An hourglass.
    QPainterPath glass;
    glass.moveTo(6, 6);
    glass.lineTo(27, 6);
    glass.lineTo(17, 24);
    glass.lineTo(27, 43);
    glass.lineTo(6, 43);
    glass.lineTo(16, 24);
    glass.closeSubpath();
    p.drawPath(glass);
    p.setBrush(kGold);
    p.setPen(Qt::NoPen);
    p.drawPolygon(QPolygonF({QPointF(11, 38), QPointF(22, 38), QPointF(16.5, 30)}));
    return pixmap;
}

QPixmap DonePicture() {
    QPixmap pixmap(25, 49);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0x4C, 0xD1, 0x37), 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    QPainterPath tick;
    tick.moveTo(3, 25);
    tick.lineTo(10, 33);
    tick.lineTo(22, 15);
    p.drawPath(tick);
    return pixmap;
}

QIcon TrayIconPicture() {
    QIcon icon;
    for (int side : {16, 22, 32, 48, 64})
        icon.addPixmap(QPixmap::fromImage(ProgramIconImage(side)));
    return icon;
}

QPixmap MenuItemPicture(int item) {
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QFont f(QStringLiteral("Verdana"));
    f.setPixelSize(7);
    f.setBold(true);
    p.setFont(f);
    switch (item) {
    case 1: // Russian: three stripes
        p.fillRect(QRect(1, 3, 14, 3), Qt::white);
        p.fillRect(QRect(1, 6, 14, 4), QColor(0x1C, 0x57, 0xA5));
        p.fillRect(QRect(1, 10, 14, 3), QColor(0xD5, 0x2B, 0x1E));
        p.setPen(QColor(0x80, 0x80, 0x80));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(0.5, 2.5, 15, 11));
        break;
    case 2: // English
        p.setPen(Qt::NoPen);
        p.setBrush(kWindowBlue);
        p.drawRoundedRect(QRectF(0, 2, 16, 12), 3, 3);
        p.setPen(Qt::white);
        p.drawText(QRectF(0, 2, 16, 12), Qt::AlignCenter, QStringLiteral("EN"));
        break;
    case 3: // web site
        p.setPen(QPen(kWindowBlue, 1.3));
        p.drawEllipse(QPointF(8, 8), 6.5, 6.5);
        p.drawEllipse(QPointF(8, 8), 3, 6.5);
        p.drawLine(QPointF(1.5, 8), QPointF(14.5, 8));
        break;
    case 6: // results: three rising bars
        p.setPen(Qt::NoPen);
        p.setBrush(kWindowBlue);
        p.drawRect(QRectF(2, 9, 3, 5));
        p.drawRect(QRectF(6.5, 6, 3, 8));
        p.drawRect(QRectF(11, 2, 3, 12));
        break;
    case 4: // program page
        p.setPen(QPen(kWindowBlue, 1.2));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(3.5, 1.5, 9, 13));
        p.drawLine(QPointF(5.5, 5), QPointF(10.5, 5));
        p.drawLine(QPointF(5.5, 8), QPointF(10.5, 8));
        p.drawLine(QPointF(5.5, 11), QPointF(9, 11));
        break;
    default: // exit
        p.setPen(QPen(QColor(0xC0, 0x39, 0x2B), 2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(4, 4), QPointF(12, 12));
        p.drawLine(QPointF(12, 4), QPointF(4, 12));
        break;
    }
    return pixmap;
}

namespace {

// Draws its picture when an icon is first asked for and then answers as a plain picture icon
// would (disabled and selected looks included).
class DrawnOnUseIconEngine : public QIconEngine {
public:
    explicit DrawnOnUseIconEngine(std::function<QPixmap()> draw) : draw_(std::move(draw)) {}

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode,
               QIcon::State state) override {
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override {
        return icon().pixmap(size, mode, state);
    }
    QPixmap scaledPixmap(const QSize &size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override {
        return icon().pixmap(size, scale, mode, state);
    }
    QSize actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state) override {
        return icon().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
        return icon().availableSizes(mode, state);
    }
    QIconEngine *clone() const override { return new DrawnOnUseIconEngine(*this); }

private:
    const QIcon &icon() {
        if (icon_.isNull()) {
            icon_ = QIcon(draw_());
        }
        return icon_;
    }

    std::function<QPixmap()> draw_;
    QIcon icon_;
};

} // namespace

QIcon MenuItemIcon(int item) {
    return QIcon(new DrawnOnUseIconEngine([item] { return MenuItemPicture(item); }));
}

} // namespace numbrook
