// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

#include "DeviceFollower.h"

#include "SoundEngine.h"
#include "SoundObjectTable.h"

#include <QTimer>

#include <algorithm>

namespace numbrook {

namespace {

// How long the device lists wait for a burst of device events to end.
constexpr int kFollowDelayMs = 150;

} // namespace

QString NameToKeep(const QString &stored, const QString &resolved, const DeviceEntryList &devices) {
    const bool listed = std::any_of(devices.cbegin(), devices.cend(), [&](const DeviceEntry &d) {
        return d.name.compare(stored, Qt::CaseInsensitive) == 0;
    });
    return stored.isEmpty() || listed ? resolved : stored;
}

void TakeDevices(SoundObject &o, const DeviceChoice &output, const DeviceChoice &input,
                 const DeviceCatalogue &devices) {
    o.OutDeviceID = output.id;
    o.OutDeviceName = output.name;
    o.SavedOutDeviceName = NameToKeep(o.SavedOutDeviceName, output.name, devices.OutputDeviceNames);
    o.InDeviceID = input.id;
    o.InDeviceName = input.name;
    o.SavedInDeviceName = NameToKeep(o.SavedInDeviceName, input.name, devices.InputDeviceNames);
}

DeviceFollower::DeviceFollower(SoundObjectTable &table, SoundEngine &engine, ObjectLog &log)
    : QObject(&table), table_(table), engine_(engine), log_(log) {
    // A device plugged in or out, or a server restart, often comes as a burst of events: one
    // rebuild a moment after the last of them.
    timer_ = new QTimer(this);
    timer_->setSingleShot(true);
    timer_->setInterval(kFollowDelayMs);
    connect(timer_, &QTimer::timeout, this, &DeviceFollower::followDevices);
    for (auto change : {&PulseConnection::devicesChanged, &PulseConnection::reconnected}) {
        connect(&engine_.connection, change, timer_, qOverload<>(&QTimer::start));
    }
}

void DeviceFollower::stop() {
    timer_->stop();
}

void DeviceFollower::followDevices() {
    DeviceCatalogue &devices = engine_.devices;
    devices.Rebuild();
    log_.append(QStringLiteral("device lists rebuilt: %1 playback, %2 capture")
                    .arg(devices.OutputDeviceNames.size())
                    .arg(devices.InputDeviceNames.size()));
    const bool guard = table_.UpdateGuard;
    table_.UpdateGuard = true;
    // An object not loaded yet takes its devices by its kept names when it is loaded.
    for (int n = kFirstSoundObject; n <= kLastSoundObject; ++n) {
        if (table_.isLoaded(n)) {
            followObject(n);
        }
    }
    table_.UpdateGuard = guard;
    for (int n = kFirstSoundObject; n <= kLastSoundObject; ++n) {
        const int device = table_.object(n).InDeviceID;
        if (!table_.captureWanted(n) || engine_.captures.capturesCurrentDevice(n, device)) {
            continue;
        }
        // A capture of a device that went, or whose identifier now names another device, ends
        // before the object's capture starts again, so that there is never more than one.
        engine_.captures.finish(n);
        if (device != kNoDevice) {
            // Still wanted: started again on the object's device.
            table_.startMic(n);
        }
    }
}

// Resolves object n's devices in the new lists by the names it keeps, as at start-up, and
// reopens its microphone volume.
void DeviceFollower::followObject(int n) {
    SoundObject &o = table_.object(n);
    TakeDevices(o, ResolveDeviceName(engine_.devices.OutputDeviceNames, o.SavedOutDeviceName),
                ResolveDeviceName(engine_.devices.InputDeviceNames, o.SavedInDeviceName),
                engine_.devices);
    if (o.OutDeviceID != kNoDevice) {
        engine_.outputVolume.SetOutputVolume(o.OutDeviceID, o.VolumeLeft, o.VolumeRight);
    }
    table_.ShowObjectDevice(n);

    // The object keeps its input volume while its device is away, and gives it to the device
    // again when it comes back, as at start-up.
    MicrophoneVolume &volume = engine_.microphoneVolume;
    const int kept = o.MixerVolume;
    volume.CloseObjectMixer(o);
    o.MixerVolume = kept;
    // With no device listed there is nothing to open, and nothing to report.
    o.MixerOpen = o.InDeviceID != kNoDevice && volume.OpenObjectMixer(o);
    if (o.MixerOpen) {
        volume.WriteObjectMixerVolume(o, kept);
        volume.ReadObjectMixerVolume(o);
    }
    table_.ShowObjectMic(n);
    log_.append(QStringLiteral("FMixerControlID= %1 %2 %3")
                    .arg(n)
                    .arg(o.FMixerControlID)
                    .arg(o.MixerHandle));
}

} // namespace numbrook
