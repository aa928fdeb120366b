// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

// The expression generator: shares of true expressions per level and form, the shape and truth
// of the shown text, the override tables and the kind selection.
#include "ExpressionGenerator.h"
#include "QuizSettings.h"

#include <QRegularExpression>
#include <QSet>
#include <QTest>
#include <cmath>
#include <map>
#include <optional>

using namespace numbrook;

namespace {

const QString kTitle = QStringLiteral("Is the expression correct?");

// Evaluates one side of a shown expression exactly: single digits joined by + - * /, with
// * and / binding tighter. Returns numerator/denominator.
struct Rational {
    long long num = 0;
    long long den = 1;
};

Rational reduce(Rational r) {
    const long long g = std::gcd(r.num < 0 ? -r.num : r.num, r.den);
    return g ? Rational{r.num / g, r.den / g} : r;
}

std::optional<Rational> evaluateSide(const QString &side) {
    // Split into terms at + and -, each term a product/quotient of digits.
    Rational sum{0, 1};
    int sign = 1;
    int i = 0;
    while (i < side.size()) {
        if (!side[i].isDigit()) {
            return std::nullopt;
        }
        Rational term{side[i].digitValue(), 1};
        ++i;
        while (i < side.size() && (side[i] == QLatin1Char('*') || side[i] == QLatin1Char('/'))) {
            const QChar op = side[i];
            if (i + 1 >= side.size() || !side[i + 1].isDigit()) {
                return std::nullopt;
            }
            const int digit = side[i + 1].digitValue();
            if (op == QLatin1Char('*')) {
                term.num *= digit;
            } else {
                if (digit == 0) {
                    return std::nullopt;
                }
                term.den *= digit;
            }
            term = reduce(term);
            i += 2;
        }
        sum = reduce({sum.num * term.den + sign * term.num * sum.den, sum.den * term.den});
        if (i < side.size()) {
            if (side[i] == QLatin1Char('+')) {
                sign = 1;
            } else if (side[i] == QLatin1Char('-')) {
                sign = -1;
            } else {
                return std::nullopt;
            }
            ++i;
            if (i >= side.size()) {
                return std::nullopt;
            }
        }
    }
    return sum;
}

std::optional<bool> truthOfText(const QString &text) {
    const QStringList sides = text.split(QLatin1Char('='));
    if (sides.size() != 2) {
        return std::nullopt;
    }
    const auto left = evaluateSide(sides[0]);
    const auto right = evaluateSide(sides[1]);
    if (!left || !right) {
        return std::nullopt;
    }
    return left->num * right->den == right->num * left->den;
}

// The form a shown text belongs to, by its shape, or 0 when it has none of the level's shapes.
int formOf(int level, const QString &text) {
    struct Shape {
        int form;
        QRegularExpression pattern;
    };
    auto shape = [](int form, const char *pattern) {
        return Shape{form, QRegularExpression(QString::fromLatin1(pattern))};
    };
    static const std::map<int, std::vector<Shape>> shapes = {
        {1,
         {shape(1, R"(^\d\+\d=\d$)"), shape(2, R"(^\d-\d=\d$)"), shape(3, R"(^\d\*\d=\d$)"),
          shape(4, R"(^\d/\d=\d$)")}},
        {2,
         {shape(1, R"(^\d\+\d=\d\+\d$)"), shape(2, R"(^\d\+\d=\d-\d$)"),
          shape(3, R"(^\d-\d=\d-\d$)"), shape(4, R"(^\d\*\d=\d\*\d$)"),
          shape(5, R"(^\d\*\d\+\d=\d$)")}},
        {3,
         {shape(1, R"(^\d\+\d\+\d=\d\+\d\+\d$)"), shape(2, R"(^\d\+\d-\d=\d-\d\+\d$)"),
          shape(3, R"(^\d\*\d\+\d=\d\*\d\+\d$)"), shape(4, R"(^\d/\d\+\d=\d\*\d\+\d$)"),
          shape(5, R"(^\d/\d\+\d=\d-\d/\d$)")}},
    };
    for (const Shape &candidate : shapes.at(level)) {
        if (candidate.pattern.match(text).hasMatch()) {
            return candidate.form;
        }
    }
    return 0;
}

void useCountingSeeds(ExpressionGenerator &generator) {
    auto counter = std::make_shared<std::uint64_t>(12345);
    generator.setSeedSource([counter] { return (*counter)++; });
}

void enableOnly(QuizSettings &settings, std::initializer_list<int> kinds) {
    for (int kind = 1; kind <= kKindCount; ++kind) {
        settings.Znak(kind) = 0;
    }
    for (int kind : kinds) {
        settings.Znak(kind) = 1;
    }
}

} // namespace

