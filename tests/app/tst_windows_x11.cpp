// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

// The program's windows under a real window manager (icewm on the test environment's X
// server), driven by real pointer and key events: dragging by the background only, the
// taskbar entries during a quiz, the splash against Esc, and the main window's place on a
// screen too small for it.
#include "KeyProbe.h"
#include "MainWindow.h"
#include "QuizSession.h"
#include "SplashWindow.h"
#include "TestProgram.h"

#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QtGui/qguiapplication_platform.h>

#include <xcb/xcb.h>

#include <cstdlib>
#include <memory>

using namespace numbrook;

namespace {

using testing::Program;
using testing::xdotool;

QString number(int value) {
    return QString::number(value);
}

// Moves the real pointer by (dx, 0) in small steps with the left button held, as a hand does.
bool dragBy(int dx) {
    const int steps = 8;
    for (int i = 0; i < steps; ++i) {
        if (!xdotool({QStringLiteral("mousemove_relative"), QStringLiteral("--"),
                      number(dx / steps), QStringLiteral("0")})) {
            return false;
        }
        QTest::qWait(30);
    }
    return true;
}

xcb_connection_t *x11() {
    return qGuiApp->nativeInterface<QNativeInterface::QX11Application>()->connection();
}

xcb_atom_t atom(const char *name) {
    const std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply(
        xcb_intern_atom_reply(x11(), xcb_intern_atom(x11(), 0, quint16(qstrlen(name)), name),
                              nullptr),
        &std::free);
    return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}

// A 32-bit list property of a window, as the window manager or the program left it.
QList<quint32> property(xcb_window_t window, const char *name, xcb_atom_t type) {
    const std::unique_ptr<xcb_get_property_reply_t, decltype(&std::free)> reply(
        xcb_get_property_reply(x11(), xcb_get_property(x11(), 0, window, atom(name), type, 0, 4096),
                               nullptr),
        &std::free);
    QList<quint32> values;
    if (reply && reply->format == 32) {
        const auto *data = static_cast<const quint32 *>(xcb_get_property_value(reply.get()));
        values = QList<quint32>(data, data + reply->value_len);
    }
    return values;
}

xcb_window_t root() {
    return xcb_setup_roots_iterator(xcb_get_setup(x11())).data->root;
}

// The windows the window manager lists as its clients that belong to this process.
QList<xcb_window_t> ownClients() {
    QList<xcb_window_t> own;
    for (quint32 window : property(root(), "_NET_CLIENT_LIST", XCB_ATOM_WINDOW)) {
        if (property(window, "_NET_WM_PID", XCB_ATOM_CARDINAL) ==
            QList<quint32>{quint32(QCoreApplication::applicationPid())}) {
            own.append(window);
        }
    }
    return own;
}

bool skipsTaskbarAndPager(xcb_window_t window) {
    const QList<quint32> states = property(window, "_NET_WM_STATE", XCB_ATOM_ATOM);
    return states.contains(atom("_NET_WM_STATE_SKIP_TASKBAR")) &&
           states.contains(atom("_NET_WM_STATE_SKIP_PAGER"));
}

} // namespace

class WindowsX11Test : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void pointer_onlyABackgroundDragMovesTheWindow_data();
    void pointer_onlyABackgroundDragMovesTheWindow();
    void quiz_noWindowAsksForATaskbarEntry();
    void splash_noTaskbarEntry_escEndsNothingEarly();
    void mainWindow_placedInsideTheFreeArea();

private:
    std::unique_ptr<QTemporaryDir> config_;
    std::unique_ptr<testing::ConfigHome> home_;
    std::unique_ptr<Program> program_;
};

void WindowsX11Test::initTestCase() {
    QVERIFY2(!qEnvironmentVariableIsEmpty("DISPLAY"), "run inside scripts/test-env.sh");
    QCOMPARE(QGuiApplication::platformName(), QStringLiteral("xcb"));
}

void WindowsX11Test::init() {
    config_ = std::make_unique<QTemporaryDir>();
    QVERIFY(config_->isValid());
    home_.reset();
    home_ = std::make_unique<testing::ConfigHome>(config_->path());
    program_ = std::make_unique<Program>();
}

void WindowsX11Test::cleanup() {
    program_.reset();
}

void WindowsX11Test::pointer_onlyABackgroundDragMovesTheWindow_data() {
    QTest::addColumn<QString>("target"); // a control's name, or empty for the background
    QTest::addColumn<int>("dx");         // how far the pointer moves with the button held
    QTest::addColumn<int>("moved");      // how far the window must have moved
    QTest::newRow("click on the background") << QString() << 0 << 0;
    QTest::newRow("click on a label") << QStringLiteral("Lbl_Title_Diff_Math") << 0 << 0;
    QTest::newRow("click on the title") << QStringLiteral("Label_Title_Name") << 0 << 0;
    QTest::newRow("drag on the background") << QString() << 40 << 40;
    QTest::newRow("drag on a label") << QStringLiteral("Lbl_Title_Diff_Math") << 40 << 0;
    QTest::newRow("drag on the level bar") << QStringLiteral("pbSig1") << 40 << 0;
}

