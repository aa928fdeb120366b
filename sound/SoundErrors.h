// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

#pragma once

#include <QMutex>
#include <QObject>
#include <QString>
#include <exception>
#include <functional>

namespace numbrook {

class MainThreadCalls;

// Error codes the sound engine reports besides the sound server's own error codes.
inline constexpr int kMixerNoLine = 1024;    // the mixer has no such line
inline constexpr int kMixerNoControl = 1025; // the mixer line has no such control
inline constexpr int kCaughtError = -5345;   // an error caught inside per-buffer work

// The text for an error code alone: the sound server's own text for its error codes, the mixer
// text for the two mixer codes, the general text with the code for anything else.
QString SoundErrorText(int code);

// The full message: the context first, then one blank and the error text (no second blank when
// the context already ends in one), trimmed as a whole; the context alone when the error text
// is empty.
QString SoundErrorMessage(int code, const QString &context);

// The text of an exception caught while doing something: its own message, or "Unknown error".
QString ExceptionText(const std::exception_ptr &error);

// The single path of every sound error. `ReportSoundError` may be called on any thread; it
// stores the message as LastErrorText and delivers it to the main thread through
// errorTextReady, returning when the main thread has handled it.
class SoundErrors : public QObject {
    Q_OBJECT
public:
    explicit SoundErrors(MainThreadCalls &calls) : calls_(calls) {}
    Q_DISABLE_COPY_MOVE(SoundErrors)

    // `fromOutputSide` says which half of the engine reported; the texts are the same for both.
    void ReportSoundError(int code, const QString &context, bool fromOutputSide);

    // The message of the last reported error (any thread).
    QString LastErrorText() const;

    // For the body of a worker thread, which nothing may escape: runs `body` and reports an
    // exception it lets out as a caught error of the worker's side.
    void runGuarded(const std::function<void()> &body, bool fromOutputSide);

Q_SIGNALS:
    // Carries each message in full. Emitted on the main thread.
    void errorTextReady(const QString &text);

private:
    MainThreadCalls &calls_;
    mutable QMutex mutex_;
    QString lastErrorText_;
};

} // namespace numbrook
