#include "ObjectLog.h"

#include <QLoggingCategory>
#include <QPlainTextEdit>

namespace numbrook {

namespace {
Q_LOGGING_CATEGORY(lcObjectLog, "numbrook.sound")
}

void ObjectLog::append(const QString &line) {
    if (memo_) {
        memo_->appendPlainText(line);
    }
    qCInfo(lcObjectLog).noquote() << line;
}

void ObjectLog::clear() {
    if (memo_) {
        memo_->clear();
    }
}

} // namespace numbrook
