// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

#pragma once

#include <QString>

namespace numbrook {

// The program's title as used for its autostart entry: the executable's file name without its
// directory, cut before its first full stop, every letter after the first in lower case
// ("numbrook" for ".../numbrook", "Numbrook" for "Numbrook.bin").
QString ProgramTitle(const QString &executablePath);

// One argument of an Exec= line, quoted as the desktop entry rules require: an argument with a
// reserved character is put in double quotes with `"`, `` ` ``, `$` and `\` escaped; `%`
// becomes `%%`; then the line is escaped as a desktop entry string value (`\` doubled,
// control characters as \n, \t, \r).
QString DesktopExecArgument(const QString &argument);

// The per-user autostart entry that starts the program when the user logs on:
// $XDG_CONFIG_HOME/autostart/<title>.desktop (~/.config when XDG_CONFIG_HOME is unset).
class AutostartEntry {
public:
    explicit AutostartEntry(const QString &title);

    QString title() const { return title_; }
    // The entry's file, read anew from the environment.
    QString fileName() const;
    bool exists() const;

    // Writes the entry so that it starts `executablePath`, creating the folder if needed.
    // Returns false when the entry could not be written.
    bool write(const QString &executablePath) const;
    // Deletes the entry; a missing entry is no error. Returns false only when an existing
    // entry could not be deleted.
    bool remove() const;

private:
    QString title_;
};

} // namespace numbrook
