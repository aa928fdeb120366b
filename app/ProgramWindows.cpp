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
    : strings_(loadedStrings()), display_(session_, answers_, pictures_),
      main_(sound, session_, answers_, strings_, pictures_, display_, splash_),
      recorder_(results_, session_, answers_, display_, &main_) {
    QObject::connect(&main_, &MainWindow::resultsRequested, &main_, [this] { showResults(); });
    QObject::connect(&main_, &MainWindow::helpRequested, &main_, [this] { showHelp(); });
    QObject::connect(&main_, &MainWindow::languageApplied, &main_, [this](int language) {
        if (resultsView_) {
            resultsView_->setLanguage(language);
        }
        if (helpWindow_ && helpWindow_->isVisible()) {
            helpWindow_->showHelp(language);
        }
    });
    QObject::connect(&recorder_, &QuizRecorder::quizEnded, &main_, [this] { quizEnded(); });
    main_.setChildStore(results_);
}

ProgramWindows::~ProgramWindows() {
    strings_.SaveLanguage();
}

void ProgramWindows::showResults() {
    const int fluencyMs = session_.settings.Fluency_Time * 1000;
    if (!resultsView_) {
        resultsView_ =
            MakeResultsView(results_, strings_.languageIndex(), session_.ChildId, fluencyMs);
        if (!resultsView_) {
            return;
        }
    } else if (!resultsView_->widget()->isVisible()) {
        // The child who plays next, unless the parent is looking at another one already.
        resultsView_->setChild(session_.ChildId, fluencyMs);
    } else {
        resultsView_->reload();
    }
    QWidget *window = resultsView_->widget();
    if (!window->isVisible()) {
        resultsView_->placeBesideWindow(main_);
    }
    window->show();
    window->raise();
    window->activateWindow();
}

void ProgramWindows::showHelp() {
    if (!helpWindow_) {
        helpWindow_ = std::make_unique<HelpWindow>();
    }
    helpWindow_->showHelp(strings_.languageIndex());
}

void ProgramWindows::quizEnded() {
    const QList<QuizSummary> last = results_.recentQuizzes(1);
    if (!last.isEmpty()) {
        main_.setLastQuiz(last.first());
    }
    if (resultsView_ && resultsView_->widget()->isVisible()) {
        resultsView_->reload();
    }
}

void ProgramWindows::bringForward() {
    if (main_.quizRunning()) {
        display_.raise();
        display_.activateWindow();
        return;
    }
    main_.tray().TrayIconDblClick();
}

} // namespace numbrook
