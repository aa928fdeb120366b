// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

#include "SoundErrors.h"

#include "MainThreadCalls.h"

#include <QMutexLocker>
#include <optional>
#include <pulse/def.h>
#include <pulse/error.h>

namespace numbrook {

namespace {

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
    // A context that already ends in a blank is followed by the text directly.
    const bool separated = context.isEmpty() || context.back().isSpace();
    return (separated ? context + text : context + QLatin1Char(' ') + text).trimmed();
}

QString ExceptionText(const std::exception_ptr &error) {
    try {
        std::rethrow_exception(error);
    } catch (const std::exception &caught) {
        return QString::fromUtf8(caught.what());
    } catch (...) {
        return QStringLiteral("Unknown error");
    }
}

QString SoundErrors::LastErrorText() const {
    QMutexLocker lock(&mutex_);
    return lastErrorText_;
}

void SoundErrors::ReportSoundError(int code, const QString &context, bool fromOutputSide) {
    Q_UNUSED(fromOutputSide);
    const QString message = SoundErrorMessage(code, context);
    {
        QMutexLocker lock(&mutex_);
        lastErrorText_ = message;
    }
    // The message travels with the call, so a text reported meanwhile by another thread can
    // never replace it before the main thread has read it.
    calls_.callOnMainThread([this, message] { Q_EMIT errorTextReady(message); });
}

void SoundErrors::runGuarded(const std::function<void()> &body, bool fromOutputSide) {
    try {
        body();
    } catch (...) {
        ReportSoundError(kCaughtError, ExceptionText(std::current_exception()), fromOutputSide);
    }
}

} // namespace numbrook
