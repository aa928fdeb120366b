// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

#include "PanelButton.h"

#include <QPushButton>

namespace numbrook {

QPushButton *panelButton(const QString &name, QWidget *parent) {
    auto *button = new QPushButton(parent);
    button->setObjectName(name);
    button->setCursor(Qt::PointingHandCursor);
    button->setFocusPolicy(Qt::NoFocus);
    button->setStyleSheet(QStringLiteral(
        "QPushButton { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #2A5F9E,"
        " stop:1 #1A4476); color: #F2F6FC; border: 1px solid #10284A; border-radius: 5px;"
        " font: bold 11px Verdana; padding: 2px 8px; }"
        "QPushButton:hover { background: qlineargradient(x1:0, y1:0, x2:0, y2:1,"
        " stop:0 #3D7BC4, stop:1 #2A5F9E); color: #F0B926; }"
        "QPushButton:disabled { color: #9AB0CC; }"));
    return button;
}

} // namespace numbrook
