// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

#include "InterfaceLanguages.h"

#include "SettingsKey.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include <array>
#include <memory>

namespace numbrook {

namespace {

struct Language {
    const char *code;
    QLocale::Language language;
    QLocale::Territory territory;
};

// By index; a new language goes at the end, an index once released never changes.
constexpr std::array<Language, InterfaceLanguageCount> Languages{{
    {"en", QLocale::English, QLocale::UnitedStates},
    {"ru", QLocale::Russian, QLocale::Russia},
    {"de", QLocale::German, QLocale::Germany},
    {"fr", QLocale::French, QLocale::France},
    {"es", QLocale::Spanish, QLocale::Spain},
    {"it", QLocale::Italian, QLocale::Italy},
    {"pt_BR", QLocale::Portuguese, QLocale::Brazil},
    {"pl", QLocale::Polish, QLocale::Poland},
    {"uk", QLocale::Ukrainian, QLocale::Ukraine},
    {"zh_CN", QLocale::Chinese, QLocale::China},
}};

// Our catalogues, embedded in the program, each loaded at its first look-up and kept for the
// life of the program (read-only from then on; the windows' thread is the only user). English
// is the source language and has none.
class Catalogues {
public:
    QTranslator *of(int index) {
        if (index <= 0 || index >= InterfaceLanguageCount)
            return nullptr;
        Slot &slot = slots_[std::size_t(index)];
        if (!slot.tried) {
            slot.tried = true;
            auto translator = std::make_unique<QTranslator>();
            if (translator->load(QStringLiteral(":/i18n/numbrook_%1.qm")
                                     .arg(QLatin1String(Languages[std::size_t(index)].code))))
                slot.translator = std::move(translator);
        }
        return slot.translator.get();
    }

private:
    struct Slot {
        bool tried = false;
        std::unique_ptr<QTranslator> translator;
    };
    std::array<Slot, InterfaceLanguageCount> slots_;
};

Catalogues &catalogues() {
    static Catalogues loaded;
    return loaded;
}

} // namespace

bool IsInterfaceLanguage(int index) {
    return index >= 0 && index < InterfaceLanguageCount;
}

QString InterfaceLanguageCode(int index) {
    return IsInterfaceLanguage(index) ? QLatin1String(Languages[std::size_t(index)].code)
                                      : QString();
}

QLocale InterfaceLanguageLocale(int index) {
    const Language &language = Languages[std::size_t(IsInterfaceLanguage(index) ? index : 0)];
    return QLocale(language.language, language.territory);
}

int InterfaceLanguageFor(const QStringList &uiLanguages) {
    for (const QString &name : uiLanguages) {
        const QLocale wanted(name);
        if (wanted.language() == QLocale::C)
            continue;
        for (int index = 0; index < InterfaceLanguageCount; ++index) {
            if (wanted.language() != Languages[std::size_t(index)].language)
                continue;
            // Simplified characters are no answer to a reader of traditional ones.
            if (wanted.language() == QLocale::Chinese &&
                wanted.script() == QLocale::TraditionalHanScript)
                continue;
            return index;
        }
    }
    return -1;
}

int DesktopInterfaceLanguage() {
    return InterfaceLanguageFor(QLocale::system().uiLanguages());
}

int ChosenInterfaceLanguage(std::optional<int> stored) {
    if (!stored) {
        const int desktop = DesktopInterfaceLanguage();
        return desktop >= 0 ? desktop : 0;
    }
    return IsInterfaceLanguage(*stored) ? *stored : 0;
}

int StoredInterfaceLanguage() {
    return ChosenInterfaceLanguage(
        SettingsKey().readInteger(QLatin1String(InterfaceLanguageSetting)));
}

QString TranslatedText(int index, const char *context, const char *source,
                       const char *disambiguation) {
    if (QTranslator *translator = catalogues().of(index)) {
        const QString text = translator->translate(context, source, disambiguation);
        if (!text.isEmpty())
            return text;
    }
    return QString::fromUtf8(source);
}

void InstallInterfaceLanguage(int index) {
    static QTranslator *installedOurs = nullptr;
    static std::unique_ptr<QTranslator> qtOwn;
    if (installedOurs)
        QCoreApplication::removeTranslator(installedOurs);
    if (qtOwn)
        QCoreApplication::removeTranslator(qtOwn.get());
    installedOurs = nullptr;
    qtOwn.reset();
    if (!IsInterfaceLanguage(index) || index == 0)
        return;
    if (QTranslator *ours = catalogues().of(index)) {
        QCoreApplication::installTranslator(ours);
        installedOurs = ours;
    }
    auto qt = std::make_unique<QTranslator>();
    if (qt->load(QStringLiteral("qtbase_%1").arg(InterfaceLanguageCode(index)),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(qt.get());
        qtOwn = std::move(qt);
    }
}

} // namespace numbrook
