// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QThread>

#include "ThreadRegistry.h"

namespace numbrook {

class SoundEngine;
class PlaybackStream;

// Receiver of the playback threads' level reports. The signal is emitted on the main thread
// while the reporting playback thread waits for the connected slots to return, so the slots may
// touch widgets directly. An exception thrown by a slot is reported as a caught error.
class PlaybackReports : public QObject {
    Q_OBJECT
public:
    PlaybackReports() = default;
    Q_DISABLE_COPY_MOVE(PlaybackReports)

Q_SIGNALS:
    // The output peaks (percent 0..100) of playback device `deviceId`, about every 10 ms while a
    // sound plays on it, and once more with 0 and 0 when the sound ends.
    void outputLevelReport(int deviceId, int leftLevel, int rightLevel);
};

// What one playback plays, and where.
struct PlaybackRequest {
    int objectNumber = 0;
    // The playback device; `sinkName` is its server name (empty for none).
    int deviceId = 0;
    QString sinkName;
    // The name the endpoint meter is matched by.
    QString deviceName;
    bool loop = false;
    // The sound is the file `fileName`, or the RIFF WAVE image `memorySource` when the file
    // name is empty.
    QString fileName;
    QByteArray memorySource;
};

// Plays one WAV sound once, or over and over until stopped, on one sink for one sound object,
// and reports the sink's output peaks while it plays. It holds its own connection to the sound
// server, a playback stream in the file's own format and the endpoint meter. Created and
// started by PlaybackRegistry only; it removes itself from the registry when it ends and is
// deleted on the main thread afterwards.
class PlaybackThread : public QThread {
    Q_OBJECT
public:
    PlaybackThread(SoundEngine &engine, const PlaybackRequest &request);
    ~PlaybackThread() override;

    int objectNumber() const { return request_.objectNumber; }
    int deviceId() const { return request_.deviceId; }

protected:
    void run() override;

private:
    Q_DISABLE_COPY_MOVE(PlaybackThread)

    void play();
    void pumpUntilEnd(PlaybackStream &stream);
    // Reports the levels on the main thread and waits for it.
    void reportLevels(int left, int right);
    void reportError(int code, const QString &context);

    SoundEngine &engine_;
    const PlaybackRequest request_;
};
using TWOThread = PlaybackThread;

// The running playback threads, behind one lock, in order of start.
class PlaybackRegistry : public ThreadRegistry<PlaybackThread> {
public:
    explicit PlaybackRegistry(SoundEngine &engine);
    Q_DISABLE_COPY_MOVE(PlaybackRegistry)

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

private:
    void start(PlaybackRequest request);

    SoundEngine &engine_;
};

} // namespace numbrook
