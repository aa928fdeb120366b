// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

#include "ObjectLog.h"

#include "SoundLog.h"

#include <QPlainTextEdit>

namespace numbrook {

void ObjectLog::append(const QString &line) {
    if (memo_) {
        memo_->appendPlainText(line);
    }
    qCInfo(lcSound).noquote() << line;
}

void ObjectLog::clear() {
    if (memo_) {
        memo_->clear();
    }
}

} // namespace numbrook
