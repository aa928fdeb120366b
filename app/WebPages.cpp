// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

#include "WebPages.h"

#include "InterfaceLanguages.h"
#include "StringTable.h"

namespace numbrook {

namespace {

// The only place that knows the site's addresses.
const char *const HomePages[] = {"https://www.numbrook.example/en/",
                                 "https://www.numbrook.example/ru/"};
const char *const ProgramPages[] = {"https://www.numbrook.example/en/programs/numbrook/",
                                    "https://www.numbrook.example/ru/programs/numbrook/"};

bool isLanguage(qint32 languageIndex) {
    return IsInterfaceLanguage(languageIndex);
}

// The site has English and Russian pages; the other languages get the English ones.
int siteLanguage(qint32 languageIndex) {
    return languageIndex == LanguageRussian ? LanguageRussian : LanguageEnglish;
}

} // namespace

QUrl HomePageUrl(qint32 languageIndex) {
    return isLanguage(languageIndex) ? QUrl(QLatin1String(HomePages[siteLanguage(languageIndex)]))
                                     : QUrl();
}

QUrl ProgramPageUrl(qint32 languageIndex) {
    return isLanguage(languageIndex)
               ? QUrl(QLatin1String(ProgramPages[siteLanguage(languageIndex)]))
               : QUrl();
}

QString HelpFileName(qint32 languageIndex) {
    // English and Russian keep their old names; the others are named by their catalogue.
    switch (languageIndex) {
    case LanguageEnglish:
        return QStringLiteral("Help_e.txt");
    case LanguageRussian:
        return QStringLiteral("Help_r.txt");
    default:
        return isLanguage(languageIndex)
                   ? QStringLiteral("Help_%1.txt").arg(InterfaceLanguageCode(languageIndex))
                   : QString();
    }
}

} // namespace numbrook
