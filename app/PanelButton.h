// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

#pragma once

#include <QPushButton>

class QString;
class QWidget;

namespace numbrook {

// A push button in the settings window's look: a blue rounded bar with a bold caption that
// turns gold under the pointer. It draws itself, so the window needs no style sheet.
class PanelButton : public QPushButton {
    Q_OBJECT
public:
    explicit PanelButton(QWidget *parent = nullptr);
    // The caption's width with the bar's padding, as the window lays its buttons out.
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
};

// A panel button named `name`, placed by its caller.
QPushButton *panelButton(const QString &name, QWidget *parent);

} // namespace numbrook