class GeneratorTest : public QObject {
    Q_OBJECT

    QuizSettings settings;
    ExpressionGenerator generator;

private Q_SLOTS:
    void init() {
        settings = QuizSettings{};
        settings.SettingsLoaded = true;
        settings.Diff_Math = 1;
        enableOnly(settings, {1});
        generator = ExpressionGenerator{};
        useCountingSeeds(generator);
    }

    void trueShare_matchesExactValuePerForm_data() {
        QTest::addColumn<int>("level");
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("form");
        QTest::addColumn<double>("share");
        QTest::newRow("L1 F1 A+B=R") << 1 << 1 << 1 << 5.0 / 9;
        QTest::newRow("L1 F2 G-H=R") << 1 << 1 << 2 << 89.0 / 162;
        QTest::newRow("L1 F3 X*Y=R") << 1 << 2 << 3 << 5.0 / 9;
        QTest::newRow("L1 F4 A/B=R") << 1 << 2 << 4 << 1.0 / 15;
        QTest::newRow("L2 F1 A+B=M+D") << 2 << 1 << 1 << 3.0 / 20;
        QTest::newRow("L2 F2 A+B=G-H") << 2 << 1 << 2 << 7.0 / 81;
        QTest::newRow("L2 F3 A-B=G-H") << 2 << 1 << 3 << 29.0 / 270;
        QTest::newRow("L2 F4 X*Y=U*V") << 2 << 2 << 4 << 3.0 / 20;
        QTest::newRow("L2 F5 X*Y+M=R") << 2 << 2 << 5 << 5.0 / 9;
        QTest::newRow("L3 F1") << 3 << 1 << 1 << 31.0 / 216;
        QTest::newRow("L3 F2") << 3 << 1 << 2 << 13.0 / 96;
        QTest::newRow("L3 F3") << 3 << 2 << 3 << 835.0 / 3584;
        QTest::newRow("L3 F4") << 3 << 2 << 4 << 1170941.0 / 2016000;
        QTest::newRow("L3 F5") << 3 << 2 << 5 << 569411.0 / 1290240;
    }
    void trueShare_matchesExactValuePerForm() {
        QFETCH(int, level);
        QFETCH(int, kind);
        QFETCH(int, form);
        QFETCH(double, share);
        settings.Diff_Math = level;
        enableOnly(settings, {kind});
        int seen = 0;
        int correct = 0;
        for (int i = 0; i < 150000; ++i) {
            const QuestionLines lines = generator.GenerateQuestion(settings, kTitle);
            QVERIFY(lines.shown);
            if (formOf(level, lines.expression) == form) {
                ++seen;
                correct += generator.ExpressionIsCorrect ? 1 : 0;
            }
        }
        QVERIFY2(seen > 25000, qPrintable(QStringLiteral("form seen %1 times").arg(seen)));
        const double observed = double(correct) / seen;
        // Five standard deviations: a wrong table moves the share much further than this.
        const double bound = 5 * std::sqrt(share * (1 - share) / seen);
        QVERIFY2(std::abs(observed - share) <= bound,
                 qPrintable(QStringLiteral("observed %1, expected %2 +- %3")
                                .arg(observed)
                                .arg(share)
                                .arg(bound)));
    }

