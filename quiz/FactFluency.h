// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

#pragma once

// The facts a child learns and how well each is known. A fact is the left-hand side `a op b`
// of a level-1 equation; its state comes from its last three tries: fluent when at least two
// of them were judged right and, where the shown equation was true, answered within the
// fluency time. Window-free: the results store fills it from the recorded questions and the
// practice mode of the generator reads it.

#include <QChar>
#include <QDate>
#include <QList>
#include <QString>

#include <array>
#include <map>
#include <optional>
#include <vector>

namespace numbrook {

inline constexpr int kDefaultFluencyMs = 3000;

// The four operations of level 1, in the order the results window shows them.
inline constexpr std::array<char, 4> kFactOperations = {'+', '-', '*', '/'};

struct Fact {
    char operation = '+';
    int a = 0;
    int b = 0;

    // The value of the fact; for a division without a whole quotient, none.
    std::optional<int> value() const;
    QString text() const; // "7+2"
    auto operator<=>(const Fact &) const = default;
};

// The fact of a level-1 equation such as "7-2=5"; none for any other text.
std::optional<Fact> FactOfEquation(const QString &equation);

// Every fact the level-1 generator can ask for `operation`, by a then b.
const std::vector<Fact> &FactsOfOperation(char operation);

enum class FactState { NotSeen, Learning, Fluent };

struct FactTry {
    QDate day;
    QString equation; // as it was shown, for the tooltip
    bool equationTrue = false;
    bool judgedRight = false;
    std::optional<int> reactionMs;

    // Right, and for a true equation answered within the fluency time. A false equation judged
    // right by silence counts as right.
    bool fluent(int fluencyMs) const;
};

// The last three tries of every fact seen, oldest first.
class FactProgress {
public:
    static constexpr int kTriesKept = 3;

    void add(const Fact &fact, const FactTry &attempt);
    // The try of a level-1 equation; other equations are not facts and are left out.
    void addEquation(const FactTry &attempt);

    FactState state(const Fact &fact, int fluencyMs) const;
    QList<FactTry> lastTries(const Fact &fact) const;
    // The share of `operation`'s facts that are fluent, 0..1.
    double fluentShare(char operation, int fluencyMs) const;
    int fluentCount(char operation, int fluencyMs) const;
    bool empty() const { return tries_.empty(); }

private:
    std::map<Fact, QList<FactTry>> tries_;
};

// The fluent share of each operation at the end of every day that had level-1 tries, oldest
// first; the tries are replayed in the order given.
struct DailyFluency {
    QDate day;
    std::array<double, 4> share{}; // by kFactOperations
    std::array<bool, 4> practised{};
};

class FluencyTimeline {
public:
    explicit FluencyTimeline(int fluencyMs) : fluencyMs_(fluencyMs) {}
    void add(const FactTry &attempt);
    // Closes the last day; call once after the last try.
    QList<DailyFluency> finish();
    const FactProgress &progress() const { return progress_; }

private:
    void closeDay();

    int fluencyMs_;
    FactProgress progress_;
    QDate day_;
    std::array<bool, 4> practised_{};
    QList<DailyFluency> days_;
};

} // namespace numbrook
