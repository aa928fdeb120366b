// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

// The main window on the test environment's X server. Its hotkeys with real key events: xdotool
// presses keys while a separate program's text field has the focus, and the main window, its
// tray icon and the question display answer as the program does. The full-screen display over
// the window manager's taskbar.
#include "BitmapLists.h"
#include "GlobalHotkeys.h"
#include "KeyProbe.h"
#include "MainWindow.h"
#include "QuizSession.h"
#include "TestProgram.h"
#include "TrayMenu.h"

#include <QCheckBox>
#include <QLabel>
#include <QProcess>
#include <QScreen>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QtGui/qguiapplication_platform.h>

#include <xcb/xcb.h>

#include <cstdlib>
#include <memory>

using namespace numbrook;

namespace {

using testing::KeyProbe;
using testing::modifierState;
using testing::Program;
using testing::xdotool;

constexpr int QtKeyReturn = 0x01000004;
constexpr int QtKeySpace = 0x20;
constexpr int QtKeyEscape = 0x01000000;

// The keyboard layout of the X server, put back when the guard goes.
class LayoutGuard {
public:
    LayoutGuard() {
        QProcess query;
        query.start(QStringLiteral("setxkbmap"), {QStringLiteral("-query")});
        query.waitForFinished();
        for (const QByteArray &line : query.readAllStandardOutput().split('\n')) {
            if (line.startsWith("layout:"))
                layout_ = QString::fromLatin1(line.mid(7).trimmed());
        }
        if (layout_.isEmpty())
            layout_ = QStringLiteral("us");
    }
    ~LayoutGuard() {
        QProcess::execute(QStringLiteral("setxkbmap"), {QStringLiteral("-layout"), layout_});
    }
    Q_DISABLE_COPY_MOVE(LayoutGuard)

private:
    QString layout_;
};

// A seed that makes every question of the program's quiz the same true expression: the random
// source is reseeded from it for every question.
bool chooseTrueExpressions(QuizSession &session) {
    for (quint64 candidate = 1; candidate < 1000; ++candidate) {
        session.generator.setSeedSource([candidate] { return candidate; });
        if (session.nextQuestion(QStringLiteral("?")).shown &&
            session.generator.ExpressionIsCorrect)
            return true;
    }
    return false;
}

QString labelText(const TfmDisplay &display, const char *name) {
    const auto *label = display.findChild<QLabel *>(QLatin1String(name));
    return label ? label->text() : QStringLiteral("<missing>");
}

} // namespace

class AnswerKeysX11Test : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();

    void answerKeys_lastPressDecidesBox_focusedWindowGetsNothing_data();
    void answerKeys_lastPressDecidesBox_focusedWindowGetsNothing();
    void numLockOn_enterKeysStillTickBox();
    void noQuiz_keysReachFocusedProgram_data();
    void noQuiz_keysReachFocusedProgram();
    void noQuiz_settingsWindowFocused_windowKeysLightLamp_data();
    void noQuiz_settingsWindowFocused_windowKeysLightLamp();
    void quiz_takesReturnOnlyWhileItRuns();
    void quiz_keymapChanged_returnStillAnswers();
    void escape_duringQuiz_closesDisplayAndKeepsCounters();
    void quizFromKeyboard_trueExpressionAnsweredWithEnterScoresCorrect();
    void fullScreenDisplay_liesAboveDesktopPanels();

private:
    // Gives the probe the focus and proves it has it.
    void focusProbe();
    // A left click with the real pointer in the middle of a control of the main window.
    void clickControl(const char *name);
    // Takes the answer keys as a quiz start does, for tests of the keys themselves.
    void holdAnswerKeys();
    // Starts a quiz of a question every `speed` seconds with the start button of the shown main
    // window; the keys are held once it runs.
    void startQuiz(int speed);
    // The same with one true expression as every question.
    void startTrueQuiz(int speed);

    KeyProbe probe_;
    std::unique_ptr<QTemporaryDir> config_;
    std::unique_ptr<testing::ConfigHome> home_;
    std::unique_ptr<Program> program_;
};

