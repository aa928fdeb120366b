// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

#include "ObjectListSteps.h"

#include "SkinWidgets.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <limits>

namespace numbrook {

int IndexOfName(const DeviceEntryList &list, const QString &name) {
    for (int i = 0; i < list.size(); ++i) {
        if (list[i].name == name) {
            return i;
        }
    }
    return 0;
}

int HoldInterval(qint64 seconds) {
    constexpr qint64 kLongest = std::numeric_limits<int>::max();
    if (seconds > kLongest / 1000) {
        return int(kLongest);
    }
    return int(std::max<qint64>(seconds, 0) * 1000);
}

int WrapStep(int position, int step, int count) {
    const int next = position + step;
    if (next < 0) {
        return count - 1;
    }
    return next >= count ? 0 : next;
}

bool ListFolderFiles(const QString &folder, QStringList &list) {
    list.clear();
    QDir dir(folder);
    // Unsorted, with hidden and system entries; every entry that is not a directory.
    const QFileInfoList entries =
        dir.entryInfoList(QDir::Files | QDir::Hidden | QDir::System, QDir::Unsorted);
    for (const QFileInfo &entry : entries) {
        list.append(entry.absoluteFilePath());
    }
    return !list.isEmpty();
}

void SetTrackPosition(TrackBar *bar, int position) {
    if (bar && bar->value() != position) {
        bar->setValue(position);
    }
}

QString ListedName(const DeviceEntryList &devices, const QString &name) {
    return devices.isEmpty() ? name : devices[IndexOfName(devices, name)].name;
}

bool StepDevice(const DeviceEntryList &devices, int step, int &id, QString &name) {
    if (devices.isEmpty()) {
        return false;
    }
    const DeviceEntry &next =
        devices[WrapStep(IndexOfName(devices, name), step, int(devices.size()))];
    id = next.id;
    name = next.name;
    return true;
}

} // namespace numbrook
