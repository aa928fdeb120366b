// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

#pragma once

#include "AnswerChannel.h"
#include "BitmapLists.h"
#include "HelpWindow.h"
#include "MainWindow.h"
#include "QuestionDisplay.h"
#include "QuizRecorder.h"
#include "QuizSession.h"
#include "ResultsStore.h"
#include "ResultsView.h"
#include "SplashWindow.h"
#include "StringTable.h"

#include <memory>

namespace numbrook {

class SoundEngine;

// The program's state and windows, with one owner: the entry point and the tests create one.
// Members are built in the order they are declared and destroyed in reverse, so the state and
// the other windows outlive the main window, whose destruction saves the settings (the
// language is saved just before).
class ProgramWindows {
public:
    // The sound engine outlives the windows: its owner (the entry point, or a test) opens it,
    // before the windows or once they are on screen, and closes it after them.
    explicit ProgramWindows(SoundEngine &sound);

    // Brings the program forward: the question display during a quiz, otherwise the settings
    // window (also out of the notification area).
    void bringForward();
    ~ProgramWindows();
    Q_DISABLE_COPY_MOVE(ProgramWindows)

    // Opens the results window, or raises it when it is open already.
    void showResults();
    // The results window once it was opened; null before (and when its library is missing).
    QWidget *resultsWindow() const { return resultsView_ ? resultsView_->widget() : nullptr; }
    // Opens the help window in the interface language, built at its first opening.
    void showHelp();
    // The help window once it was opened; null before.
    HelpWindow *helpWindow() const { return helpWindow_.get(); }

    // The state and the windows, in the order they are built.
    QuizSession &session() { return session_; }
    AnswerChannel &answers() { return answers_; }
    StringTable &strings() { return strings_; }
    const StringTable &strings() const { return strings_; }
    PictureLists &pictures() { return pictures_; }
    QuestionDisplay &display() { return display_; }
    const QuestionDisplay &display() const { return display_; }
    SplashWindow &splash() { return splash_; }
    MainWindow &main() { return main_; }
    const MainWindow &main() const { return main_; }
    ResultsStore &results() { return results_; }
    QuizRecorder &recorder() { return recorder_; }

private:
    void quizEnded();

    QuizSession session_;
    AnswerChannel answers_;
    StringTable strings_;
    PictureLists pictures_;
    QuestionDisplay display_;
    SplashWindow splash_;
    MainWindow main_;
    // The record of the quizzes (the file in the user's data folder, opened at first use) and
    // what writes into it. Destroyed before the main window, the recorder marks a quiz still
    // running then as not ended normally.
    ResultsStore results_;
    QuizRecorder recorder_;

    // Built when first opened: nobody pays for them at start-up.
    std::unique_ptr<ResultsView> resultsView_;
    std::unique_ptr<HelpWindow> helpWindow_;
};

} // namespace numbrook
