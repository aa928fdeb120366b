// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

// The main window's click handlers: the start button, the caption bar's buttons and the
// hotkeys; the option controls are the settings panel's, the tray's items the tray's.
#include "MainWindow.h"

#include "AnswerKeys.h"
#include "BitmapLists.h"
#include "GlobalHotkeys.h"
#include "QuestionDisplay.h"
#include "QuizSession.h"
#include "ShellActions.h"
#include "SkinWidgets.h"
#include "SoundObjectTable.h"
#include "StringTable.h"
#include "TrayMenu.h"

#include <QTimer>

namespace numbrook {

void MainWindow::Sb_StartClick() {
    QTimer *timer = display_.Timer_Vopros;
    const bool starting = !timer->isActive();
    if (starting) {
        children_->prepareQuiz();
        timer->start();
    } else {
        timer->stop();
    }
    display_.cycle.TickCount = 0;
    if (starting) {
        display_.show();
        display_.raise();
        answerKeys_->takeAnswerKeys();
        trayIcon()->show();
        hide();
    } else {
        display_.close();
        show();
        raise();
        activateWindow();
        trayIcon()->hide();
    }
    session_.resetScore();
    display_.ShowCounters();
}

void MainWindow::Sb_MinClick() {
    tray_->minimise();
}

void MainWindow::HotkeyMessage(int id) {
    // Esc ends the quiz and brings the settings window back.
    if (answerKeys_->press(id)) {
        display_.close();
        tray_->TrayIconDblClick();
    }
}

void MainWindow::switchLanguage(qint32 languageIndex) {
    strings_.setLanguageIndex(languageIndex);
    ApplyLanguage();
    strings_.SaveLanguage();
}

void MainWindow::connectHandlers() {
    settingsPanel_ = new SettingsPanel(c_, session_.settings, system_, strings_, *objects_, *this);
    connect(settingsPanel_, &SettingsPanel::languageChosen, this, &MainWindow::switchLanguage);
    connect(tray_, &SettingsTray::languageChosen, this, &MainWindow::switchLanguage);
    connect(tray_, &SettingsTray::resultsRequested, this, &MainWindow::resultsRequested);
    connect(c_.Sb_Results, &PictureButton::clicked, this, [this] { Q_EMIT resultsRequested(); });
    connectPanels();
    connect(c_.Sb_Start, &PictureButton::clicked, this, [this] { Sb_StartClick(); });
    connect(c_.Sb_Close, &PictureButton::clicked, this, [this] { Sb_CloseClick(); });
    connect(c_.Sb_Min, &PictureButton::clicked, this, [this] { Sb_MinClick(); });
    connect(c_.Sb_Help, &PictureButton::clicked, this, [this] { Q_EMIT helpRequested(); });
    connect(c_.Sb_Internet, &PictureButton::clicked, this,
            [this] { OpenHomePage(strings_.languageIndex()); });
    connect(answerKeys_->hotkeys(), &GlobalHotkeys::hotkey, this, &MainWindow::HotkeyMessage);
}

} // namespace numbrook
