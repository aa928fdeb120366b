// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

// Real key events on the test environment's X server: xdotool presses keys while a separate
// program's text field has the focus.
#include "GlobalHotkeys.h"
#include "KeyProbe.h"

#include <QGuiApplication>
#include <QProcess>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QtGui/qguiapplication_platform.h>

#include <xcb/xcb.h>

#include <cstdlib>

using namespace numbrook;
using numbrook::testing::modifierState;

namespace {

constexpr int QtKeyReturn = 0x01000004;

QStringList capturedHotkeyWarnings;
QtMessageHandler previousHandler = nullptr;

void captureHandler(QtMsgType type, const QMessageLogContext &context, const QString &message) {
    if (type == QtWarningMsg && qstrcmp(context.category, "numbrook.hotkeys") == 0)
        capturedHotkeyWarnings.append(message);
    else if (previousHandler)
        previousHandler(type, context, message);
}

xcb_window_t firstRoot(xcb_connection_t *connection) {
    return xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
}

// The first keycode whose unshifted symbol is `keysym`.
xcb_keycode_t keycodeOf(xcb_connection_t *connection, quint32 keysym) {
    const xcb_setup_t *setup = xcb_get_setup(connection);
    const int count = setup->max_keycode - setup->min_keycode + 1;
    auto *reply = xcb_get_keyboard_mapping_reply(
        connection, xcb_get_keyboard_mapping(connection, setup->min_keycode, count), nullptr);
    xcb_keycode_t found = 0;
    for (int i = 0; reply && i < count && !found; ++i) {
        if (xcb_get_keyboard_mapping_keysyms(reply)[i * reply->keysyms_per_keycode] == keysym)
            found = xcb_keycode_t(setup->min_keycode + i);
    }
    std::free(reply);
    return found;
}

bool runTool(const QString &program, const QStringList &arguments) {
    QProcess tool;
    tool.setProcessChannelMode(QProcess::ForwardedChannels);
    tool.start(program, arguments);
    return tool.waitForFinished(20000) && tool.exitStatus() == QProcess::NormalExit &&
           tool.exitCode() == 0;
}

// Lets the events of a keymap change reach this program and its handlers run: the server
// sent them before the tool that changed the map ended, and one round trip reads them in.
void takeInMappingEvents() {
    xcb_connection_t *connection =
        qGuiApp->nativeInterface<QNativeInterface::QX11Application>()->connection();
    std::free(xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr));
    QTest::qWait(300);
}

bool loadKeymap(const QString &file) {
    const bool loaded = runTool(QStringLiteral("xkbcomp"),
                                {QStringLiteral("-w0"), file, qEnvironmentVariable("DISPLAY")});
    takeInMappingEvents();
    return loaded;
}

QString currentLayout() {
    QProcess query;
    query.start(QStringLiteral("setxkbmap"), {QStringLiteral("-query")});
    query.waitForFinished(20000);
    const QRegularExpression line(QStringLiteral("^layout:\\s+(\\S+)$"),
                                  QRegularExpression::MultilineOption);
    return line.match(QString::fromLatin1(query.readAllStandardOutput())).captured(1);
}

bool saveKeymap(const QString &file) {
    return runTool(QStringLiteral("xkbcomp"), {QStringLiteral("-w0"), QStringLiteral("-xkb"),
                                               qEnvironmentVariable("DISPLAY"), file});
}

QByteArray withKeycodesSwapped(const QByteArray &keymap, const QByteArray &first,
                               const QByteArray &second) {
    const QRegularExpression pattern(
        QStringLiteral("<(%1|%2)> = (\\d+);")
            .arg(QString::fromLatin1(first), QString::fromLatin1(second)));
    QString text = QString::fromLatin1(keymap);
    QStringList codes;
    for (auto it = pattern.globalMatch(text); it.hasNext();)
        codes.append(it.next().captured(2));
    if (codes.size() != 2)
        return {};
    text.replace(QStringLiteral("<%1> = %2;").arg(QString::fromLatin1(first), codes[0]),
                 QStringLiteral("<%1> = %2;").arg(QString::fromLatin1(first), codes[1]));
    text.replace(QStringLiteral("<%1> = %2;").arg(QString::fromLatin1(second), codes[1]),
                 QStringLiteral("<%1> = %2;").arg(QString::fromLatin1(second), codes[0]));
    return text.toLatin1();
}

