// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

#include "HelpWindow.h"

#include <QEvent>

namespace numbrook {

HelpWindow::HelpWindow(QWidget *parent) : QWidget(parent) {
    setObjectName(QStringLiteral("fmHelp"));
    setWindowTitle(tr("Help"));
    setWindowFlags(Qt::Tool | Qt::WindowStaysOnTopHint);
}

void HelpWindow::changeEvent(QEvent *event) {
    if (event->type() == QEvent::LanguageChange)
        setWindowTitle(tr("Help"));
    QWidget::changeEvent(event);
}

} // namespace numbrook
