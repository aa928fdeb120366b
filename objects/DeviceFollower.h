// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

#pragma once

// How the sound objects follow the sound server's devices while the program runs.

#include "ObjectIniStore.h"
#include "SoundObject.h"

#include <QObject>

class QTimer;

namespace numbrook {

class ObjectLog;
class SoundEngine;
class SoundObjectTable;

// Follows the sound server for the table's objects: builds the device lists afresh, resolves
// every object's devices again by the names kept for them, reopens the microphone volumes and
// starts every wanted capture that does not run on its device. Runs by itself shortly after
// the server's devices change or the connection comes back (bursts of changes run it once).
class DeviceFollower : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(DeviceFollower)

public:
    // Follows for `table`, which owns the follower.
    DeviceFollower(SoundObjectTable &table, SoundEngine &engine, ObjectLog &log);

    void followDevices();
    // No following from here until the server's devices change again.
    void stop();

private:
    void followObject(int n);

    SoundObjectTable &table_;
    SoundEngine &engine_;
    ObjectLog &log_;
    QTimer *timer_ = nullptr;
};

// Gives `o` the devices chosen for it in `devices` as they are now, and goes on keeping the
// name it had (that of the object file at start-up) while no listed device carries it.
void TakeDevices(SoundObject &o, const DeviceChoice &output, const DeviceChoice &input,
                 const DeviceCatalogue &devices);
// The device name to keep in the object file for a stored name that resolved to `resolved` in
// `devices`: the stored name while no listed device carries it (so that a device that is away
// for now is not forgotten), else the resolved one.
QString NameToKeep(const QString &stored, const QString &resolved, const DeviceEntryList &devices);

} // namespace numbrook
