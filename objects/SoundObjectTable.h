// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

#pragma once

#include "CaptureThread.h"
#include "ObjectIniStore.h"
#include "ObjectListSteps.h"
#include "ObjectLog.h"
#include "SoundObject.h"
#include "SoundObjectNumber.h"
#include "SoundObjectPanel.h"

#include <QObject>
#include <functional>

class QLineEdit;

namespace numbrook {

class DeviceFollower;
class SoundEngine;

// Who ends an object's signalling when its hold time has passed.
enum class SignallingHold {
    // The table's own hold timer tmPorog<n>.
    Table,
    // The owner of the answer the signalling stands for (object 1's: the answer channel, whose
    // hold timer is the clap's): it calls tmPorog1Timer when the hold has passed.
    Answer,
};

// The four sound objects of the main window and every handler that works on them. Each
// handler serves the same control of all four objects; the connection made for object n
// passes n. Everything runs on the main thread; the capture and playback threads reach the
// table only through their reports, which are carried out here while they wait.
class SoundObjectTable : public QObject {
    Q_OBJECT
public:
    SoundObjectTable(SoundEngine &engine, ObjectLog &log, QObject *parent = nullptr);
    ~SoundObjectTable() override;
    Q_DISABLE_COPY_MOVE(SoundObjectTable)

    // Binds object n's controls and connects their handlers. With `hold` Table the object's
    // hold timer is created here, enabled, at 1000 ms.
    void bind(int n, const SoundObjectPanel &panel, SignallingHold hold = SignallingHold::Table);

    SoundObject &object(int n) { return objects_[n]; }
    const SoundObject &object(int n) const { return objects_[n]; }

    // True while the table loads itself or moves output track bars itself.
    bool UpdateGuard = false;

    // Start-up and exit. Loading takes every bound object not loaded yet from the ini file, so
    // that objects whose controls are built later are loaded when they are bound; saving writes
    // the loaded objects only, and an object never loaded keeps what the file holds.
    void LoadAllObjects();
    void SaveAllObjects();
    bool isLoaded(int n) const { return loaded_[n]; }
    // Stops every capture and playback and carries out their last reports; afterwards no
    // report reaches a control. Called before the window and its controls go.
    void stopAllThreads();

    // Microphone answer.
    void SetSignalling(int n, bool on);
    // The hold timer's interval for object n's hold time (its delay field, else 1 second);
    // 0 for a hold that never ends by itself.
    int holdInterval(int n) const;
    void tmPorog1Timer(int n);
    void laLeftMic1Click(int n);
    void laRightMic1Click(int n);
    void tbTrig1Change(int n);
    // "Only claps": the capture answers only to claps, its threshold a rise over the room's
    // background. Shown in the object's box when it has one.
    void setClapsOnly(int n, bool on);
    bool clapsOnly(int n) const;
    void tbMixerVol1Change(int n);
    void mixerControlChange(quint32 controlId);
    void ShowInputLevel(int deviceId, int level);
    void ShowObjectMic(int n);
    // Sb_StartMic_Obj1Click for object 1, btStartMic1Click for the others. The object's
    // capture is wanted from here until btStopMic1Click: the table's DeviceFollower moves it to
    // its device when the device lists change and starts it again when the device or the server
    // comes back.
    void startMic(int n);
    void btStopMic1Click(int n);
    bool captureWanted(int n) const { return captureWanted_[n]; }

Q_SIGNALS:
    // Object n's signalling switched on or off (object 1's is the clap answer).
    void signallingChanged(int n, bool on);

public:
    // Playback side.
    void laLeft1Click(int n);
    void laRight1Click(int n);
    void tbVL1Change(int n);
    void cbPlayFromFile1Click(int n);
    void laFileLeft1Click(int n);
    void laFileRight1Click(int n);
    void btPlayThreadClick(int n);
    void btStopThreadClick(int n);
    void ShowOutputLevels(int deviceId, int left, int right);
    void ShowObjectDevice(int n);
    void SetObjectTrackbar(int n);
    void ReloadObjectFiles(int n);
    void ShowObjectFile(int n);

private:
    void loadObject(int n);
    void chooseMicrophone(int n, int step);
    void chooseOutput(int n, int step);
    void stepFile(int n, int step);
    void LoadObjectFolderFiles(int n);
    void LoadObjectWaveListFiles(int n);
    void applyParams(SoundObject &o, const ObjectParams &params);
    ObjectParams paramsOf(const SoundObject &o) const;
    void makeHoldTimer(SoundObject &o);
    void startCapture(int n);

    // Shows `text` in `edit` (when given) and refreshes the tool tip of that field of every
    // object.
    void showName(QLineEdit *edit, const QString &text, QLineEdit *SoundObjectPanel::*field);

    SoundEngine &engine_;
    ObjectLog &log_;
    PerObject<SoundObject> objects_;
    PerObject<bool> captureWanted_;
    PerObject<bool> bound_;
    PerObject<bool> loaded_;
    DeviceFollower *follower_ = nullptr;
};

} // namespace numbrook