    void shownText_hasFormShapeDigitsAndAgreesWithTruth_data() {
        QTest::addColumn<int>("level");
        QTest::addColumn<int>("kind");
        for (int level = 1; level <= 3; ++level) {
            for (int kind = 1; kind <= 2; ++kind) {
                QTest::addRow("level %d kind %d", level, kind) << level << kind;
            }
        }
    }
    void shownText_hasFormShapeDigitsAndAgreesWithTruth() {
        QFETCH(int, level);
        QFETCH(int, kind);
        settings.Diff_Math = level;
        enableOnly(settings, {kind});
        static const QSet<int> addSubForms[] = {{}, {1, 2}, {1, 2, 3}, {1, 2}};
        QSet<int> formsSeen;
        for (int i = 0; i < 20000; ++i) {
            const QuestionLines lines = generator.GenerateQuestion(settings, kTitle);
            QVERIFY(lines.shown);
            QCOMPARE(lines.title, kTitle);
            const int form = formOf(level, lines.expression);
            QVERIFY2(form != 0, qPrintable(lines.expression));
            QCOMPARE(addSubForms[level].contains(form), kind == 1);
            formsSeen.insert(form);
            // Every number is one digit 0..9 and nothing else stands between the operators.
            static const QRegularExpression tokens(QStringLiteral(R"(^\d([-+*/=]\d)+$)"));
            QVERIFY2(tokens.match(lines.expression).hasMatch(), qPrintable(lines.expression));
            const std::optional<bool> truth = truthOfText(lines.expression);
            QVERIFY(truth.has_value());
            QVERIFY2(*truth == generator.ExpressionIsCorrect, qPrintable(lines.expression));
        }
        const int formCount =
            kind == 1 ? int(addSubForms[level].size()) : (level == 2 ? 2 : (level == 1 ? 2 : 3));
        QCOMPARE(int(formsSeen.size()), formCount);
    }

    void coinZero_showsTrueResultInCoinForms() {
        // Level 1 forms 1..3 and level 2 form 5 show the true result whenever the coin is 0.
        for (int level : {1, 2}) {
            settings.Diff_Math = level;
            enableOnly(settings, {1, 2});
            for (int i = 0; i < 20000; ++i) {
                const QuestionLines lines = generator.GenerateQuestion(settings, kTitle);
                const int form = formOf(level, lines.expression);
                const bool usesCoin = level == 1 ? form <= 3 : form == 5;
                if (usesCoin && generator.ResultCoin == 0) {
                    QVERIFY2(generator.ExpressionIsCorrect, qPrintable(lines.expression));
                }
            }
        }
    }

    void overrideRows_areReachableAndTrue() {
        // Coin 0 in level 3 forms 4 and 5 replaces the right-hand side by a row of a table of
        // true right-hand sides; every row must come up and be true.
        const QSet<QString> productRows = {"1*1+1", "1*2+1", "2*1+1", "1*1+2", "1*3+1", "3*1+1",
                                           "1*1+3", "1*3+2", "3*1+2", "2*2+1", "1*3+3", "3*1+3",
                                           "2*2+2", "2*3+1", "3*1+4", "2*2+3", "2*3+2", "3*1+5",
                                           "2*2+4", "2*3+3", "3*1+6", "2*2+5"};
        const QSet<QString> quotientRows = {"4-6/3", "5-9/3", "6-8/2", "5-6/3", "6-9/3",
                                            "7-8/2", "5-2/2", "6-8/4", "8-8/2", "6-3/3",
                                            "7-6/3", "9-8/2", "7-5/5", "8-8/4", "9-6/2",
                                            "8-4/4", "9-6/3", "9-8/4", "9-6/6"};
        settings.Diff_Math = 3;
        enableOnly(settings, {2});
        QSet<QString> productSeen;
        QSet<QString> quotientSeen;
        for (int i = 0; i < 200000; ++i) {
            const QuestionLines lines = generator.GenerateQuestion(settings, kTitle);
            const int form = formOf(3, lines.expression);
            const QString left = lines.expression.section(QLatin1Char('='), 0, 0);
            const QString right = lines.expression.section(QLatin1Char('='), 1, 1);
            const auto leftValue = evaluateSide(left);
            QVERIFY(leftValue && leftValue->den == 1);
            if (generator.ResultCoin != 0) {
                continue;
            }
            if (form == 4) {
                QVERIFY2(productRows.contains(right), qPrintable(lines.expression));
                QVERIFY2(generator.ExpressionIsCorrect, qPrintable(lines.expression));
                productSeen.insert(right);
                if (leftValue->num == 2) {
                    QCOMPARE(right, QStringLiteral("1*1+1"));
                }
            } else if (form == 5 && leftValue->num < 9) {
                QVERIFY2(quotientRows.contains(right), qPrintable(lines.expression));
                QVERIFY2(generator.ExpressionIsCorrect, qPrintable(lines.expression));
                quotientSeen.insert(right);
            } else if (form == 5) {
                // X/Y+M = 9 has no true right-hand side of this shape.
                QVERIFY(!generator.ExpressionIsCorrect);
            }
        }
        QCOMPARE(productSeen, productRows);
        QCOMPARE(quotientSeen, quotientRows);
    }

