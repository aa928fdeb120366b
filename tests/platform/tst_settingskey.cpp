// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

// The typed settings layer: what counts as an integer, missing values, other types.
#include "SettingsKey.h"

#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

using namespace numbrook;

class SettingsKeyTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    QString file() const { return dir_.filePath("Lantern.conf"); }

private Q_SLOTS:
    void readInteger_acceptsOnlyWholeDecimalDoubleWords_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("isInteger");
        QTest::addColumn<int>("value");
        QTest::newRow("zero") << "0" << true << 0;
        QTest::newRow("positive") << "12" << true << 12;
        QTest::newRow("negative") << "-3" << true << -3;
        QTest::newRow("largest double word") << "4294967295" << true << -1;
        QTest::newRow("beyond a double word") << "4294967296" << false << 0;
        QTest::newRow("word") << "abc" << false << 0;
        QTest::newRow("empty") << "" << false << 0;
        QTest::newRow("leading blank") << " 5" << false << 0;
        QTest::newRow("fraction") << "1.5" << false << 0;
        QTest::newRow("hexadecimal") << "0x10" << false << 0;
    }
    void readInteger_acceptsOnlyWholeDecimalDoubleWords() {
        QFETCH(QString, text);
        QFETCH(bool, isInteger);
        QFETCH(int, value);
        {
            QSettings raw(file(), QSettings::NativeFormat);
            raw.setValue("Value", text);
        }
        SettingsKey key(file());
        QVERIFY(key.valueExists("Value"));
        ReadFailure failure = ReadFailure::None;
        const auto read = key.readInteger("Value", &failure);
        QCOMPARE(read.has_value(), isInteger);
        QCOMPARE(failure, isInteger ? ReadFailure::None : ReadFailure::OtherType);
        if (isInteger) {
            QCOMPARE(*read, value);
            QCOMPARE(*key.readBoolean("Value"), value != 0);
        } else {
            QVERIFY(!key.readBoolean("Value").has_value());
        }
    }

    void missingValue_isMissingNotOtherType() {
        SettingsKey key(file());
        ReadFailure failure = ReadFailure::None;
        QVERIFY(!key.valueExists("Absent"));
        QVERIFY(!key.readInteger("Absent", &failure).has_value());
        QCOMPARE(failure, ReadFailure::Missing);
    }

    void writes_areDecimalTextAndBooleansZeroOrOne() {
        {
            SettingsKey key(file());
            key.writeInteger("Count", -7);
            key.writeBoolean("On", true);
            key.writeBoolean("Off", false);
            QVERIFY(key.close());
        }
        QSettings raw(file(), QSettings::NativeFormat);
        QCOMPARE(raw.value("Count").toString(), QStringLiteral("-7"));
        QCOMPARE(raw.value("On").toString(), QStringLiteral("1"));
        QCOMPARE(raw.value("Off").toString(), QStringLiteral("0"));
    }

    // A table's rows read and write each value as its kind says, and take the fallback for
    // what is missing or of another type.
    void storedFields_keptAsTheirKindSays() {
        struct Values {
            qint32 integer = 0;
            qint32 flag = 0;
            qint32 boolean = 0;
            qint32 absent = 0;
        };
        static constexpr StoredField<Values> fields[] = {
            {"Integer", StoredAs::Integer, &Values::integer, -1},
            {"Flag", StoredAs::Flag, &Values::flag, -1},
            {"Boolean", StoredAs::Boolean, &Values::boolean, -1},
            {"Absent", StoredAs::Integer, &Values::absent, 42},
        };
        {
            SettingsKey key(file());
            key.writeFields(Values{5, 5, 5, 5}, fields);
            QVERIFY(key.close());
        }
        QSettings raw(file(), QSettings::NativeFormat);
        QCOMPARE(raw.value("Integer").toString(), QStringLiteral("5"));
        QCOMPARE(raw.value("Flag").toString(), QStringLiteral("1"));
        QCOMPARE(raw.value("Boolean").toString(), QStringLiteral("1"));
        raw.setValue("Integer", QStringLiteral("7"));
        raw.setValue("Flag", QStringLiteral("7"));
        raw.setValue("Boolean", QStringLiteral("7"));
        raw.setValue("Absent", QStringLiteral("seven"));
        raw.sync();
        Values read;
        SettingsKey(file()).readFields(read, fields);
        QCOMPARE(read.integer, 7);
        QCOMPARE(read.flag, 7);
        QCOMPARE(read.boolean, 1);
        QCOMPARE(read.absent, 42);
    }

    void defaultFile_followsXdgConfigHome() {
        QTemporaryDir other;
        qputenv("XDG_CONFIG_HOME", other.path().toLocal8Bit());
        QCOMPARE(SettingsKey::defaultFileName(), other.path() + "/Pelorin Quillmark/Lantern.conf");
        {
            SettingsKey key;
            key.writeInteger("Languare", 1);
        }
        QVERIFY(QFile::exists(other.path() + "/Pelorin Quillmark/Lantern.conf"));
    }
};

QTEST_GUILESS_MAIN(SettingsKeyTest)
#include "tst_settingskey.moc"
