// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

#include "WebPages.h"

#include "StringTable.h"

namespace numbrook {

namespace {

// The only place that knows the site's addresses.
const char *const HomePages[] = {"https://www.numbrook.example/en/",
                                 "https://www.numbrook.example/ru/"};
const char *const ProgramPages[] = {"https://www.numbrook.example/en/programs/numbrook/",
                                    "https://www.numbrook.example/ru/programs/numbrook/"};
const char *const HelpFiles[] = {"Help_e.txt", "Help_r.txt"};

bool isLanguage(qint32 languageIndex) {
    return languageIndex == LanguageEnglish || languageIndex == LanguageRussian;
}

} // namespace

QUrl HomePageUrl(qint32 languageIndex) {
    return isLanguage(languageIndex) ? QUrl(QLatin1String(HomePages[languageIndex])) : QUrl();
}

QUrl ProgramPageUrl(qint32 languageIndex) {
    return isLanguage(languageIndex) ? QUrl(QLatin1String(ProgramPages[languageIndex])) : QUrl();
}

QString HelpFileName(qint32 languageIndex) {
    return isLanguage(languageIndex) ? QLatin1String(HelpFiles[languageIndex]) : QString();
}

} // namespace numbrook
