// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

#pragma once

#include <QWidget>

namespace numbrook {

// The help window: a tool window the program creates and never shows. The interface texts it
// once held live in the string table.
class HelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget *parent = nullptr);
    Q_DISABLE_COPY_MOVE(HelpWindow)

protected:
    // Its caption follows the interface language.
    void changeEvent(QEvent *event) override;
};

using TfmHelp = HelpWindow;

} // namespace numbrook
