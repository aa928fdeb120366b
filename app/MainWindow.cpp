// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

#include "MainWindow.h"

#include "AfterFirstPaint.h"
#include "AnswerChannel.h"
#include "AnswerKeys.h"
#include "BitmapLists.h"
#include "HoverButtons.h"
#include "MainWindowTexts.h"
#include "QuestionDisplay.h"
#include "QuizSession.h"
#include "ShellActions.h"
#include "SkinAccessibility.h"
#include "SkinWidgets.h"
#include "SoundEngine.h"
#include "SoundObjectTable.h"
#include "SplashWindow.h"
#include "StringTable.h"
#include "TrayMenu.h"
#include "WindowPresence.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QCursor>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QScreen>
#include <QTimer>
#include <QWindow>

namespace numbrook {

MainWindow::MainWindow(SoundEngine &sound, QuizSession &session, AnswerChannel &answers,
                       StringTable &strings, const PictureLists &pictures, QuestionDisplay &display,
                       SplashWindow &splash, QWidget *parent)
    : QWidget(parent), sound_(sound), session_(session), answers_(answers), strings_(strings),
      pictures_(pictures), display_(display), splash_(splash),
      layout_(*this, pictures.BitmapList_Btn, c_) {
    setObjectName(QStringLiteral("fmMain"));
    setWindowTitle(QStringLiteral("Numbrook"));
    setWindowFlag(Qt::FramelessWindowHint);
    setFocusPolicy(Qt::ClickFocus);
    setFixedSize(806, 580);
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, QColor(0x36, 0x6A, 0xB3));
    setPalette(palette);
    // The entry point's application icon when it drew one, so the picture is drawn once.
    const QIcon icon =
        QApplication::windowIcon().isNull() ? TrayIconPicture() : QApplication::windowIcon();
    setWindowIcon(icon);
    cursor_ = [] { return QCursor::pos(); };
    buildLayout();
    setMask(MainWindowOutline(size()));
    InstallSkinAccessibility();

    Timer_Work_ = new QTimer(this);
    Timer_Work_->setObjectName(QStringLiteral("Timer_Work"));
    Timer_Work_->setInterval(100);
    connect(Timer_Work_, &QTimer::timeout, this, &MainWindow::Timer_WorkTimer);

    tray_ = new SettingsTray(icon, strings_, *this);
    answerKeys_ = new AnswerKeys(answers_, system_, *c_.Img_HotKey, *this);
    c_.Lbl_HotKey_Focus = answerKeys_->focusNote();
    connectSoundObjects();

    fmThreadCount_ = new QTimer(this);
    fmThreadCount_->setObjectName(QStringLiteral("fmThreadCount"));
    fmThreadCount_->setInterval(1000);
    connect(fmThreadCount_, &QTimer::timeout, this, &MainWindow::fmThreadCountTimer);
    presence_ = new WindowPresence(*this, display_, sound_, *objects_, answers_, *Timer_Work_,
                                   *fmThreadCount_);
    connect(presence_, &WindowPresence::counterResumed, this, &MainWindow::fmThreadCountTimer);

    connectHandlers();
    layout_.setKeyboardOrder();
    layout_.hideControlsBelowTheWindow();
    connect(&splash_, &SplashWindow::splashClosed, this, [this] { SplashShown = true; });
    FormCreate();
    // After the first paint of the splash, or of this window when no splash runs first.
    for (QWidget *window : {static_cast<QWidget *>(&splash_), static_cast<QWidget *>(this)}) {
        new AfterFirstPaint(window, [this] { buildRemainingObjectPages(); });
    }
    Timer_Work_->start();
    fmThreadCount_->start();
    // The question display's show and hide start and end the quiz's hold on keys and sound.
    display_.installEventFilter(this);
}

MainWindow::~MainWindow() {
    FormDestroy();
}

void MainWindow::buildRemainingObjectPages() {
    if (objectPagesBuilt_ || destroyed_) {
        return;
    }
    objectPagesBuilt_ = true;
    for (int n = kFirstSoundObject + 1; n <= kLastSoundObject; ++n) {
        layout_.buildObjectPage(n);
        objects_->bind(n, c_.objects[n], SignallingHold::Table);
    }
    layout_.keepFocusOffBelow();
    objects_->LoadAllObjects();
    // Their captions and names in the language already shown; else the first show gives them.
    if (textsApplied_) {
        const MainWindowTexts texts(*this, c_, strings_);
        texts.applyObjectTexts();
        texts.applyAccessibleNames(cbPorog1_, cbHotKey1_, Memo1_);
        texts.fitCaptions();
    }
}

GlobalHotkeys *MainWindow::hotkeys() const {
    return answerKeys_->hotkeys();
}

