// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

#pragma once

// The interface languages and their translation catalogues. A language is known by its index,
// which the settings store: 0 English, 1 Russian, then the others in a fixed order that never
// changes once released (a new language is added at the end).

#include <QLocale>
#include <QString>

#include <optional>

namespace numbrook {

constexpr int InterfaceLanguageCount = 10;

// Whether `index` names a language.
bool IsInterfaceLanguage(int index);

// The catalogue's name of the language (numbrook_<code>.qm, Help_<code>.txt): "en", "ru",
// "de", ..., "pt_BR", "zh_CN"; empty for an index that names none.
QString InterfaceLanguageCode(int index);

// The locale the language writes dates, times and decimal numbers in; English for an index
// that names none.
QLocale InterfaceLanguageLocale(int index);

// The first of the desktop's interface languages (most wanted first) that has a catalogue;
// -1 when none has.
int DesktopInterfaceLanguage();
// The same for a list of locale names as QLocale::uiLanguages() gives them.
int InterfaceLanguageFor(const QStringList &uiLanguages);

// The settings value that holds the index.
inline constexpr char InterfaceLanguageSetting[] = "Languare";

// The language for a stored index: with nothing stored (or a value of another type) the
// desktop's language where there is a catalogue for it, else English; an index that names no
// language reads as English.
int ChosenInterfaceLanguage(std::optional<int> stored);
// The same for what the settings hold now.
int StoredInterfaceLanguage();

// `source` (the English text) in language `index`, from its catalogue; the English text when
// the catalogue has none or the index names no language.
QString TranslatedText(int index, const char *context, const char *source,
                       const char *disambiguation = nullptr);

// Makes `index` the language of the running application: our catalogue and Qt's own (message
// box buttons, the file dialog) are installed, the ones of the language before removed.
void InstallInterfaceLanguage(int index);

} // namespace numbrook
