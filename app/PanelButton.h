// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

#pragma once

class QPushButton;
class QString;
class QWidget;

namespace numbrook {

// A push button in the settings window's look.
QPushButton *panelButton(const QString &name, QWidget *parent);

} // namespace numbrook
