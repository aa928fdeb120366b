// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

// Quiz settings on the per-user settings key: defaults, stored values, values of another type.
#include "ConfigHome.h"
#include "QuizSession.h"
#include "SettingsKey.h"

#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

using namespace numbrook;

namespace {

const QStringList kValueNames = {"Diff_Math",       "Speed_Math",  "Screen_Res",   "Show_Points",
                                 "Show_Otvet_Mode", "Znak_1_Math", "Znak_2_Math",  "Znak_3_Math",
                                 "Znak_4_Math",     "Znak_5_Math", "Znak_6_Math",  "Znak_7_Math",
                                 "Znak_8_Math",     "Znak_9_Math", "Znak_10_Math", "Large_Text"};

} // namespace

class QuizSettingsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> config_;
    std::unique_ptr<testing::ConfigHome> home_;
    QuizSession session;

    QString fileName() const { return config_->path() + "/Pelorin Quillmark/Lantern.conf"; }

    // Writes raw texts into the settings file, as a user or another version could leave them.
    void store(const QList<QPair<QString, QString>> &values) {
        QSettings raw(fileName(), QSettings::NativeFormat);
        for (const auto &[name, text] : values) {
            raw.setValue(name, text);
        }
        raw.sync();
    }

    QString stored(const QString &name) const {
        QSettings raw(fileName(), QSettings::NativeFormat);
        return raw.value(name).toString();
    }

