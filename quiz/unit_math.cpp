#include "unit_math.h"

#include "SettingsKey.h"

#include <chrono>
#include <initializer_list>
#include <random>
#include <vector>

namespace numbrook {

QuizSettingsRecord QuizSettings;

qint32 KindSlot = 0;
bool ExpressionIsCorrect = false;
qint32 ResultCoin = 0;

qint32 TotalQuestions = 0;
qint32 CorrectAnswers = 0;
qint32 WrongAnswers = 0;
qint32 PointsTotal = 0;

// ---------------------------------------------------------------------------------------------
// Settings

namespace {

const QString kDiff = QStringLiteral("Diff_Math");
const QString kSpeed = QStringLiteral("Speed_Math");
const QString kScreen = QStringLiteral("Screen_Res");
const QString kShowPoints = QStringLiteral("Show_Points");
const QString kShowOtvet = QStringLiteral("Show_Otvet_Mode");

QString znakName(int kind) {
    return QStringLiteral("Znak_%1_Math").arg(kind);
}

// A missing value, or one of another type, leaves the default and the load goes on.
qint32 loadInteger(const SettingsKey &key, const QString &name, qint32 fallback) {
    return key.readInteger(name).value_or(fallback);
}

// Booleans keep the stored integer so that the panel can tell exactly 1 from other true values.
qint32 loadBoolean(const SettingsKey &key, const QString &name, bool fallback) {
    return key.readInteger(name).value_or(fallback ? 1 : 0);
}

} // namespace

void LoadQuizSettings() {
    try {
        SettingsKey key;
        QuizSettings.SettingsLoaded = true;
        QuizSettings.Diff_Math = loadInteger(key, kDiff, 1);
        QuizSettings.Speed_Math = loadInteger(key, kSpeed, 5);
        QuizSettings.Screen_Res = loadInteger(key, kScreen, 0);
        QuizSettings.Show_Points = loadBoolean(key, kShowPoints, false);
        QuizSettings.Show_Otvet_Mode = loadBoolean(key, kShowOtvet, false);
        for (int kind = 1; kind <= kKindCount; ++kind) {
            QuizSettings.Znak(kind) = loadBoolean(key, znakName(kind), kind == 1);
        }
    } catch (...) {
        // Settings problems are never shown to the user; whatever was read stands.
        QuizSettings.SettingsLoaded = true;
    }
}

void SaveQuizSettings() {
    try {
        SettingsKey key;
        key.writeInteger(kDiff, QuizSettings.Diff_Math);
        key.writeInteger(kSpeed, QuizSettings.Speed_Math);
        key.writeInteger(kScreen, QuizSettings.Screen_Res);
        key.writeBoolean(kShowPoints, QuizSettings.Show_Points != 0);
        key.writeBoolean(kShowOtvet, QuizSettings.Show_Otvet_Mode != 0);
        for (int kind = 1; kind <= kKindCount; ++kind) {
            key.writeBoolean(znakName(kind), QuizSettings.Znak(kind) != 0);
        }
        key.close();
    } catch (...) {
    }
}

void InitQuizEngine() {
    LoadQuizSettings();
    KindSlot = 0;
    ExpressionIsCorrect = false;
    TotalQuestions = 0;
    CorrectAnswers = 0;
    WrongAnswers = 0;
    PointsTotal = 0;
}

// ---------------------------------------------------------------------------------------------
// Random source

namespace {

std::uint64_t steadyClockSeed() {
    return static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
}

SeedSource &seedSource() {
    static SeedSource source = steadyClockSeed;
    return source;
}

// xoshiro256** seeded through splitmix64: fast to reseed at every question, and neighbouring
// clock readings give unrelated sequences.
class QuizRandom {
public:
    using result_type = std::uint64_t;
    static constexpr result_type min() { return 0; }
    static constexpr result_type max() { return ~result_type{0}; }

    void seed(std::uint64_t value) {
        for (std::uint64_t &word : state_) {
            value += 0x9E3779B97F4A7C15ULL;
            std::uint64_t z = value;
            z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
            z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
            word = z ^ (z >> 31);
        }
    }

