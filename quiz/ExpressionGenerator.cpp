// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

#include "ExpressionGenerator.h"

#include "QuizSettings.h"

#include <chrono>
#include <initializer_list>
#include <random>
#include <string_view>
#include <vector>

namespace numbrook {

namespace {

std::uint64_t steadyClockSeed() {
    return static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
}

// Uniform whole number a..b.
int uniform(QuizRandom &random, int a, int b) {
    return std::uniform_int_distribution<int>(a, b)(random);
}

// One of the listed values, each equally likely.
int pick(QuizRandom &random, std::initializer_list<int> values) {
    return *(values.begin() + uniform(random, 0, static_cast<int>(values.size()) - 1));
}

struct Pair {
    int x;
    int y;
};

// First factor 1..5; second 1..m with m chosen so that the product stays at most 9.
Pair FactorTableP9(QuizRandom &r) {
    static constexpr int kMax[] = {0, 9, 4, 3, 2, 1};
    const int x = uniform(r, 1, 5);
    return {x, uniform(r, 1, kMax[x])};
}

// As FactorTableP9, with the product at most 8.
Pair FactorTableP8(QuizRandom &r) {
    static constexpr int kMax[] = {0, 8, 4, 2, 2, 1};
    const int x = uniform(r, 1, 5);
    return {x, uniform(r, 1, kMax[x])};
}

// An addend for v in 1..8 such that v + addend is at most 9.
int AddendRule(QuizRandom &r, int v) {
    return uniform(r, 1, 9 - v);
}

// A dividend from 2, 3, 4, 6, 8 and one of its divisors, so the quotient is whole.
Pair DivisorTable(QuizRandom &r) {
    const int x = pick(r, {2, 3, 4, 6, 8});
    int y = 1;
    switch (x) {
    case 2:
        y = pick(r, {1, 2});
        break;
    case 3:
        y = pick(r, {1, 3});
        break;
    case 4:
        y = pick(r, {1, 2, 4});
        break;
    case 6:
        y = pick(r, {1, 2, 3, 6});
        break;
    default:
        y = pick(r, {1, 2, 4, 8});
        break;
    }
    return {x, y};
}

// A divisor S of N whose quotient N/S is below D, each such divisor equally likely.
int divisorBelow(QuizRandom &r, int n, int d) {
    std::vector<int> candidates;
    for (int s = 1; s <= n; ++s) {
        if (n % s == 0 && n / s < d) {
            candidates.push_back(s);
        }
    }
    return candidates.at(
        static_cast<std::size_t>(uniform(r, 0, static_cast<int>(candidates.size()) - 1)));
}

struct Triple {
    int a;
    int b;
    int c;
};

// True right-hand sides D*E+F = L, for L = 2..9.
const std::vector<Triple> &productPlusTable(int l) {
    static const std::vector<std::vector<Triple>> table = {
        {},
        {},
        {{1, 1, 1}},
        {{1, 2, 1}, {2, 1, 1}, {1, 1, 2}},
        {{1, 3, 1}, {3, 1, 1}, {1, 1, 3}},
        {{1, 3, 2}, {3, 1, 2}, {2, 2, 1}},
        {{1, 3, 3}, {3, 1, 3}, {2, 2, 2}},
        {{2, 3, 1}, {3, 1, 4}, {2, 2, 3}},
        {{2, 3, 2}, {3, 1, 5}, {2, 2, 4}},
        {{2, 3, 3}, {3, 1, 6}, {2, 2, 5}},
    };
    return table.at(static_cast<std::size_t>(l));
}

// True right-hand sides D-N/S = L, for L = 2..8.
const std::vector<Triple> &differenceQuotientTable(int l) {
    static const std::vector<std::vector<Triple>> table = {
        {},
        {},
        {{4, 6, 3}, {5, 9, 3}, {6, 8, 2}},
        {{5, 6, 3}, {6, 9, 3}, {7, 8, 2}},
        {{5, 2, 2}, {6, 8, 4}, {8, 8, 2}},
        {{6, 3, 3}, {7, 6, 3}, {9, 8, 2}},
        {{7, 5, 5}, {8, 8, 4}, {9, 6, 2}},
        {{8, 4, 4}, {9, 6, 3}, {9, 8, 4}},
        {{9, 6, 6}},
    };
    return table.at(static_cast<std::size_t>(l));
}

// A single entry is taken without a draw.
Triple drawFrom(QuizRandom &r, const std::vector<Triple> &choices) {
    if (choices.size() == 1) {
        return choices.front();
    }
    return choices.at(
        static_cast<std::size_t>(uniform(r, 0, static_cast<int>(choices.size()) - 1)));
}

QString join(std::initializer_list<QString> parts) {
    QString text;
    for (const QString &part : parts) {
        text += part;
    }
    return text;
}

QString n(int value) {
    return QString::number(value);
}

} // namespace

// The coin's result: the true value on 0, a random 1..9 on 1.
int ExpressionGenerator::coinResult(int trueValue) {
    return ResultCoin == 0 ? trueValue : uniform(random_, 1, 9);
}

// The common steps of every level generator up to the form choice.
ExpressionGenerator::Kind ExpressionGenerator::beginLevel() {
    ExpressionIsCorrect = false;
    random_.seed(seedSource_());
    ResultCoin = uniform(random_, 0, 1);
    if (KindSlot >= 1 && KindSlot <= 10) {
        return Kind::AddSub;
    }
    if (KindSlot >= 11 && KindSlot <= 20) {
        return Kind::MulDiv;
    }
    return Kind::None;
}

QuestionLines ExpressionGenerator::built(const QString &title, const QString &expression,
                                         bool correct) {
    ExpressionIsCorrect = correct;
    return {true, title, expression};
}

ExpressionGenerator::ExpressionGenerator() : seedSource_(steadyClockSeed) {
    random_.seed(seedSource_());
}

void ExpressionGenerator::setSeedSource(SeedSource source) {
    seedSource_ = source ? std::move(source) : SeedSource(steadyClockSeed);
    random_.seed(seedSource_());
}

// ---------------------------------------------------------------------------------------------
// Level generators

QuestionLines ExpressionGenerator::GenerateLevel1(const QString &title) {
    const Kind kind = beginLevel();
    if (kind == Kind::None) {
        return {};
    }
    const int form = kind == Kind::AddSub ? uniform(random_, 1, 2) : uniform(random_, 3, 4);
    switch (form) {
    case 1: {
        const int a = uniform(random_, 1, 4);
        const int b = uniform(random_, 1, 4);
        const int r = coinResult(a + b);
        return built(title, join({n(a), "+", n(b), "=", n(r)}), r == a + b);
    }
    case 2: {
        const int a = uniform(random_, 1, 9);
        const int b = uniform(random_, 1, 9);
        const int g = std::max(a, b);
        const int h = std::min(a, b);
        const int r = coinResult(g - h);
        return built(title, join({n(g), "-", n(h), "=", n(r)}), r == g - h);
    }
    case 3: {
        const auto [x, y] = FactorTableP9(random_);
        const int r = coinResult(x * y);
        return built(title, join({n(x), "*", n(y), "=", n(r)}), r == x * y);
    }
    default: {
        const int a = uniform(random_, 5, 9);
        const int b = uniform(random_, 1, 5);
        const int r = uniform(random_, 1, 3);
        return built(title, join({n(a), "/", n(b), "=", n(r)}), a == b * r);
    }
    }
}

QuestionLines ExpressionGenerator::GenerateLevel2(const QString &title) {
    const Kind kind = beginLevel();
    if (kind == Kind::None) {
        return {};
    }
    const int form = kind == Kind::AddSub ? uniform(random_, 1, 3) : uniform(random_, 4, 5);
    switch (form) {
    case 1: {
        const int a = uniform(random_, 1, 5);
        const int b = uniform(random_, 1, 4);
        const int m = uniform(random_, 1, 5);
        const int d = uniform(random_, 1, 4);
        return built(title, join({n(a), "+", n(b), "=", n(m), "+", n(d)}), a + b == m + d);
    }
    case 2:
    case 3: {
        const int a = form == 2 ? uniform(random_, 1, 5) : uniform(random_, 4, 9);
        const int b = form == 2 ? uniform(random_, 1, 4) : uniform(random_, 0, 4);
        const int m = uniform(random_, 1, 9);
        const int d = uniform(random_, 1, 9);
        const int g = std::max(m, d);
        const int h = std::min(m, d);
        const int left = form == 2 ? a + b : a - b;
        const QString op = form == 2 ? QStringLiteral("+") : QStringLiteral("-");
        return built(title, join({n(a), op, n(b), "=", n(g), "-", n(h)}), left == g - h);
    }
    case 4: {
        const auto [x, y] = FactorTableP9(random_);
        const auto [u, v] = FactorTableP9(random_);
        return built(title, join({n(x), "*", n(y), "=", n(u), "*", n(v)}), x * y == u * v);
    }
    default: {
        const auto [x, y] = FactorTableP8(random_);
        const int m = AddendRule(random_, x * y);
        const int r = coinResult(x * y + m);
        return built(title, join({n(x), "*", n(y), "+", n(m), "=", n(r)}), x * y + m == r);
    }
    }
}

QuestionLines ExpressionGenerator::GenerateLevel3(const QString &title) {
    const Kind kind = beginLevel();
    if (kind == Kind::None) {
        return {};
    }
    const int form = kind == Kind::AddSub ? uniform(random_, 1, 2) : uniform(random_, 3, 5);
    switch (form) {
    case 1: {
        const int a = uniform(random_, 1, 4);
        const int b = uniform(random_, 1, 3);
        const int m = uniform(random_, 1, 2);
        const int d = uniform(random_, 1, 2);
        const int e = uniform(random_, 1, 3);
        const int f = uniform(random_, 1, 6);
        return built(title, join({n(a), "+", n(b), "+", n(m), "=", n(d), "+", n(e), "+", n(f)}),
                     a + b + m == d + e + f);
    }
    case 2: {
        const int a = uniform(random_, 2, 5);
        const int b = uniform(random_, 2, 4);
        const int m = uniform(random_, 1, 4);
        const int d = uniform(random_, 6, 8);
        const int e = uniform(random_, 1, 6);
        const int f = uniform(random_, 1, 2);
        return built(title, join({n(a), "+", n(b), "-", n(m), "=", n(d), "-", n(e), "+", n(f)}),
                     a + b - m == d - e + f);
    }
    case 3: {
        const auto [x, y] = FactorTableP8(random_);
        const int m = AddendRule(random_, x * y);
        const auto [d, e] = FactorTableP8(random_);
        const int f = AddendRule(random_, d * e);
        return built(title, join({n(x), "*", n(y), "+", n(m), "=", n(d), "*", n(e), "+", n(f)}),
                     x * y + m == d * e + f);
    }
    case 4:
        return quotientEqualsProductForm(title);
    default:
        return quotientEqualsDifferenceForm(title);
    }
}

// Level 3, form 4: X/Y+M=D*E+F, with a true right-hand side from the table on the coin's 0.
QuestionLines ExpressionGenerator::quotientEqualsProductForm(const QString &title) {
    const auto [x, y] = DivisorTable(random_);
    const int q = x / y;
    const int m = AddendRule(random_, q);
    auto [d, e] = FactorTableP8(random_);
    int f = AddendRule(random_, d * e);
    if (ResultCoin == 0) {
        const Triple row = drawFrom(random_, productPlusTable(q + m));
        d = row.a;
        e = row.b;
        f = row.c;
    }
    return built(title, join({n(x), "/", n(y), "+", n(m), "=", n(d), "*", n(e), "+", n(f)}),
                 q + m == d * e + f);
}

// Level 3, form 5: X/Y+M=D-N/S, with a true right-hand side from the table on the coin's 0.
QuestionLines ExpressionGenerator::quotientEqualsDifferenceForm(const QString &title) {
    const auto [x, y] = DivisorTable(random_);
    const int q = x / y;
    const int m = AddendRule(random_, q);
    int d = uniform(random_, 2, 9);
    int nn = uniform(random_, 2, 9);
    int s = divisorBelow(random_, nn, d);
    if (ResultCoin == 0 && q + m < 9) {
        const Triple row = drawFrom(random_, differenceQuotientTable(q + m));
        d = row.a;
        nn = row.b;
        s = row.c;
    }
    // S divides N, so comparing whole numbers is the same as comparing real numbers.
    return built(title, join({n(x), "/", n(y), "+", n(m), "=", n(d), "-", n(nn), "/", n(s)}),
                 nn % s == 0 && q + m == d - nn / s);
}

// ---------------------------------------------------------------------------------------------
// Practice mode

namespace {

constexpr int kNotFluentPercent = 70;

// The facts practice asks for a kind slot. A division without a whole quotient could only ever
// be shown false, so practice leaves it out.
std::vector<Fact> practiceFacts(bool addSub) {
    std::vector<Fact> facts;
    // A string literal lives for the whole program, so the loop never reads a dead temporary.
    const std::string_view operations = addSub ? "+-" : "*/";
    for (char operation : operations) {
        for (const Fact &fact : FactsOfOperation(operation)) {
            if (fact.value()) {
                facts.push_back(fact);
            }
        }
    }
    return facts;
}

} // namespace

const Fact &ExpressionGenerator::drawPracticeFact(Kind kind, int fluencyMs) {
    static const std::vector<Fact> addSub = practiceFacts(true);
    static const std::vector<Fact> mulDiv = practiceFacts(false);
    std::array<std::vector<const Fact *>, 3> byState; // not seen, learning, fluent
    for (const Fact &fact : kind == Kind::AddSub ? addSub : mulDiv) {
        if (fact != lastPracticeFact_) {
            byState[std::size_t(practiceProgress.state(fact, fluencyMs))].push_back(&fact);
        }
    }
    const auto &notSeen = byState[std::size_t(FactState::NotSeen)];
    const auto &learning = byState[std::size_t(FactState::Learning)];
    const auto &fluent = byState[std::size_t(FactState::Fluent)];
    const bool wantNotFluent = uniform(random_, 0, 99) < kNotFluentPercent;
    const auto &notFluent = learning.empty() ? notSeen : learning;
    const auto &pool = (wantNotFluent && !notFluent.empty()) || fluent.empty() ? notFluent : fluent;
    return *pool.at(std::size_t(uniform(random_, 0, int(pool.size()) - 1)));
}

QuestionLines ExpressionGenerator::GeneratePractice(const QString &title, int fluencyMs) {
    const Kind kind = beginLevel();
    if (kind == Kind::None) {
        return {};
    }
    const Fact fact = drawPracticeFact(kind, fluencyMs);
    lastPracticeFact_ = fact;
    const int value = fact.value().value_or(0);
    int shown = value;
    if (ResultCoin != 0) {
        // A wrong result 1..9, each equally likely.
        shown = uniform(random_, 1, value >= 1 && value <= 9 ? 8 : 9);
        if (value >= 1 && shown >= value) {
            ++shown;
        }
    }
    return built(title, join({fact.text(), "=", n(shown)}), shown == value);
}

QuestionLines ExpressionGenerator::GenerateQuestion(const QuizSettings &settings,
                                                    const QString &questionTitle) {
    int enabled = 0;
    for (int kind = 1; kind <= kKindCount; ++kind) {
        enabled += settings.Znak(kind) != 0 ? 1 : 0;
    }
    if (settings.noKindOn()) {
        // With every kind switched off the first kind is asked, rather than an empty board
        // that is scored all the same.
        KindSlot = uniform(random_, 1, 10);
    } else {
        int r = uniform(random_, 1, 10 * enabled);
        for (int kind = 1; kind <= kKindCount; ++kind) {
            if (settings.Znak(kind) == 0) {
                r += 10;
            } else if (r <= 10 * kind) {
                KindSlot = r;
                break;
            }
        }
    }
    if (!settings.SettingsLoaded) {
        return {};
    }
    switch (settings.Diff_Math) {
    case 1:
        if (settings.Practice_Math != 0) {
            return GeneratePractice(questionTitle, settings.Fluency_Time * 1000);
        }
        return GenerateLevel1(questionTitle);
    case 2:
        return GenerateLevel2(questionTitle);
    case 3:
        return GenerateLevel3(questionTitle);
    default:
        return {};
    }
}

} // namespace numbrook
