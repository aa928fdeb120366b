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

} // namespace

class WindowsX11Test : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void pointer_onlyABackgroundDragMovesTheWindow_data();
    void pointer_onlyABackgroundDragMovesTheWindow();

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
    TfmMain &main = program_->main;
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

QTEST_MAIN(WindowsX11Test)
#include "tst_windows_x11.moc"
