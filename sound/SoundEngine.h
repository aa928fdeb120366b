// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

#pragma once

#include "CaptureThread.h"
#include "DeviceCatalogue.h"
#include "MainThreadCalls.h"
#include "MicrophoneVolume.h"
#include "ObjectIniStore.h"
#include "OutputVolume.h"
#include "PlaybackThread.h"
#include "PulseConnection.h"
#include "SoundErrors.h"
#include "WorkerReports.h"

namespace numbrook {

// The sound engine: the one owner of everything the sound side shares. The program makes one;
// tests make their own. It is passed by reference to the sound object table and to every
// capture and playback thread, and it outlives them all: its destruction stops the threads and
// carries out their last reports before anything else goes.
//
// The parts are listed in the order they are built; each uses only those above it.
class SoundEngine {
public:
    SoundEngine();
    ~SoundEngine();
    Q_DISABLE_COPY_MOVE(SoundEngine)

    // Connects to the sound server; false when it cannot be reached (the connection retries by
    // itself, and the program runs on with empty device lists meanwhile).
    bool open();
    // Connects to the sound server in the background: the device lists fill in, and the
    // objects take their devices, once `connection.reconnected` says it is ready.
    void openInBackground();
    // Stops every thread and disconnects.
    void close();

    // How the workers' reports reach the main thread.
    MainThreadCalls mainThreadCalls;
    // Every sound error goes through here.
    SoundErrors errors{mainThreadCalls};
    // Every routine report of a worker (levels, triggers) goes through here.
    WorkerReports reports{mainThreadCalls, errors};
    // The main thread's connection to the sound server.
    PulseConnection connection;
    // The device lists, and the one place a device identifier is resolved.
    DeviceCatalogue devices{connection};
    // The sound object file.
    ObjectIniStore objectIni{errors};
    OutputVolume outputVolume{connection, devices, errors};
    MicrophoneVolume microphoneVolume{connection, devices, errors};
    CaptureReports captureReports;
    PlaybackReports playbackReports;
    CaptureRegistry captures{*this};
    PlaybackRegistry playbacks{*this};
};

} // namespace numbrook