void AnswerKeysX11Test::initTestCase() {
    QVERIFY2(!qEnvironmentVariableIsEmpty("DISPLAY"), "run inside scripts/test-env.sh");
    QCOMPARE(QGuiApplication::platformName(), QStringLiteral("xcb"));
    QTRY_VERIFY_WITH_TIMEOUT(TrayIcon::available(), 10000);

    QVERIFY(probe_.start(QStringLiteral(KEYPROBE_PATH)));
}

void AnswerKeysX11Test::cleanupTestCase() {
    probe_.stop();
}

void AnswerKeysX11Test::init() {
    config_ = std::make_unique<QTemporaryDir>();
    QVERIFY(config_->isValid());
    home_.reset();
    home_ = std::make_unique<testing::ConfigHome>(config_->path());
    program_ = std::make_unique<Program>();
    QVERIFY(program_->main().hotkeys()->isSystemWide());
    // No key is held before a quiz.
    for (int id = 0; id < 3; ++id)
        QVERIFY(!program_->main().hotkeys()->isRegistered(id));
}

void AnswerKeysX11Test::holdAnswerKeys() {
    GlobalHotkeys *hotkeys = program_->main().hotkeys();
    QVERIFY(hotkeys->registerHotkey(0, HotkeyKey::Return));
    QVERIFY(hotkeys->registerHotkey(1, HotkeyKey::Space));
    QVERIFY(hotkeys->registerHotkey(2, HotkeyKey::Escape));
}

void AnswerKeysX11Test::startTrueQuiz(int speed) {
    QVERIFY(chooseTrueExpressions(program_->session()));
    program_->session().settings.Show_Otvet_Mode = 1;
    startQuiz(speed);
}

void AnswerKeysX11Test::startQuiz(int speed) {
    TfmMain &main = program_->main();
    program_->session().settings.Speed_Math = speed;
    program_->session().settings.Screen_Res = 0;
    program_->session().settings.Show_Points = 1;
    main.show();
    QVERIFY(QTest::qWaitForWindowExposed(&main));
    clickControl("Sb_Start");
    QTRY_VERIFY_WITH_TIMEOUT(program_->display().isVisible(), 5000);
    for (int id = 0; id < 3; ++id)
        QVERIFY(main.hotkeys()->isRegistered(id));
}

void AnswerKeysX11Test::cleanup() {
    program_.reset();
}

void AnswerKeysX11Test::focusProbe() {
    // If the probe did not have the focus, every "not received" below would prove nothing.
    QVERIFY(probe_.focus());
}

void AnswerKeysX11Test::clickControl(const char *name) {
    QWidget *control = testing::control(program_->main(), QLatin1String(name));
    QVERIFY2(control, name);
    const QPoint centre = control->mapToGlobal(control->rect().center());
    QVERIFY(xdotool({QStringLiteral("mousemove"), QString::number(centre.x()),
                     QString::number(centre.y()), QStringLiteral("click"), QStringLiteral("1")}));
}

void AnswerKeysX11Test::answerKeys_lastPressDecidesBox_focusedWindowGetsNothing_data() {
    QTest::addColumn<qint32>("choice");
    QTest::addColumn<QStringList>("keys");
    QTest::addColumn<QList<bool>>("boxStates"); // every change of cbHotKey1, in order
    QTest::newRow("Enter chosen, Enter") << 0 << QStringList{"Return"} << QList<bool>{true};
    QTest::newRow("Enter chosen, numpad Enter")
        << 0 << QStringList{"KP_Enter"} << QList<bool>{true};
    QTest::newRow("Enter chosen, Space") << 0 << QStringList{"space"} << QList<bool>{};
    QTest::newRow("Space chosen, Space") << 1 << QStringList{"space"} << QList<bool>{true};
    QTest::newRow("Space chosen, Enter") << 1 << QStringList{"Return"} << QList<bool>{};
    QTest::newRow("Space then Enter") << 0 << QStringList{"space", "Return"} << QList<bool>{true};
    QTest::newRow("Enter then Space")
        << 0 << QStringList{"Return", "space"} << QList<bool>{true, false};
    QTest::newRow("Enter then Esc")
        << 0 << QStringList{"Return", "Escape"} << QList<bool>{true, false};
}

