// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

// The playback side of the sound objects: output device, channel volumes, files and clips.
#include "SoundObjectTable.h"

#include "SkinWidgets.h"
#include "SoundEngine.h"
#include "WaveClips.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QLineEdit>

namespace numbrook {

void SoundObjectTable::ShowObjectDevice(int n) {
    SoundObject &o = object(n);
    o.OutDeviceName = ListedName(engine_.devices.OutputDeviceNames, o.OutDeviceName);
    showName(o.panel.edObj, o.OutDeviceName, &SoundObjectPanel::edObj);
}

void SoundObjectTable::chooseOutput(int n, int step) {
    SoundObject &o = object(n);
    if (!StepDevice(engine_.devices.OutputDeviceNames, step, o.OutDeviceID, o.OutDeviceName)) {
        return;
    }
    o.SavedOutDeviceName = o.OutDeviceName;
    ShowObjectDevice(n);
    SetObjectTrackbar(n);
    ObjectParams params;
    params.OutDeviceName = o.OutDeviceName;
    engine_.objectIni.SaveObjectOutput(n, params);
    log_.append(QStringLiteral("SaveMappingObjectToAudio %1 %2").arg(n).arg(o.OutDeviceID));
}

void SoundObjectTable::laLeft1Click(int n) {
    chooseOutput(n, -1);
}

void SoundObjectTable::laRight1Click(int n) {
    chooseOutput(n, +1);
}

void SoundObjectTable::SetObjectTrackbar(int n) {
    SoundObject &o = object(n);
    UpdateGuard = true;
    log_.append(QStringLiteral("SetObjectTrackbar FDeviceID= %1").arg(o.OutDeviceID));
    const auto [left, right] = engine_.outputVolume.GetOutputVolume(o.OutDeviceID);
    o.VolumeLeft = left;
    o.VolumeRight = right;
    SetTrackPosition(o.panel.tbVL, left);
    SetTrackPosition(o.panel.tbVR, right);
    UpdateGuard = false;
}

void SoundObjectTable::tbVL1Change(int n) {
    if (UpdateGuard) {
        return;
    }
    SoundObject &o = object(n);
    log_.append(QStringLiteral("VL1Change FDeviceID= %1").arg(o.OutDeviceID));
    // Both channels go out together, whichever bar moved.
    o.VolumeLeft = o.panel.tbVL ? o.panel.tbVL->value() : o.VolumeLeft;
    o.VolumeRight = o.panel.tbVR ? o.panel.tbVR->value() : o.VolumeRight;
    engine_.outputVolume.SetOutputVolume(o.OutDeviceID, o.VolumeLeft, o.VolumeRight);
    for (SoundObject &other : objects_) {
        if (other.number != n && other.OutDeviceID == o.OutDeviceID) {
            SetObjectTrackbar(other.number);
        }
    }
}

void SoundObjectTable::cbPlayFromFile1Click(int n) {
    SoundObject &o = object(n);
    o.PlayFromFile = o.panel.cbPlayFromFile && o.panel.cbPlayFromFile->isChecked();
    ReloadObjectFiles(n);
}

void SoundObjectTable::ReloadObjectFiles(int n) {
    if (object(n).PlayFromFile) {
        LoadObjectFolderFiles(n);
    } else {
        LoadObjectWaveListFiles(n);
    }
    object(n).FileIndex = 0;
    ShowObjectFile(n);
}

void SoundObjectTable::LoadObjectFolderFiles(int n) {
    ListFolderFiles(engine_.objectIni.objectFolder(n), object(n).FileList);
}

void SoundObjectTable::LoadObjectWaveListFiles(int n) {
    SoundObject &o = object(n);
    o.FileList.clear();
    const WaveClipList &clips = o.wl ? *o.wl : BuiltInClips(n);
    for (int i = 0; i < clips.size(); ++i) {
        const QString title = clips[i].description.trimmed();
        o.FileList.append(title.isEmpty() ? QStringLiteral("WL файл %1").arg(i) : title);
    }
}

void SoundObjectTable::ShowObjectFile(int n) {
    SoundObject &o = object(n);
    if (o.FileList.isEmpty()) {
        if (o.panel.edFile) {
            o.panel.edFile->clear();
        }
        o.FileIndex = -1;
        return;
    }
    const QString &entry = o.FileList[o.FileIndex];
    showName(o.panel.edFile, o.PlayFromFile ? QFileInfo(entry).fileName() : entry,
             &SoundObjectPanel::edFile);
}

void SoundObjectTable::stepFile(int n, int step) {
    SoundObject &o = object(n);
    if (o.FileList.isEmpty()) {
        return;
    }
    o.FileIndex = WrapStep(o.FileIndex, step, int(o.FileList.size()));
    ShowObjectFile(n);
}

void SoundObjectTable::laFileLeft1Click(int n) {
    stepFile(n, -1);
}

void SoundObjectTable::laFileRight1Click(int n) {
    stepFile(n, +1);
}

void SoundObjectTable::btPlayThreadClick(int n) {
    SoundObject &o = object(n);
    if (o.FileIndex < 0 || o.FileIndex >= o.FileList.size()) {
        return;
    }
    const bool loop = o.panel.cbLoop && o.panel.cbLoop->isChecked();
    if (o.PlayFromFile) {
        engine_.playbacks.startFromFile(n, o.OutDeviceID, loop, o.FileList[o.FileIndex],
                                        o.OutDeviceName);
    } else if (o.wl && o.FileIndex < o.wl->size()) {
        engine_.playbacks.startFromMemory(n, o.OutDeviceID, loop, (*o.wl)[o.FileIndex].image(),
                                          o.OutDeviceName);
    }
}

void SoundObjectTable::btStopThreadClick(int n) {
    engine_.playbacks.stop(n);
}

void SoundObjectTable::ShowOutputLevels(int deviceId, int left, int right) {
    for (SoundObject &o : objects_) {
        if (o.OutDeviceID != deviceId) {
            continue;
        }
        if (o.panel.pbL && o.panel.pbL->value() != left) {
            o.panel.pbL->setValue(left);
        }
        if (o.panel.pbR && o.panel.pbR->value() != right) {
            o.panel.pbR->setValue(right);
        }
    }
}

} // namespace numbrook
