#include "SndUtils.h"

#include "MainThreadCall.h"

#include <QMutex>
#include <QMutexLocker>
#include <pulse/def.h>
#include <pulse/error.h>

namespace numbrook {

namespace {

QMutex lastErrorMutex;
QString lastError;

bool isSoundServerCode(int code) {
    return code > 0 && code < PA_ERR_MAX;
}

} // namespace

QString SoundErrorText(int code) {
    if (isSoundServerCode(code)) {
        return QString::fromUtf8(pa_strerror(code));
    }
    if (code == kMixerNoLine || code == kMixerNoControl) {
        return QStringLiteral("Ошибка микшера!!! Код ошибки: ") + QString::number(code);
    }
    return QStringLiteral("Ошибка!!! Код ошибки: ") + QString::number(code);
}

QString SoundErrorMessage(int code, const QString &context) {
    const QString text = SoundErrorText(code);
    if (text.isEmpty()) {
        return context;
    }
    return (context + QLatin1Char(' ') + text).trimmed();
}

SoundErrorReporter &SoundErrorReporter::instance() {
    static SoundErrorReporter reporter;
    return reporter;
}

QString SoundErrorReporter::lastErrorText() const {
    QMutexLocker lock(&lastErrorMutex);
    return lastError;
}

void SoundErrorReporter::publish(const QString &message) {
    {
        QMutexLocker lock(&lastErrorMutex);
        lastError = message;
    }
    // The message travels with the call, so a text reported meanwhile by another thread can
    // never replace it before the main thread has read it.
    callOnMainThread([this, message] { Q_EMIT errorTextReady(message); });
}

void ReportSoundError(int code, const QString &context, bool fromOutputSide) {
    Q_UNUSED(fromOutputSide);
    SoundErrorReporter::instance().publish(SoundErrorMessage(code, context));
}

QString LastErrorText() {
    return SoundErrorReporter::instance().lastErrorText();
}

} // namespace numbrook