void AnswerKeysX11Test::answerKeys_lastPressDecidesBox_focusedWindowGetsNothing() {
    QFETCH(qint32, choice);
    QFETCH(QStringList, keys);
    QFETCH(QList<bool>, boxStates);
    TfmMain &main = program_->main();
    // The lamp's one-second untick is the work timer's business (tested on its own); here
    // the box must show what the presses left.
    main.Timer_Work()->stop();
    main.setHotkeyChoice(choice);
    main.settingsPanel().ShowHotKey();
    holdAnswerKeys();
    focusProbe();

    QSignalSpy presses(main.hotkeys(), &GlobalHotkeys::hotkey);
    QSignalSpy changes(main.cbHotKey1(), &QCheckBox::toggled);
    QCOMPARE(probe_.pressAndCollect(keys), QList<int>{});
    QTRY_COMPARE(presses.size(), keys.size());
    QList<bool> seen;
    for (const QList<QVariant> &change : changes)
        seen.append(change.at(0).toBool());
    QCOMPARE(seen, boxStates);
    QCOMPARE(main.cbHotKey1()->isChecked(), boxStates.isEmpty() ? false : boxStates.last());
}

void AnswerKeysX11Test::numLockOn_enterKeysStillTickBox() {
    TfmMain &main = program_->main();
    main.Timer_Work()->stop();
    holdAnswerKeys();
    focusProbe();
    const quint16 before = modifierState();
    // NumLock itself is no hotkey: it goes to the focused window.
    QCOMPARE(probe_.pressAndCollect({QStringLiteral("Num_Lock")}).size(), 1);
    auto restore = qScopeGuard([&] { probe_.pressAndCollect({QStringLiteral("Num_Lock")}); });
    QTRY_VERIFY(modifierState() != before);

    for (const QString &key : {QStringLiteral("KP_Enter"), QStringLiteral("Return")}) {
        program_->answers().setHotkey(false);
        QSignalSpy presses(main.hotkeys(), &GlobalHotkeys::hotkey);
        QCOMPARE(probe_.pressAndCollect({key}), QList<int>{});
        QTRY_COMPARE(presses.size(), 1);
        QVERIFY2(main.cbHotKey1()->isChecked(), qPrintable(key));
    }
}

void AnswerKeysX11Test::noQuiz_keysReachFocusedProgram_data() {
    QTest::addColumn<bool>("inTray");
    QTest::newRow("settings window shown") << false;
    QTest::newRow("hidden in the notification area") << true;
}

void AnswerKeysX11Test::noQuiz_keysReachFocusedProgram() {
    QFETCH(bool, inTray);
    TfmMain &main = program_->main();
    main.show();
    QVERIFY(QTest::qWaitForWindowExposed(&main));
    if (inTray) {
        clickControl("Sb_Min");
        QTRY_VERIFY_WITH_TIMEOUT(!main.isVisible(), 5000);
        QVERIFY(main.trayIcon()->isVisible());
    }
    focusProbe();
    QSignalSpy presses(main.hotkeys(), &GlobalHotkeys::hotkey);
    QCOMPARE(probe_.pressAndCollect(
                 {QStringLiteral("Return"), QStringLiteral("space"), QStringLiteral("Escape")}),
             (QList<int>{QtKeyReturn, QtKeySpace, QtKeyEscape}));
    QCOMPARE(presses.size(), 0);
    QVERIFY(!main.cbHotKey1()->isChecked());
    // Esc is no key of the program outside a quiz: the window stays where it was.
    QCOMPARE(main.isVisible(), !inTray);
}

void AnswerKeysX11Test::noQuiz_settingsWindowFocused_windowKeysLightLamp_data() {
    QTest::addColumn<qint32>("choice");
    QTest::addColumn<QString>("key");
    QTest::addColumn<bool>("ticked");
    QTest::newRow("Enter chosen, Enter") << 0 << "Return" << true;
    QTest::newRow("Enter chosen, numpad Enter") << 0 << "KP_Enter" << true;
    QTest::newRow("Space chosen, Space") << 1 << "space" << true;
    QTest::newRow("Enter chosen, Space") << 0 << "space" << false;
}

