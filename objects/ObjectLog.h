// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

#pragma once

#include <QString>

class QPlainTextEdit;

namespace numbrook {

// The main window's hidden log of the sound objects and the sound engine. Lines are only
// appended; each also goes to the logging category "numbrook.sound", so that a user can see
// why the microphone is silent without opening the program's hidden controls.
class ObjectLog {
public:
    explicit ObjectLog(QPlainTextEdit *memo = nullptr) : memo_(memo) {}

    void setMemo(QPlainTextEdit *memo) { memo_ = memo; }
    void append(const QString &line);
    void clear();
    QPlainTextEdit *memo() const { return memo_; }

private:
    QPlainTextEdit *memo_ = nullptr;
};

} // namespace numbrook
