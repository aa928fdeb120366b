// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

#pragma once

// Stepping through the sound objects' device and file lists, and the hold time of their
// signalling: what the object table's handlers share, with no state of their own.

#include "DeviceCatalogue.h"

#include <QString>
#include <QStringList>

namespace numbrook {

class TrackBar;

// Position of `name` in `list` (exact, case-sensitive match), 0 when absent.
int IndexOfName(const DeviceEntryList &list, const QString &name);
// The hold timer's interval for a hold of `seconds`: the hold in milliseconds, or the longest
// interval a timer takes (about 24.8 days) when the hold is longer than that; 0 for a hold of 0
// or less, which never ends by itself.
int HoldInterval(qint64 seconds);
// One step (-1 or +1) from `position` through `count` entries, wrapping at both ends.
int WrapStep(int position, int step, int count);

// Lists the entries of `folder` that are not directories, as full paths, in the order the file
// system gives them (hidden files included, nothing sorted or filtered); a missing folder
// gives an empty list. True when the list is not empty.
bool ListFolderFiles(const QString &folder, QStringList &list);

// Moves a track bar that exists; only a differing value is set, so that an equal one raises no
// change notification.
void SetTrackPosition(TrackBar *bar, int position);
// The listed spelling of `name` (the first entry when it is not listed).
QString ListedName(const DeviceEntryList &devices, const QString &name);
// Moves `id` and `name` one step through `devices`, wrapping; false when there are none.
bool StepDevice(const DeviceEntryList &devices, int step, int &id, QString &name);

} // namespace numbrook
