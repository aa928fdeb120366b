#pragma once

#include <QObject>
#include <QString>

namespace numbrook {

// Error codes the sound engine reports besides the sound server's own error codes.
inline constexpr int kMixerNoLine = 1024;    // the mixer has no such line
inline constexpr int kMixerNoControl = 1025; // the mixer line has no such control
inline constexpr int kCaughtError = -5345;   // an error caught inside per-buffer work

// The text for an error code alone: the sound server's own text for its error codes, the mixer
// text for the two mixer codes, the general text with the code for anything else.
QString SoundErrorText(int code);

// The full message: the context first, then one blank and the error text, trimmed as a whole;
// the context alone when the error text is empty.
QString SoundErrorMessage(int code, const QString &context);

// The single path of every sound error. `ReportSoundError` may be called on any thread; it
// stores the message as LastErrorText and delivers it to the main thread through
// errorTextReady, returning when the main thread has handled it.
class SoundErrorReporter : public QObject {
    Q_OBJECT
public:
    static SoundErrorReporter &instance();

    QString lastErrorText() const;

Q_SIGNALS:
    // Carries each message in full. Emitted on the main thread.
    void errorTextReady(const QString &text);

private:
    SoundErrorReporter() = default;
    friend void ReportSoundError(int code, const QString &context, bool fromOutputSide);
    void publish(const QString &message);
};

// `fromOutputSide` says which half of the engine reported; the texts are the same for both.
void ReportSoundError(int code, const QString &context, bool fromOutputSide);

// The message of the last reported error (any thread).
QString LastErrorText();

} // namespace numbrook
