// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

// Every interface and results text, in English and Russian, against the texts the program
// showed before its texts went through the translation catalogues (data/texts_en_ru.json,
// written from the old table): the catalogues must keep them byte for byte.
#include "CommandLine.h"
#include "InterfaceLanguages.h"
#include "ResultsTexts.h"
#include "StringTable.h"
#include "WebPages.h"

#include <QCoreApplication>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMetaEnum>
#include <QRegularExpression>
#include <QSet>
#include <QTest>

using namespace numbrook;

namespace {

QJsonObject expectedTexts() {
    QFile file(QStringLiteral(TEXTS_DATA));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", TEXTS_DATA);
    return QJsonDocument::fromJson(file.readAll()).object();
}

// One row per key and language: the key's value in its enumeration, the expected text.
template <typename Key> void addRows(const char *table, QString (*lookup)(Key, int)) {
    QTest::addColumn<QString>("actual");
    QTest::addColumn<QString>("expected");
    const QMetaEnum keys = QMetaEnum::fromType<Key>();
    const QJsonArray rows = expectedTexts().value(QLatin1String(table)).toArray();
    QVERIFY(rows.size() > 70);
    for (const QJsonValue &value : rows) {
        const QJsonObject row = value.toObject();
        const QByteArray name = row.value(QLatin1String("key")).toString().toUtf8();
        bool known = false;
        const int key = keys.keyToValue(name.constData(), &known);
        QVERIFY2(known, name.constData());
        for (const auto &[language, index] : {std::pair{"en", 0}, std::pair{"ru", 1}}) {
            QTest::addRow("%s %s", name.constData(), language)
                << lookup(Key(key), index) << row.value(QLatin1String(language)).toString();
        }
    }
}

QString interfaceText(UiKey key, int language) {
    return UiText(key, language);
}

} // namespace

class TranslationsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void interfaceTexts_asBefore_data() { addRows<UiKey>("UiKey", &interfaceText); }
    void interfaceTexts_asBefore() { compare(); }
    void resultsTexts_asBefore_data() { addRows<ResultsText>("ResultsText", &ResultsTexts::text); }
    void resultsTexts_asBefore() { compare(); }

    // Each language's catalogue is there and names its language.
    void everyLanguage_hasItsCatalogue() {
        QSet<QString> names;
        for (int language = 0; language < InterfaceLanguageCount; ++language)
            names.insert(UiText(UiKey::LanguageName, language));
        QCOMPARE(names.size(), InterfaceLanguageCount);
        QCOMPARE(UiText(UiKey::LanguageName, 2), QStringLiteral("Deutsch"));
        QCOMPARE(UiText(UiKey::LanguageName, 9), QStringLiteral("简体中文"));
        QVERIFY(UiText(UiKey::LanguageName, InterfaceLanguageCount).isEmpty());
        QCOMPARE(ResultsTexts::text(ResultsText::CloseButton, 99), QStringLiteral("Close"));
    }

    // A translation keeps the source's placeholders and the spacing the program relies on.
    void translations_keepPlaceholders_data() {
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("translation");
        for (int language = 1; language < InterfaceLanguageCount; ++language) {
            const QByteArray code = InterfaceLanguageCode(language).toLatin1();
            for (int key = 0; key < UiKeyCount; ++key) {
                QTest::addRow("%s %s", code.constData(),
                              QMetaEnum::fromType<UiKey>().valueToKey(key))
                    << UiText(UiKey(key), 0) << UiText(UiKey(key), language);
            }
            for (int id = 0; id < int(ResultsText::Count); ++id) {
                QTest::addRow("%s %s", code.constData(),
                              QMetaEnum::fromType<ResultsText>().valueToKey(id))
                    << ResultsTexts::text(ResultsText(id), 0)
                    << ResultsTexts::text(ResultsText(id), language);
            }
        }
    }
    void translations_keepPlaceholders() {
        QFETCH(QString, source);
        QFETCH(QString, translation);
        static const QRegularExpression placeholder(QStringLiteral("%\\d"));
        const auto placeholders = [](const QString &text) {
            QStringList found;
            for (const QRegularExpressionMatch &match : placeholder.globalMatch(text))
                found.append(match.captured());
            found.sort();
            return found;
        };
        QVERIFY(!translation.trimmed().isEmpty());
        QCOMPARE(placeholders(translation), placeholders(source));
        // The thread counts are followed by a number: the source's trailing spaces stay.
        if (source.endsWith(QLatin1Char(' ')))
            QVERIFY(translation.endsWith(source.mid(source.trimmed().size())));
    }

    void desktopLanguages_data() {
        QTest::addColumn<QStringList>("uiLanguages");
        QTest::addColumn<int>("language");
        QTest::newRow("German") << QStringList{"de-DE", "de"} << 2;
        QTest::newRow("French of Canada") << QStringList{"fr-CA"} << 3;
        QTest::newRow("Spanish") << QStringList{"es_ES"} << 4;
        QTest::newRow("Portuguese of Portugal") << QStringList{"pt-PT"} << 6;
        QTest::newRow("Brazilian Portuguese") << QStringList{"pt-BR"} << 6;
        QTest::newRow("Ukrainian") << QStringList{"uk-UA", "uk"} << 8;
        QTest::newRow("Simplified Chinese") << QStringList{"zh-Hans-CN", "zh-CN"} << 9;
        QTest::newRow("Traditional Chinese") << QStringList{"zh-Hant-TW"} << -1;
        QTest::newRow("first known one wins") << QStringList{"ja-JP", "pl-PL", "de"} << 7;
        QTest::newRow("British English") << QStringList{"en-GB"} << 0;
        QTest::newRow("C locale") << QStringList{"C"} << -1;
        QTest::newRow("none") << QStringList{} << -1;
    }
    void desktopLanguages() {
        QFETCH(QStringList, uiLanguages);
        QFETCH(int, language);
        QCOMPARE(InterfaceLanguageFor(uiLanguages), language);
    }

    void storedLanguage_wins() {
        QCOMPARE(ChosenInterfaceLanguage(1), 1);
        QCOMPARE(ChosenInterfaceLanguage(9), 9);
        QCOMPARE(ChosenInterfaceLanguage(InterfaceLanguageCount), 0);
        QCOMPARE(ChosenInterfaceLanguage(-1), 0);
    }

    // Dates follow the language; the numbers of an equation never do.
    void datesInTheLanguage() {
        const QDateTime when(QDate(2026, 3, 2), QTime(14, 5));
        const auto date = [&when](int language) {
            return InterfaceLanguageLocale(language).toString(
                when, ResultsTexts::text(ResultsText::DateFormat, language));
        };
        QCOMPARE(date(0), QStringLiteral("Mon 2 Mar, 14:05"));
        QCOMPARE(date(1), QStringLiteral("пн 2 мар., 14:05"));
        QCOMPARE(date(2), QStringLiteral("Mo. 2. März, 14:05"));
        QCOMPARE(date(9), QStringLiteral("3月2日 周一 14:05"));
    }

    // Installing a language brings Qt's own texts (message box buttons) and every tr() along;
    // English takes them away again.
    void installedLanguage_qtDialogsFollow() {
        const auto yes = [] { return QCoreApplication::translate("QPlatformTheme", "&Yes"); };
        const auto message = [] {
            return QCoreApplication::translate("ShellActions", "Failed to set data for '%1'");
        };
        InstallInterfaceLanguage(LanguageRussian);
        QCOMPARE(yes(), QStringLiteral("&Да"));
        QCOMPARE(message(), QStringLiteral("Не удалось установить данные для «%1»"));
        InstallInterfaceLanguage(2);
        QCOMPARE(yes(), QStringLiteral("&Ja"));
        QCOMPARE(message(), QStringLiteral("Daten für „%1“ konnten nicht gesetzt werden"));
        InstallInterfaceLanguage(LanguageEnglish);
        QCOMPARE(yes(), QStringLiteral("&Yes"));
        QCOMPARE(message(), QStringLiteral("Failed to set data for '%1'"));
    }

    // --help speaks the language it is given.
    void commandLineHelp_inTheLanguage() {
        const QStringList arguments{QStringLiteral("numbrook"), QStringLiteral("--help")};
        QVERIFY(parseCommandLine(arguments).standardOutput.contains(
            QStringLiteral("Show the version and end.")));
        QVERIFY(parseCommandLine(arguments, 2)
                    .standardOutput.contains(QStringLiteral("Die Version zeigen und beenden.")));
        const CommandLineOutcome stray =
            parseCommandLine({QStringLiteral("numbrook"), QStringLiteral("x")}, 3);
        QVERIFY(stray.standardError.startsWith(QStringLiteral("Argument inattendu : x\n")));
    }

    // Every language has its help text among the resources, under the name the help button
    // opens.
    void everyLanguage_hasItsHelpText() {
        for (int language = 0; language < InterfaceLanguageCount; ++language) {
            const QString name = HelpFileName(language);
            QVERIFY2(QFile::exists(QStringLiteral(HELP_FOLDER "/") + name), qPrintable(name));
        }
    }

private:
    static void compare() {
        QFETCH(QString, actual);
        QFETCH(QString, expected);
        QCOMPARE(actual, expected);
    }
};

QTEST_GUILESS_MAIN(TranslationsTest)
#include "tst_translations.moc"
