#pragma once

// The quiz engine's process-wide state: the quiz settings with their storage, the expression
// generator and the score counters. No window is touched here; the generator returns what the
// question display shows.

#include <QString>
#include <array>
#include <cstdint>
#include <functional>

namespace numbrook {

struct QuizSettingsRecord {
    qint32 Diff_Math = 0;  // difficulty level 1..3
    qint32 Speed_Math = 0; // seconds a question stays on screen, 1..10
    qint32 Screen_Res = 0; // 0: 800 x 600 window, 1: the whole desktop
    // The boolean settings keep the integer that was stored: any non-zero value is true, while
    // the settings panel draws a box as ticked only for exactly 1 and toggles anything else to 1.
    qint32 Show_Points = 0;
    qint32 Show_Otvet_Mode = 0;
    // Kind flags, indexed 1..10 (element 0 is unused).
    std::array<qint32, 11> Znak_Math{};
    bool SettingsLoaded = false;

    qint32 &Znak(int kind) { return Znak_Math.at(static_cast<std::size_t>(kind)); }
    qint32 Znak(int kind) const { return Znak_Math.at(static_cast<std::size_t>(kind)); }
};

inline constexpr int kKindCount = 10;

extern QuizSettingsRecord QuizSettings;

// Generator state.
extern qint32 KindSlot;
extern bool ExpressionIsCorrect;
extern qint32 ResultCoin;

// Score counters.
extern qint32 TotalQuestions;
extern qint32 CorrectAnswers;
extern qint32 WrongAnswers;
extern qint32 PointsTotal;

// Loads the settings and clears the generator state and the score counters.
void InitQuizEngine();
void LoadQuizSettings();
void SaveQuizSettings();

// What the question display shows for one question. When `shown` is false the level generator
// built nothing and the title and expression lines stay hidden.
struct QuestionLines {
    bool shown = false;
    QString title;      // for Lbl_Vopros_1
    QString expression; // for Lbl_Vopros_2
};

// Draws a kind slot and runs the level generator for Diff_Math. `questionTitle` is the
// language table's question title. The result also says whether anything was built;
// ExpressionIsCorrect holds the truth of what was built.
QuestionLines GenerateQuestion(const QString &questionTitle);
QuestionLines GenerateLevel1(const QString &questionTitle);
QuestionLines GenerateLevel2(const QString &questionTitle);
QuestionLines GenerateLevel3(const QString &questionTitle);

// The clock that seeds the random source at every level generator call. Tests replace it to
// make the sequence repeatable; an empty function restores the steady clock.
using SeedSource = std::function<std::uint64_t()>;
void SetQuizSeedSource(SeedSource source);

} // namespace numbrook