// The keymap in `file` with the keycodes of Return and 'a' exchanged, as on another keyboard,
// written to `changedFile`.
bool writeReturnMoved(const QString &file, const QString &changedFile) {
    QFile original(file);
    QFile changed(changedFile);
    if (!original.open(QIODevice::ReadOnly) || !changed.open(QIODevice::WriteOnly))
        return false;
    const QByteArray keymap = withKeycodesSwapped(original.readAll(), "RTRN", "AC01");
    return !keymap.isEmpty() && changed.write(keymap) == keymap.size();
}

} // namespace

class GlobalHotkeysTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();

    void heldKey_reachesProgramAndNotFocusedWindow_data();
    void heldKey_reachesProgramAndNotFocusedWindow();
    void lockModifierOn_keyStillHeld_data();
    void lockModifierOn_keyStillHeld();
    void keyWithOtherModifier_isLeftToFocusedWindow();
    void keyHeldByAnotherClient_isAbsentAndLoggedOnce();
    void unregister_givesKeysBackToFocusedWindow();
    void quizStartsAndEnds_keysHeldOnlyInBetween();
    void keymapChangedWhileHeld_answerKeyStillHeld_data();
    void keymapChangedWhileHeld_answerKeyStillHeld();
    void keymapChangedWhileReleased_nextGrabFindsTheKeys();
    void keymapChangedDuringPresses_noPressSlipsPast();

private:
    testing::KeyProbe probe_;
    GlobalHotkeys *hotkeys_ = nullptr;
};

void GlobalHotkeysTest::initTestCase() {
    QVERIFY2(!qEnvironmentVariableIsEmpty("DISPLAY"), "run inside scripts/test-env.sh");
    QCOMPARE(QGuiApplication::platformName(), QStringLiteral("xcb"));
    previousHandler = qInstallMessageHandler(captureHandler);

    QVERIFY(probe_.start(QStringLiteral(KEYPROBE_PATH)));
    // The probe must really have the focus, or every "not received" below proves nothing.
    QVERIFY(probe_.focus());
}

void GlobalHotkeysTest::cleanupTestCase() {
    probe_.stop();
    qInstallMessageHandler(previousHandler);
}

void GlobalHotkeysTest::init() {
    capturedHotkeyWarnings.clear();
    hotkeys_ = new GlobalHotkeys(this);
    QVERIFY(hotkeys_->isSystemWide());
}

void GlobalHotkeysTest::cleanup() {
    delete hotkeys_;
    hotkeys_ = nullptr;
}

void GlobalHotkeysTest::heldKey_reachesProgramAndNotFocusedWindow_data() {
    QTest::addColumn<QString>("key");
    QTest::addColumn<int>("id");
    QTest::newRow("Enter") << QStringLiteral("Return") << 0;
    QTest::newRow("numpad Enter") << QStringLiteral("KP_Enter") << 0;
    QTest::newRow("Space") << QStringLiteral("space") << 1;
    QTest::newRow("Esc") << QStringLiteral("Escape") << 2;
}

