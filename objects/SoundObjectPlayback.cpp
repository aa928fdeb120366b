// The playback side of the sound objects: output device, channel volumes, files and clips.
#include "SoundObjectTable.h"

#include "SkinWidgets.h"
#include "SndUtils.h"
#include "Snd_Tr_O.h"
#include "WaveClips.h"
#include "snd_ini.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QLineEdit>

namespace numbrook {

void SoundObjectTable::ShowObjectDevice(int n) {
    SoundObject &o = object(n);
    if (!OutputDeviceNames.isEmpty()) {
        o.OutDeviceName = OutputDeviceNames[IndexOfName(OutputDeviceNames, o.OutDeviceName)].name;
    }
    if (o.edObj) {
        o.edObj->setText(o.OutDeviceName);
    }
    for (SoundObject &each : objects_) {
        if (each.edObj) {
            each.edObj->setToolTip(each.edObj->text());
        }
    }
}

void SoundObjectTable::chooseOutput(int n, int step) {
    if (OutputDeviceNames.isEmpty()) {
        return;
    }
    SoundObject &o = object(n);
    const int index = WrapStep(IndexOfName(OutputDeviceNames, o.OutDeviceName), step,
                               int(OutputDeviceNames.size()));
    o.OutDeviceID = OutputDeviceNames[index].id;
    o.OutDeviceName = OutputDeviceNames[index].name;
    ShowObjectDevice(n);
    SetObjectTrackbar(n);
    ObjectParams params;
    params.OutDeviceName = o.OutDeviceName;
    SaveObjectOutput(n, params);
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
    FDeviceID = o.OutDeviceID;
    log_.append(QStringLiteral("SetObjectTrackbar FDeviceID= %1").arg(FDeviceID));
    const auto [left, right] = GetOutputVolume();
    o.VolumeLeft = left;
    o.VolumeRight = right;
    if (o.tbVL) {
        SetTrackBarPosition(*o.tbVL, left);
    }
    if (o.tbVR) {
        SetTrackBarPosition(*o.tbVR, right);
    }
    UpdateGuard = false;
}

void SoundObjectTable::tbVL1Change(int n) {
    if (UpdateGuard) {
        return;
    }
    SoundObject &o = object(n);
    FDeviceID = o.OutDeviceID;
    log_.append(QStringLiteral("VL1Change FDeviceID= %1").arg(FDeviceID));
    // Both channels go out together, whichever bar moved.
    o.VolumeLeft = o.tbVL ? o.tbVL->value() : o.VolumeLeft;
    o.VolumeRight = o.tbVR ? o.tbVR->value() : o.VolumeRight;
    SetOutputVolume(o.VolumeLeft, o.VolumeRight);
    for (SoundObject &other : objects_) {
        if (other.number != n && other.OutDeviceID == o.OutDeviceID) {
            SetObjectTrackbar(other.number);
        }
    }
}

void SoundObjectTable::cbPlayFromFile1Click(int n) {
    SoundObject &o = object(n);
    o.PlayFromFile = o.cbPlayFromFile && o.cbPlayFromFile->isChecked();
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
    ListFolderFiles(objectFolder(n), object(n).FileList);
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
        if (o.edFile) {
            o.edFile->clear();
        }
        o.FileIndex = -1;
        return;
    }
    const QString &entry = o.FileList[o.FileIndex];
    if (o.edFile) {
        o.edFile->setText(o.PlayFromFile ? QFileInfo(entry).fileName() : entry);
    }
    for (SoundObject &each : objects_) {
        if (each.edFile) {
            each.edFile->setToolTip(each.edFile->text());
        }
    }
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
    FDeviceID = o.OutDeviceID;
    if (o.FileIndex < 0 || o.FileIndex >= o.FileList.size()) {
        return;
    }
    const bool loop = o.cbLoop && o.cbLoop->isChecked();
    if (o.PlayFromFile) {
        PlaybackRegistry::instance().startFromFile(n, FDeviceID, loop, o.FileList[o.FileIndex],
                                                   o.OutDeviceName);
    } else if (o.wl && o.FileIndex < o.wl->size()) {
        PlaybackRegistry::instance().startFromMemory(n, FDeviceID, loop, (*o.wl)[o.FileIndex].image,
                                                     o.OutDeviceName);
    }
}

void SoundObjectTable::btStopThreadClick(int n) {
    FDeviceID = object(n).OutDeviceID;
    PlaybackRegistry::instance().stop(n);
}

void SoundObjectTable::ShowOutputLevels(int deviceId, int left, int right) {
    for (SoundObject &o : objects_) {
        if (o.OutDeviceID != deviceId) {
            continue;
        }
        if (o.pbL && o.pbL->value() != left) {
            o.pbL->setValue(left);
        }
        if (o.pbR && o.pbR->value() != right) {
            o.pbR->setValue(right);
        }
    }
}

} // namespace numbrook