void AnswerKeysX11Test::noQuiz_settingsWindowFocused_windowKeysLightLamp() {
    QFETCH(qint32, choice);
    QFETCH(QString, key);
    QFETCH(bool, ticked);
    TfmMain &main = program_->main();
    main.setHotkeyChoice(choice);
    main.show();
    QVERIFY(QTest::qWaitForWindowExposed(&main));
    const QString window = QString::number(main.winId());
    QVERIFY(xdotool({QStringLiteral("windowactivate"), QStringLiteral("--sync"), window}));
    QTRY_VERIFY_WITH_TIMEOUT(main.isActiveWindow(), 5000);
    QVERIFY(xdotool({QStringLiteral("key"), key}));
    if (ticked) {
        QTRY_VERIFY_WITH_TIMEOUT(main.cbHotKey1()->isChecked(), 5000);
        // The lamp lights at the work timer's next tick.
        QTRY_COMPARE_WITH_TIMEOUT(testing::button(main, QStringLiteral("Img_HotKey"))->picture(),
                                  int(ButtonPicture::KeyLampLit), 1000);
    } else {
        QTest::qWait(300);
        QVERIFY(!main.cbHotKey1()->isChecked());
    }
}

void AnswerKeysX11Test::quiz_takesReturnOnlyWhileItRuns() {
    TfmMain &main = program_->main();
    main.show();
    QVERIFY(QTest::qWaitForWindowExposed(&main));
    // Before the quiz another program has Return.
    focusProbe();
    QCOMPARE(probe_.pressAndCollect({QStringLiteral("Return")}), QList<int>{QtKeyReturn});

    startTrueQuiz(3);
    focusProbe();
    QTRY_COMPARE_WITH_TIMEOUT(program_->session().TotalQuestions, 1, 5000);
    QCOMPARE(probe_.pressAndCollect({QStringLiteral("Return")}), QList<int>{});
    QTRY_COMPARE_WITH_TIMEOUT(program_->session().CorrectAnswers, 1, 5000);

    // Esc ends the quiz and gives every key back.
    QCOMPARE(probe_.pressAndCollect({QStringLiteral("Escape")}), QList<int>{});
    QTRY_VERIFY_WITH_TIMEOUT(!program_->display().isVisible(), 5000);
    for (int id = 0; id < 3; ++id)
        QVERIFY(!main.hotkeys()->isRegistered(id));
    // The settings window comes forward first; then the other program takes the focus back.
    QTRY_VERIFY_WITH_TIMEOUT(main.isActiveWindow(), 5000);
    focusProbe();
    QCOMPARE(probe_.pressAndCollect({QStringLiteral("Return"), QStringLiteral("Escape")}),
             (QList<int>{QtKeyReturn, QtKeyEscape}));

    // The start button's second press ends a quiz the same way.
    clickControl("Sb_Start");
    QTRY_VERIFY_WITH_TIMEOUT(program_->display().isVisible(), 5000);
    QVERIFY(main.hotkeys()->isRegistered(0));
    main.Sb_StartClick();
    QTRY_VERIFY_WITH_TIMEOUT(!program_->display().isVisible(), 5000);
    QVERIFY(!main.hotkeys()->isRegistered(0));
    QVERIFY(QTest::qWaitForWindowExposed(&main));
    QTest::qWait(300);
    focusProbe();
    QCOMPARE(probe_.pressAndCollect({QStringLiteral("Return")}), QList<int>{QtKeyReturn});
}

void AnswerKeysX11Test::quiz_keymapChanged_returnStillAnswers() {
    startTrueQuiz(3);
    LayoutGuard layout;
    QVERIFY(QProcess::execute(QStringLiteral("setxkbmap"),
                              {QStringLiteral("-layout"), QStringLiteral("de")}) == 0);
    // The grabs are taken again once the server reports the new mapping.
    QTest::qWait(500);
    focusProbe();
    QTRY_COMPARE_WITH_TIMEOUT(program_->session().TotalQuestions, 1, 5000);
    QCOMPARE(probe_.pressAndCollect({QStringLiteral("Return")}), QList<int>{});
    QTRY_COMPARE_WITH_TIMEOUT(program_->session().CorrectAnswers, 1, 5000);
}

