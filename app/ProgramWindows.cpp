// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

#include "ProgramWindows.h"

#include <QWidget>

namespace numbrook {

namespace {

StringTable loadedStrings() {
    StringTable strings;
    strings.LoadLanguage();
    return strings;
}

} // namespace

ProgramWindows::ProgramWindows(SoundEngine &sound)
    : strings(loadedStrings()), display(session, answers, pictures),
      main(sound, session, answers, strings, pictures, display, splash),
      recorder(results, session, answers, display, &main) {
    QObject::connect(&main, &MainWindow::resultsRequested, &main, [this] { showResults(); });
    QObject::connect(&main, &MainWindow::helpRequested, &main, [this] { showHelp(); });
    QObject::connect(&main, &MainWindow::languageApplied, &main, [this](int language) {
        if (resultsView_) {
            resultsView_->setLanguage(language);
        }
        if (helpWindow_ && helpWindow_->isVisible()) {
            helpWindow_->showHelp(language);
        }
    });
    QObject::connect(&recorder, &QuizRecorder::quizEnded, &main, [this] { quizEnded(); });
    main.setChildStore(results);
}

ProgramWindows::~ProgramWindows() {
    strings.SaveLanguage();
}

void ProgramWindows::showResults() {
    const int fluencyMs = session.settings.Fluency_Time * 1000;
    if (!resultsView_) {
        resultsView_ = MakeResultsView(results, strings.LanguageIndex, session.ChildId, fluencyMs);
        if (!resultsView_) {
            return;
        }
    } else if (!resultsView_->widget()->isVisible()) {
        // The child who plays next, unless the parent is looking at another one already.
        resultsView_->setChild(session.ChildId, fluencyMs);
    } else {
        resultsView_->reload();
    }
    QWidget *window = resultsView_->widget();
    if (!window->isVisible()) {
        resultsView_->placeBesideWindow(main);
    }
    window->show();
    window->raise();
    window->activateWindow();
}

void ProgramWindows::showHelp() {
    if (!helpWindow_) {
        helpWindow_ = std::make_unique<HelpWindow>();
    }
    helpWindow_->showHelp(strings.LanguageIndex);
}

void ProgramWindows::quizEnded() {
    const QList<QuizSummary> last = results.recentQuizzes(1);
    if (!last.isEmpty()) {
        main.setLastQuiz(last.first());
    }
    if (resultsView_ && resultsView_->widget()->isVisible()) {
        resultsView_->reload();
    }
}

void ProgramWindows::bringForward() {
    if (main.quizRunning()) {
        display.raise();
        display.activateWindow();
        return;
    }
    main.TrayIconDblClick();
}

} // namespace numbrook