void GlobalHotkeysTest::heldKey_reachesProgramAndNotFocusedWindow() {
    QFETCH(QString, key);
    QFETCH(int, id);
    QVERIFY(hotkeys_->registerHotkey(0, HotkeyKey::Return));
    QVERIFY(hotkeys_->registerHotkey(1, HotkeyKey::Space));
    QVERIFY(hotkeys_->registerHotkey(2, HotkeyKey::Escape));
    QSignalSpy spy(hotkeys_, &GlobalHotkeys::hotkey);

    QCOMPARE(probe_.pressAndCollect({key}), QList<int>{});
    QTRY_COMPARE(spy.size(), 1);
    QCOMPARE(spy.at(0).at(0).toInt(), id);
    QVERIFY(capturedHotkeyWarnings.isEmpty());
}

void GlobalHotkeysTest::lockModifierOn_keyStillHeld_data() {
    QTest::addColumn<QString>("lockKey");
    QTest::addColumn<QString>("key");
    QTest::newRow("NumLock, numpad Enter")
        << QStringLiteral("Num_Lock") << QStringLiteral("KP_Enter");
    QTest::newRow("NumLock, Enter") << QStringLiteral("Num_Lock") << QStringLiteral("Return");
    QTest::newRow("CapsLock, Enter") << QStringLiteral("Caps_Lock") << QStringLiteral("Return");
}

void GlobalHotkeysTest::lockModifierOn_keyStillHeld() {
    QFETCH(QString, lockKey);
    QFETCH(QString, key);
    QVERIFY(hotkeys_->registerHotkey(0, HotkeyKey::Return));
    QSignalSpy spy(hotkeys_, &GlobalHotkeys::hotkey);

    const quint16 before = modifierState();
    // The lock key itself goes to the focused window.
    QCOMPARE(probe_.pressAndCollect({lockKey}).size(), 1);
    // Turn the lock off again whatever happens below.
    auto restore = qScopeGuard([&] { probe_.pressAndCollect({lockKey}); });
    QTRY_VERIFY(modifierState() != before);

    QCOMPARE(probe_.pressAndCollect({key}), QList<int>{});
    QTRY_COMPARE(spy.size(), 1);
    QCOMPARE(spy.at(0).at(0).toInt(), 0);
}

void GlobalHotkeysTest::keyWithOtherModifier_isLeftToFocusedWindow() {
    QVERIFY(hotkeys_->registerHotkey(0, HotkeyKey::Return));
    QSignalSpy spy(hotkeys_, &GlobalHotkeys::hotkey);
    const QList<int> received = probe_.pressAndCollect({QStringLiteral("shift+Return")});
    QVERIFY(received.contains(QtKeyReturn));
    QTest::qWait(100);
    QCOMPARE(spy.size(), 0);
}

void GlobalHotkeysTest::keyHeldByAnotherClient_isAbsentAndLoggedOnce() {
    xcb_connection_t *other = xcb_connect(nullptr, nullptr);
    QVERIFY(!xcb_connection_has_error(other));
    auto disconnect = qScopeGuard([other] { xcb_disconnect(other); });
    const xcb_keycode_t escape = keycodeOf(other, 0xff1b);
    QVERIFY(escape != 0);
    xcb_generic_error_t *error =
        xcb_request_check(other, xcb_grab_key_checked(other, 0, firstRoot(other), 0, escape,
                                                      XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC));
    QVERIFY(!error);

    QVERIFY(hotkeys_->registerHotkey(0, HotkeyKey::Return));
    QVERIFY(!hotkeys_->registerHotkey(2, HotkeyKey::Escape));
    QVERIFY(!hotkeys_->isRegistered(2));
    QVERIFY(hotkeys_->isRegistered(0));
    QCOMPARE(capturedHotkeyWarnings.size(), 1);
    QVERIFY(capturedHotkeyWarnings.first().contains(QStringLiteral("Esc")));

    QSignalSpy spy(hotkeys_, &GlobalHotkeys::hotkey);
    probe_.pressAndCollect({QStringLiteral("Escape")});
    QTest::qWait(100);
    QCOMPARE(spy.size(), 0);
    // The keys that were free still work.
    probe_.pressAndCollect({QStringLiteral("Return")});
    QTRY_COMPARE(spy.size(), 1);
    QCOMPARE(spy.at(0).at(0).toInt(), 0);

    // Once the other client lets go, the key can be taken.
    disconnect.dismiss();
    xcb_disconnect(other);
    QTRY_VERIFY(hotkeys_->registerHotkey(2, HotkeyKey::Escape));
}

