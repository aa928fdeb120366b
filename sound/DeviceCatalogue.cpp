// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

#include "DeviceCatalogue.h"

#include "PulseConnection.h"

#include <algorithm>
#include <pulse/introspect.h>

namespace numbrook {

namespace {

struct Enumeration {
    const PulseConnection &connection;
    ServerDeviceList &list;

    void add(const char *description, const char *name, quint32 index) {
        list.append(
            {QString::fromUtf8(description ? description : ""), QString::fromUtf8(name), index});
    }
};

void collectSink(pa_context *, const pa_sink_info *info, int eol, void *userdata) {
    auto *target = static_cast<Enumeration *>(userdata);
    if (eol == 0 && info) {
        target->add(info->description, info->name, info->index);
    }
    if (eol != 0) {
        target->connection.signalLoop();
    }
}

void collectSource(pa_context *, const pa_source_info *info, int eol, void *userdata) {
    auto *target = static_cast<Enumeration *>(userdata);
    if (eol == 0 && info && info->monitor_of_sink == PA_INVALID_INDEX) {
        target->add(info->description, info->name, info->index);
    }
    if (eol != 0) {
        target->connection.signalLoop();
    }
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

const ServerDevice *itemAt(const ServerDeviceList &devices, int deviceId) {
    return deviceId >= 0 && deviceId < devices.size() ? &devices[deviceId] : nullptr;
}

std::pair<QString, QString> entry(const ServerDeviceList &devices, int index) {
    const ServerDevice *item = itemAt(devices, index);
    return item ? std::pair{item->description, item->serverName} : std::pair<QString, QString>{};
}

} // namespace

// A failed enumeration leaves what was gathered (possibly nothing).
void DeviceCatalogue::enumerate(ServerDeviceList &list, bool playback) {
    list.clear();
    Enumeration target{connection_, list};
    connection_.run([&](pa_context *context) {
        return playback ? pa_context_get_sink_info_list(context, collectSink, &target)
                        : pa_context_get_source_info_list(context, collectSource, &target);
    });
    std::sort(list.begin(), list.end(), [](const ServerDevice &a, const ServerDevice &b) {
        return a.serverIndex < b.serverIndex;
    });
}

void DeviceCatalogue::buildList(DeviceEntryList &names, ServerDeviceList &devices, bool playback,
                                bool showSpdif) {
    names.clear();
    enumerate(devices, playback);
    for (int i = 0; i < devices.size(); ++i) {
        const QString name = trimmedName(devices[i].description);
        if (showSpdif || !name.toUpper().contains(QStringLiteral("SPDIF"))) {
            names.append({name, i});
        }
    }
}

int DeviceCatalogue::PlaybackDeviceCount() {
    enumerate(playbackDevices_, true);
    return int(playbackDevices_.size());
}

std::pair<QString, QString> DeviceCatalogue::PlaybackDeviceEntry(int index) const {
    return entry(playbackDevices_, index);
}

int DeviceCatalogue::CaptureDeviceCount() {
    enumerate(captureDevices_, false);
    return int(captureDevices_.size());
}

std::pair<QString, QString> DeviceCatalogue::CaptureDeviceEntry(int index) const {
    return entry(captureDevices_, index);
}

void DeviceCatalogue::BuildOutputList(bool showSpdif) {
    outputSpdif_ = showSpdif;
    buildList(OutputDeviceNames, playbackDevices_, true, showSpdif);
}

void DeviceCatalogue::BuildInputList(bool showSpdif) {
    inputSpdif_ = showSpdif;
    buildList(InputDeviceNames, captureDevices_, false, showSpdif);
}

QString DeviceCatalogue::OutputServerName(int deviceId) const {
    const ServerDevice *item = itemAt(playbackDevices_, deviceId);
    return item ? item->serverName : QString();
}

QString DeviceCatalogue::OutputDescription(int deviceId) const {
    const ServerDevice *item = itemAt(playbackDevices_, deviceId);
    return item ? item->description : QString();
}

QString DeviceCatalogue::InputServerName(int deviceId) const {
    const ServerDevice *item = itemAt(captureDevices_, deviceId);
    return item ? item->serverName : QString();
}

qint64 DeviceCatalogue::InputServerIndex(int deviceId) const {
    const ServerDevice *item = itemAt(captureDevices_, deviceId);
    return item ? qint64(item->serverIndex) : -1;
}

void DeviceCatalogue::Rebuild() {
    BuildOutputList(outputSpdif_);
    BuildInputList(inputSpdif_);
}

} // namespace numbrook
