// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

#include "SettingsKey.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <limits>

namespace numbrook {

namespace {

const QString kOrganisation = QStringLiteral("Pelorin Quillmark");
const QString kApplication = QStringLiteral("Lantern");

// Parses a whole decimal integer of 32 bits; unsigned double-word values above INT32_MAX
// wrap to their signed 32-bit pattern, as a double word read into a signed integer does.
std::optional<qint32> parseDoubleWord(const QString &text) {
    bool ok = false;
    const qlonglong value = text.toLongLong(&ok, 10);
    if (!ok || text.isEmpty() || text.front().isSpace() || text.back().isSpace()) {
        return std::nullopt;
    }
    if (value < std::numeric_limits<qint32>::min() ||
        value > static_cast<qlonglong>(std::numeric_limits<quint32>::max())) {
        return std::nullopt;
    }
    return static_cast<qint32>(static_cast<quint32>(value));
}

} // namespace

SettingsKey::SettingsKey() : SettingsKey(defaultFileName()) {}

SettingsKey::SettingsKey(const QString &fileName)
    : settings_(std::make_unique<QSettings>(fileName, QSettings::NativeFormat)) {}

SettingsKey::~SettingsKey() {
    settings_->sync();
}

QString SettingsKey::defaultFileName() {
    const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return base + QLatin1Char('/') + kOrganisation + QLatin1Char('/') + kApplication +
           QStringLiteral(".conf");
}

bool SettingsKey::valueExists(const QString &name) const {
    return settings_->contains(name);
}

std::optional<qint32> SettingsKey::readInteger(const QString &name, ReadFailure *failure) const {
    auto fail = [failure](ReadFailure why) -> std::optional<qint32> {
        if (failure) {
            *failure = why;
        }
        return std::nullopt;
    };
    if (!settings_->contains(name)) {
        return fail(ReadFailure::Missing);
    }
    const QVariant stored = settings_->value(name);
    // A list or other structured value is never an integer.
    if (stored.metaType().id() == QMetaType::QStringList) {
        return fail(ReadFailure::OtherType);
    }
    const std::optional<qint32> value = parseDoubleWord(stored.toString());
    if (!value) {
        return fail(ReadFailure::OtherType);
    }
    if (failure) {
        *failure = ReadFailure::None;
    }
    return value;
}

std::optional<bool> SettingsKey::readBoolean(const QString &name, ReadFailure *failure) const {
    const std::optional<qint32> value = readInteger(name, failure);
    if (!value) {
        return std::nullopt;
    }
    return *value != 0;
}

void SettingsKey::writeInteger(const QString &name, qint32 value) {
    settings_->setValue(name, QString::number(value));
}

void SettingsKey::writeBoolean(const QString &name, bool value) {
    writeInteger(name, value ? 1 : 0);
}

std::optional<qint32> SettingsKey::readStored(const QString &name, StoredAs as) const {
    if (as == StoredAs::Boolean) {
        const std::optional<bool> on = readBoolean(name);
        return on ? std::optional<qint32>(*on ? 1 : 0) : std::nullopt;
    }
    return readInteger(name);
}

void SettingsKey::writeStored(const QString &name, StoredAs as, qint32 value) {
    if (as == StoredAs::Integer) {
        writeInteger(name, value);
    } else {
        writeBoolean(name, value != 0);
    }
}

bool SettingsKey::close() {
    settings_->sync();
    return settings_->status() == QSettings::NoError;
}

} // namespace numbrook