void GlobalHotkeysTest::unregister_givesKeysBackToFocusedWindow() {
    QVERIFY(hotkeys_->registerHotkey(0, HotkeyKey::Return));
    QVERIFY(hotkeys_->registerHotkey(1, HotkeyKey::Space));
    QSignalSpy spy(hotkeys_, &GlobalHotkeys::hotkey);
    hotkeys_->unregisterHotkey(0);
    QVERIFY(!hotkeys_->isRegistered(0));

    const QList<int> received = probe_.pressAndCollect({QStringLiteral("Return")});
    QCOMPARE(received, QList<int>{QtKeyReturn});
    QTest::qWait(100);
    QCOMPARE(spy.size(), 0);

    // Destroying the object releases the rest.
    delete hotkeys_;
    hotkeys_ = nullptr;
    QCOMPARE(probe_.pressAndCollect({QStringLiteral("space")}), QList<int>{0x20});
}

void GlobalHotkeysTest::quizStartsAndEnds_keysHeldOnlyInBetween() {
    QSignalSpy spy(hotkeys_, &GlobalHotkeys::hotkey);
    for (int quiz = 1; quiz <= 3; ++quiz) {
        QCOMPARE(probe_.pressAndCollect({QStringLiteral("Return")}), QList<int>{QtKeyReturn});
        QVERIFY(hotkeys_->registerHotkey(0, HotkeyKey::Return));
        QVERIFY(hotkeys_->registerHotkey(1, HotkeyKey::Space));
        QVERIFY(hotkeys_->registerHotkey(2, HotkeyKey::Escape));
        QCOMPARE(probe_.pressAndCollect({QStringLiteral("Return")}), QList<int>{});
        QTRY_COMPARE(spy.size(), quiz);
        hotkeys_->unregisterAll();
    }
    QCOMPARE(probe_.pressAndCollect({QStringLiteral("Return")}), QList<int>{QtKeyReturn});
}

void GlobalHotkeysTest::keymapChangedWhileHeld_answerKeyStillHeld_data() {
    QTest::addColumn<QString>("change");
    QTest::newRow("layout switch") << QStringLiteral("layout");
    QTest::newRow("Return moved to the key of 'a'") << QStringLiteral("swap");
}

void GlobalHotkeysTest::keymapChangedWhileHeld_answerKeyStillHeld() {
    QFETCH(QString, change);
    QTemporaryDir folder;
    const QString original = folder.filePath(QStringLiteral("original.xkb"));
    QVERIFY(saveKeymap(original));
    // The layout's name is kept apart from the keymap: both are put back.
    const QString layout = currentLayout();
    QVERIFY(!layout.isEmpty());
    auto restore = qScopeGuard([&] {
        runTool(QStringLiteral("setxkbmap"), {QStringLiteral("-layout"), layout});
        loadKeymap(original);
    });
    xcb_connection_t *connection =
        qGuiApp->nativeInterface<QNativeInterface::QX11Application>()->connection();
    const xcb_keycode_t returnBefore = keycodeOf(connection, 0xff0d);

    QVERIFY(hotkeys_->registerHotkey(0, HotkeyKey::Return));
    QVERIFY(hotkeys_->registerHotkey(1, HotkeyKey::Space));
    QSignalSpy spy(hotkeys_, &GlobalHotkeys::hotkey);

    if (change == QLatin1String("layout")) {
        QVERIFY(runTool(QStringLiteral("setxkbmap"),
                        {QStringLiteral("-layout"), QStringLiteral("de")}));
        takeInMappingEvents();
    } else {
        const QString changed = folder.filePath(QStringLiteral("changed.xkb"));
        QVERIFY(writeReturnMoved(original, changed));
        QVERIFY(loadKeymap(changed));
        QVERIFY(keycodeOf(connection, 0xff0d) != returnBefore);
        // The old keycode now carries 'a', which belongs to the focused program again.
        QCOMPARE(probe_.pressAndCollect({QStringLiteral("a")}), QList<int>{testing::QtKeyA});
    }

    QCOMPARE(probe_.pressAndCollect({QStringLiteral("Return"), QStringLiteral("space")}),
             QList<int>{});
    QTRY_COMPARE(spy.size(), 2);
    QCOMPARE(spy.at(0).at(0).toInt(), 0);
    QCOMPARE(spy.at(1).at(0).toInt(), 1);
}

