// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

#include "HelpWindow.h"

namespace numbrook {

HelpWindow::HelpWindow(QWidget *parent) : QWidget(parent) {
    setObjectName(QStringLiteral("fmHelp"));
    setWindowTitle(QStringLiteral("Help"));
    setWindowFlags(Qt::Tool | Qt::WindowStaysOnTopHint);
}

} // namespace numbrook
