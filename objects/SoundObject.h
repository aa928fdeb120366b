#pragma once

#include "snd_dev_ds.h"
#include "snd_mixer.h"

#include <QPointer>
#include <QString>
#include <QStringList>

class QCheckBox;
class QLabel;
class QLineEdit;
class QTimer;
class QWidget;

namespace numbrook {

class LevelBar;
class PictureButton;
class TrackBar;
struct WaveClip;

// One sound object: a playback side (output device, channel volumes, files or built-in clips,
// level bars) coupled with a microphone side (capture device, threshold, input volume,
// signalling). The mixer state of the microphone side is the ObjectMixer base. The control
// pointers refer to the main window's controls of this object; they are null until bound.
struct SoundObject : ObjectMixer {
    int number = 0; // 1..4

    // Playback side.
    QLineEdit *edObj = nullptr;
    TrackBar *tbVL = nullptr;
    TrackBar *tbVR = nullptr;
    int VolumeLeft = 50;
    int VolumeRight = 50;
    LevelBar *pbL = nullptr;
    LevelBar *pbR = nullptr;
    QCheckBox *cbLoop = nullptr;
    int OutDeviceID = kNoDevice;
    QString OutDeviceName;
    int FileIndex = -1;
    QLineEdit *edFile = nullptr;
    bool PlayFromFile = false;
    QCheckBox *cbPlayFromFile = nullptr;
    const QList<WaveClip> *wl = nullptr;
    // Full paths of the folder's files, or the titles of the built-in clips.
    QStringList FileList;

    // Microphone side (InDeviceID and the mixer fields are in ObjectMixer).
    QLineEdit *edMic = nullptr;
    QString InDeviceName;
    LevelBar *pbSig = nullptr;
    TrackBar *tbMixerVol = nullptr;
    TrackBar *tbTrig = nullptr;
    QLineEdit *edDelay = nullptr;
    QCheckBox *cbPorog = nullptr;
    QTimer *tmPorog = nullptr;
    QLabel *lcPorogValue = nullptr;
    PictureButton *Sb_StartMic = nullptr;
    PictureButton *Sb_StopMic = nullptr;
};

} // namespace numbrook
