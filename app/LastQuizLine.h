// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

#pragma once

#include "ResultsStore.h"

#include <optional>

class QWidget;

namespace numbrook {

class StringTable;
class TrayIcon;
struct MainControls;

// The main window's ways into the quiz results as the child and the parent read them: the line
// under the system settings with the last quiz's score, and the results caption on the caption
// bar's results button and the tray's results item.
class LastQuizLine {
public:
    // Builds the line on `window` as `controls.Lbl_LastQuiz`, hidden until there is a quiz.
    LastQuizLine(MainControls &controls, const StringTable &strings, QWidget &window);
    Q_DISABLE_COPY_MOVE(LastQuizLine)

    // Shows the score line of `quiz`, or hides the line when there is none.
    void show(const std::optional<QuizSummary> &quiz);
    // The results caption and the line in the interface language.
    void applyTexts(TrayIcon &tray) const;

private:
    const MainControls &c_;
    const StringTable &strings_;
    std::optional<QuizSummary> lastQuiz_;
};

} // namespace numbrook
