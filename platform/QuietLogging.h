// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

#pragma once

#include <QString>
#include <QStringList>

namespace numbrook {

// The logging rules that keep the program's own categories (numbrook.*) to warnings and
// errors, followed by the user's rule files in the order Qt reads them, so that a rule the user
// wrote there still wins over these defaults.
QString quietLoggingRules(const QStringList &userRuleFiles);

// Makes the program's categories print warnings and errors only, unless the user turns more on:
// QT_LOGGING_RULES (which Qt applies after these rules anyway), QT_LOGGING_CONF or a
// qtlogging.ini. Call it early in main(); it needs no application object.
void installQuietLogging();

} // namespace numbrook
