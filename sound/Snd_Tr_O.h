#pragma once

#include "RiffReader.h"

#include <QByteArray>
#include <QList>
#include <QMutex>
#include <QObject>
#include <QString>
#include <QThread>
#include <atomic>
#include <pulse/channelmap.h>
#include <pulse/sample.h>

#include "ThreadRegistry.h"

namespace numbrook {

// The stream format for a wave format record: PCM of 8 (unsigned), 16, 24 or 32 bits, 32-bit
// IEEE float, A-law and mu-law, plain or in the extensible form, with a block alignment of
// exactly one frame; channels in the wave file order. False for anything else, which the
// device open refuses.
bool PlaybackStreamFormat(const WaveFormat &format, pa_sample_spec &streamFormat,
                          pa_channel_map &map);

// Receiver of the playback threads' level reports. The signal is emitted on the main thread
// while the reporting playback thread waits for the connected slots to return, so the slots may
// touch widgets directly. An exception thrown by a slot is reported as a caught error.
class PlaybackReports : public QObject {
    Q_OBJECT
public:
    static PlaybackReports &instance();

Q_SIGNALS:
    // The output peaks (percent 0..100) of playback device `deviceId`, about every 10 ms while a
    // sound plays on it, and once more with 0 and 0 when the sound ends.
    void outputLevelReport(int deviceId, int leftLevel, int rightLevel);

private:
    PlaybackReports() = default;
    Q_DISABLE_COPY_MOVE(PlaybackReports)
};

// Plays one WAV sound once, or over and over until stopped, on one sink for one sound object,
// and reports the sink's output peaks while it plays. It holds its own connection to the sound
// server, a playback stream in the file's own format and the endpoint meter. Created and
// started by PlaybackRegistry only; it removes itself from the registry when it ends and is
// deleted on the main thread afterwards.
class TWOThread : public QThread {
    Q_OBJECT
public:
    // `sinkName` is the server name of playback device `deviceId` (empty for none);
    // `deviceName` is the name the endpoint meter is matched by. The sound is the file
    // `fileName`, or the RIFF WAVE image `memorySource` when the file name is empty.
    TWOThread(int objectNumber, int deviceId, const QString &sinkName, const QString &deviceName,
              bool loop, const QString &fileName, const QByteArray &memorySource);
    ~TWOThread() override;

    int objectNumber() const { return objectNumber_; }
    int deviceId() const { return deviceId_; }

protected:
    void run() override;

private:
    Q_DISABLE_COPY_MOVE(TWOThread)

    // Reports the levels on the main thread and waits for it.
    void reportLevels(int left, int right);

    const int objectNumber_;
    const int deviceId_;
    const QString sinkName_;
    const QString deviceName_;
    const bool loop_;
    const QString fileName_;
    const QByteArray memorySource_;
};

// The running playback threads, behind one lock, in order of start.
class PlaybackRegistry {
public:
    static PlaybackRegistry &instance();

    // Starts playing the WAV file `fileName` (or the in-memory RIFF WAVE image) for object
    // `objectNumber` on playback device `deviceId` (an identifier of OutputDeviceNames, resolved
    // to its server name as last enumerated), once or in a loop. `outDeviceName` is the object's
    // output device name, which selects the endpoint meter. Main thread only. Failures are
    // reported through ReportSoundError by the thread itself; an unreadable sound plays nothing
    // and reports nothing.
    void startFromFile(int objectNumber, int deviceId, bool loop, const QString &fileName,
                       const QString &outDeviceName);
    void startFromMemory(int objectNumber, int deviceId, bool loop, const QByteArray &image,
                         const QString &outDeviceName);
    // Asks every playback thread of the object to end; does not wait.
    void stop(int objectNumber);
    // Number of registered playback threads.
    int count() const;
    // Stops every playback and waits for the threads to end on the main thread, carrying out
    // their last reports meanwhile; releases the finished thread objects. Never deadlocks
    // against a thread that waits for the main thread. Main thread only.
    void stopAll();

private:
    PlaybackRegistry() = default;
    Q_DISABLE_COPY_MOVE(PlaybackRegistry)
    friend class TWOThread;

    ThreadRegistry<TWOThread> registry;
};

} // namespace numbrook
