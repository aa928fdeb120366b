#include "SoundObjectTable.h"

#include "SkinWidgets.h"
#include "SndUtils.h"
#include "Snd_Tr_I.h"
#include "Snd_Tr_O.h"
#include "WaveClips.h"
#include "snd_ini.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QTime>
#include <QTimer>

namespace numbrook {

namespace {

QString &dataRoot() {
    static QString root;
    return root;
}

// "hh.mm.ss": hours, minutes and seconds of the local time, two digits each.
QString clockText() {
    return QTime::currentTime().toString(QStringLiteral("hh.mm.ss"));
}

} // namespace

int IndexOfName(const DeviceEntryList &list, const QString &name) {
    for (int i = 0; i < list.size(); ++i) {
        if (list[i].name == name) {
            return i;
        }
    }
    return 0;
}

int WrapStep(int position, int step, int count) {
    const int next = position + step;
    if (next < 0) {
        return count - 1;
    }
    return next >= count ? 0 : next;
}

int Tag(const QObject *control) {
    return control ? control->property("tag").toInt() : 0;
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

SoundObjectTable::SoundObjectTable(ObjectLog &log, QObject *parent) : QObject(parent), log_(log) {
    for (int n = kFirstSoundObject; n <= kLastSoundObject; ++n) {
        object(n).number = n;
    }
    connect(&CaptureReports::instance(), &CaptureReports::levelReport, this,
            &SoundObjectTable::ShowInputLevel, Qt::DirectConnection);
    connect(
        &CaptureReports::instance(), &CaptureReports::triggerReport, this,
        [this](int n) { SetSignalling(n, true); }, Qt::DirectConnection);
    connect(&MixerEvents::instance(), &MixerEvents::controlChanged, this,
            &SoundObjectTable::mixerControlChange);
    connect(&PlaybackReports::instance(), &PlaybackReports::outputLevelReport, this,
            &SoundObjectTable::ShowOutputLevels, Qt::DirectConnection);
}

SoundObjectTable::~SoundObjectTable() {
    stopAllThreads();
}

QString SoundObjectTable::objectFolder(int n) {
    const QString root = dataRoot().isEmpty() ? QCoreApplication::applicationDirPath() : dataRoot();
    return QDir(root).filePath(QStringLiteral("Data/wav%1/").arg(n));
}

void SoundObjectTable::setDataRoot(const QString &folder) {
    dataRoot() = folder;
}

// ---------------------------------------------------------------------------------------------
// Binding

void SoundObjectTable::bind(int n, const SoundObjectPanel &panel) {
    SoundObject &o = object(n);
    o.edObj = panel.edObj;
    o.tbVL = panel.tbVL;
    o.tbVR = panel.tbVR;
    o.pbL = panel.pbL;
    o.pbR = panel.pbR;
    o.cbLoop = panel.cbLoop;
    o.edFile = panel.edFile;
    o.cbPlayFromFile = panel.cbPlayFromFile;
    o.wl = &BuiltInClips(n);
    o.edMic = panel.edMic;
    o.pbSig = panel.pbSig;
    o.tbMixerVol = panel.tbMixerVol;
    o.tbTrig = panel.tbTrig;
    o.edDelay = panel.edDelay;
    o.cbPorog = panel.cbPorog;
    o.lcPorogValue = panel.lcPorogValue;
    o.Sb_StartMic = panel.Sb_StartMic;
    o.Sb_StopMic = panel.Sb_StopMic;

    const auto tagged = [n](QObject *widget) {
        if (widget) {
            widget->setProperty("tag", n);
        }
        return widget;
    };
    const auto onClick = [&](PictureButton *button, void (SoundObjectTable::*handler)(int)) {
        if (button) {
            tagged(button);
            connect(button, &PictureButton::clicked, this,
                    [this, button, handler] { (this->*handler)(Tag(button)); });
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
            tagged(bar);
            connect(bar, &QSlider::valueChanged, this,
                    [this, bar, handler] { (this->*handler)(Tag(bar)); });
        }
    };
    onTrack(o.tbTrig, &SoundObjectTable::tbTrig1Change);
    onTrack(o.tbMixerVol, &SoundObjectTable::tbMixerVol1Change);
    onTrack(o.tbVL, &SoundObjectTable::tbVL1Change);
    onTrack(o.tbVR, &SoundObjectTable::tbVL1Change);

    if (QCheckBox *box = o.cbPlayFromFile) {
        tagged(box);
        connect(box, &QCheckBox::clicked, this, [this, box] { cbPlayFromFile1Click(Tag(box)); });
    }
    if (o.edDelay) {
        o.edDelay->setValidator(new QIntValidator(0, 86400, o.edDelay));
    }
    if (o.tbMixerVol) {
        o.setTrackEnabled = [bar = o.tbMixerVol](bool on) { bar->setEnabled(on); };
        o.setTrackPosition = [bar = o.tbMixerVol](int value) { SetTrackBarPosition(*bar, value); };
    }

    // The hold timer starts enabled, so that each object's signalling is switched off once
    // shortly after start.
    o.tmPorog = new QTimer(this);
    o.tmPorog->setObjectName(QStringLiteral("tmPorog%1").arg(n));
    tagged(o.tmPorog);
    o.tmPorog->setInterval(1000);
    // Precise, so that a hold of one second never ends before the question timer's next tick.
    o.tmPorog->setTimerType(Qt::PreciseTimer);
    connect(o.tmPorog, &QTimer::timeout, this,
            [this, timer = o.tmPorog] { tmPorog1Timer(Tag(timer)); });
    o.tmPorog->start();
}

// ---------------------------------------------------------------------------------------------
// Start-up and exit

void SoundObjectTable::applyParams(SoundObject &o, const ObjectParams &params) {
    o.PlayFromFile = params.PlayFromFile;
    if (o.cbLoop) {
        o.cbLoop->setChecked(params.Loop);
    }
    if (o.tbTrig) {
        SetTrackBarPosition(*o.tbTrig, params.TriggerPosition);
    }
    // The capture thread reads the threshold from here, also when the bar did not move.
    TriggerThreshold(o.number).store(params.TriggerPosition);
    if (o.edDelay) {
        o.edDelay->setText(params.DelayText);
    }
    o.VolumeLeft = params.VolumeLeft;
    o.VolumeRight = params.VolumeRight;
    o.MixerVolume = params.MixerVolume;
}

ObjectParams SoundObjectTable::paramsOf(const SoundObject &o) const {
    ObjectParams params;
    params.PlayFromFile = o.PlayFromFile;
    params.Loop = o.cbLoop && o.cbLoop->isChecked();
    params.TriggerPosition =
        o.tbTrig ? o.tbTrig->value() : TriggerThreshold(o.number).load(std::memory_order_relaxed);
    params.DelayText = o.edDelay ? o.edDelay->text() : QStringLiteral("1");
    params.VolumeLeft = o.VolumeLeft;
    params.VolumeRight = o.VolumeRight;
    params.MixerVolume = o.MixerVolume;
    params.OutDeviceName = o.OutDeviceName;
    params.InDeviceName = o.InDeviceName;
    return params;
}

void SoundObjectTable::loadObject(int n) {
    SoundObject &o = object(n);
    const DeviceChoice output = LookupObjectOutput(n, OutputDeviceNames);
    o.OutDeviceID = output.id;
    o.OutDeviceName = output.name;
    const DeviceChoice input = LookupObjectInput(n, InputDeviceNames);
    o.InDeviceID = input.id;
    o.InDeviceName = input.name;

    ObjectParams params;
    LoadObjectParams(n, params);
    applyParams(o, params);
    if (o.cbPlayFromFile && o.cbPlayFromFile->isChecked() != o.PlayFromFile) {
        // A changed tick runs the click handler, as a click does.
        o.cbPlayFromFile->setChecked(o.PlayFromFile);
        cbPlayFromFile1Click(n);
    }
    ReloadObjectFiles(n);

    FDeviceID = o.OutDeviceID;
    if (o.tbVL) {
        SetTrackBarPosition(*o.tbVL, o.VolumeLeft);
    }
    if (o.tbVR) {
        SetTrackBarPosition(*o.tbVR, o.VolumeRight);
    }
    if (o.OutDeviceID != kNoDevice) {
        SetOutputVolume(o.VolumeLeft, o.VolumeRight);
    }
    ShowObjectDevice(n);

    o.MixerOpen = OpenObjectMixer(o);
    WriteObjectMixerVolume(o, o.MixerVolume);
    ReadObjectMixerVolume(o);
    ShowObjectMic(n);
    log_.append(QStringLiteral("FMixerControlID= %1 %2 %3")
                    .arg(n)
                    .arg(o.FMixerControlID)
                    .arg(o.MixerHandle));
}

void SoundObjectTable::LoadAllObjects() {
    UpdateGuard = true;
    for (int n = kFirstSoundObject; n <= kLastSoundObject; ++n) {
        loadObject(n);
    }
    UpdateGuard = false;
}

void SoundObjectTable::SaveAllObjects() {
    for (int n = kFirstSoundObject; n <= kLastSoundObject; ++n) {
        const ObjectParams params = paramsOf(object(n));
        SaveObjectOutput(n, params);
        SaveObjectParams(n, params);
        SaveObjectInput(n, params);
    }
}

void SoundObjectTable::stopAllThreads() {
    CaptureRegistry::instance().stopAll();
    PlaybackRegistry::instance().stopAll();
}

// ---------------------------------------------------------------------------------------------
// Signalling

void SoundObjectTable::SetSignalling(int n, bool on) {
    if (n < kFirstSoundObject || n > kLastSoundObject) {
        return;
    }
    SoundObject &o = object(n);
    if (o.cbPorog) {
        o.cbPorog->setChecked(on);
        QPalette palette = o.cbPorog->palette();
        palette.setColor(QPalette::WindowText,
                         on ? QColor(Qt::red)
                            : QApplication::palette().color(QPalette::WindowText));
        o.cbPorog->setPalette(palette);
    }
    Q_EMIT signallingChanged(n, on);
    if (o.tmPorog) {
        o.tmPorog->stop();
    }
    if (on) {
        const int seconds = o.edDelay ? o.edDelay->text().toInt() : 1;
        // A hold time of 0 or less never ends by itself.
        if (o.tmPorog && seconds > 0) {
            o.tmPorog->setInterval(seconds * 1000);
            o.tmPorog->start();
        }
        log_.append(QStringLiteral("включение сигнализирования ") + clockText());
    } else {
        log_.append(QStringLiteral("отключение сигнализирования ") + clockText());
    }
}

void SoundObjectTable::tmPorog1Timer(int n) {
    SetSignalling(n, false);
}

// ---------------------------------------------------------------------------------------------
// Microphone

void SoundObjectTable::chooseMicrophone(int n, int step) {
    if (InputDeviceNames.isEmpty()) {
        return;
    }
    SoundObject &o = object(n);
    CloseObjectMixer(o);
    const int index =
        WrapStep(IndexOfName(InputDeviceNames, o.InDeviceName), step, int(InputDeviceNames.size()));
    o.InDeviceID = InputDeviceNames[index].id;
    o.InDeviceName = InputDeviceNames[index].name;
    o.MixerOpen = OpenObjectMixer(o);
    ReadObjectMixerVolume(o);
    ShowObjectMic(n);
    SaveObjectInput(n, paramsOf(o));
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
    if (!o.tbTrig) {
        return;
    }
    TriggerThreshold(n).store(o.tbTrig->value());
    if (o.lcPorogValue) {
        o.lcPorogValue->setText(QString::number(o.tbTrig->value()));
    }
}

void SoundObjectTable::tbMixerVol1Change(int n) {
    if (UpdateGuard) {
        return;
    }
    SoundObject &o = object(n);
    if (!o.tbMixerVol) {
        return;
    }
    o.MixerVolume = o.tbMixerVol->value();
    WriteObjectMixerVolume(o, o.MixerVolume);
    for (SoundObject &other : objects_) {
        if (other.number != n && other.InDeviceID == o.InDeviceID) {
            ReadObjectMixerVolume(other);
        }
    }
}

void SoundObjectTable::mixerControlChange(quint32 controlId) {
    for (SoundObject &o : objects_) {
        if (o.FMixerControlID == controlId) {
            ReadObjectMixerVolume(o);
        }
    }
}

void SoundObjectTable::ShowInputLevel(int deviceId, int level) {
    for (SoundObject &o : objects_) {
        if (o.InDeviceID == deviceId && o.pbSig && o.pbSig->value() != level) {
            o.pbSig->setValue(level);
        }
    }
}

void SoundObjectTable::ShowObjectMic(int n) {
    SoundObject &o = object(n);
    if (!InputDeviceNames.isEmpty()) {
        o.InDeviceName = InputDeviceNames[IndexOfName(InputDeviceNames, o.InDeviceName)].name;
    }
    if (o.edMic) {
        o.edMic->setText(o.InDeviceName);
    }
    for (QWidget *widget : {static_cast<QWidget *>(o.tbTrig), static_cast<QWidget *>(o.edDelay)}) {
        if (widget) {
            widget->setEnabled(o.MixerOpen);
        }
    }
    for (QWidget *button :
         {static_cast<QWidget *>(o.Sb_StartMic), static_cast<QWidget *>(o.Sb_StopMic)}) {
        if (button) {
            button->setVisible(o.MixerOpen);
        }
    }
    for (SoundObject &each : objects_) {
        if (each.edMic) {
            each.edMic->setToolTip(each.edMic->text());
        }
    }
}

void SoundObjectTable::startMic(int n) {
    if (CaptureRegistry::instance().running(n)) {
        return;
    }
    log_.append(QStringLiteral("start mic"));
    StartCapture(n, object(n).InDeviceID);
    log_.append(QStringLiteral("mic thread started"));
}

void SoundObjectTable::btStopMic1Click(int n) {
    CaptureRegistry::instance().stop(n);
    ShowInputLevel(object(n).InDeviceID, 0);
    SetSignalling(n, false);
}

} // namespace numbrook