void WindowsX11Test::pointer_onlyABackgroundDragMovesTheWindow() {
    QFETCH(QString, target);
    QFETCH(int, dx);
    QFETCH(int, moved);
    TfmMain &main = program_->main();
    main.show();
    QVERIFY(QTest::qWaitForWindowExposed(&main));
    QTest::qWait(300); // the window manager has placed the window
    const QPoint before = main.pos();

    // An empty stretch of the panel between the kinds and the microphone.
    QPoint local(300, 250);
    if (!target.isEmpty()) {
        QWidget *control = testing::control(main, target);
        QVERIFY2(control, qPrintable(target));
        local = control->mapTo(&main, control->rect().center());
    } else {
        QVERIFY(!main.childAt(local));
    }
    const QPoint at = main.mapToGlobal(local);
    QVERIFY(xdotool({QStringLiteral("mousemove"), number(at.x()), number(at.y()),
                     QStringLiteral("mousedown"), QStringLiteral("1")}));
    QTest::qWait(100);
    if (dx != 0) {
        QVERIFY(dragBy(dx));
    }
    QVERIFY(xdotool({QStringLiteral("mouseup"), QStringLiteral("1")}));
    QTest::qWait(200);
    // A window stuck to the pointer would follow this.
    QVERIFY(xdotool({QStringLiteral("mousemove_relative"), QStringLiteral("--"),
                     QStringLiteral("-120"), QStringLiteral("90")}));
    QTest::qWait(400);
    QCOMPARE(main.pos(), before + QPoint(moved, 0));
    // Nothing holds the pointer any more: a click elsewhere reaches the desktop.
    QVERIFY(xdotool({QStringLiteral("click"), QStringLiteral("1")}));
    QTest::qWait(200);
    QCOMPARE(main.pos(), before + QPoint(moved, 0));
}

void WindowsX11Test::quiz_noWindowAsksForATaskbarEntry() {
    TfmMain &main = program_->main();
    program_->session().settings.Speed_Math = 1;
    main.show();
    QVERIFY(QTest::qWaitForWindowExposed(&main));
    const auto mainWindow = xcb_window_t(main.winId());
    QTRY_VERIFY(ownClients().contains(mainWindow));
    QVERIFY(!skipsTaskbarAndPager(mainWindow));

    // Twice: the window manager forgets the state of a window that was hidden.
    for (int quiz = 0; quiz < 2; ++quiz) {
        const QPoint start =
            testing::control(main, QStringLiteral("Sb_Start"))->mapToGlobal(QPoint(80, 25));
        QVERIFY(xdotool({QStringLiteral("mousemove"), number(start.x()), number(start.y()),
                         QStringLiteral("click"), QStringLiteral("1")}));
        QTRY_VERIFY(program_->display().isVisible());
        const auto display = xcb_window_t(program_->display().winId());
        QTRY_VERIFY(ownClients().contains(display));
        QTRY_VERIFY(!ownClients().contains(mainWindow));
        QTest::qWait(300);
        const QList<xcb_window_t> clients = ownClients();
        for (xcb_window_t window : clients) {
            QVERIFY2(skipsTaskbarAndPager(window), qPrintable(number(int(window))));
        }
        main.HotkeyMessage(2); // Esc
        QTRY_VERIFY(ownClients().contains(mainWindow));
        QVERIFY(!skipsTaskbarAndPager(mainWindow));
    }
}

void WindowsX11Test::splash_noTaskbarEntry_escEndsNothingEarly() {
    TfmMain &main = program_->main();
    SplashWindow &splash = program_->splash();
    main.setSplashShown(false);
    bool checked = false;
    // Runs inside the splash's own event loop.
    QTimer::singleShot(700, &splash, [&] {
        QVERIFY(splash.isVisible());
        const auto window = xcb_window_t(splash.winId());
        QTRY_VERIFY(ownClients().contains(window));
        QVERIFY(skipsTaskbarAndPager(window));
        const qint32 ticksBefore = splash.splashTicks();
        QVERIFY(xdotool(
            {QStringLiteral("windowactivate"), QStringLiteral("--sync"), number(int(window))}));
        QVERIFY(xdotool({QStringLiteral("key"), QStringLiteral("Escape")}));
        QTest::qWait(500);
        QVERIFY(splash.isVisible());
        QVERIFY(splash.splashTicks() > ticksBefore);
        QVERIFY(!main.isVisible());
        QVERIFY(!ownClients().contains(xcb_window_t(main.winId())));
        checked = true;
    });
    main.show(); // runs the splash to its end
    QVERIFY(checked);
    QVERIFY(splash.splashTicks() > 30);
    QVERIFY(!splash.isVisible());
    QVERIFY(QTest::qWaitForWindowExposed(&main));
}

void WindowsX11Test::mainWindow_placedInsideTheFreeArea() {
    // Also run on a screen smaller than the window (1280 x 1024 at QT_SCALE_FACTOR=2).
    TfmMain &main = program_->main();
    main.show();
    QVERIFY(QTest::qWaitForWindowExposed(&main));
    QTest::qWait(300);
    const QRect free = main.screen()->availableGeometry();
    const QRect window = main.frameGeometry();
    QVERIFY2(window.left() >= free.left() && window.top() >= free.top(),
             qPrintable(QStringLiteral("%1,%2").arg(window.left()).arg(window.top())));
    if (window.width() <= free.width()) {
        QVERIFY(window.right() <= free.right());
    }
    if (window.height() <= free.height()) {
        QVERIFY(window.bottom() <= free.bottom());
    }
    // Start's left end is on screen, and so is the close button where the window fits across.
    const QRect screen = main.screen()->geometry();
    QWidget *start = testing::control(main, QStringLiteral("Sb_Start"));
    QVERIFY(screen.contains(start->mapToGlobal(QPoint(1, 1))));
    if (window.width() <= free.width()) {
        QWidget *close = testing::control(main, QStringLiteral("Sb_Close"));
        QVERIFY(screen.contains(close->mapToGlobal(close->rect().bottomRight())));
    }
}

QTEST_MAIN(WindowsX11Test)
#include "tst_windows_x11.moc"
