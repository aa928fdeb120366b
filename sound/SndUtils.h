#pragma once

#include <QObject>
#include <QString>
#include <pulse/channelmap.h>
#include <pulse/volume.h>
#include <utility>

namespace numbrook {

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

namespace numbrook {

// Rounds to the nearest whole number, halves to the even neighbour.
int RoundHalfEven(double value);

// Numbrook's own volume for its sound on playback device FDeviceID, in percent per channel:
// every playback stream of Numbrook on that device plays with it, including streams already
// playing. The device's master volume is never touched. Failures are reported through
// ReportSoundError with an empty context.
void SetOutputVolume(int leftPercent, int rightPercent);
// The stream volume for Numbrook's own percentages on a stream with channel map `map`:
// front-left and front-right take their own percent as linear amplitude, a mono stream the
// louder one, other channels the average.
pa_cvolume StreamVolume(const pa_channel_map &map, int leftPercent, int rightPercent);
// Reads it back; (0, 0) and a report for an identifier of no listed device.
std::pair<int, int> GetOutputVolume();

// Track-bar helpers: read a position; set one only when it differs, so that an equal value
// raises no change notification.
template <typename TrackBar> int TrackBarPosition(const TrackBar &bar) {
    return bar.value();
}
template <typename TrackBar> void SetTrackBarPosition(TrackBar &bar, int position) {
    if (bar.value() != position) {
        bar.setValue(position);
    }
}

} // namespace numbrook
