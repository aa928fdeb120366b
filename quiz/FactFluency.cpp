// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

#include "FactFluency.h"

#include <algorithm>

namespace numbrook {

namespace {

std::vector<Fact> buildFacts(char operation) {
    std::vector<Fact> facts;
    switch (operation) {
    case '+':
        for (int a = 1; a <= 4; ++a)
            for (int b = 1; b <= 4; ++b)
                facts.push_back({'+', a, b});
        break;
    case '-':
        // The generator puts the larger number first.
        for (int a = 1; a <= 9; ++a)
            for (int b = 1; b <= a; ++b)
                facts.push_back({'-', a, b});
        break;
    case '*': {
        // The product stays at most 9.
        static constexpr int kMax[] = {0, 9, 4, 3, 2, 1};
        for (int a = 1; a <= 5; ++a)
            for (int b = 1; b <= kMax[a]; ++b)
                facts.push_back({'*', a, b});
        break;
    }
    case '/':
        for (int a = 5; a <= 9; ++a)
            for (int b = 1; b <= 5; ++b)
                facts.push_back({'/', a, b});
        break;
    default:
        break;
    }
    return facts;
}

int operationIndex(char operation) {
    const auto found = std::find(kFactOperations.begin(), kFactOperations.end(), operation);
    return found == kFactOperations.end() ? -1 : int(found - kFactOperations.begin());
}

} // namespace

std::optional<int> Fact::value() const {
    switch (operation) {
    case '+':
        return a + b;
    case '-':
        return a - b;
    case '*':
        return a * b;
    case '/':
        return b != 0 && a % b == 0 ? std::optional<int>(a / b) : std::nullopt;
    default:
        return std::nullopt;
    }
}

QString Fact::text() const {
    return QString::number(a) + QLatin1Char(operation) + QString::number(b);
}

namespace {

// The whole number at `at` (moving past it); none when no digit is there.
std::optional<int> readNumber(const QString &text, qsizetype &at) {
    int value = 0;
    const qsizetype start = at;
    while (at < text.size() && text[at].isDigit() && at - start < 6)
        value = value * 10 + text[at++].digitValue();
    return at > start ? std::optional<int>(value) : std::nullopt;
}

} // namespace

// Read by hand rather than by a regular expression: the results window reads every question
// a child was asked.
std::optional<Fact> FactOfEquation(const QString &equation) {
    qsizetype at = 0;
    const std::optional<int> a = readNumber(equation, at);
    if (!a || at >= equation.size())
        return std::nullopt;
    const char operation = equation[at++].toLatin1();
    const std::optional<int> b = readNumber(equation, at);
    if (!b || std::find(kFactOperations.begin(), kFactOperations.end(), operation) ==
                  kFactOperations.end())
        return std::nullopt;
    if (at >= equation.size() || equation[at++] != QLatin1Char('=') || !readNumber(equation, at) ||
        at != equation.size())
        return std::nullopt;
    return Fact{operation, *a, *b};
}

const std::vector<Fact> &FactsOfOperation(char operation) {
    static const std::array<std::vector<Fact>, 4> facts = {buildFacts('+'), buildFacts('-'),
                                                           buildFacts('*'), buildFacts('/')};
    static const std::vector<Fact> none;
    const int index = operationIndex(operation);
    return index < 0 ? none : facts[std::size_t(index)];
}

bool FactTry::fluent(int fluencyMs) const {
    if (!judgedRight)
        return false;
    return !equationTrue || (reactionMs && *reactionMs <= fluencyMs);
}

void FactProgress::add(const Fact &fact, const FactTry &attempt) {
    QList<FactTry> &tries = tries_[fact];
    tries.append(attempt);
    if (tries.size() > kTriesKept)
        tries.removeFirst();
}

void FactProgress::addEquation(const FactTry &attempt) {
    if (const std::optional<Fact> fact = FactOfEquation(attempt.equation))
        add(*fact, attempt);
}

FactState FactProgress::state(const Fact &fact, int fluencyMs) const {
    const auto found = tries_.find(fact);
    if (found == tries_.end() || found->second.isEmpty())
        return FactState::NotSeen;
    const auto good = std::count_if(found->second.begin(), found->second.end(),
                                    [fluencyMs](const FactTry &t) { return t.fluent(fluencyMs); });
    return good >= 2 ? FactState::Fluent : FactState::Learning;
}

QList<FactTry> FactProgress::lastTries(const Fact &fact) const {
    const auto found = tries_.find(fact);
    return found == tries_.end() ? QList<FactTry>() : found->second;
}

int FactProgress::fluentCount(char operation, int fluencyMs) const {
    int count = 0;
    for (const Fact &fact : FactsOfOperation(operation))
        count += state(fact, fluencyMs) == FactState::Fluent ? 1 : 0;
    return count;
}

double FactProgress::fluentShare(char operation, int fluencyMs) const {
    const auto &facts = FactsOfOperation(operation);
    return facts.empty() ? 0.0 : double(fluentCount(operation, fluencyMs)) / double(facts.size());
}

void FluencyTimeline::add(const FactTry &attempt) {
    const std::optional<Fact> fact = FactOfEquation(attempt.equation);
    if (!fact)
        return;
    if (day_.isValid() && attempt.day != day_)
        closeDay();
    day_ = attempt.day;
    progress_.add(*fact, attempt);
    const int index = operationIndex(fact->operation);
    if (index >= 0)
        practised_[std::size_t(index)] = true;
}

void FluencyTimeline::closeDay() {
    DailyFluency day;
    day.day = day_;
    for (std::size_t i = 0; i < kFactOperations.size(); ++i) {
        day.share[i] = progress_.fluentShare(kFactOperations[i], fluencyMs_);
        day.practised[i] = practised_[i];
    }
    days_ << day;
}

QList<DailyFluency> FluencyTimeline::finish() {
    if (day_.isValid())
        closeDay();
    day_ = QDate();
    return std::exchange(days_, {});
}

} // namespace numbrook
