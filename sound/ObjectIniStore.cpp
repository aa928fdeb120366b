// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

#include "ObjectIniStore.h"

#include "SoundErrors.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <algorithm>
#include <pulse/def.h>

namespace numbrook {

namespace {

const QString kMappingSection = QStringLiteral("ObjectMapping");
const QString kParamsSection = QStringLiteral("ObjectWavParams");
const QString kNotFound = QStringLiteral("not found");

QString key(const char *prefix, int n) {
    return QLatin1String(prefix) + QString::number(n);
}

// A missing key or a value that is not a whole number gives `fallback`.
int readInteger(const QSettings &settings, const QString &name, int fallback) {
    const QVariant value = settings.value(name);
    if (!value.isValid()) {
        return fallback;
    }
    bool ok = false;
    const int number = value.toString().trimmed().toInt(&ok);
    return ok ? number : fallback;
}

bool readBoolean(const QSettings &settings, const QString &name, bool fallback) {
    return readInteger(settings, name, fallback ? 1 : 0) != 0;
}

} // namespace

// Opens the file, lets `write` set its keys and writes it back before returning.
bool ObjectIniStore::writeObjectFile(const std::function<void(QSettings &)> &write) {
    const QString path = this->path();
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSettings::Status status = QSettings::AccessError;
    {
        QSettings settings(path, QSettings::IniFormat);
        write(settings);
        settings.sync();
        status = settings.status();
    }
    if (status == QSettings::NoError) {
        return true;
    }
    const QString context =
        QStringLiteral("Could not save the sound object settings to %1:").arg(path);
    errors_.ReportSoundError(status == QSettings::AccessError ? int(PA_ERR_ACCESS) : int(PA_ERR_IO),
                             context, false);
    return false;
}

DeviceChoice ObjectIniStore::lookup(const QString &keyName, const DeviceEntryList &devices) const {
    if (devices.isEmpty()) {
        return {};
    }
    const QSettings settings(path(), QSettings::IniFormat);
    return ResolveDeviceName(
        devices,
        settings.value(kMappingSection + QLatin1Char('/') + keyName, kNotFound).toString());
}

DeviceChoice ResolveDeviceName(const DeviceEntryList &devices, const QString &stored) {
    if (devices.isEmpty()) {
        return {};
    }
    auto found = std::find_if(devices.cbegin(), devices.cend(), [&](const DeviceEntry &device) {
        return device.name.compare(stored, Qt::CaseInsensitive) == 0;
    });
    const DeviceEntry &chosen = found != devices.cend() ? *found : devices.first();
    return {chosen.id, chosen.name};
}

QString ObjectIniPath() {
    const QString executable = QCoreApplication::instance()
                                   ? QCoreApplication::applicationFilePath()
                                   : QDir::current().filePath(QStringLiteral("numbrook"));
    return ObjectIniPathFor(executable);
}

QString BuiltInstallPrefix() {
    return QStringLiteral(NUMBROOK_INSTALL_PREFIX);
}

namespace {

bool liesUnder(const QString &path, const QString &folder) {
    const QString root = QDir::cleanPath(folder);
    return !root.isEmpty() && root != QLatin1String("/") &&
           (path == root || path.startsWith(root + QLatin1Char('/')));
}

} // namespace

QString ObjectIniPathFor(const QString &executableFile, const QString &installPrefix) {
    const QFileInfo executable(executableFile);
    const QString fileName = executable.completeBaseName() + QStringLiteral(".ini");
    const QFileInfo folder(executable.absolutePath());
    // An installed program never writes beside itself, even where it could (run by root).
    const QString program = QDir::cleanPath(executable.absoluteFilePath());
    const bool installed =
        liesUnder(program, installPrefix) || liesUnder(program, QStringLiteral("/usr"));
    if (!installed && folder.isDir() && folder.isWritable()) {
        return QDir(folder.absoluteFilePath()).filePath(fileName);
    }
    const QString configFolder =
        QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return QDir(configFolder).filePath(QStringLiteral("Numbrook/") + fileName);
}

QString ObjectIniStore::objectFolder(int n) const {
    const QString root = dataRoot_.isEmpty() ? QCoreApplication::applicationDirPath() : dataRoot_;
    return QDir(root).filePath(QStringLiteral("Data/wav%1/").arg(n));
}

bool ObjectIniStore::SaveObjectOutput(int n, const ObjectParams &object) {
    return writeObjectFile([&](QSettings &settings) {
        settings.beginGroup(kMappingSection);
        settings.setValue(key("Object_", n), object.OutDeviceName);
        settings.endGroup();
    });
}

bool ObjectIniStore::SaveObjectInput(int n, const ObjectParams &object) {
    return writeObjectFile([&](QSettings &settings) {
        settings.beginGroup(kMappingSection);
        settings.setValue(key("ObjectIn_", n), object.InDeviceName);
        settings.endGroup();
    });
}

bool ObjectIniStore::SaveObjectParams(int n, const ObjectParams &object) {
    bool delayIsNumber = false;
    const int delay = object.DelayText.trimmed().toInt(&delayIsNumber);
    return writeObjectFile([&](QSettings &settings) {
        settings.beginGroup(kParamsSection);
        settings.setValue(key("ObjectPlayFromFile_", n), object.PlayFromFile ? 1 : 0);
        settings.setValue(key("ObjectLoop_", n), object.Loop ? 1 : 0);
        settings.setValue(key("ObjectInTriggerLevel_", n),
                          kTriggerTrackMaximum - object.TriggerPosition);
        settings.setValue(key("ObjectInDelay_", n), delayIsNumber ? delay : 1);
        settings.setValue(key("ObjectVL_", n), object.VolumeLeft);
        settings.setValue(key("ObjectVR_", n), object.VolumeRight);
        settings.setValue(key("ObjectInMixerVolume_", n), object.MixerVolume);
        settings.setValue(key("ObjectInClapsOnly_", n), object.ClapsOnly ? 1 : 0);
        settings.endGroup();
    });
}

void ObjectIniStore::LoadObjectParams(int n, ObjectParams &object) const {
    QSettings settings(path(), QSettings::IniFormat);
    settings.beginGroup(kParamsSection);
    object.PlayFromFile = readBoolean(settings, key("ObjectPlayFromFile_", n), false);
    object.Loop = readBoolean(settings, key("ObjectLoop_", n), false);
    // Like the track bar it stands for, the position stays within the bar's range.
    const qint64 level = readInteger(settings, key("ObjectInTriggerLevel_", n), 50);
    object.TriggerPosition =
        int(std::clamp<qint64>(kTriggerTrackMaximum - level, 0, kTriggerTrackMaximum));
    object.DelayText = QString::number(readInteger(settings, key("ObjectInDelay_", n), 1));
    object.VolumeLeft = readInteger(settings, key("ObjectVL_", n), 50);
    object.VolumeRight = readInteger(settings, key("ObjectVR_", n), 50);
    object.MixerVolume = readInteger(settings, key("ObjectInMixerVolume_", n), 50);
    object.ClapsOnly = readBoolean(settings, key("ObjectInClapsOnly_", n), false);
    settings.endGroup();
}

QString ObjectIniStore::StoredObjectOutput(int n) const {
    return QSettings(path(), QSettings::IniFormat)
        .value(kMappingSection + QLatin1Char('/') + key("Object_", n))
        .toString();
}

QString ObjectIniStore::StoredObjectInput(int n) const {
    return QSettings(path(), QSettings::IniFormat)
        .value(kMappingSection + QLatin1Char('/') + key("ObjectIn_", n))
        .toString();
}

DeviceChoice ObjectIniStore::LookupObjectOutput(int n, const DeviceEntryList &devices) const {
    return lookup(key("Object_", n), devices);
}

DeviceChoice ObjectIniStore::LookupObjectInput(int n, const DeviceEntryList &devices) const {
    return lookup(key("ObjectIn_", n), devices);
}

} // namespace numbrook
