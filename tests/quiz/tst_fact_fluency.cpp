// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

// Fact states from hand-made tries (right, wrong, slow and silent-right mixes, fewer than three
// tries), the facts of each operation and the daily fluent share.
#include "FactFluency.h"

#include <QTest>

using namespace numbrook;

namespace {

// One try written as a letter: R right and fast, S right but slow, W wrong, Q a false equation
// judged right by silence, M a true equation missed (silent: wrong).
FactTry tryOf(QChar letter, const QDate &day = QDate(2026, 3, 2)) {
    FactTry t;
    t.day = day;
    t.equation = QStringLiteral("3+4=7");
    switch (letter.toLatin1()) {
    case 'R':
        t = {day, t.equation, true, true, 1200};
        break;
    case 'S':
        t = {day, t.equation, true, true, 4500};
        break;
    case 'W':
        t = {day, QStringLiteral("3+4=6"), false, false, 900};
        break;
    case 'Q':
        t = {day, QStringLiteral("3+4=6"), false, true, std::nullopt};
        break;
    default:
        t = {day, t.equation, true, false, std::nullopt};
        break;
    }
    return t;
}

} // namespace

class FactFluencyTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void state_followsTheLastThreeTries_data() {
        QTest::addColumn<QString>("tries");
        QTest::addColumn<int>("state");
        QTest::newRow("never asked") << "" << int(FactState::NotSeen);
        QTest::newRow("one right try") << "R" << int(FactState::Learning);
        QTest::newRow("two right tries") << "RR" << int(FactState::Fluent);
        QTest::newRow("right, wrong") << "RW" << int(FactState::Learning);
        QTest::newRow("two of three right") << "RWR" << int(FactState::Fluent);
        QTest::newRow("right but slow twice") << "SRS" << int(FactState::Learning);
        QTest::newRow("silence on false equations") << "QQ" << int(FactState::Fluent);
        QTest::newRow("silence on a true one") << "RMM" << int(FactState::Learning);
        QTest::newRow("older tries forgotten") << "WWWRR" << int(FactState::Fluent);
        QTest::newRow("fluent, then forgotten") << "RRRWW" << int(FactState::Learning);
        QTest::newRow("mixed silent and fast") << "WQR" << int(FactState::Fluent);
    }
    void state_followsTheLastThreeTries() {
        QFETCH(QString, tries);
        QFETCH(int, state);
        FactProgress progress;
        for (QChar letter : tries)
            progress.addEquation(tryOf(letter));
        QCOMPARE(int(progress.state(Fact{'+', 3, 4}, kDefaultFluencyMs)), state);
        QCOMPARE(progress.lastTries(Fact{'+', 3, 4}).size(), std::min<qsizetype>(tries.size(), 3));
        // Another fact is untouched.
        QCOMPARE(progress.state(Fact{'+', 4, 3}, kDefaultFluencyMs), FactState::NotSeen);
    }

    void fluencyTime_decidesWhatIsFastEnough() {
        FactProgress progress;
        progress.addEquation(tryOf('S'));
        progress.addEquation(tryOf('S'));
        QCOMPARE(progress.state(Fact{'+', 3, 4}, 3000), FactState::Learning);
        QCOMPARE(progress.state(Fact{'+', 3, 4}, 5000), FactState::Fluent);
    }

    void equations_ofOtherLevels_areNoFacts_data() {
        QTest::addColumn<QString>("equation");
        QTest::addColumn<bool>("fact");
        QTest::newRow("sum") << "7+2=9" << true;
        QTest::newRow("difference to zero") << "5-5=0" << true;
        QTest::newRow("quotient") << "8/4=2" << true;
        QTest::newRow("level 2") << "3+2=4+1" << false;
        QTest::newRow("level 3") << "8/2+1=2*2+1" << false;
        QTest::newRow("garbage") << "x+1=2" << false;
    }
    void equations_ofOtherLevels_areNoFacts() {
        QFETCH(QString, equation);
        QFETCH(bool, fact);
        QCOMPARE(FactOfEquation(equation).has_value(), fact);
    }

    // The grids hold exactly what the level-1 generator asks.
    void factsOfEachOperation_matchTheGenerator() {
        QCOMPARE(FactsOfOperation('+').size(), std::size_t(16));
        QCOMPARE(FactsOfOperation('-').size(), std::size_t(45));
        QCOMPARE(FactsOfOperation('*').size(), std::size_t(19));
        QCOMPARE(FactsOfOperation('/').size(), std::size_t(25));
        for (char op : kFactOperations)
            for (const Fact &fact : FactsOfOperation(op))
                QVERIFY(op != '*' || *fact.value() <= 9);
        QCOMPARE(Fact({'/', 7, 2}).value(), std::nullopt);
    }

    void timeline_givesTheShareAtTheEndOfEachDay() {
        const QDate monday(2026, 3, 2);
        FluencyTimeline timeline(kDefaultFluencyMs);
        // Monday: 1+1 twice right. Wednesday: 1+2 twice right, 1+1 wrong twice.
        for (const char *equation : {"1+1=2", "1+1=2"})
            timeline.add({monday, QString::fromLatin1(equation), true, true, 800});
        for (const char *equation : {"1+2=3", "1+2=3"})
            timeline.add({monday.addDays(2), QString::fromLatin1(equation), true, true, 800});
        for (int i = 0; i < 2; ++i)
            timeline.add({monday.addDays(2), QStringLiteral("1+1=5"), false, false, 700});
        timeline.add({monday.addDays(2), QStringLiteral("2+2=4+0"), true, true, 700});
        const QList<DailyFluency> days = timeline.finish();
        QCOMPARE(days.size(), 2);
        QCOMPARE(days[0].day, monday);
        QCOMPARE(days[0].share[0], 1.0 / 16);
        QVERIFY(days[0].practised[0] && !days[0].practised[1]);
        QCOMPARE(days[1].day, monday.addDays(2));
        QCOMPARE(days[1].share[0], 1.0 / 16);
    }
};

QTEST_APPLESS_MAIN(FactFluencyTest)
#include "tst_fact_fluency.moc"
