// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

#include "TrayMenu.h"

#include <QLinearGradient>
#include <QPainter>

namespace numbrook {

TrayMenu::TrayMenu(QWidget *parent) : QMenu(parent) {
    setObjectName(QStringLiteral("Menu_Tray"));
    // Items start to the right of the caption strip.
    setContentsMargins(CaptionWidth, 0, 0, 0);
}

void TrayMenu::paintEvent(QPaintEvent *event) {
    QMenu::paintEvent(event);
    QPainter painter(this);
    const QRect strip(0, 0, CaptionWidth, height());
    QLinearGradient gradient(strip.bottomLeft(), strip.topLeft());
    gradient.setColorAt(0, QColor(0x02, 0x3D, 0x7D));
    gradient.setColorAt(1, QColor(0x37, 0xBE, 0xFF));
    painter.fillRect(strip, gradient);

    QFont font(QStringLiteral("Verdana"));
    font.setPixelSize(13);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(QColor(0xD7, 0xED, 0xFF));
    // Read from bottom to top, starting a little above the bottom edge.
    painter.translate(0, height());
    painter.rotate(-90);
    painter.drawText(QRect(6, 0, height() - 12, CaptionWidth), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("Numbrook"));
}

TrayIcon::TrayIcon(const QIcon &icon, const std::array<QIcon, ItemCount> &itemPictures,
                   QObject *parent)
    : QSystemTrayIcon(icon, parent), Menu_Tray(new TrayMenu) {
    setObjectName(QStringLiteral("TrayIcon"));
    setToolTip(QStringLiteral("Numbrook"));
    // Items 1 and 2 keep these captions in every language; 3 to 6 are filled by the language
    // table.
    const QString fixedCaptions[] = {QStringLiteral("Интерфейс: Русский"),
                                     QStringLiteral("Interface: English")};
    for (int number = 1; number <= ItemCount; ++number) {
        auto *action = new QAction(itemPictures[std::size_t(number - 1)],
                                   number <= 2 ? fixedCaptions[number - 1] : QString(), Menu_Tray);
        // The results item came later than the exit, which stays last.
        Menu_Tray->insertAction(number == 6 ? items_[4] : nullptr, action);
        action->setObjectName(QStringLiteral("TrayMenu_%1").arg(number));
        connect(action, &QAction::triggered, this,
                [this, number] { Q_EMIT itemTriggered(number); });
        items_[std::size_t(number - 1)] = action;
    }
    setContextMenu(Menu_Tray);
    connect(this, &QSystemTrayIcon::activated, this, [this](ActivationReason reason) {
        if (reason == DoubleClick)
            Q_EMIT doubleClicked();
    });
}

TrayIcon::~TrayIcon() {
    delete Menu_Tray;
}

QAction *TrayIcon::item(int number) const {
    if (number < 1 || number > ItemCount)
        return nullptr;
    return items_[std::size_t(number - 1)];
}

} // namespace numbrook