void AnswerKeysX11Test::escape_duringQuiz_closesDisplayAndKeepsCounters() {
    TfmMain &main = program_->main();
    TfmDisplay &display = program_->display();
    startQuiz(1);
    QVERIFY(display.Timer_Vopros->isActive());
    QVERIFY(main.trayIcon()->isVisible());
    QTRY_VERIFY_WITH_TIMEOUT(program_->session().TotalQuestions >= 2, 15000);

    focusProbe();
    QCOMPARE(probe_.pressAndCollect({QStringLiteral("Escape")}), QList<int>{});
    QTRY_VERIFY_WITH_TIMEOUT(!display.isVisible(), 5000);
    QVERIFY(!display.Timer_Vopros->isActive());
    QTRY_VERIFY_WITH_TIMEOUT(main.isVisible(), 5000);
    QVERIFY(!main.trayIcon()->isVisible());
    // The counters are those of the quiz, not cleared.
    QVERIFY(program_->session().TotalQuestions >= 2);
    QVERIFY(program_->session().CorrectAnswers + program_->session().WrongAnswers >= 1);
    QCOMPARE(labelText(display, "Lbl_Vopros_All"),
             QString::number(program_->session().TotalQuestions));
    QCOMPARE(labelText(display, "Lbl_Point_All"), QString::number(program_->session().PointsTotal));
}

void AnswerKeysX11Test::quizFromKeyboard_trueExpressionAnsweredWithEnterScoresCorrect() {
    TfmDisplay &display = program_->display();
    startTrueQuiz(3);
    focusProbe();
    QTRY_COMPARE_WITH_TIMEOUT(program_->session().TotalQuestions, 1, 5000);
    QVERIFY(program_->session().generator.ExpressionIsCorrect);
    QVERIFY(display.findChild<QLabel *>(QStringLiteral("Lbl_Vopros_2"))->isVisible());
    QCOMPARE(program_->session().CorrectAnswers + program_->session().WrongAnswers, 0);

    QCOMPARE(probe_.pressAndCollect({QStringLiteral("Return")}), QList<int>{});
    QTRY_COMPARE_WITH_TIMEOUT(program_->session().CorrectAnswers, 1, 5000);
    QCOMPARE(program_->session().WrongAnswers, 0);
    QCOMPARE(program_->session().PointsTotal, 1);
    QCOMPARE(program_->session().TotalQuestions, 1);
    QVERIFY(display.findChild<QWidget *>(QStringLiteral("Panel_Point"))->isVisible());
    QCOMPARE(labelText(display, "Lbl_Vopros_All"), QStringLiteral("1"));
    QCOMPARE(labelText(display, "Lbl_Vopros_True"), QStringLiteral("1"));
    QCOMPARE(labelText(display, "Lbl_Vopros_False"), QStringLiteral("0"));
    QCOMPARE(labelText(display, "Lbl_Point_All"), QStringLiteral("1"));
}

void AnswerKeysX11Test::fullScreenDisplay_liesAboveDesktopPanels() {
    TfmMain &main = program_->main();
    TfmDisplay &display = program_->display();
    program_->session().settings.Screen_Res = 1;
    QScreen *screen = QGuiApplication::primaryScreen();
    // The window manager's taskbar runs along the bottom edge of the desktop.
    const QPoint bottom(screen->geometry().width() / 2, screen->geometry().height() - 10);
    auto onScreen = [&] { return screen->grabWindow(0, bottom.x(), bottom.y(), 1, 1).toImage(); };
    const QImage panel = onScreen();
    main.show();
    QVERIFY(QTest::qWaitForWindowExposed(&main));
    clickControl("Sb_Start");
    QTRY_VERIFY_WITH_TIMEOUT(display.isVisible(), 5000);
    QVERIFY(QTest::qWaitForWindowExposed(&display));
    const QImage board = display.grab(QRect(bottom, QSize(1, 1))).toImage();
    QVERIFY(board.pixel(0, 0) != panel.pixel(0, 0));
    QTRY_COMPARE_WITH_TIMEOUT(onScreen().pixel(0, 0), board.pixel(0, 0), 5000);
    QCOMPARE(display.frameGeometry(), screen->geometry());
}

QTEST_MAIN(AnswerKeysX11Test)
#include "tst_answerkeys_x11.moc"
