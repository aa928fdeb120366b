#include "snd_dev_ds.h"

#include "PulseConnection.h"

#include <QHash>
#include <QMutex>
#include <QMutexLocker>
#include <algorithm>
#include <pulse/introspect.h>

namespace numbrook {

DeviceEntryList OutputDeviceNames;
DeviceEntryList InputDeviceNames;
int FDeviceID = 0;

namespace {

TDSDeviceList playbackDevices;
TDSDeviceList captureDevices;

struct Enumeration {
    TDSDeviceList *list;
};

void collectSink(pa_context *, const pa_sink_info *info, int eol, void *userdata) {
    if (eol == 0 && info) {
        static_cast<Enumeration *>(userdata)->list->append(
            {QString::fromUtf8(info->description ? info->description : ""),
             QString::fromUtf8(info->name), info->index});
    }
    if (eol != 0) {
        PulseConnection::signalLoop();
    }
}

void collectSource(pa_context *, const pa_source_info *info, int eol, void *userdata) {
    if (eol == 0 && info && info->monitor_of_sink == PA_INVALID_INDEX) {
        static_cast<Enumeration *>(userdata)->list->append(
            {QString::fromUtf8(info->description ? info->description : ""),
             QString::fromUtf8(info->name), info->index});
    }
    if (eol != 0) {
        PulseConnection::signalLoop();
    }
}

// A failed enumeration leaves what was gathered (possibly nothing).
void enumerate(TDSDeviceList &list, bool playback) {
    list.clear();
    Enumeration target{&list};
    PulseConnection::instance().run([&](pa_context *context) {
        return playback ? pa_context_get_sink_info_list(context, collectSink, &target)
                        : pa_context_get_source_info_list(context, collectSource, &target);
    });
    std::sort(list.begin(), list.end(), [](const TDSDeviceItem &a, const TDSDeviceItem &b) {
        return a.serverIndex < b.serverIndex;
    });
}

QString trimmedName(const QString &description) {
    qsizetype first = 0;
    qsizetype last = description.size();
    auto blank = [](QChar c) { return c.isSpace() || c.unicode() < 0x20 || c.unicode() == 0x7F; };
    while (first < last && blank(description[first])) {
        ++first;
    }
    while (last > first && blank(description[last - 1])) {
        --last;
    }
    return description.mid(first, last - first);
}

void buildList(DeviceEntryList &names, TDSDeviceList &devices, bool playback, bool showSpdif) {
    names.clear();
    enumerate(devices, playback);
    for (int i = 0; i < devices.size(); ++i) {
        const QString name = trimmedName(devices[i].description);
        if (showSpdif || !name.toUpper().contains(QStringLiteral("SPDIF"))) {
            names.append({name, i});
        }
    }
}

const TDSDeviceItem *itemAt(const TDSDeviceList &devices, int deviceId) {
    return deviceId >= 0 && deviceId < devices.size() ? &devices[deviceId] : nullptr;
}

std::pair<QString, QString> entry(const TDSDeviceList &devices, int index) {
    const TDSDeviceItem *item = itemAt(devices, index);
    return item ? std::pair{item->description, item->serverName} : std::pair<QString, QString>{};
}

} // namespace

int PlaybackDeviceCount() {
    enumerate(playbackDevices, true);
    return int(playbackDevices.size());
}

std::pair<QString, QString> PlaybackDeviceEntry(int index) {
    return entry(playbackDevices, index);
}

int CaptureDeviceCount() {
    enumerate(captureDevices, false);
    return int(captureDevices.size());
}

std::pair<QString, QString> CaptureDeviceEntry(int index) {
    return entry(captureDevices, index);
}

void BuildOutputList(bool showSpdif) {
    buildList(OutputDeviceNames, playbackDevices, true, showSpdif);
}

void BuildInputList(bool showSpdif) {
    buildList(InputDeviceNames, captureDevices, false, showSpdif);
}

QString OutputServerName(int deviceId) {
    const TDSDeviceItem *item = itemAt(playbackDevices, deviceId);
    return item ? item->serverName : QString();
}

QString OutputDescription(int deviceId) {
    const TDSDeviceItem *item = itemAt(playbackDevices, deviceId);
    return item ? item->description : QString();
}

QString InputServerName(int deviceId) {
    const TDSDeviceItem *item = itemAt(captureDevices, deviceId);
    return item ? item->serverName : QString();
}

qint64 InputServerIndex(int deviceId) {
    const TDSDeviceItem *item = itemAt(captureDevices, deviceId);
    return item ? qint64(item->serverIndex) : -1;
}

} // namespace numbrook
