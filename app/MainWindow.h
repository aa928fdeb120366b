// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

#pragma once

#include "MicrophoneCheck.h"
#include "ObjectLog.h"
#include "ResultsStore.h"
#include "SkinWidgets.h"
#include "SoundObjectPanel.h"
#include "SystemSettings.h"
#include "WindowDrag.h"

#include <QElapsedTimer>
#include <QWidget>
#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;
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

// The main window's controls, built from its layout table. Each member is named by the
// control's objectName; numbered families are arrays indexed by their number (element 0 of a
// 1-based family is unused).
struct MainControls {
    PictureButton *Sb_Results = nullptr;
    PictureButton *Sb_Help = nullptr;
    PictureButton *Sb_Internet = nullptr;
    PictureButton *Sb_Min = nullptr;
    PictureButton *Sb_Close = nullptr;
    PictureButton *Sb_Speed_Math_Down = nullptr;
    PictureButton *Sb_Speed_Math_Up = nullptr;
    PictureButton *Sb_HotKey_Up = nullptr;
    PictureButton *Sb_HotKey_Down = nullptr;
    PictureButton *Sb_Lang_Up = nullptr;
    PictureButton *Sb_Lang_Down = nullptr;
    PictureButton *Sb_Start = nullptr;
    PictureButton *Img_Porog1 = nullptr;
    PictureButton *Img_HotKey = nullptr;
    // The line under the system settings with the last quiz's score.
    SkinLabel *Lbl_LastQuiz = nullptr;

    // Option boxes and the labels beside them.
    std::array<PictureButton *, 4> Cb_Diff_Math{};
    std::array<SkinLabel *, 4> Lbl_Diff_Math{};
    std::array<PictureButton *, 11> Cb_Znak_Math{};
    std::array<SkinLabel *, 11> Lbl_Znak_Math{};
    std::array<PictureButton *, 3> Cb_Screen_Res{};
    std::array<SkinLabel *, 3> Lbl_Screen_Res{};
    PictureButton *Cb_Show_SPDIF = nullptr;
    PictureButton *Cb_Show_Points = nullptr;
    PictureButton *Cb_Show_Otvet_Mode = nullptr;
    PictureButton *Cb_Large_Text = nullptr;
    PictureButton *Cb_MinFormShow = nullptr;
    PictureButton *Cb_AutoRun = nullptr;
    PictureButton *Cb_HintShow = nullptr;
    SkinLabel *Lbl_Show_SPDIF = nullptr;
    SkinLabel *Lbl_Show_Points = nullptr;
    SkinLabel *Lbl_Show_Otvet_Mode = nullptr;
    SkinLabel *Lbl_Large_Text = nullptr;
    SkinLabel *Lbl_MinFormShow = nullptr;
    SkinLabel *Lbl_AutoRun = nullptr;
    SkinLabel *Lbl_HintShow = nullptr;
    SkinLabel *Lbl_ClapsOnly1 = nullptr; // beside object 1's "Only claps" box

    // Captions.
    std::array<SkinLabel *, 5> Lbl_Title{}; // the four section titles
    SkinLabel *Lbl_Title_Diff_Math = nullptr;
    SkinLabel *Lbl_Title_Speed_Math = nullptr;
    SkinLabel *Lbl_Title_Znak_Math = nullptr;
    SkinLabel *Lbl_Title_Screen_Res = nullptr;
    SkinLabel *Lbl_Title_HotKey = nullptr;
    SkinLabel *Lbl_3_Screen = nullptr;
    SkinLabel *Lbl_Lang = nullptr;
    SkinLabel *laThreadCnt = nullptr;
    SkinLabel *laThreadInCnt = nullptr;

    QLineEdit *Edit_Speed_Math = nullptr;
    QLineEdit *Edit_HotKey = nullptr;
    QLineEdit *Edit_Lang = nullptr;

    // Sound objects 1..4: their controls and their eight captions Lbl_<k>_Obj<n>.
    std::array<SoundObjectPanel, 5> objects{};
    std::array<std::array<SkinLabel *, 9>, 5> objectLabels{};

    QFrame *Indicator_Play = nullptr;
    // The page control that holds the four sound object panels, below the visible area.
    QTabWidget *PageControl1 = nullptr;

    // Beside the hotkey chooser where the keys cannot be held for the whole desktop: the
    // answer key then works only while a window of the program has the focus.
    SkinLabel *Lbl_HotKey_Focus = nullptr;

    // The child who plays next (the chooser is shown from two children on), practice mode,
    // the fluency time and the school notation.
    SkinLabel *Lbl_Title_Child = nullptr;
    PictureButton *Sb_Child_Down = nullptr;
    PictureButton *Img_Child_Fon = nullptr;
    QLineEdit *Edit_Child = nullptr;
    PictureButton *Sb_Child_Up = nullptr;
    PictureButton *Cb_Practice_Math = nullptr;
    SkinLabel *Lbl_Practice_Math = nullptr;
    SkinLabel *Lbl_Practice_Note = nullptr;
    SkinLabel *Lbl_Title_Fluency_Time = nullptr;
    PictureButton *Sb_Fluency_Time_Down = nullptr;
    QLineEdit *Edit_Fluency_Time = nullptr;
    PictureButton *Sb_Fluency_Time_Up = nullptr;
    PictureButton *Cb_School_Notation = nullptr;
    SkinLabel *Lbl_School_Notation = nullptr;

