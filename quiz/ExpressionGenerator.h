// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

#pragma once

// The expression generator: draws a kind slot and builds one short equation for the chosen
// level, remembering whether it is true. No window is touched here; the generator returns what
// the question display shows.

#include "FactFluency.h"

#include <QString>
#include <cstdint>
#include <functional>
#include <optional>

namespace numbrook {

struct QuizSettings;

// What the question display shows for one question. When `shown` is false the level generator
// built nothing and the title and expression lines stay hidden.
struct QuestionLines {
    bool shown = false;
    QString title;      // for Lbl_Vopros_1
    QString expression; // for Lbl_Vopros_2
};

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

// The clock that seeds the random source at every level generator call.
using SeedSource = std::function<std::uint64_t()>;

class ExpressionGenerator {
public:
    ExpressionGenerator();

    // Tests replace the clock to make the sequence repeatable; an empty function restores the
    // steady clock. The random source is reseeded from the new clock at once.
    void setSeedSource(SeedSource source);

    // Draws a kind slot among the enabled kinds (kind 1 when none is enabled) and runs the level
    // generator for Diff_Math.
    // `questionTitle` is the string table's question title. ExpressionIsCorrect holds the truth
    // of what was built.
    QuestionLines GenerateQuestion(const QuizSettings &settings, const QString &questionTitle);
    QuestionLines GenerateLevel1(const QString &questionTitle);
    QuestionLines GenerateLevel2(const QString &questionTitle);
    QuestionLines GenerateLevel3(const QString &questionTitle);
    // Level 1 in practice mode: about 70 % of the facts drawn from those the child does not
    // know yet (learning ones first, then ones never asked), the rest from the fluent ones,
    // never the same fact twice in a row, true on the coin's 0 and false on its 1.
    QuestionLines GeneratePractice(const QString &questionTitle, int fluencyMs);

    // What the child knows, for practice mode: loaded when a quiz starts and given each
    // judged question as it is played.
    FactProgress practiceProgress;

    qint32 KindSlot = 0;
    bool ExpressionIsCorrect = false;
    qint32 ResultCoin = 0;

private:
    enum class Kind { None, AddSub, MulDiv };
    Kind beginLevel();
    int coinResult(int trueValue);
    QuestionLines built(const QString &title, const QString &expression, bool correct);
    QuestionLines quotientEqualsProductForm(const QString &title);
    QuestionLines quotientEqualsDifferenceForm(const QString &title);

    const Fact &drawPracticeFact(Kind kind, int fluencyMs);

    SeedSource seedSource_;
    std::optional<Fact> lastPracticeFact_;
    QuizRandom random_;
};

} // namespace numbrook
