// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

#pragma once

#include "ChildrenPanel.h"
#include "LastQuizLine.h"
#include "MainControls.h"
#include "MicrophoneCheckPanel.h"
#include "ObjectLog.h"
#include "ResultsStore.h"
#include "SettingsPanel.h"
#include "SettingsPanelLayout.h"
#include "SettingsTray.h"
#include "SkinWidgets.h"
#include "SystemSettings.h"
#include "ThreadCounters.h"
#include "WindowDrag.h"

#include <QWidget>
#include <functional>
#include <memory>
#include <optional>

class QCheckBox;
class QPlainTextEdit;
class QTimer;

namespace numbrook {

class AnswerChannel;
class AnswerKeys;
class GlobalHotkeys;
class QuestionDisplay;
class QuizSession;
class SoundEngine;
struct PictureLists;
class SoundObjectTable;
class SplashWindow;
class StringTable;
class TrayIcon;
class WindowPresence;

// The main window: the caption bar, Start and the sound objects, composed with the option
// controls (SettingsPanel), the tray icon (SettingsTray), the system options (SystemSettings),
// the answer keys (AnswerKeys), what follows the windows on screen (WindowPresence), the
// children (ChildrenPanel), the microphone check (MicrophoneCheckPanel), the last quiz's line
// (LastQuizLine), the thread counters (ThreadCounters) and its texts (MainWindowTexts). Closing
// it ends the program; destroying it saves every setting. The program's windows own it and hand
// it the quiz session, the answer channel, the string table, the question display and the
// splash window.
class MainWindow : public QWidget {
    Q_OBJECT
public:
    MainWindow(SoundEngine &sound, QuizSession &session, AnswerChannel &answers,
               StringTable &strings, const PictureLists &pictures, QuestionDisplay &display,
               SplashWindow &splash, QWidget *parent = nullptr);
    ~MainWindow() override;
    Q_DISABLE_COPY_MOVE(MainWindow)

    // The system options, read at creation and written at destruction.
    const SystemSettings &systemSettings() const { return system_; }
    // Chooses the answer key as the chooser's arrows do, without showing it.
    void setHotkeyChoice(qint32 choice) { system_.Cnt_HotKey = choice; }
    // Whether the splash has run; the main window's first show runs it otherwise.
    bool splashShown() const { return SplashShown; }
    void setSplashShown(bool shown) { SplashShown = shown; }

    // Handlers.
    void FormShow();
    void Timer_WorkTimer();
    void fmThreadCountTimer() { threadCounters_->show(); }
    void Sb_CloseClick();
    void Sb_StartClick();
    void Sb_MinClick();
    void HotkeyMessage(int id);
    void ApplyLanguage();
    void switchLanguage(qint32 languageIndex);

    // Hidden: they show the answer channel's clap and hotkey flags.
    QCheckBox *cbPorog1() const { return cbPorog1_; }
    QCheckBox *cbHotKey1() const { return cbHotKey1_; }
    // The sound objects' log, below the visible area.
    QPlainTextEdit *Memo1() const { return Memo1_; }
    QTimer *Timer_Work() const { return Timer_Work_; }
    // The timer that counts the running capture and playback threads once a second.
    QTimer *fmThreadCount() const { return fmThreadCount_; }
    SoundObjectTable &soundObjects() const { return *objects_; }
    TrayIcon *trayIcon() const { return tray_->trayIcon(); }
    SettingsTray &tray() const { return *tray_; }
    SettingsPanel &settingsPanel() const { return *settingsPanel_; }
    GlobalHotkeys *hotkeys() const;

    // The cursor position the work timer reads; the real one unless replaced (tests).
    void setCursorSource(std::function<QPoint()> source) { cursor_ = std::move(source); }

    void setVisible(bool visible) override;

    // A quiz runs while the question display is on screen.
    bool quizRunning() const;

    // Shows the score line of the quiz that just ended, in the interface language.
    void setLastQuiz(const QuizSummary &quiz) { lastQuiz_->show(quiz); }

    // The microphone check of object 1.
    void startMicrophoneCheck() { microphoneCheck_->start(); }
    void applyMicrophoneCheck() { microphoneCheck_->apply(); }
    const std::optional<MicrophoneCheckResult> &microphoneCheckResult() const {
        return microphoneCheck_->result();
    }

    // The controls of sound objects 2 to 4, which nobody sees, built and loaded once the first
    // window is on screen rather than before it; runs once, and at once when called earlier.
    void buildRemainingObjectPages();

    // The children come from the results store, once the window is on screen.
    void setChildStore(ResultsStore &store) { children_->setStore(store); }
    const QList<ChildProfile> &children() const { return children_->children(); }

Q_SIGNALS:
    // The results button or the tray's results item was clicked.
    void resultsRequested();
    // The help button was clicked.
    void helpRequested();
    // The interface language was applied to the windows (its index).
    void languageApplied(int languageIndex);

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void buildLayout();
    void connectHandlers();
    void connectSoundObjects();
    void FormCreate();
    void FormDestroy();
    void showAnswerLamps();
    void connectPanels();
    // Starts object 1's microphone capture; does nothing while it runs.
    void startObjectOneCapture();

    SystemSettings system_;
    bool SplashShown = false;
    bool FirstActivationPending = true;
    QCheckBox *cbPorog1_ = nullptr;
    QCheckBox *cbHotKey1_ = nullptr;
    QPlainTextEdit *Memo1_ = nullptr;
    QTimer *Timer_Work_ = nullptr;
    QTimer *fmThreadCount_ = nullptr;
    ObjectLog objectLog_;
    // Declared after the log it writes to, so that it goes first.
    std::unique_ptr<SoundObjectTable> objects_;
    MainControls c_;
    WindowDrag drag_;
    SoundEngine &sound_;
    QuizSession &session_;
    AnswerChannel &answers_;
    StringTable &strings_;
    const PictureLists &pictures_;
    QuestionDisplay &display_;
    SplashWindow &splash_;
    SettingsPanelLayout layout_;
    SettingsTray *tray_ = nullptr;
    SettingsPanel *settingsPanel_ = nullptr;
    std::unique_ptr<ThreadCounters> threadCounters_;
    AnswerKeys *answerKeys_ = nullptr;
    WindowPresence *presence_ = nullptr;
    std::function<QPoint()> cursor_;
    std::unique_ptr<LastQuizLine> lastQuiz_;
    MicrophoneCheckPanel *microphoneCheck_ = nullptr;
    ChildrenPanel *children_ = nullptr;
    bool destroyed_ = false;
    bool closed_ = false;
    bool objectPagesBuilt_ = false;
    bool textsApplied_ = false;
};

using TfmMain = MainWindow;

} // namespace numbrook
