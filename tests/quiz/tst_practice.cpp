// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

// Practice mode of the generator: off, the designed sequence for a seed; on at level 1, mostly
// the facts the child does not know, learning ones before new ones, never one fact twice in a
// row and a fair true/false coin; at levels 2 and 3 nothing changes.
#include "ExpressionGenerator.h"
#include "QuizSettings.h"

#include <QStringList>
#include <QTest>

using namespace numbrook;

namespace {

QuizSettings settingsFor(int level, bool practice, bool mulDiv = true) {
    QuizSettings settings;
    settings.SettingsLoaded = true;
    settings.Diff_Math = level;
    settings.Znak(1) = 1;
    settings.Znak(2) = mulDiv ? 1 : 0;
    settings.Practice_Math = practice ? 1 : 0;
    return settings;
}

QStringList sequence(ExpressionGenerator &generator, const QuizSettings &settings, int count) {
    QStringList shown;
    for (int i = 0; i < count; ++i)
        shown << generator.GenerateQuestion(settings, QStringLiteral("t")).expression;
    return shown;
}

void seedCounting(ExpressionGenerator &generator, std::uint64_t first) {
    generator.setSeedSource([seed = first]() mutable { return seed++; });
}

// A fact learnt: two fast right tries.
void makeFluent(FactProgress &progress, const Fact &fact) {
    for (int i = 0; i < 2; ++i)
        progress.add(
            fact, FactTry{QDate(2026, 3, 2), fact.text() + QStringLiteral("=0"), true, true, 800});
}

} // namespace

class PracticeTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // The sequences of the generator as designed, seeds 42, 43, ... (kinds 1 and 2).
    void practiceOff_givesTheDesignedSequence_data() {
        QTest::addColumn<int>("level");
        QTest::addColumn<bool>("practice");
        QTest::addColumn<QString>("expected");
        const QString level1 = QStringLiteral(
            "7-1=2 8-4=2 1*6=6 7-3=6 5/3=3 7-7=2 2+4=7 1*8=8 7/1=1 1*5=9 4+2=1 3+3=6");
        const QString level2 = QStringLiteral(
            "8-0=3-2 5*1+1=6 1*6=2*3 2*3+2=8 1+2=7-4 4*2+1=1 3+4=4+3 1*8=5*1 7-0=8-3 1+3=9-4 "
            "5+2=1+2 3*2=5*1");
        const QString level3 =
            QStringLiteral("4+2-1=6-5+1 5+3-1=7-5+1 1+2+1=2+2+6 3+4-3=8-1+2 2/1+5=3*1+4 "
                           "6/6+2=1*1+8 2+3+2=2+2+4 1+3+2=2+1+6 4/1+2=7-5/5 2/2+8=3*1+5 "
                           "5*1+1=2*4+1 3+2+2=2+1+4");
        QTest::newRow("level 1, practice off") << 1 << false << level1;
        QTest::newRow("level 2, practice off") << 2 << false << level2;
        QTest::newRow("level 2, practice on does nothing") << 2 << true << level2;
        QTest::newRow("level 3, practice on does nothing") << 3 << true << level3;
    }
    void practiceOff_givesTheDesignedSequence() {
        QFETCH(int, level);
        QFETCH(bool, practice);
        QFETCH(QString, expected);
        ExpressionGenerator generator;
        seedCounting(generator, 42);
        // What the child knows makes no difference when practice is off.
        makeFluent(generator.practiceProgress, Fact{'-', 7, 1});
        QCOMPARE(sequence(generator, settingsFor(level, practice), 12).join(QLatin1Char(' ')),
                 expected);
    }

    void practiceOn_aimsAtWhatIsNotFluent_data() {
        QTest::addColumn<bool>("mulDiv");
        QTest::newRow("+ and -") << false;
        QTest::newRow("all four") << true;
    }
    void practiceOn_aimsAtWhatIsNotFluent() {
        QFETCH(bool, mulDiv);
        ExpressionGenerator generator;
        seedCounting(generator, 7);
        // Every third fact fluent, none learning: the rest are never asked yet.
        int index = 0;
        for (char op : kFactOperations)
            for (const Fact &fact : FactsOfOperation(op))
                if (index++ % 3 == 0)
                    makeFluent(generator.practiceProgress, fact);
        const QuizSettings settings = settingsFor(1, true, mulDiv);
        int notFluent = 0, trueShown = 0, repeats = 0;
        constexpr int kQuestions = 3000;
        std::optional<Fact> previous;
        for (int i = 0; i < kQuestions; ++i) {
            const QuestionLines lines = generator.GenerateQuestion(settings, QStringLiteral("t"));
            const std::optional<Fact> fact = FactOfEquation(lines.expression);
            QVERIFY2(fact, qPrintable(lines.expression));
            // The text tells the truth.
            const int shown = lines.expression.section(QLatin1Char('='), 1).toInt();
            QCOMPARE(generator.ExpressionIsCorrect, fact->value() == shown);
            QVERIFY(fact->value().has_value());
            QVERIFY(mulDiv || fact->operation == '+' || fact->operation == '-');
            notFluent +=
                generator.practiceProgress.state(*fact, kDefaultFluencyMs) != FactState::Fluent;
            trueShown += generator.ExpressionIsCorrect;
            repeats += fact == previous;
            previous = fact;
        }
        QCOMPARE(repeats, 0);
        QVERIFY2(qAbs(double(notFluent) / kQuestions - 0.7) < 0.04,
                 qPrintable(QString::number(notFluent)));
        QVERIFY2(qAbs(double(trueShown) / kQuestions - 0.5) < 0.04,
                 qPrintable(QString::number(trueShown)));
    }

    // Facts being learnt come before facts never asked; once every fact is fluent, practice
    // still asks (from the fluent ones).
    void learningFacts_comeBeforeNewOnes() {
        ExpressionGenerator generator;
        seedCounting(generator, 3);
        const Fact learning[] = {{'+', 1, 2}, {'+', 2, 2}, {'-', 5, 3}};
        for (const Fact &fact : learning)
            generator.practiceProgress.add(
                fact, FactTry{QDate(2026, 3, 2), QString(), true, false, std::nullopt});
        const QuizSettings settings = settingsFor(1, true, false);
        int notSeen = 0, fromLearning = 0;
        for (int i = 0; i < 400; ++i) {
            const auto fact = FactOfEquation(
                generator.GenerateQuestion(settings, QStringLiteral("t")).expression);
            const bool isLearning =
                std::find(std::begin(learning), std::end(learning), *fact) != std::end(learning);
            fromLearning += isLearning;
            notSeen += !isLearning;
        }
        // Without fluent facts every draw is a not-fluent one: learning ones whenever one is
        // left after the one just asked.
        QCOMPARE(fromLearning + notSeen, 400);
        QCOMPARE(notSeen, 0);

        ExpressionGenerator allKnown;
        for (const Fact &fact : FactsOfOperation('+'))
            makeFluent(allKnown.practiceProgress, fact);
        for (const Fact &fact : FactsOfOperation('-'))
            makeFluent(allKnown.practiceProgress, fact);
        QVERIFY(allKnown.GenerateQuestion(settings, QStringLiteral("t")).shown);
    }
};

QTEST_APPLESS_MAIN(PracticeTest)
#include "tst_practice.moc"
