// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

#pragma once

#include <QUrl>

namespace numbrook {

// The product site's pages, English for language index 0 and Russian for 1; an index that
// names no language gives an empty address (and the buttons then do nothing).
QUrl HomePageUrl(qint32 languageIndex);
QUrl ProgramPageUrl(qint32 languageIndex);

// The help text of a language ("Help_e.txt", "Help_r.txt", "Help_de.txt", ...); empty for an
// index that names no language.
QString HelpFileName(qint32 languageIndex);

} // namespace numbrook
