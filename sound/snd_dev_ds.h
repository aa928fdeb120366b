#pragma once

#include <QList>
#include <QString>
#include <utility>

namespace numbrook {

// One enumerated device: the description exactly as the sound server gives it, with the
// server's own name and index beside it.
struct TDSDeviceItem {
    QString description;
    QString serverName;
    quint32 serverIndex = 0;
};
using TDSDeviceList = QList<TDSDeviceItem>;

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

extern DeviceEntryList OutputDeviceNames;
extern DeviceEntryList InputDeviceNames;
// The playback device the output volume operations address.
extern int FDeviceID;

// Playback devices are the server's sinks; capture devices its sources that are not the monitor
// of a sink; each in the server's index order. Each call enumerates afresh.
int PlaybackDeviceCount();
// Name and server name of entry `index`; empty texts beyond the last entry.
std::pair<QString, QString> PlaybackDeviceEntry(int index);
int CaptureDeviceCount();
std::pair<QString, QString> CaptureDeviceEntry(int index);

// Empties the list and fills it afresh; a name containing "SPDIF" in any letter case is left
// out unless `showSpdif`. Names are trimmed of blanks and control characters.
void BuildOutputList(bool showSpdif);
void BuildInputList(bool showSpdif);

// The server name of the device with an identifier, as last enumerated; empty for none.
QString OutputServerName(int deviceId);
QString OutputDescription(int deviceId);
QString InputServerName(int deviceId);
// The server index of a capture device, or -1.
qint64 InputServerIndex(int deviceId);

// Numbrook's own volume for its streams on a sink, in percent; 100/100 until set.
// Safe on any thread.
std::pair<int, int> OutputVolumeForSink(const QString &sinkName);

} // namespace numbrook
