// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

#include "PanelButton.h"

#include "SkinWidgets.h"

#include <QPainter>

namespace numbrook {

namespace {

constexpr int kPaddingX = 8;
constexpr int kPaddingY = 2;
constexpr int kBorder = 1;

} // namespace

PanelButton::PanelButton(QWidget *parent) : QPushButton(parent) {
    setFont(SkinFont(11, true));
    // Repainted as the pointer comes and goes, for the hover colours.
    setAttribute(Qt::WA_Hover);
}

QSize PanelButton::sizeHint() const {
    const QFontMetrics metrics = fontMetrics();
    return {metrics.horizontalAdvance(text()) + 2 * (kPaddingX + kBorder),
            metrics.height() + 2 * (kPaddingY + kBorder)};
}

void PanelButton::paintEvent(QPaintEvent *) {
    const bool hovered = isEnabled() && underMouse();
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF bar = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    QLinearGradient fill(bar.topLeft(), bar.bottomLeft());
    fill.setColorAt(0, hovered ? QColor(0x3D, 0x7B, 0xC4) : QColor(0x2A, 0x5F, 0x9E));
    fill.setColorAt(1, hovered ? QColor(0x2A, 0x5F, 0x9E) : QColor(0x1A, 0x44, 0x76));
    painter.setBrush(fill);
    painter.setPen(QColor(0x10, 0x28, 0x4A));
    painter.drawRoundedRect(bar, 5, 5);
    const QColor caption = !isEnabled() ? QColor(0x9A, 0xB0, 0xCC)
                           : hovered    ? QColor(0xF0, 0xB9, 0x26)
                                        : QColor(0xF2, 0xF6, 0xFC);
    painter.setPen(caption);
    painter.setFont(font());
    const int inset = kPaddingX + kBorder;
    painter.drawText(rect().adjusted(inset, 0, -inset, 0), Qt::AlignCenter, text());
}

QPushButton *panelButton(const QString &name, QWidget *parent) {
    auto *button = new PanelButton(parent);
    button->setObjectName(name);
    button->setCursor(Qt::PointingHandCursor);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

} // namespace numbrook
