// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

#pragma once

#include <QList>
#include <QString>

#include "DeviceCatalogue.h"

#include <functional>

class QSettings;

namespace numbrook {

// The device a stored name resolves to. `id` is kNoDevice (and `name` empty) when the list to
// choose from is empty; no device call accepts that identifier.
struct DeviceChoice {
    int id = kNoDevice;
    QString name;
};

// The device of `devices` a stored name stands for: the entry with that name in any letter
// case, else the first entry; no device when the list is empty.
DeviceChoice ResolveDeviceName(const DeviceEntryList &devices, const QString &stored);

// The trigger track bar runs from 0 to this value; the file stores maximum minus position.
inline constexpr int kTriggerTrackMaximum = 128;

// What the store keeps of one sound object.
struct ObjectParams {
    bool PlayFromFile = false;
    bool Loop = false;
    int TriggerPosition = kTriggerTrackMaximum - 50; // the threshold, 0..128
    QString DelayText = QStringLiteral("1");         // the delay field's text, whole seconds
    int VolumeLeft = 50;
    int VolumeRight = 50;
    int MixerVolume = 50;
    // The microphone answers only to claps, its threshold a rise over the room's background.
    bool ClapsOnly = false;
    QString OutDeviceName;
    QString InDeviceName;
};

// The sound object file: <folder of the executable>/<executable name>.ini for a build tree or a
// portable folder (writable, and outside the installation prefix and /usr), otherwise
// $XDG_CONFIG_HOME/Numbrook/<executable name>.ini.
QString ObjectIniPath();
// The installation prefix the program was built for.
QString BuiltInstallPrefix();
// The same rule for the executable file `executableFile` installed under `installPrefix`.
QString ObjectIniPathFor(const QString &executableFile,
                         const QString &installPrefix = BuiltInstallPrefix());

class SoundErrors;

// The sound object file's keys of each object: its devices, its seven parameters and whether it
// hears only claps.
class ObjectIniStore {
public:
    explicit ObjectIniStore(SoundErrors &errors) : errors_(errors) {}
    Q_DISABLE_COPY_MOVE(ObjectIniStore)

    // The write operations each open the file, write the object's keys, write the file back
    // and release it before they return. A file that cannot be written is reported through
    // ReportSoundError and the operation returns false; it never throws.
    bool SaveObjectOutput(int n, const ObjectParams &object);
    bool SaveObjectInput(int n, const ObjectParams &object);
    // The seven per-object parameters and ObjectInClapsOnly_<n> (0 or 1). A delay text that is
    // not an integer is saved as 1.
    bool SaveObjectParams(int n, const ObjectParams &object);

    // Reads the per-object parameters into `object`; a missing file, key or a value that is not
    // a number gives the key's default.
    void LoadObjectParams(int n, ObjectParams &object) const;

    // Resolve the stored device name of object `n` in `devices`: the first entry whose name
    // equals it ignoring letter case, else the first entry, else no device. The name returned
    // is the name as listed.
    DeviceChoice LookupObjectOutput(int n, const DeviceEntryList &devices) const;
    DeviceChoice LookupObjectInput(int n, const DeviceEntryList &devices) const;

    // The device names stored for object `n`, as written; empty when none is stored.
    QString StoredObjectOutput(int n) const;
    QString StoredObjectInput(int n) const;

    // The file every operation uses: ObjectIniPath() unless another one was set.
    QString path() const { return path_.isEmpty() ? ObjectIniPath() : path_; }
    // Makes every operation use `path` instead (tests); an empty path restores the usual one.
    void setPath(const QString &path) { path_ = path; }

    // Object n's folder of sound files: Data/wav<n>/ beside the executable.
    QString objectFolder(int n) const;
    // Replaces the folder beside the executable that holds Data/ (tests); empty restores it.
    void setDataRoot(const QString &folder) { dataRoot_ = folder; }

private:
    bool writeObjectFile(const std::function<void(QSettings &)> &write);

    DeviceChoice lookup(const QString &keyName, const DeviceEntryList &devices) const;

    SoundErrors &errors_;
    QString path_;
    QString dataRoot_;
};

} // namespace numbrook
