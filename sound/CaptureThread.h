// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QThread>
#include <QtGlobal>
#include <array>
#include <atomic>
#include <cstddef>
#include <span>

#include "ClapDetector.h"
#include "SoundObjectNumber.h"
#include "StopWaker.h"
#include "ThreadRegistry.h"

namespace numbrook {

// The fixed capture format: unsigned 8-bit mono (silence = 128) at 22050 samples a second, in
// buffers of 512 samples (about 23 ms).
inline constexpr int kCaptureSampleRate = 22050;
inline constexpr int kCaptureBufferBytes = 512;
inline constexpr int kCaptureSilence = 128;

inline constexpr int kDefaultTriggerThreshold = 78;

// The peak of one buffer: the largest distance of a sample from 128 (0 for silence, 128 at
// full scale).
int MicLevel(std::span<const quint8> samples);

// True when some sample lies below `threshold` (as a distance from 128) and the next one at or
// above it. One rising crossing is enough: a buffer reports at most one trigger. A threshold
// of 0 never fires, since no distance is below 0.
bool HasRisingCrossing(std::span<const quint8> samples, int threshold);

// Cuts a stream of fragments of any size into blocks of exactly kCaptureBufferBytes bytes, in
// order; what does not fill a block waits for the next fragment.
class CaptureBlockCutter {
public:
    void append(const void *data, std::size_t size);
    // Moves the next whole block into `block`; false when less than a block is waiting.
    bool takeBlock(std::array<quint8, kCaptureBufferBytes> &block);
    std::size_t pendingBytes() const { return pending.size() - readPos; }

private:
    QByteArray pending;
    qsizetype readPos = 0;
};

class SoundEngine;

// Receiver of the capture threads' reports. Both signals are emitted on the main thread while
// the reporting capture thread waits for the connected slots to return, so the slots may touch
// widgets directly. An exception thrown by a slot is reported as a caught capture error.
class CaptureReports : public QObject {
    Q_OBJECT
public:
    CaptureReports() = default;
    Q_DISABLE_COPY_MOVE(CaptureReports)

Q_SIGNALS:
    // The peak of the last buffer captured from input device `deviceId` (0..128); once more with
    // 0 when a capture ends.
    void levelReport(int deviceId, int level);
    // A buffer of object `objectNumber` held a rising crossing of its threshold.
    void triggerReport(int objectNumber);
};

class CaptureStream;

// Listens to one capture source for one sound object until interruption is requested. It holds
// its own connection to the sound server and a record stream in the fixed capture format, and
// does the per-buffer work (level, level report, crossing scan or clap detector, trigger report) on
// this thread as each 512-byte block arrives. Created and started by CaptureRegistry only; it
// removes itself from the registry when it ends and is deleted on the main thread afterwards.
class CaptureThread : public QThread {
    Q_OBJECT
public:
    CaptureThread(SoundEngine &engine, int objectNumber, int deviceId, const QString &sourceName);
    ~CaptureThread() override;

    int objectNumber() const { return objectNumber_; }
    int deviceId() const { return deviceId_; }
    const QString &sourceName() const { return sourceName_; }
    // MicLevel of the last buffer, 0 once the capture has ended.
    int lastLevel() const { return lastLevel_.load(); }
    // Ends the thread's wait for the server after its interruption was requested: between
    // buffers it waits without a time limit.
    void wakeForStop() const { stopWaker_.requestStop(); }

protected:
    void run() override;

private:
    Q_DISABLE_COPY_MOVE(CaptureThread)

    void capture();
    void pumpUntilStopped(CaptureStream &stream);
    void processBlock(std::span<const quint8> block);
    // Reports the level on the main thread; false when the receiver failed.
    bool reportLevel(int level);
    void logClapCandidate(int decided) const;
    void reportError(int code, const QString &context);

    SoundEngine &engine_;
    const int objectNumber_;
    const int deviceId_;
    const QString sourceName_;
    std::atomic<int> lastLevel_{0};
    StopWaker stopWaker_;
    // Used while the object hears only claps; started afresh each time that is switched on.
    ClapDetector clapDetector_;
    bool listeningForClaps_ = false;
};
using TWIThread = CaptureThread;

// The running capture threads, behind one lock, and the objects' trigger thresholds.
class CaptureRegistry : public ThreadRegistry<CaptureThread> {
public:
    explicit CaptureRegistry(SoundEngine &engine);
    Q_DISABLE_COPY_MOVE(CaptureRegistry)

    // Starts capturing the source with server name `sourceName` for object `objectNumber`;
    // `deviceId` is the device identifier the level reports carry. Refused (false) for an
    // object number outside 1..4 and while a capture of that object is registered. Failures to
    // open the device are reported through ReportSoundError by the thread itself.
    bool start(int objectNumber, int deviceId, const QString &sourceName);
    // Starts capturing input device `deviceId` (an identifier of InputDeviceNames) for object
    // `objectNumber`; the device is resolved to its server name as last enumerated.
    bool StartCapture(int objectNumber, int deviceId);
    // True while object `objectNumber` captures input device `deviceId` from the source that
    // has that identifier now.
    bool capturesCurrentDevice(int objectNumber, int deviceId) const;

    // The trigger threshold of sound object `objectNumber` (1..4), 0..128 on the scale of
    // MicLevel. The capture thread reads it afresh for every buffer; the threshold track bar of
    // the object stores into it. Starts at kDefaultTriggerThreshold. An object number outside
    // 1..4 gets a threshold of its own that never fires.
    std::atomic<int> &TriggerThreshold(int objectNumber);
    // Whether object `objectNumber` answers only to claps (ClapDetector), its threshold then
    // being the rise over the background level; false (the plain crossing scan) at first. Read
    // afresh for every buffer, like the threshold.
    std::atomic<bool> &ClapsOnly(int objectNumber);

private:
    SoundEngine &engine_;
    PerObject<std::atomic<int>> thresholds_;
    std::atomic<int> outsideThreshold_{0};
    PerObject<std::atomic<bool>> clapsOnly_;
    std::atomic<bool> outsideClapsOnly_{false};
};

} // namespace numbrook
