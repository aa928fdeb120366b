// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

#pragma once

#include <QHash>
#include <QMutex>
#include <QString>
#include <utility>

namespace numbrook {

class DeviceCatalogue;
class PulseConnection;
class SoundErrors;

// Rounds to the nearest whole number, halves to the even neighbour.
int RoundHalfEven(double value);

// Numbrook's own volume for its sound on each playback device, in percent per channel: every
// playback stream of Numbrook on a device plays with it, including streams already playing.
// The device's master volume is never touched.
class OutputVolume {
public:
    OutputVolume(PulseConnection &connection, const DeviceCatalogue &devices, SoundErrors &errors)
        : connection_(connection), devices_(devices), errors_(errors) {}
    Q_DISABLE_COPY_MOVE(OutputVolume)

    // Sets the volume of playback device `FDeviceID` (main thread). Failures are reported
    // through ReportSoundError with an empty context.
    void SetOutputVolume(int FDeviceID, int leftPercent, int rightPercent);
    // Reads it back; (0, 0) and a report for an identifier of no listed device.
    std::pair<int, int> GetOutputVolume(int FDeviceID);

    // The volume for a sink by server name; 100/100 until set. Safe on any thread.
    std::pair<int, int> OutputVolumeForSink(const QString &sinkName) const;

private:
    // The server name of the device, or empty after reporting that there is none.
    QString sinkOf(int deviceId);
    void applyToOwnStreams(const QString &sink, int left, int right);

    PulseConnection &connection_;
    const DeviceCatalogue &devices_;
    SoundErrors &errors_;
    mutable QMutex mutex_;
    QHash<QString, std::pair<int, int>> volumes_;
};

} // namespace numbrook
