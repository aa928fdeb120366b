// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

#pragma once

#include <QSettings>
#include <QString>
#include <cstddef>
#include <memory>
#include <optional>

namespace numbrook {

// Why a typed read gave no value.
enum class ReadFailure {
    None,      // the read succeeded
    Missing,   // no value of that name exists
    OtherType, // a value exists, but it is not a whole decimal integer
};

// How a settings struct keeps one of its integers in the key.
enum class StoredAs {
    Integer, // read and written as the integer
    Flag,    // read as the stored integer (any non-zero is on), written as 0 or 1
    Boolean, // read as 0 or 1, written as 0 or 1
};

// One row of a settings struct's table: the value's name in the key, how it is kept, the member
// that holds it, and what the member takes when nothing of the right type is stored.
template <typename Settings> struct StoredField {
    const char *name;
    StoredAs as;
    qint32 Settings::*member;
    qint32 fallback = 0;
};

// The per-user settings key "Pelorin Quillmark/Lantern" as a small typed store over QSettings
// in its native format ($XDG_CONFIG_HOME/Pelorin Quillmark/Lantern.conf).
//
// Integers are kept as decimal text. A value counts as an integer only when its whole text is
// a decimal number that fits 32 bits (signed, or unsigned as a double word is); any other text
// is a value of another type, and reading it as an integer or boolean fails.
class SettingsKey {
public:
    // Opens the key, creating the folder and file on the first write.
    SettingsKey();
    // Opens the key stored in a specific file (tests and tools).
    explicit SettingsKey(const QString &fileName);
    ~SettingsKey();
    Q_DISABLE_COPY_MOVE(SettingsKey)

    // The file that holds the key for the current user, read anew from XDG_CONFIG_HOME.
    static QString defaultFileName();

    bool valueExists(const QString &name) const;
    std::optional<qint32> readInteger(const QString &name, ReadFailure *failure = nullptr) const;
    // Any non-zero stored integer reads as true.
    std::optional<bool> readBoolean(const QString &name, ReadFailure *failure = nullptr) const;

    void writeInteger(const QString &name, qint32 value);
    // Written as the integer 0 or 1.
    void writeBoolean(const QString &name, bool value);

    // A value kept `as` the table says; empty when it is missing or of another type.
    std::optional<qint32> readStored(const QString &name, StoredAs as) const;
    void writeStored(const QString &name, StoredAs as, qint32 value);

    // Every member a table names, from the key (its fallback where nothing usable is stored)
    // and into it.
    template <typename Settings, std::size_t N>
    void readFields(Settings &settings, const StoredField<Settings> (&fields)[N]) const {
        for (const StoredField<Settings> &field : fields) {
            settings.*field.member =
                readStored(QLatin1String(field.name), field.as).value_or(field.fallback);
        }
    }
    template <typename Settings, std::size_t N>
    void writeFields(const Settings &settings, const StoredField<Settings> (&fields)[N]) {
        for (const StoredField<Settings> &field : fields) {
            writeStored(QLatin1String(field.name), field.as, settings.*field.member);
        }
    }

    // Writes pending changes to disk; true when the file could be written.
    bool close();

private:
    std::unique_ptr<QSettings> settings_;
};

} // namespace numbrook
