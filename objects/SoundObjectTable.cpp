// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

#include "SoundObjectTable.h"

#include "BitmapLists.h"
#include "DeviceFollower.h"
#include "SkinWidgets.h"
#include "SoundEngine.h"
#include "WaveClips.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QTime>
#include <QTimer>

#include <algorithm>

namespace numbrook {

namespace {

// "hh.mm.ss": hours, minutes and seconds of the local time, two digits each.
QString clockText() {
    return QTime::currentTime().toString(QStringLiteral("hh.mm.ss"));
}

} // namespace

SoundObjectTable::SoundObjectTable(SoundEngine &engine, ObjectLog &log, QObject *parent)
    : QObject(parent), engine_(engine), log_(log) {
    for (int n = kFirstSoundObject; n <= kLastSoundObject; ++n) {
        object(n).number = n;
    }
    connect(&engine_.captureReports, &CaptureReports::levelReport, this,
            &SoundObjectTable::ShowInputLevel, Qt::DirectConnection);
    connect(
        &engine_.captureReports, &CaptureReports::triggerReport, this,
        [this](int n) { SetSignalling(n, true); }, Qt::DirectConnection);
    connect(&engine_.microphoneVolume, &MicrophoneVolume::controlChanged, this,
            &SoundObjectTable::mixerControlChange);
    connect(&engine_.playbackReports, &PlaybackReports::outputLevelReport, this,
            &SoundObjectTable::ShowOutputLevels, Qt::DirectConnection);
    follower_ = new DeviceFollower(*this, engine_, log_);
}

SoundObjectTable::~SoundObjectTable() {
    stopAllThreads();
}

void SoundObjectTable::showName(QLineEdit *edit, const QString &text,
                                QLineEdit *SoundObjectPanel::*field) {
    if (edit) {
        edit->setText(text);
    }
    // Each field of that kind shows its whole text as its tool tip.
    for (SoundObject &each : objects_) {
        if (QLineEdit *shown = each.panel.*field) {
            shown->setToolTip(shown->text());
        }
    }
}

// ---------------------------------------------------------------------------------------------
// Binding

void SoundObjectTable::bind(int n, const SoundObjectPanel &panel, SignallingHold hold) {
    SoundObject &o = object(n);
    o.panel = panel;
    o.wl = &BuiltInClips(n);
    bound_[n] = true;

    // Each connection carries the number of the object it was made for to the shared handler.
    const auto onClick = [&](PictureButton *button, void (SoundObjectTable::*handler)(int)) {
        if (button) {
            connect(button, &PictureButton::clicked, this,
                    [this, n, handler] { (this->*handler)(n); });
        }
    };
    onClick(panel.microphonePrevious, &SoundObjectTable::laLeftMic1Click);
    onClick(panel.microphoneNext, &SoundObjectTable::laRightMic1Click);
    onClick(panel.Sb_StartMic, &SoundObjectTable::startMic);
    onClick(panel.Sb_StopMic, &SoundObjectTable::btStopMic1Click);
    onClick(panel.outputPrevious, &SoundObjectTable::laLeft1Click);
    onClick(panel.outputNext, &SoundObjectTable::laRight1Click);
    onClick(panel.filePrevious, &SoundObjectTable::laFileLeft1Click);
    onClick(panel.fileNext, &SoundObjectTable::laFileRight1Click);
    onClick(panel.Sb_StartPlay, &SoundObjectTable::btPlayThreadClick);
    onClick(panel.Sb_StopPlay, &SoundObjectTable::btStopThreadClick);

    const auto onTrack = [&](TrackBar *bar, void (SoundObjectTable::*handler)(int)) {
        if (bar) {
            connect(bar, &QSlider::valueChanged, this, [this, n, handler] { (this->*handler)(n); });
        }
    };
    onTrack(o.panel.tbTrig, &SoundObjectTable::tbTrig1Change);
    onTrack(o.panel.tbMixerVol, &SoundObjectTable::tbMixerVol1Change);
    onTrack(o.panel.tbVL, &SoundObjectTable::tbVL1Change);
    onTrack(o.panel.tbVR, &SoundObjectTable::tbVL1Change);

    if (QCheckBox *box = o.panel.cbPlayFromFile) {
        connect(box, &QCheckBox::clicked, this, [this, n] { cbPlayFromFile1Click(n); });
    }
    if (o.panel.edDelay) {
        o.panel.edDelay->setValidator(new QIntValidator(0, 86400, o.panel.edDelay));
    }
    if (o.panel.tbMixerVol) {
        o.setTrackEnabled = [bar = o.panel.tbMixerVol](bool on) { bar->setEnabled(on); };
        o.setTrackPosition = [bar = o.panel.tbMixerVol](int value) {
            SetTrackPosition(bar, value);
        };
    }
    if (hold == SignallingHold::Table) {
        makeHoldTimer(o);
    }
}

void SoundObjectTable::makeHoldTimer(SoundObject &o) {
    // The hold timer starts enabled, so that each object's signalling is switched off once
    // shortly after start.
    o.tmPorog = new QTimer(this);
    o.tmPorog->setObjectName(QStringLiteral("tmPorog%1").arg(o.number));
    o.tmPorog->setInterval(1000);
    // Precise, so that a hold of one second never ends before the question timer's next tick.
    o.tmPorog->setTimerType(Qt::PreciseTimer);
    connect(o.tmPorog, &QTimer::timeout, this, [this, n = o.number] { tmPorog1Timer(n); });
    o.tmPorog->start();
}

// ---------------------------------------------------------------------------------------------
// Start-up and exit

void SoundObjectTable::applyParams(SoundObject &o, const ObjectParams &params) {
    o.PlayFromFile = params.PlayFromFile;
    if (o.panel.cbLoop) {
        o.panel.cbLoop->setChecked(params.Loop);
    }
    SetTrackPosition(o.panel.tbTrig, params.TriggerPosition);
    // The capture thread reads the threshold from here, also when the bar did not move.
    engine_.captures.TriggerThreshold(o.number).store(params.TriggerPosition);
    setClapsOnly(o.number, params.ClapsOnly);
    if (o.panel.edDelay) {
        o.panel.edDelay->setText(params.DelayText);
    }
    o.VolumeLeft = params.VolumeLeft;
    o.VolumeRight = params.VolumeRight;
    o.MixerVolume = params.MixerVolume;
}

ObjectParams SoundObjectTable::paramsOf(const SoundObject &o) const {
    ObjectParams params;
    params.PlayFromFile = o.PlayFromFile;
    params.Loop = o.panel.cbLoop && o.panel.cbLoop->isChecked();
    params.TriggerPosition =
        o.panel.tbTrig
            ? o.panel.tbTrig->value()
            : engine_.captures.TriggerThreshold(o.number).load(std::memory_order_relaxed);
    params.ClapsOnly = engine_.captures.ClapsOnly(o.number).load(std::memory_order_relaxed);
    params.DelayText = o.panel.edDelay ? o.panel.edDelay->text() : QStringLiteral("1");
    params.VolumeLeft = o.VolumeLeft;
    params.VolumeRight = o.VolumeRight;
    params.MixerVolume = o.MixerVolume;
    params.OutDeviceName = o.SavedOutDeviceName;
    params.InDeviceName = o.SavedInDeviceName;
    return params;
}

void SoundObjectTable::loadObject(int n) {
    SoundObject &o = object(n);
    o.SavedOutDeviceName = engine_.objectIni.StoredObjectOutput(n);
    o.SavedInDeviceName = engine_.objectIni.StoredObjectInput(n);
    TakeDevices(o, engine_.objectIni.LookupObjectOutput(n, engine_.devices.OutputDeviceNames),
                engine_.objectIni.LookupObjectInput(n, engine_.devices.InputDeviceNames),
                engine_.devices);

    ObjectParams params;
    engine_.objectIni.LoadObjectParams(n, params);
    applyParams(o, params);
    if (o.panel.cbPlayFromFile && o.panel.cbPlayFromFile->isChecked() != o.PlayFromFile) {
        // A changed tick runs the click handler, as a click does.
        o.panel.cbPlayFromFile->setChecked(o.PlayFromFile);
        cbPlayFromFile1Click(n);
    }
    ReloadObjectFiles(n);

    SetTrackPosition(o.panel.tbVL, o.VolumeLeft);
    SetTrackPosition(o.panel.tbVR, o.VolumeRight);
    if (o.OutDeviceID != kNoDevice) {
        engine_.outputVolume.SetOutputVolume(o.OutDeviceID, o.VolumeLeft, o.VolumeRight);
    }
    ShowObjectDevice(n);

    o.MixerOpen = engine_.microphoneVolume.OpenObjectMixer(o);
    engine_.microphoneVolume.WriteObjectMixerVolume(o, o.MixerVolume);
    engine_.microphoneVolume.ReadObjectMixerVolume(o);
    ShowObjectMic(n);
    log_.append(QStringLiteral("FMixerControlID= %1 %2 %3")
                    .arg(n)
                    .arg(o.FMixerControlID)
                    .arg(o.MixerHandle));
}

void SoundObjectTable::LoadAllObjects() {
    const bool guard = UpdateGuard;
    UpdateGuard = true;
    for (int n = kFirstSoundObject; n <= kLastSoundObject; ++n) {
        if (bound_[n] && !loaded_[n]) {
            loadObject(n);
            loaded_[n] = true;
        }
    }
    UpdateGuard = guard;
}

void SoundObjectTable::SaveAllObjects() {
    for (int n = kFirstSoundObject; n <= kLastSoundObject; ++n) {
        if (!loaded_[n]) {
            continue;
        }
        const ObjectParams params = paramsOf(object(n));
        engine_.objectIni.SaveObjectOutput(n, params);
        engine_.objectIni.SaveObjectParams(n, params);
        engine_.objectIni.SaveObjectInput(n, params);
    }
}

void SoundObjectTable::stopAllThreads() {
    captureWanted_.fill(false);
    follower_->stop();
    engine_.captures.stopAll();
    engine_.playbacks.stopAll();
}

// ---------------------------------------------------------------------------------------------
// Signalling

void SoundObjectTable::SetSignalling(int n, bool on) {
    if (!IsSoundObject(n)) {
        return;
    }
    SoundObject &o = object(n);
    if (o.panel.cbPorog) {
        o.panel.cbPorog->setChecked(on);
        QPalette palette = o.panel.cbPorog->palette();
        palette.setColor(QPalette::WindowText,
                         on ? QColor(Qt::red)
                            : QApplication::palette().color(QPalette::WindowText));
        o.panel.cbPorog->setPalette(palette);
    }
    Q_EMIT signallingChanged(n, on);
    if (o.tmPorog) {
        o.tmPorog->stop();
    }
    if (on) {
        // A hold time of 0 or less never ends by itself.
        const int interval = holdInterval(n);
        if (o.tmPorog && interval > 0) {
            o.tmPorog->setInterval(interval);
            o.tmPorog->start();
        }
        log_.append(QStringLiteral("включение сигнализирования ") + clockText());
    } else {
        log_.append(QStringLiteral("отключение сигнализирования ") + clockText());
    }
}

int SoundObjectTable::holdInterval(int n) const {
    const SoundObject &o = object(n);
    return HoldInterval(o.panel.edDelay ? o.panel.edDelay->text().toLongLong() : 1);
}

void SoundObjectTable::tmPorog1Timer(int n) {
    SetSignalling(n, false);
}

// ---------------------------------------------------------------------------------------------
// Microphone

void SoundObjectTable::chooseMicrophone(int n, int step) {
    if (engine_.devices.InputDeviceNames.isEmpty()) {
        return;
    }
    SoundObject &o = object(n);
    MicrophoneVolume &volume = engine_.microphoneVolume;
    volume.CloseObjectMixer(o);
    StepDevice(engine_.devices.InputDeviceNames, step, o.InDeviceID, o.InDeviceName);
    o.SavedInDeviceName = o.InDeviceName;
    o.MixerOpen = volume.OpenObjectMixer(o);
    volume.ReadObjectMixerVolume(o);
    ShowObjectMic(n);
    engine_.objectIni.SaveObjectInput(n, paramsOf(o));
    log_.append(QStringLiteral("SaveMappingObjectToMic %1 %2").arg(n).arg(o.InDeviceID));
}

void SoundObjectTable::laLeftMic1Click(int n) {
    chooseMicrophone(n, -1);
}

void SoundObjectTable::laRightMic1Click(int n) {
    chooseMicrophone(n, +1);
}

void SoundObjectTable::tbTrig1Change(int n) {
    SoundObject &o = object(n);
    if (!o.panel.tbTrig) {
        return;
    }
    engine_.captures.TriggerThreshold(n).store(o.panel.tbTrig->value());
    if (o.panel.lcPorogValue) {
        o.panel.lcPorogValue->setText(QString::number(o.panel.tbTrig->value()));
    }
}

void SoundObjectTable::setClapsOnly(int n, bool on) {
    engine_.captures.ClapsOnly(n).store(on);
    if (PictureButton *box = object(n).panel.cbClapsOnly) {
        box->setPicture(on ? ButtonPicture::SmallBoxOn : ButtonPicture::SmallBoxOff);
    }
}

bool SoundObjectTable::clapsOnly(int n) const {
    return engine_.captures.ClapsOnly(n).load();
}

void SoundObjectTable::tbMixerVol1Change(int n) {
    if (UpdateGuard) {
        return;
    }
    SoundObject &o = object(n);
    if (!o.panel.tbMixerVol) {
        return;
    }
    o.MixerVolume = o.panel.tbMixerVol->value();
    engine_.microphoneVolume.WriteObjectMixerVolume(o, o.MixerVolume);
    for (SoundObject &other : objects_) {
        if (other.number != n && other.InDeviceID == o.InDeviceID) {
            engine_.microphoneVolume.ReadObjectMixerVolume(other);
        }
    }
}

void SoundObjectTable::mixerControlChange(quint32 controlId) {
    for (SoundObject &o : objects_) {
        if (o.FMixerControlID == controlId) {
            engine_.microphoneVolume.ReadObjectMixerVolume(o);
        }
    }
}

void SoundObjectTable::ShowInputLevel(int deviceId, int level) {
    for (SoundObject &o : objects_) {
        if (o.InDeviceID == deviceId && o.panel.pbSig && o.panel.pbSig->value() != level) {
            o.panel.pbSig->setValue(level);
        }
    }
}

void SoundObjectTable::ShowObjectMic(int n) {
    SoundObject &o = object(n);
    o.InDeviceName = ListedName(engine_.devices.InputDeviceNames, o.InDeviceName);
    if (o.panel.edMic) {
        o.panel.edMic->setText(o.InDeviceName);
    }
    for (QWidget *widget :
         {static_cast<QWidget *>(o.panel.tbTrig), static_cast<QWidget *>(o.panel.edDelay),
          static_cast<QWidget *>(o.panel.cbClapsOnly)}) {
        if (widget) {
            widget->setEnabled(o.MixerOpen);
        }
    }
    for (QWidget *button : {static_cast<QWidget *>(o.panel.Sb_StartMic),
                            static_cast<QWidget *>(o.panel.Sb_StopMic)}) {
        if (button) {
            button->setVisible(o.MixerOpen);
        }
    }
    showName(nullptr, QString(), &SoundObjectPanel::edMic);
}

void SoundObjectTable::startMic(int n) {
    if (IsSoundObject(n)) {
        captureWanted_[n] = true;
    }
    startCapture(n);
}

void SoundObjectTable::startCapture(int n) {
    if (engine_.captures.running(n)) {
        return;
    }
    log_.append(QStringLiteral("start mic"));
    engine_.captures.StartCapture(n, object(n).InDeviceID);
    log_.append(QStringLiteral("mic thread started"));
}

void SoundObjectTable::btStopMic1Click(int n) {
    if (IsSoundObject(n)) {
        captureWanted_[n] = false;
    }
    engine_.captures.stop(n);
    ShowInputLevel(object(n).InDeviceID, 0);
    SetSignalling(n, false);
}

} // namespace numbrook
