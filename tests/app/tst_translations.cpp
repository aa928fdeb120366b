// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

// Every interface and results text, in English and Russian, against the texts the program
// showed before its texts went through the translation catalogues (data/texts_en_ru.json,
// written from the old table): the catalogues must keep them byte for byte.
#include "ResultsTexts.h"
#include "StringTable.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMetaEnum>
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

private:
    static void compare() {
        QFETCH(QString, actual);
        QFETCH(QString, expected);
        QCOMPARE(actual, expected);
    }
};

QTEST_GUILESS_MAIN(TranslationsTest)
#include "tst_translations.moc"
