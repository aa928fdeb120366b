// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace numbrook {

// What the command line asks for, decided before any window system is opened.
struct CommandLineOutcome {
    // Set when the program prints and ends instead of starting.
    std::optional<int> exitCode;
    QString standardOutput;
    QString standardError;
};

// Reads the program's arguments (the program name first): --help and --version print and end
// with status 0; an unknown option or a stray argument prints the error and the usage to the
// error output and ends with status 2. Qt's own options (-platform, -style, ...) are accepted,
// listed in the help and left in place for the application object to act on. The texts are in
// interface language `languageIndex`.
CommandLineOutcome parseCommandLine(const QStringList &arguments, int languageIndex = 0);

// main()'s arguments as text, the program name first.
QStringList argumentList(int argc, char **argv);

// parseCommandLine over main()'s arguments, printing what it says. Returns the exit status when
// the program is to end now, in the stored interface language (the desktop's when none is
// stored). Needs no application object and no display.
std::optional<int> handleCommandLine(int argc, char **argv);

} // namespace numbrook
