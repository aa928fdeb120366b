// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

#pragma once

#include <QObject>
#include <functional>

namespace numbrook {

// The identifier of no volume control.
inline constexpr quint32 kNoMixerControl = 999999;

// The microphone volume of one sound object: the capture device's own volume on the sound
// server (a system-wide control, as a recording mixer is). 50 percent is the device's unity
// gain; 100 percent is twice that, the server's software boost.
struct ObjectMixer {
    int InDeviceID = -1;
    quint32 MixerHandle = 0;                   // the capture device's server index while open
    quint32 FMixerControlID = kNoMixerControl; // likewise; kNoMixerControl while none is known
    quint32 MixerMaximum = 0;
    int MixerVolume = 0; // percent, as last read or set
    bool MixerOpen = false;

    // The object's input volume track bar: enable it, move it (only when it differs).
    std::function<void(bool)> setTrackEnabled;
    std::function<void(int)> setTrackPosition;
};

class DeviceCatalogue;
class PulseConnection;
class SoundErrors;

// The microphone volumes of the sound objects: the capture devices' own volumes on the sound
// server, and the outside changes of them. Main thread only.
class MicrophoneVolume : public QObject {
    Q_OBJECT
public:
    MicrophoneVolume(PulseConnection &connection, const DeviceCatalogue &devices,
                     SoundErrors &errors);
    Q_DISABLE_COPY_MOVE(MicrophoneVolume)

    // Finds the control of the object's capture device; true when found. Failures are reported
    // with "Error at mixerGetId: " (no such device) and "Error at mixerOpen: " (the server does
    // not answer for it).
    bool OpenObjectMixer(ObjectMixer &mixer);
    void CloseObjectMixer(ObjectMixer &mixer);
    // Reads the control into MixerVolume and the track bar; does nothing while closed.
    void ReadObjectMixerVolume(ObjectMixer &mixer);
    // Writes a percent to the control, unless it already holds that value; nothing while
    // closed.
    void WriteObjectMixerVolume(ObjectMixer &mixer, int percent);

Q_SIGNALS:
    // A capture device's volume changed from outside; carries its control identifier.
    void controlChanged(quint32 controlId);

private:
    struct SourceVolume;
    bool querySource(quint32 index, SourceVolume &result);
    // The error of a query: the device vanished when the query ran but found nothing.
    int failureCode(bool ran) const;
    bool readControl(const ObjectMixer &mixer, SourceVolume &source);

    PulseConnection &connection_;
    const DeviceCatalogue &devices_;
    SoundErrors &errors_;
};

} // namespace numbrook
