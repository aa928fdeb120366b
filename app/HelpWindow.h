// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

#pragma once

#include <QWidget>

class QPlainTextEdit;
class QPushButton;

namespace numbrook {

// The help window: the help text of the interface language, read-only and scrollable, shown by
// the program itself so that it shows whatever the desktop can open.
class HelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget *parent = nullptr);
    Q_DISABLE_COPY_MOVE(HelpWindow)

    // Shows the help text of language `languageIndex` (or says where it was looked for when it
    // is missing) and brings the window forward.
    void showHelp(qint32 languageIndex);
    // The file shown; empty when none was found.
    QString shownFile() const { return file_; }

private:
    QPlainTextEdit *text_;
    QPushButton *close_;
    QString file_;
};

using TfmHelp = HelpWindow;

} // namespace numbrook
