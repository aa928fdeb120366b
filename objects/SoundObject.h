// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

#pragma once

#include "DeviceCatalogue.h"
#include "MicrophoneVolume.h"
#include "SoundObjectPanel.h"

#include <QString>
#include <QStringList>

class QTimer;

namespace numbrook {

struct WaveClip;

// One sound object: a playback side (output device, channel volumes, files or built-in clips)
// coupled with a microphone side (capture device, threshold, input volume, signalling). The
// mixer state of the microphone side is the ObjectMixer base. `panel` holds the main window's
// controls of this object; they are null until bound.
struct SoundObject : ObjectMixer {
    int number = 0; // kFirstSoundObject..kLastSoundObject
    SoundObjectPanel panel;

    // Playback side.
    int VolumeLeft = 50;
    int VolumeRight = 50;
    int OutDeviceID = kNoDevice;
    QString OutDeviceName;
    // The output device name the object file keeps: the chosen device's name, or the stored
    // name while that device is not listed (no server, device unplugged), so that it is never
    // overwritten by a stand-in or by nothing.
    QString SavedOutDeviceName;
    int FileIndex = -1;
    bool PlayFromFile = false;
    const QList<WaveClip> *wl = nullptr;
    // Full paths of the folder's files, or the titles of the built-in clips.
    QStringList FileList;

    // Microphone side (InDeviceID and the mixer fields are in ObjectMixer).
    QString InDeviceName;
    // The same for the input device.
    QString SavedInDeviceName;
    // The hold timer of the signalling, made when the object is bound; none for an object whose
    // answer's owner holds its signalling (SignallingHold::Answer).
    QTimer *tmPorog = nullptr;
};

} // namespace numbrook
