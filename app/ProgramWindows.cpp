// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

#include "ProgramWindows.h"

#include "ResultsWindow.h"

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
    QObject::connect(&main_, &MainWindow::helpRequested, &main_,
                     [this] { help_.showHelp(strings_.languageIndex()); });
    QObject::connect(&main_, &MainWindow::languageApplied, &main_, [this](int language) {
        if (resultsWindow_) {
            resultsWindow_->setLanguage(language);
        }
        if (help_.isVisible()) {
            help_.showHelp(language);
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
    if (!resultsWindow_) {
        resultsWindow_ = std::make_unique<ResultsWindow>(results_, strings_.languageIndex(),
                                                         nullptr, session_.ChildId, fluencyMs);
        resultsWindow_->setObjectName(QStringLiteral("fmResults"));
    } else if (!resultsWindow_->isVisible()) {
        // The child who plays next, unless the parent is looking at another one already.
        resultsWindow_->setChild(session_.ChildId, fluencyMs);
    } else {
        resultsWindow_->reload();
    }
    if (!resultsWindow_->isVisible()) {
        resultsWindow_->placeBesideWindow(main_);
    }
    resultsWindow_->show();
    resultsWindow_->raise();
    resultsWindow_->activateWindow();
}

void ProgramWindows::quizEnded() {
    const QList<QuizSummary> last = results_.recentQuizzes(1);
    if (!last.isEmpty()) {
        main_.setLastQuiz(last.first());
    }
    if (resultsWindow_ && resultsWindow_->isVisible()) {
        resultsWindow_->reload();
    }
}

void ProgramWindows::bringForward() {
    if (main_.quizRunning()) {
        display_.raise();
        display_.activateWindow();
        return;
    }
    main_.TrayIconDblClick();
}

} // namespace numbrook