void GlobalHotkeysTest::keymapChangedDuringPresses_noPressSlipsPast() {
    QTemporaryDir folder;
    const QString original = folder.filePath(QStringLiteral("original.xkb"));
    QVERIFY(saveKeymap(original));
    const QString layout = currentLayout();
    QVERIFY(!layout.isEmpty());
    auto restore = qScopeGuard([&] { loadKeymap(original); });
    QVERIFY(hotkeys_->registerHotkey(1, HotkeyKey::Space));
    QSignalSpy spy(hotkeys_, &GlobalHotkeys::hotkey);

    // A stream of presses from another client while the mapping is loaded again and again (as
    // a layout switch or the first press of another keyboard device does): each change takes
    // the keys again, and not one press may reach the focused program meanwhile.
    constexpr int presses = 3000;
    QProcess presser;
    presser.start(QStringLiteral("xdotool"),
                  {QStringLiteral("key"), QStringLiteral("--delay"), QStringLiteral("0"),
                   QStringLiteral("--repeat"), QString::number(presses),
                   QStringLiteral("--repeat-delay"), QStringLiteral("0"), QStringLiteral("space")});
    QVERIFY(presser.waitForStarted());
    int changes = 0;
    while (presser.state() != QProcess::NotRunning && changes < 40) {
        QVERIFY(runTool(QStringLiteral("setxkbmap"), {QStringLiteral("-layout"), layout}));
        ++changes;
        // The program takes the keys again while the presses go on.
        QTest::qWait(10);
    }
    QVERIFY(presser.waitForFinished(30000));
    QVERIFY2(changes >= 3, "the presses ended before the mapping changed a few times");
    QCOMPARE(probe_.pressAndCollect({}), QList<int>{});
    QTRY_COMPARE_WITH_TIMEOUT(spy.size(), presses, 20000);
}

void GlobalHotkeysTest::keymapChangedWhileReleased_nextGrabFindsTheKeys() {
    QTemporaryDir folder;
    const QString original = folder.filePath(QStringLiteral("original.xkb"));
    const QString changed = folder.filePath(QStringLiteral("changed.xkb"));
    QVERIFY(saveKeymap(original));
    QVERIFY(writeReturnMoved(original, changed));
    auto restore = qScopeGuard([&] { loadKeymap(original); });
    // The keyboard table is read while a key is held, then the mapping changes with none held.
    QVERIFY(hotkeys_->registerHotkey(0, HotkeyKey::Return));
    hotkeys_->unregisterAll();
    QVERIFY(loadKeymap(changed));

    QVERIFY(hotkeys_->registerHotkey(0, HotkeyKey::Return));
    QSignalSpy spy(hotkeys_, &GlobalHotkeys::hotkey);
    QCOMPARE(probe_.pressAndCollect({QStringLiteral("a"), QStringLiteral("Return")}),
             QList<int>{testing::QtKeyA});
    QTRY_COMPARE(spy.size(), 1);
}

QTEST_MAIN(GlobalHotkeysTest)
#include "tst_globalhotkeys.moc"