void MainWindow::connectSoundObjects() {
    objectLog_.setMemo(Memo1_);
    objects_ = std::make_unique<SoundObjectTable>(sound_, objectLog_);
    // Object 1's signalling is the clap answer: the answer channel holds it and ends it.
    // The other objects are bound with their controls, after the first paint.
    objects_->bind(1, c_.objects[1], SignallingHold::Answer);
    SoundObjectTable *objects = objects_.get();
    connect(objects, &SoundObjectTable::signallingChanged, this, [this, objects](int n, bool on) {
        if (n != 1) {
            return;
        }
        if (on) {
            answers_.clapHeard(objects->holdInterval(1));
        } else {
            answers_.clapEnded();
        }
    });
    connect(&answers_, &AnswerChannel::clapHoldEnded, objects,
            [objects] { objects->tmPorog1Timer(1); });
    answers_.startClapHold();
    connect(&answers_, &AnswerChannel::clapChanged, cbPorog1_, &QCheckBox::setChecked);
    connect(&answers_, &AnswerChannel::hotkeyChanged, cbHotKey1_, &QCheckBox::setChecked);
    // Every sound error reaches the log in full.
    connect(&sound_.errors, &SoundErrors::errorTextReady, this,
            [this](const QString &text) { objectLog_.append(text); });
}

// ---------------------------------------------------------------------------------------------
// Life cycle

void MainWindow::FormCreate() {
    SplashShown = false;
    FirstActivationPending = true;
    system_.LoadSystemSettings();
    // The answer keys are taken only while a quiz runs (Sb_StartClick).
    settingsPanel_->showHints();
    session_.InitQuizEngine();
    objectLog_.clear();
    sound_.devices.BuildOutputList(system_.Show_SPDIF == 1);
    sound_.devices.BuildInputList(true);
    objects_->LoadAllObjects();
    for (const DeviceEntry &entry : sound_.devices.InputDeviceNames) {
        objectLog_.append(entry.name);
    }
}

void MainWindow::FormDestroy() {
    if (destroyed_) {
        return;
    }
    destroyed_ = true;
    presence_->end();
    // No capture or playback report may reach a control that is about to go.
    objects_->stopAllThreads();
    for (int n = kFirstSoundObject; n <= kLastSoundObject; ++n) {
        objects_->object(n).FileList.clear();
    }
    objects_->SaveAllObjects();
    session_.settings.SaveQuizSettings();
    system_.SaveSystemSettings();
}

void MainWindow::setVisible(bool visible) {
    // The splash runs once, modally, before the main window first appears; the work timer
    // keeps ticking meanwhile.
    if (visible && !SplashShown) {
        SplashShown = true;
        splash_.exec();
        // The program was told to end while the splash was up.
        if (closed_) {
            return;
        }
    }
    QWidget::setVisible(visible);
}

void MainWindow::showEvent(QShowEvent *event) {
    FormShow();
    QWidget::showEvent(event);
}

void MainWindow::FormShow() {
    // The window itself holds the keyboard when it appears, so that Enter and Space light the
    // answer lamp until Tab moves to a control.
    setFocus(Qt::OtherFocusReason);
    ApplyLanguage();
    setWindowFlag(Qt::FramelessWindowHint);
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        move(MainWindowPlace(size(), screen->virtualGeometry().width(),
                             screen->availableVirtualGeometry()));
    }
    settingsPanel_->showHints();
    settingsPanel_->UpdateSettingsView();
    settingsPanel_->ShowHotKey();
    settingsPanel_->ShowSpeed();
    presence_->settingsShown();
}

void MainWindow::startObjectOneCapture() {
    objects_->startMic(1);
}

void MainWindow::closeEvent(QCloseEvent *event) {
    closed_ = true;
    presence_->end();
    if (splash_.isVisible()) {
        splash_.reject();
    }
    answerKeys_->releaseAnswerKeys();
    objects_->stopAllThreads();
    display_.close();
    trayIcon()->hide();
    event->accept();
    QCoreApplication::quit();
}

void MainWindow::Sb_CloseClick() {
    close();
}

void MainWindow::mousePressEvent(QMouseEvent *event) {
    // Only the background drags the window: a press on any control (a label or level bar that
    // lets the press through included) never does.
    if (!childAt(event->position().toPoint())) {
        drag_.pressed(*this, *event);
    }
}

void MainWindow::mouseMoveEvent(QMouseEvent *event) {
    drag_.moved(*this, *event);
}

void MainWindow::mouseReleaseEvent(QMouseEvent *) {
    drag_.released();
}

// ---------------------------------------------------------------------------------------------
// Work timer

void MainWindow::Timer_WorkTimer() {
    if (FirstActivationPending && isActiveWindow()) {
        if (system_.MinFormShow == 1) {
            Sb_MinClick();
        }
        FirstActivationPending = false;
    }
    ShowHoveredButtons(c_, *this, cursor_());
    // The key lamp's tick also times the key's answer in the answer channel.
    showAnswerLamps();
}

void MainWindow::showAnswerLamps() {
    c_.Img_Porog1->setPicture(answers_.clap() ? ButtonPicture::MicrophoneLampLit
                                              : ButtonPicture::LampOff);
    answerKeys_->showLamp(display_.Timer_Vopros->isActive());
}

} // namespace numbrook