    result_type operator()() {
        const std::uint64_t result = rotl(state_[1] * 5, 7) * 9;
        const std::uint64_t t = state_[1] << 17;
        state_[2] ^= state_[0];
        state_[3] ^= state_[1];
        state_[1] ^= state_[2];
        state_[0] ^= state_[3];
        state_[2] ^= t;
        state_[3] = rotl(state_[3], 45);
        return result;
    }

private:
    static std::uint64_t rotl(std::uint64_t x, int k) { return (x << k) | (x >> (64 - k)); }
    std::uint64_t state_[4] = {};
};

QuizRandom &engine() {
    static QuizRandom generator = [] {
        QuizRandom seeded;
        seeded.seed(seedSource()());
        return seeded;
    }();
    return generator;
}

void reseed() {
    engine().seed(seedSource()());
}

// Uniform whole number a..b.
int uniform(int a, int b) {
    return std::uniform_int_distribution<int>(a, b)(engine());
}

// One of the listed values, each equally likely.
int pick(std::initializer_list<int> values) {
    return *(values.begin() + uniform(0, static_cast<int>(values.size()) - 1));
}

struct Pair {
    int x;
    int y;
};

// First factor 1..5; second 1..m with m chosen so that the product stays at most 9.
Pair FactorTableP9() {
    static constexpr int kMax[] = {0, 9, 4, 3, 2, 1};
    const int x = uniform(1, 5);
    return {x, uniform(1, kMax[x])};
}

// As FactorTableP9, with the product at most 8.
Pair FactorTableP8() {
    static constexpr int kMax[] = {0, 8, 4, 2, 2, 1};
    const int x = uniform(1, 5);
    return {x, uniform(1, kMax[x])};
}

// An addend for v in 1..8 such that v + addend is at most 9.
int AddendRule(int v) {
    return uniform(1, 9 - v);
}

// A dividend from 2, 3, 4, 6, 8 and one of its divisors, so the quotient is whole.
Pair DivisorTable() {
    const int x = pick({2, 3, 4, 6, 8});
    int y = 1;
    switch (x) {
    case 2:
        y = pick({1, 2});
        break;
    case 3:
        y = pick({1, 3});
        break;
    case 4:
        y = pick({1, 2, 4});
        break;
    case 6:
        y = pick({1, 2, 3, 6});
        break;
    default:
        y = pick({1, 2, 4, 8});
        break;
    }
    return {x, y};
}

// A divisor S of N whose quotient N/S is below D, each such divisor equally likely.
int divisorBelow(int n, int d) {
    std::vector<int> candidates;
    for (int s = 1; s <= n; ++s) {
        if (n % s == 0 && n / s < d) {
            candidates.push_back(s);
        }
    }
    return candidates.at(
        static_cast<std::size_t>(uniform(0, static_cast<int>(candidates.size()) - 1)));
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
Triple drawFrom(const std::vector<Triple> &choices) {
    if (choices.size() == 1) {
        return choices.front();
    }
    return choices.at(static_cast<std::size_t>(uniform(0, static_cast<int>(choices.size()) - 1)));
}

// The coin's result: the true value on 0, a random 1..9 on 1.
int coinResult(int trueValue) {
    return ResultCoin == 0 ? trueValue : uniform(1, 9);
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

enum class Kind { None, AddSub, MulDiv };

// The common steps of every level generator up to the form choice.
Kind beginLevel() {
    ExpressionIsCorrect = false;
    reseed();
    ResultCoin = uniform(0, 1);
    if (KindSlot >= 1 && KindSlot <= 10) {
        return Kind::AddSub;
    }
    if (KindSlot >= 11 && KindSlot <= 20) {
        return Kind::MulDiv;
    }
    return Kind::None;
}

QuestionLines built(const QString &title, const QString &expression, bool correct) {
    ExpressionIsCorrect = correct;
    return {true, title, expression};
}

} // namespace

void SetQuizSeedSource(SeedSource source) {
    seedSource() = source ? std::move(source) : SeedSource(steadyClockSeed);
}

// ---------------------------------------------------------------------------------------------
// Level generators

QuestionLines GenerateLevel1(const QString &title) {
    const Kind kind = beginLevel();
    if (kind == Kind::None) {
        return {};
    }
    const int form = kind == Kind::AddSub ? uniform(1, 2) : uniform(3, 4);
    switch (form) {
    case 1: {
        const int a = uniform(1, 4);
        const int b = uniform(1, 4);
        const int r = coinResult(a + b);
        return built(title, join({n(a), "+", n(b), "=", n(r)}), r == a + b);
    }
    case 2: {
        const int a = uniform(1, 9);
        const int b = uniform(1, 9);
        const int g = std::max(a, b);
        const int h = std::min(a, b);
        const int r = coinResult(g - h);
        return built(title, join({n(g), "-", n(h), "=", n(r)}), r == g - h);
    }
    case 3: {
        const auto [x, y] = FactorTableP9();
        const int r = coinResult(x * y);
        return built(title, join({n(x), "*", n(y), "=", n(r)}), r == x * y);
    }
    default: {
        const int a = uniform(5, 9);
        const int b = uniform(1, 5);
        const int r = uniform(1, 3);
        return built(title, join({n(a), "/", n(b), "=", n(r)}), a == b * r);
    }
    }
}

QuestionLines GenerateLevel2(const QString &title) {
    const Kind kind = beginLevel();
    if (kind == Kind::None) {
        return {};
    }
    const int form = kind == Kind::AddSub ? uniform(1, 3) : uniform(4, 5);
    switch (form) {
    case 1: {
        const int a = uniform(1, 5);
        const int b = uniform(1, 4);
        const int m = uniform(1, 5);
        const int d = uniform(1, 4);
        return built(title, join({n(a), "+", n(b), "=", n(m), "+", n(d)}), a + b == m + d);
    }
    case 2:
    case 3: {
        const int a = form == 2 ? uniform(1, 5) : uniform(4, 9);
        const int b = form == 2 ? uniform(1, 4) : uniform(0, 4);
        const int m = uniform(1, 9);
        const int d = uniform(1, 9);
        const int g = std::max(m, d);
        const int h = std::min(m, d);
        const int left = form == 2 ? a + b : a - b;
        const QString op = form == 2 ? QStringLiteral("+") : QStringLiteral("-");
        return built(title, join({n(a), op, n(b), "=", n(g), "-", n(h)}), left == g - h);
    }
    case 4: {
        const auto [x, y] = FactorTableP9();
        const auto [u, v] = FactorTableP9();
        return built(title, join({n(x), "*", n(y), "=", n(u), "*", n(v)}), x * y == u * v);
    }
    default: {
        const auto [x, y] = FactorTableP8();
        const int m = AddendRule(x * y);
        const int r = coinResult(x * y + m);
        return built(title, join({n(x), "*", n(y), "+", n(m), "=", n(r)}), x * y + m == r);
    }
    }
}

QuestionLines GenerateLevel3(const QString &title) {
    const Kind kind = beginLevel();
    if (kind == Kind::None) {
        return {};
    }
    const int form = kind == Kind::AddSub ? uniform(1, 2) : uniform(3, 5);
    switch (form) {
    case 1: {
        const int a = uniform(1, 4);
        const int b = uniform(1, 3);
        const int m = uniform(1, 2);
        const int d = uniform(1, 2);
        const int e = uniform(1, 3);
        const int f = uniform(1, 6);
        return built(title, join({n(a), "+", n(b), "+", n(m), "=", n(d), "+", n(e), "+", n(f)}),
                     a + b + m == d + e + f);
    }
    case 2: {
        const int a = uniform(2, 5);
        const int b = uniform(2, 4);
        const int m = uniform(1, 4);
        const int d = uniform(6, 8);
        const int e = uniform(1, 6);
        const int f = uniform(1, 2);
        return built(title, join({n(a), "+", n(b), "-", n(m), "=", n(d), "-", n(e), "+", n(f)}),
                     a + b - m == d - e + f);
    }
    case 3: {
        const auto [x, y] = FactorTableP8();
        const int m = AddendRule(x * y);
        const auto [d, e] = FactorTableP8();
        const int f = AddendRule(d * e);
        return built(title, join({n(x), "*", n(y), "+", n(m), "=", n(d), "*", n(e), "+", n(f)}),
                     x * y + m == d * e + f);
    }
    case 4: {
        const auto [x, y] = DivisorTable();
        const int q = x / y;
        const int m = AddendRule(q);
        auto [d, e] = FactorTableP8();
        int f = AddendRule(d * e);
        if (ResultCoin == 0) {
            const Triple row = drawFrom(productPlusTable(q + m));
            d = row.a;
            e = row.b;
            f = row.c;
        }
        return built(title, join({n(x), "/", n(y), "+", n(m), "=", n(d), "*", n(e), "+", n(f)}),
                     q + m == d * e + f);
    }
    default: {
        const auto [x, y] = DivisorTable();
        const int q = x / y;
        const int m = AddendRule(q);
        int d = uniform(2, 9);
        int nn = uniform(2, 9);
        int s = divisorBelow(nn, d);
        if (ResultCoin == 0 && q + m < 9) {
            const Triple row = drawFrom(differenceQuotientTable(q + m));
            d = row.a;
            nn = row.b;
            s = row.c;
        }
        // S divides N, so comparing whole numbers is the same as comparing real numbers.
        return built(title, join({n(x), "/", n(y), "+", n(m), "=", n(d), "-", n(nn), "/", n(s)}),
                     nn % s == 0 && q + m == d - nn / s);
    }
    }
}

QuestionLines GenerateQuestion(const QString &questionTitle) {
    int enabled = 0;
    for (int kind = 1; kind <= kKindCount; ++kind) {
        enabled += QuizSettings.Znak(kind) != 0 ? 1 : 0;
    }
    if (enabled > 0) {
        int r = uniform(1, 10 * enabled);
        for (int kind = 1; kind <= kKindCount; ++kind) {
            if (QuizSettings.Znak(kind) == 0) {
                r += 10;
            } else if (r <= 10 * kind) {
                KindSlot = r;
                break;
            }
        }
    }
    if (!QuizSettings.SettingsLoaded) {
        return {};
    }
    switch (QuizSettings.Diff_Math) {
    case 1:
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
