#pragma once

#include "AnswerChannel.h"
#include "BitmapLists.h"
#include "HelpWindow.h"
#include "MainWindow.h"
#include "QuestionDisplay.h"
#include "QuizSession.h"
#include "SplashWindow.h"
#include "StringTable.h"

namespace numbrook {

class SoundEngine;

// The program's state and windows, with one owner: the entry point and the tests create one.
// Members are built in the order they are declared and destroyed in reverse, so the state and
// the other windows outlive the main window, whose destruction saves the settings (the
// language is saved just before).
class ProgramWindows {
public:
    // The sound engine outlives the windows: its owner (the entry point, or a test) opens it
    // before and closes it after.
    explicit ProgramWindows(SoundEngine &sound);
    ~ProgramWindows();
    Q_DISABLE_COPY_MOVE(ProgramWindows)

    QuizSession session;
    AnswerChannel answers;
    StringTable strings;
    PictureLists pictures;
    HelpWindow help;
    QuestionDisplay display;
    SplashWindow splash;
    MainWindow main;
};

} // namespace numbrook
