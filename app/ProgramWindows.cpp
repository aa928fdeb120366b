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
    : strings(loadedStrings()), display(session, answers, pictures),
      main(sound, session, answers, strings, pictures, display, splash),
      recorder(results, session, answers, display, &main) {
    QObject::connect(&main, &MainWindow::resultsRequested, &main, [this] { showResults(); });
    QObject::connect(&main, &MainWindow::helpRequested, &main, [this] { showHelp(); });
    QObject::connect(&main, &MainWindow::languageApplied, &main, [this](int language) {
        if (resultsWindow_) {
            resultsWindow_->setLanguage(language);
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
    if (!resultsWindow_) {
        resultsWindow_ = std::make_unique<ResultsWindow>(results, strings.LanguageIndex, nullptr,
                                                         session.ChildId, fluencyMs);
        resultsWindow_->setObjectName(QStringLiteral("fmResults"));
    } else if (!resultsWindow_->isVisible()) {
        // The child who plays next, unless the parent is looking at another one already.
        resultsWindow_->setChild(session.ChildId, fluencyMs);
    } else {
        resultsWindow_->reload();
    }
    if (!resultsWindow_->isVisible()) {
        resultsWindow_->placeBesideWindow(main);
    }
    resultsWindow_->show();
    resultsWindow_->raise();
    resultsWindow_->activateWindow();
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
    if (resultsWindow_ && resultsWindow_->isVisible()) {
        resultsWindow_->reload();
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
