// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

// The panels the main window is made of, built in the order their controls stack and take the
// keyboard, and the interface language applied to them and to the program's other windows.
#include "MainWindow.h"

#include "BitmapLists.h"
#include "InterfaceLanguages.h"
#include "MainWindowTexts.h"
#include "SoundObjectTable.h"
#include "StringTable.h"

namespace numbrook {

void MainWindow::buildLayout() {
    layout_.buildPanel();
    threadCounters_ = std::make_unique<ThreadCounters>(c_, sound_, strings_);
    lastQuiz_ = std::make_unique<LastQuizLine>(c_, strings_, *this);
    microphoneCheck_ = new MicrophoneCheckPanel(c_.objects[1], strings_, *this);
    children_ = new ChildrenPanel(c_, session_, strings_, display_, *this);
    layout_.buildObjectPages();
    const HiddenControls hidden = layout_.buildHiddenControls();
    Memo1_ = hidden.Memo1;
    cbPorog1_ = hidden.cbPorog1;
    cbHotKey1_ = hidden.cbHotKey1;
}

void MainWindow::connectPanels() {
    microphoneCheck_->connectObjects(sound_, *objects_);
    connect(children_, &ChildrenPanel::settingsChosen, this, [this] {
        settingsPanel_->UpdateSettingsView();
        settingsPanel_->ShowSpeed();
    });
    // A child's last quiz, or none, on the line under the system settings.
    connect(children_, &ChildrenPanel::lastQuizRead, this,
            [this](const std::optional<QuizSummary> &quiz) { lastQuiz_->show(quiz); });
}

void MainWindow::ApplyLanguage() {
    // Qt's own texts (message box buttons, the file dialog) and every tr() follow too.
    if (IsInterfaceLanguage(strings_.languageIndex()))
        InstallInterfaceLanguage(strings_.languageIndex());
    strings_.refill();
    const MainWindowTexts texts(*this, c_, strings_);
    texts.applyPanelTexts();
    texts.applyOtherWindowsTexts(*trayIcon(), display_);
    lastQuiz_->applyTexts(*trayIcon());
    microphoneCheck_->showTexts();
    Q_EMIT languageApplied(strings_.languageIndex());
    settingsPanel_->ShowFluencyTime();
    children_->applyTexts();
    texts.applyAccessibleNames(cbPorog1_, cbHotKey1_, Memo1_);
    threadCounters_->nameIndicator();
    texts.fitCaptions();
    textsApplied_ = true;
}

} // namespace numbrook