    void kindSelection_fallsInEnabledBands_data() {
        QTest::addColumn<QList<int>>("kinds");
        QTest::newRow("kind 1 only") << QList<int>{1};
        QTest::newRow("kinds 1 and 2") << QList<int>{1, 2};
        QTest::newRow("kinds 2 and 5") << QList<int>{2, 5};
        QTest::newRow("kinds 3 and 10") << QList<int>{3, 10};
    }
    void kindSelection_fallsInEnabledBands() {
        QFETCH(QList<int>, kinds);
        for (int kind = 1; kind <= kKindCount; ++kind) {
            settings.Znak(kind) = kinds.contains(kind) ? 1 : 0;
        }
        std::map<int, int> perKind;
        constexpr int kDraws = 40000;
        for (int i = 0; i < kDraws; ++i) {
            const QuestionLines lines = generator.GenerateQuestion(settings, kTitle);
            const int kind = (generator.KindSlot - 1) / 10 + 1;
            QVERIFY2(generator.KindSlot >= 1 && kinds.contains(kind),
                     qPrintable(QString::number(generator.KindSlot)));
            ++perKind[kind];
            // Only kinds 1 and 2 build anything; the others leave the lines hidden and false.
            QCOMPARE(lines.shown, kind <= 2);
            if (kind > 2) {
                QVERIFY(!generator.ExpressionIsCorrect);
            }
        }
        for (int kind : kinds) {
            const double share = double(perKind[kind]) / kDraws;
            QVERIFY2(std::abs(share - 1.0 / kinds.size()) < 0.02,
                     qPrintable(QStringLiteral("kind %1: %2").arg(kind).arg(share)));
        }
    }

    void noKindEnabled_asksTheFirstKind() {
        enableOnly(settings, {});
        for (const qint32 previous : {0, 14, 35}) { // 14, 35: left by earlier questions
            for (int i = 0; i < 50; ++i) {
                generator.KindSlot = previous;
                const QuestionLines lines = generator.GenerateQuestion(settings, kTitle);
                QVERIFY(lines.shown);
                QVERIFY2(generator.KindSlot >= 1 && generator.KindSlot <= 10,
                         qPrintable(QString::number(generator.KindSlot)));
                QVERIFY2(!lines.expression.contains(QLatin1Char('*')) &&
                             !lines.expression.contains(QLatin1Char('/')),
                         qPrintable(lines.expression));
            }
        }
    }

    void noLevelGenerator_runsWhenNotLoadedOrLevelOutOfRange_data() {
        QTest::addColumn<bool>("loaded");
        QTest::addColumn<int>("level");
        QTest::newRow("settings not loaded") << false << 1;
        QTest::newRow("level 4") << true << 4;
        QTest::newRow("level 0") << true << 0;
    }
    void noLevelGenerator_runsWhenNotLoadedOrLevelOutOfRange() {
        QFETCH(bool, loaded);
        QFETCH(int, level);
        settings.SettingsLoaded = loaded;
        settings.Diff_Math = level;
        generator.ExpressionIsCorrect = true;
        generator.ResultCoin = 7; // a level generator would draw 0 or 1
        const QuestionLines lines = generator.GenerateQuestion(settings, kTitle);
        QVERIFY(!lines.shown);
        QVERIFY(generator.ExpressionIsCorrect);
        QCOMPARE(generator.ResultCoin, 7);
    }

    void sameSeeds_giveSameQuestions() {
        QStringList first;
        for (int i = 0; i < 20; ++i) {
            first << generator.GenerateQuestion(settings, kTitle).expression;
        }
        useCountingSeeds(generator);
        QStringList second;
        for (int i = 0; i < 20; ++i) {
            second << generator.GenerateQuestion(settings, kTitle).expression;
        }
        QCOMPARE(second, first);
    }
};

QTEST_GUILESS_MAIN(GeneratorTest)
#include "tst_generator.moc"
