// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

// Autostart entry, data file lookup and the window-local hotkeys used where Qt does not run on
// X11 (this test runs on the offscreen platform).
#include "AutostartEntry.h"
#include "GlobalHotkeys.h"
#include "ShellOpen.h"

#include <QFile>
#include <QKeyEvent>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>

using namespace numbrook;

namespace {

// Counts the presses of one key that reach the watched object.
class KeyPressCounter : public QObject {
public:
    explicit KeyPressCounter(int key) : key_(key) {}
    int presses = 0;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override {
        if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent *>(event)->key() == key_)
            ++presses;
        return QObject::eventFilter(watched, event);
    }

private:
    int key_;
};

} // namespace

class DesktopIntegrationTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();

    void programTitle_data();
    void programTitle();
    void execArgument_data();
    void execArgument();

    void autostartOn_writesEntryStartingTheExecutable();
    void autostartOff_removesEntryAndMissingEntryIsNoError();
    void autostartWrite_failsWhenFolderCannotBeMade();

    void dataFile_foundInFirstFolderThatHasIt();
    void openRefused_isLoggedNotSilent();

    void localHotkeys_takeUnmodifiedKeysOfOwnWindows_data();
    void localHotkeys_takeUnmodifiedKeysOfOwnWindows();

private:
    QString readEntry(const AutostartEntry &entry);

    std::unique_ptr<QTemporaryDir> config_;
};

void DesktopIntegrationTest::init() {
    config_ = std::make_unique<QTemporaryDir>();
    QVERIFY(config_->isValid());
    qputenv("XDG_CONFIG_HOME", config_->path().toLocal8Bit());
}

QString DesktopIntegrationTest::readEntry(const AutostartEntry &entry) {
    QFile file(entry.fileName());
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

void DesktopIntegrationTest::programTitle_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("title");
    QTest::newRow("plain") << "/usr/bin/numbrook"
                           << "numbrook";
    QTest::newRow("capital kept, rest lowered") << "/opt/NumBrook"
                                                << "Numbrook";
    QTest::newRow("cut at first stop") << "/a.b/Numbrook.Tar.gz"
                                       << "Numbrook";
    QTest::newRow("directory with space ignored") << "/home/a b/NUMBROOK"
                                                  << "Numbrook";
    QTest::newRow("one letter") << "/x/N"
                                << "N";
}

void DesktopIntegrationTest::programTitle() {
    QFETCH(QString, path);
    QFETCH(QString, title);
    QCOMPARE(ProgramTitle(path), title);
}

void DesktopIntegrationTest::execArgument_data() {
    QTest::addColumn<QString>("argument");
    QTest::addColumn<QString>("exec");
    QTest::newRow("no reserved character") << "/usr/bin/numbrook"
                                           << "/usr/bin/numbrook";
    QTest::newRow("space") << "/home/a b/numbrook"
                           << "\"/home/a b/numbrook\"";
    QTest::newRow("quote, backquote, dollar") << "/x/a\"b`c$d"
                                              << "\"/x/a\\\\\"b\\\\`c\\\\$d\"";
    // A literal backslash is escaped for the quoting and again for the string value.
    QTest::newRow("backslash") << "/x/a\\b"
                               << "\"/x/a\\\\\\\\b\"";
    QTest::newRow("percent unquoted") << "/x/100%"
                                      << "/x/100%%";
    QTest::newRow("percent quoted") << "/x y/100%"
                                    << "\"/x y/100%%\"";
    QTest::newRow("other reserved characters") << "/x/a&b;c"
                                               << "\"/x/a&b;c\"";
    QTest::newRow("newline") << "/x/a\nb"
                             << "\"/x/a\\nb\"";
}

void DesktopIntegrationTest::execArgument() {
    QFETCH(QString, argument);
    QFETCH(QString, exec);
    QCOMPARE(DesktopExecArgument(argument), exec);
}

void DesktopIntegrationTest::autostartOn_writesEntryStartingTheExecutable() {
    const AutostartEntry entry(QStringLiteral("numbrook"));
    QCOMPARE(entry.fileName(), config_->path() + "/autostart/numbrook.desktop");
    QVERIFY(!entry.exists());
    QVERIFY(entry.write(QStringLiteral("/opt/my games/numbrook")));
    const QString text = readEntry(entry);
    QVERIFY(text.startsWith(QStringLiteral("[Desktop Entry]\n")));
    const QStringList lines = text.split(QLatin1Char('\n'));
    QVERIFY(lines.contains(QStringLiteral("Type=Application")));
    QVERIFY(lines.contains(QStringLiteral("Name=Numbrook")));
    QVERIFY(lines.contains(QStringLiteral("Exec=\"/opt/my games/numbrook\"")));

    // Writing again replaces the entry rather than adding to it.
    QVERIFY(entry.write(QStringLiteral("/usr/bin/numbrook")));
    QCOMPARE(readEntry(entry).count(QStringLiteral("Exec=")), 1);
    QVERIFY(readEntry(entry).contains(QStringLiteral("Exec=/usr/bin/numbrook\n")));
}

void DesktopIntegrationTest::autostartOff_removesEntryAndMissingEntryIsNoError() {
    const AutostartEntry entry(QStringLiteral("numbrook"));
    QVERIFY(entry.remove());
    QVERIFY(entry.write(QStringLiteral("/usr/bin/numbrook")));
    QVERIFY(entry.exists());
    QVERIFY(entry.remove());
    QVERIFY(!entry.exists());
    QVERIFY(entry.remove());
}

