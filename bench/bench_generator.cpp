// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

// Prints generator throughput: questions per second for each difficulty level, with kinds 1
// and 2 enabled, reseeding from the steady clock at every call as the program does.
#include "ExpressionGenerator.h"
#include "QuizSettings.h"

#include <chrono>
#include <cstdio>

using namespace numbrook;

int main() {
    QuizSettings settings;
    ExpressionGenerator generator;
    settings.SettingsLoaded = true;
    settings.Znak(1) = 1;
    settings.Znak(2) = 1;
    const QString title = QStringLiteral("Is the expression correct?");
    constexpr int kQuestions = 200000;
    std::printf("%-8s %14s %12s\n", "level", "questions/s", "ns/question");
    for (int level = 1; level <= 3; ++level) {
        settings.Diff_Math = level;
        int built = 0;
        const auto start = std::chrono::steady_clock::now();
        for (int i = 0; i < kQuestions; ++i) {
            built += generator.GenerateQuestion(settings, title).shown ? 1 : 0;
        }
        const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
        std::printf("%-8d %14.0f %12.1f%s\n", level, kQuestions / elapsed.count(),
                    elapsed.count() * 1e9 / kQuestions,
                    built == kQuestions ? "" : "  (some empty)");
    }
    return 0;
}