private Q_SLOTS:
    void init() {
        config_ = std::make_unique<QTemporaryDir>();
        QVERIFY(config_->isValid());
        home_ = std::make_unique<testing::ConfigHome>(config_->path());
        session = QuizSession{};
    }
    void cleanup() {
        home_.reset();
        config_.reset();
    }

    void freshFolder_givesDefaults_andSaveWritesAllValues() {
        session.generator.KindSlot = 33;
        session.generator.ExpressionIsCorrect = true;
        session.TotalQuestions = session.CorrectAnswers = session.WrongAnswers =
            session.PointsTotal = 9;
        session.InitQuizEngine();
        QVERIFY(session.settings.SettingsLoaded);
        QCOMPARE(session.settings.Diff_Math, 1);
        QCOMPARE(session.settings.Speed_Math, 5);
        QCOMPARE(session.settings.Screen_Res, 0);
        QCOMPARE(session.settings.Show_Points, 0);
        QCOMPARE(session.settings.Show_Otvet_Mode, 0);
        QCOMPARE(session.settings.Znak(1), 1);
        for (int kind = 2; kind <= kKindCount; ++kind) {
            QCOMPARE(session.settings.Znak(kind), 0);
        }
        QCOMPARE(session.generator.KindSlot, 0);
        QVERIFY(!session.generator.ExpressionIsCorrect);
        QCOMPARE(session.TotalQuestions + session.CorrectAnswers + session.WrongAnswers +
                     session.PointsTotal,
                 0);

        session.settings.SaveQuizSettings();
        QSettings raw(fileName(), QSettings::NativeFormat);
        for (const QString &name : kValueNames) {
            QVERIFY2(raw.contains(name), qPrintable(name));
        }
        QCOMPARE(raw.value("Speed_Math").toString(), QStringLiteral("5"));
        QCOMPARE(raw.value("Znak_1_Math").toString(), QStringLiteral("1"));
        QCOMPARE(raw.value("Znak_2_Math").toString(), QStringLiteral("0"));
    }

    void storedBooleanFive_readsTrue_andIsWrittenBackAsOne() {
        store({{"Show_Points", "5"}, {"Znak_2_Math", "5"}});
        session.settings.LoadQuizSettings();
        QVERIFY(session.settings.Show_Points != 0);
        QVERIFY(session.settings.Znak(2) != 0);
        session.settings.SaveQuizSettings();
        QCOMPARE(stored("Show_Points"), QStringLiteral("1"));
        QCOMPARE(stored("Znak_2_Math"), QStringLiteral("1"));
    }

    void storedValues_loadUnchecked_butALevelOutOfRangeReadsAsOne_data() {
        QTest::addColumn<QString>("level");
        QTest::addColumn<int>("loaded");
        QTest::newRow("level 2") << "2" << 2;
        QTest::newRow("level 3") << "3" << 3;
        QTest::newRow("level 0") << "0" << 1;
        QTest::newRow("level 4") << "4" << 1;
        QTest::newRow("level -5") << "-5" << 1;
    }
    void storedValues_loadUnchecked_butALevelOutOfRangeReadsAsOne() {
        // A speed of 0 stays 0 (the panel wraps it later) and a cleared kind 1 stays cleared;
        // a level without a generator reads as level 1.
        QFETCH(QString, level);
        QFETCH(int, loaded);
        store(
            {{"Speed_Math", "0"}, {"Diff_Math", level}, {"Znak_1_Math", "0"}, {"Screen_Res", "1"}});
        session.settings.LoadQuizSettings();
        QCOMPARE(session.settings.Speed_Math, 0);
        QCOMPARE(session.settings.Diff_Math, loaded);
        QCOMPARE(session.settings.Znak(1), 0);
        QCOMPARE(session.settings.Screen_Res, 1);
    }

    void displaySizeOutOfRange_readsAsTheWindow_andIsWrittenBackSo_data() {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<int>("loaded");
        QTest::newRow("window") << "0" << 0;
        QTest::newRow("whole desktop") << "1" << 1;
        QTest::newRow("2") << "2" << 0;
        QTest::newRow("-5") << "-5" << 0;
        QTest::newRow("2147483648 (wraps to the lowest)") << "2147483648" << 0;
        QTest::newRow("4294967297 (too large)") << "4294967297" << 0;
    }
    void displaySizeOutOfRange_readsAsTheWindow_andIsWrittenBackSo() {
        QFETCH(QString, stored);
        QFETCH(int, loaded);
        store({{"Screen_Res", stored}});
        session.settings.LoadQuizSettings();
        QCOMPARE(session.settings.Screen_Res, loaded);
        session.settings.SaveQuizSettings();
        QCOMPARE(this->stored("Screen_Res"), QString::number(loaded));
    }

    void valueOfAnotherType_givesItsDefault_andLaterValuesStillLoad_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::newRow("level as text") << "Diff_Math"
                                       << "three";
        QTest::newRow("speed as fraction") << "Speed_Math"
                                           << "2.5";
        QTest::newRow("flag as empty text") << "Show_Points"
                                            << "";
        QTest::newRow("kind flag with blanks") << "Znak_1_Math"
                                               << " 1";
    }
    void valueOfAnotherType_givesItsDefault_andLaterValuesStillLoad() {
        QFETCH(QString, name);
        QFETCH(QString, text);
        store({{"Diff_Math", "3"},
               {"Speed_Math", "8"},
               {"Screen_Res", "1"},
               {"Show_Points", "1"},
               {"Show_Otvet_Mode", "1"},
               {"Znak_1_Math", "1"},
               {"Znak_2_Math", "1"},
               {"Znak_10_Math", "1"},
               {name, text}});
        session.settings.LoadQuizSettings();
        const QuizSettings loaded = session.settings;
        QCOMPARE(loaded.Diff_Math, name == "Diff_Math" ? 1 : 3);
        QCOMPARE(loaded.Speed_Math, name == "Speed_Math" ? 5 : 8);
        QCOMPARE(loaded.Screen_Res, 1);
        QCOMPARE(loaded.Show_Points, name == "Show_Points" ? 0 : 1);
        QCOMPARE(loaded.Show_Otvet_Mode, 1);
        QCOMPARE(loaded.Znak(1), 1);
        QCOMPARE(loaded.Znak(2), 1);
        QCOMPARE(loaded.Znak(10), 1);

        // The round trip keeps the good values and repairs the bad one.
        session.settings.SaveQuizSettings();
        session.settings = QuizSettings{};
        session.settings.LoadQuizSettings();
        QCOMPARE(session.settings.Diff_Math, loaded.Diff_Math);
        QCOMPARE(session.settings.Speed_Math, loaded.Speed_Math);
        QCOMPARE(session.settings.Show_Points, loaded.Show_Points);
        QCOMPARE(session.settings.Znak_Math, loaded.Znak_Math);
        QVERIFY(SettingsKey(fileName()).readInteger(name).has_value());
    }

    // A child's own values: every panel value goes and comes back; a damaged or foreign line
    // leaves what was there, and the fluency time (one for the family) is not a child's.
    void childValues_roundTrip_andDamagedLinesLeaveValuesAlone() {
        QuizSettings child;
        child.Diff_Math = 2;
        child.Speed_Math = 7;
        child.Show_Points = 1;
        child.Practice_Math = 1;
        child.School_Notation = 1;
        child.Znak(2) = 1;
        child.Fluency_Time = 8;
        QuizSettings panel;
        panel.Fluency_Time = 4;
        panel.setChildValues(child.childValues());
        QCOMPARE(panel.Diff_Math, 2);
        QCOMPARE(panel.Speed_Math, 7);
        QCOMPARE(panel.Show_Points, 1);
        QCOMPARE(panel.Practice_Math, 1);
        QCOMPARE(panel.School_Notation, 1);
        QCOMPARE(panel.Znak_Math, child.Znak_Math);
        QCOMPARE(panel.Fluency_Time, 4);
        panel.setChildValues(
            QStringLiteral("Diff_Math=9\nSpeed_Math=x\n=3\nNoSuch=1\nShow_Points"));
        QCOMPARE(panel.Diff_Math, 1); // out of range: level 1
        QCOMPARE(panel.Speed_Math, 7);
        QCOMPARE(panel.Show_Points, 1);
    }
};

QTEST_GUILESS_MAIN(QuizSettingsTest)
#include "tst_quizsettings.moc"
