// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

#pragma once

#include <QList>
#include <QString>
#include <utility>

namespace numbrook {

class PulseConnection;

// One device as the sound server lists it: the description exactly as the server gives it, with
// the server's own name and index beside it.
struct ServerDevice {
    QString description;
    QString serverName;
    quint32 serverIndex = 0;
};
using ServerDeviceList = QList<ServerDevice>;
using TDSDeviceItem = ServerDevice;
using TDSDeviceList = ServerDeviceList;

// One entry of a device list: the name the user sees and the device identifier, which is the
// device's position in its enumeration before any filtering.
struct DeviceEntry {
    QString name;
    int id = 0;
};
using DeviceEntryList = QList<DeviceEntry>;

// Identifier of no device; no device call accepts it.
inline constexpr int kNoDevice = -1;

// Every playback stream of Numbrook carries this stream property with the value "1", so that
// its own output volume reaches streams already playing.
inline constexpr char kPlaybackStreamProperty[] = "numbrook.playback";

// The playback and capture devices of the sound server, as last enumerated, and the lists the
// user chooses from. The one place that turns a device identifier into a server device.
// Playback devices are the server's sinks; capture devices its sources that are not the monitor
// of a sink; each in the server's index order. Main thread only.
class DeviceCatalogue {
public:
    explicit DeviceCatalogue(PulseConnection &connection) : connection_(connection) {}
    Q_DISABLE_COPY_MOVE(DeviceCatalogue)

    DeviceEntryList OutputDeviceNames;
    DeviceEntryList InputDeviceNames;

    // Each call enumerates afresh.
    int PlaybackDeviceCount();
    int CaptureDeviceCount();
    // Name and server name of entry `index`; empty texts beyond the last entry.
    std::pair<QString, QString> PlaybackDeviceEntry(int index) const;
    std::pair<QString, QString> CaptureDeviceEntry(int index) const;

    // Empties the list and fills it afresh; a name containing "SPDIF" in any letter case is left
    // out unless `showSpdif`. Names are trimmed of blanks and control characters.
    void BuildOutputList(bool showSpdif);
    void BuildInputList(bool showSpdif);
    // Builds both lists afresh with the choices of their last build (after the server's
    // devices changed).
    void Rebuild();

    // The server name of the device with an identifier, as last enumerated; empty for none.
    QString OutputServerName(int deviceId) const;
    QString OutputDescription(int deviceId) const;
    QString InputServerName(int deviceId) const;
    // The server index of a capture device, or -1.
    qint64 InputServerIndex(int deviceId) const;

private:
    void enumerate(ServerDeviceList &list, bool playback);
    void buildList(DeviceEntryList &names, ServerDeviceList &devices, bool playback,
                   bool showSpdif);

    PulseConnection &connection_;
    ServerDeviceList playbackDevices_;
    ServerDeviceList captureDevices_;
    bool outputSpdif_ = false;
    bool inputSpdif_ = true;
};

} // namespace numbrook