    // Every caption label, to follow the length of its text after a language switch.
    std::vector<SkinLabel *> captions;
};

// The main window: the quiz settings panel, the tray icon and the sound objects, composed with
// the system options (SystemSettings), the answer keys (AnswerKeys) and what follows the
// windows on screen (WindowPresence). Closing it ends the program; destroying it saves every
// setting. The program's windows own it and hand it the quiz session, the answer channel, the
// string table, the question display and the splash window.
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
    void fmThreadCountTimer();
    // The playing indicator's look: red while sound plays, blue otherwise.
    static QString indicatorStyle(bool playing);
    void Sb_CloseClick();
    void Sb_StartClick();
    void Sb_MinClick();
    void TrayIconDblClick();
    void HotkeyMessage(int id);
    void UpdateSettingsView();
    void ShowSpeed();
    void ShowHotKey();
    void ShowFluencyTime();
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
    TrayIcon *trayIcon() const { return TrayIcon_; }
    GlobalHotkeys *hotkeys() const;

    // The cursor position the work timer reads; the real one unless replaced (tests).
    void setCursorSource(std::function<QPoint()> source) { cursor_ = std::move(source); }

    void setVisible(bool visible) override;

    // A quiz runs while the question display is on screen.
    bool quizRunning() const;

    // Shows the score line of the quiz that just ended, in the interface language.
    void setLastQuiz(const QuizSummary &quiz);

    // The microphone check of object 1: a few seconds of level reports while the parent claps
    // twice, then the proposed threshold or why there is none.
    void startMicrophoneCheck();
    // Sets object 1's threshold to the check's proposal; nothing without one.
    void applyMicrophoneCheck();
    const std::optional<MicrophoneCheckResult> &microphoneCheckResult() const { return micResult_; }

    // The children come from the results store, read once the window is on screen (the
    // database is not opened before the first paint). Until then, and when the store cannot
    // be read, the one child named by the settings plays.
    void setChildStore(ResultsStore &store);
    const QList<ChildProfile> &children() const { return children_; }
    // Keeps the panel's values as the current child's, then puts the chosen child's values in
    // the panel and in the settings key.
    void chooseChild(qint64 id);
    // The name shown for a child: their own, or a stand-in for the first child without one.
    QString childName(const ChildProfile &child) const;

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
    void buildTitle();
    void buildObjectPages();
    void buildHiddenControls();
    void connectHandlers();
    void connectQuizOptions();
    void connectSystemOptions();
    void connectTray();
    void connectSoundObjects();
    void FormCreate();
    void FormDestroy();
    void updateHover(const QPoint &cursor);
    void showAnswerLamps();
    void applyOptionTexts();
    void applyCaptionTexts();
    void applyObjectTexts();
    void applyOtherWindowsTexts();
    void applyAccessibleNames();
    // Tab follows reading order over the visible controls; what lies below the visible area
    // is never reached.
    void setKeyboardOrder();
    void hideControlsBelowTheWindow();
    // The playing indicator's name and hint for the state it shows.
    void nameIndicator(bool playing);
    void buildResultsControls();
    void connectResults();
    void applyResultsTexts();
    void buildMicrophoneCheck();
    void connectMicrophoneCheck();
    void finishMicrophoneCheck();
    void showMicrophoneCheckTexts();
    // Starts object 1's microphone capture; does nothing while it runs.
    void startObjectOneCapture();
    void buildChildControls();
    void connectChildren();
    void loadChildren();
    void showChildren();
    void applyChildTexts();
    void addChildClick();
    void changeChildClick();
    void removeChildClick();
    void saveChildChoice() const;
    // What practice mode needs to know of the child before the first question.
    void prepareChildQuiz();
    void showLastQuizOfChild();

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
    ToolTipSwitch toolTips_;
    WindowDrag drag_;
    SoundEngine &sound_;
    QuizSession &session_;
    AnswerChannel &answers_;
    StringTable &strings_;
    const PictureLists &pictures_;
    QuestionDisplay &display_;
    SplashWindow &splash_;
    TrayIcon *TrayIcon_ = nullptr;
    AnswerKeys *answerKeys_ = nullptr;
    WindowPresence *presence_ = nullptr;
    std::function<QPoint()> cursor_;
    std::optional<QuizSummary> lastQuiz_;
    MicrophoneCheck micCheck_;
    QElapsedTimer micClock_; // monotonic, for the check's level reports
    QTimer *micCheckTimer_ = nullptr;
    std::optional<MicrophoneCheckResult> micResult_;
    QPushButton *micCheckButton_ = nullptr;
    QPushButton *micApplyButton_ = nullptr;
    SkinLabel *micCheckLine_ = nullptr;
    ResultsStore *childStore_ = nullptr;
    QList<ChildProfile> children_;
    QLabel *childPicture_ = nullptr;
    QPushButton *addChildButton_ = nullptr;
    QPushButton *changeChildButton_ = nullptr;
    QPushButton *removeChildButton_ = nullptr;
    bool destroyed_ = false;
    bool closed_ = false;
};

using TfmMain = MainWindow;

// Where the main window goes on a desktop `desktopWidth` pixels wide whose free area (without
// the desktop's panels) is `available`: centred at top 10 where that lies inside the free area,
// otherwise moved into it, and at its top left corner where the window is larger than it.
QPoint MainWindowPlace(QSize window, int desktopWidth, const QRect &available);

// A push button in the settings window's look.
QPushButton *checkButton(const QString &name, QWidget *parent);

} // namespace numbrook