void DesktopIntegrationTest::autostartWrite_failsWhenFolderCannotBeMade() {
    // A plain file where the autostart folder should be.
    QFile blocker(config_->path() + QStringLiteral("/autostart"));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const AutostartEntry entry(QStringLiteral("numbrook"));
    QVERIFY(!entry.write(QStringLiteral("/usr/bin/numbrook")));
    QVERIFY(!entry.exists());
}

void DesktopIntegrationTest::dataFile_foundInFirstFolderThatHasIt() {
    QTemporaryDir program, installed, current;
    const auto touch = [](const QString &path) {
        QFile file(path);
        return file.open(QIODevice::WriteOnly);
    };
    QVERIFY(touch(installed.filePath(QStringLiteral("Help_e.txt"))));
    QVERIFY(touch(current.filePath(QStringLiteral("Help_e.txt"))));
    QVERIFY(touch(current.filePath(QStringLiteral("Help_r.txt"))));
    QVERIFY(QDir(program.path()).mkdir(QStringLiteral("Help_r.txt"))); // a folder is no file
    const QStringList folders{program.path(), installed.path(), current.path()};

    QCOMPARE(FindDataFile(QStringLiteral("Help_e.txt"), folders),
             installed.filePath(QStringLiteral("Help_e.txt")));
    QCOMPARE(FindDataFile(QStringLiteral("Help_r.txt"), folders),
             current.filePath(QStringLiteral("Help_r.txt")));
    QVERIFY(FindDataFile(QStringLiteral("missing.txt"), folders).isEmpty());

    // The program's folder comes first and the current folder last.
    const QString previous = QDir::currentPath();
    QVERIFY(QDir::setCurrent(current.path()));
    const QStringList defaults = DataFileFolders();
    QDir::setCurrent(previous);
    QCOMPARE(defaults.first(), QCoreApplication::applicationDirPath());
    QCOMPARE(defaults.last(), current.path());
}

void DesktopIntegrationTest::openRefused_isLoggedNotSilent() {
    // No program to open anything with: nothing on the search path, no browser named.
    QTemporaryDir emptyPath;
    const QByteArray path = qgetenv("PATH");
    const QByteArray browser = qgetenv("BROWSER");
    qputenv("PATH", emptyPath.path().toLocal8Bit());
    qunsetenv("BROWSER");
    const QUrl help = QUrl::fromLocalFile(emptyPath.filePath(QStringLiteral("Help_e.txt")));
    QTest::ignoreMessage(QtWarningMsg,
                         QRegularExpression(QStringLiteral(
                             "^Could not open .*Help_e\\.txt: the desktop has no program")));
    const bool opened = OpenWithDesktop(help);
    qputenv("PATH", path);
    if (!browser.isNull())
        qputenv("BROWSER", browser);
    QVERIFY(!opened);
}

void DesktopIntegrationTest::localHotkeys_takeUnmodifiedKeysOfOwnWindows_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<int>("id");
    QTest::newRow("Enter") << int(Qt::Key_Return) << int(Qt::NoModifier) << 0;
    QTest::newRow("numpad Enter") << int(Qt::Key_Enter) << int(Qt::KeypadModifier) << 0;
    QTest::newRow("Space") << int(Qt::Key_Space) << int(Qt::NoModifier) << 1;
    QTest::newRow("Esc") << int(Qt::Key_Escape) << int(Qt::NoModifier) << 2;
    QTest::newRow("Shift+Enter is not the key")
        << int(Qt::Key_Return) << int(Qt::ShiftModifier) << -1;
    QTest::newRow("other key") << int(Qt::Key_A) << int(Qt::NoModifier) << -1;
}

void DesktopIntegrationTest::localHotkeys_takeUnmodifiedKeysOfOwnWindows() {
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(int, id);
    GlobalHotkeys hotkeys;
    QVERIFY(!hotkeys.isSystemWide());
    QVERIFY(hotkeys.registerHotkey(0, HotkeyKey::Return));
    QVERIFY(hotkeys.registerHotkey(1, HotkeyKey::Space));
    QVERIFY(hotkeys.registerHotkey(2, HotkeyKey::Escape));
    QSignalSpy spy(&hotkeys, &GlobalHotkeys::hotkey);

    QWindow window;
    window.resize(100, 100);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    KeyPressCounter windowKeys(key);
    window.installEventFilter(&windowKeys);
    QTest::keyClick(&window, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    if (id < 0) {
        QCOMPARE(spy.size(), 0);
    } else {
        QCOMPARE(spy.size(), 1);
        QCOMPARE(spy.at(0).at(0).toInt(), id);
    }
    // A key is either the hotkey or the window's, never both.
    QCOMPARE(windowKeys.presses, id < 0 ? 1 : 0);

    // Released keys are no longer taken: the window has them as ordinary keys.
    hotkeys.unregisterAll();
    QTest::keyClick(&window, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(spy.size(), id < 0 ? 0 : 1);
    QCOMPARE(windowKeys.presses, id < 0 ? 2 : 1);
}

QTEST_MAIN(DesktopIntegrationTest)
#include "tst_desktopintegration.moc"
