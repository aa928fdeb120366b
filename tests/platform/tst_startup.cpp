// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

// What the program settles before its first window: the command line, the window system and
// the logging rules.
#include "CommandLine.h"
#include "QuietLogging.h"
#include "WindowSystemChoice.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace numbrook;

class StartupTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void commandLine_data();
    void commandLine();
    void program_printsAndEndsWithoutDisplay_data();
    void program_printsAndEndsWithoutDisplay();
    void windowSystem_data();
    void windowSystem();
    void logging_data();
    void logging();
};

void StartupTest::commandLine_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode"); // -1: the program starts
    QTest::addColumn<QString>("output");
    QTest::addColumn<QString>("error");
    QTest::newRow("no options") << QStringList{} << -1 << QString() << QString();
    QTest::newRow("Qt's options pass")
        << QStringList{"-platform", "xcb", "-style=fusion", "--reverse", "-display", ":1"} << -1
        << QString() << QString();
    QTest::newRow("--help") << QStringList{"--help"} << 0 << "[options]" << QString();
    QTest::newRow("-h") << QStringList{"-h"} << 0 << "-platform" << QString();
    QTest::newRow("--version") << QStringList{"--version"} << 0 << "numbrook " NUMBROOK_VERSION
                               << QString();
    QTest::newRow("unknown option")
        << QStringList{"--frobnicate"} << 2 << QString() << "Unknown option 'frobnicate'.";
    QTest::newRow("unknown option before --help")
        << QStringList{"-x", "--help"} << 2 << QString() << "Unknown option 'x'.\nUsage: ";
    QTest::newRow("Qt option without its value")
        << QStringList{"-platform"} << 2 << QString() << "Missing value after '-platform'.";
    QTest::newRow("stray argument")
        << QStringList{"file.txt"} << 2 << QString() << "Unexpected argument: file.txt";
}

void StartupTest::commandLine() {
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, output);
    QFETCH(QString, error);
    const CommandLineOutcome outcome =
        parseCommandLine(QStringList{QStringLiteral("/usr/bin/numbrook")} + arguments);
    QCOMPARE(outcome.exitCode.value_or(-1), exitCode);
    QCOMPARE(outcome.standardOutput.isEmpty(), output.isEmpty());
    QVERIFY2(outcome.standardOutput.contains(output), qPrintable(outcome.standardOutput));
    QCOMPARE(outcome.standardError.isEmpty(), error.isEmpty());
    QVERIFY2(outcome.standardError.contains(error), qPrintable(outcome.standardError));
}

void StartupTest::program_printsAndEndsWithoutDisplay_data() {
    QTest::addColumn<QString>("option");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("output");
    QTest::newRow("--help") << "--help" << 0 << "--version";
    QTest::newRow("--version") << "--version" << 0 << "numbrook " NUMBROOK_VERSION "\n";
    QTest::newRow("unknown option") << "--bogus" << 2 << QString();
}

void StartupTest::program_printsAndEndsWithoutDisplay() {
    QFETCH(QString, option);
    QFETCH(int, exitCode);
    QFETCH(QString, output);
    QTemporaryDir home;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QString::fromLatin1(name));
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home.path());
    QProcess program;
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(NUMBROOK_BINARY), {option});
    QVERIFY(program.waitForFinished(10000));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), exitCode);
    const QString standardOutput = QString::fromLocal8Bit(program.readAllStandardOutput());
    const QString standardError = QString::fromLocal8Bit(program.readAllStandardError());
    if (output.isEmpty()) {
        QVERIFY(standardOutput.isEmpty());
        QVERIFY2(standardError.contains(QStringLiteral("Usage: numbrook")),
                 qPrintable(standardError));
    } else {
        QVERIFY2(standardOutput.contains(output), qPrintable(standardOutput));
        QVERIFY2(standardError.isEmpty(), qPrintable(standardError));
    }
}

void StartupTest::windowSystem_data() {
    QTest::addColumn<QString>("sessionType");
    QTest::addColumn<QString>("waylandDisplay");
    QTest::addColumn<QString>("x11Display");
    QTest::addColumn<QString>("qtPlatform");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("runOnX11");
    const QStringList none;
    QTest::newRow("Wayland session with XWayland") << "wayland"
                                                   << "wayland-0"
                                                   << ":0"
                                                   << "" << none << true;
    QTest::newRow("Wayland display, no session type") << ""
                                                      << "wayland-0"
                                                      << ":0"
                                                      << "" << none << true;
    QTest::newRow("session type alone") << "wayland"
                                        << ""
                                        << ":0"
                                        << "" << none << true;
    QTest::newRow("X11 session") << "x11"
                                 << ""
                                 << ":0"
                                 << "" << none << false;
    QTest::newRow("Wayland without X11") << "wayland"
                                         << "wayland-0"
                                         << ""
                                         << "" << none << false;
    QTest::newRow("user chose a platform") << "wayland"
                                           << "wayland-0"
                                           << ":0"
                                           << "wayland" << none << false;
    QTest::newRow("-platform given") << "wayland"
                                     << "wayland-0"
                                     << ":0"
                                     << "" << QStringList{"-platform", "wayland"} << false;
    QTest::newRow("--platform=... given") << "wayland"
                                          << "wayland-0"
                                          << ":0"
                                          << "" << QStringList{"--platform=wayland"} << false;
    QTest::newRow("-platform after --") << "wayland"
                                        << "wayland-0"
                                        << ":0"
                                        << "" << QStringList{"--", "-platform"} << true;
}

void StartupTest::windowSystem() {
    QFETCH(QString, sessionType);
    QFETCH(QString, waylandDisplay);
    QFETCH(QString, x11Display);
    QFETCH(QString, qtPlatform);
    QFETCH(QStringList, arguments);
    QFETCH(bool, runOnX11);
    const WindowSystemEnvironment environment{sessionType, waylandDisplay, x11Display, qtPlatform};
    QCOMPARE(shouldRunOnX11(environment, QStringList{QStringLiteral("numbrook")} + arguments),
             runOnX11);
}

void StartupTest::logging_data() {
    QTest::addColumn<QString>("environmentRules");
    QTest::addColumn<QString>("configFile"); // the text of a QT_LOGGING_CONF file
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<QStringList>("hidden");
    const QStringList warnings{"numbrook warning", "numbrook critical", "other info"};
    QTest::newRow("default: warnings only")
        << QString() << QString() << warnings << QStringList{"numbrook info", "numbrook debug"};
    QTest::newRow("QT_LOGGING_RULES turns them on")
        << "numbrook.*=true" << QString()
        << warnings + QStringList{"numbrook info", "numbrook debug"} << QStringList{};
    QTest::newRow("QT_LOGGING_RULES, info only")
        << "numbrook.check.info=true" << QString() << QStringList{"numbrook info"}
        << QStringList{"numbrook debug"};
    QTest::newRow("QT_LOGGING_CONF turns them on")
        << QString() << "[Rules]\nnumbrook.*.info=true\n"
        << QStringList{"numbrook info"} << QStringList{"numbrook debug"};
    QTest::newRow("QT_LOGGING_CONF outside its rules section")
        << QString() << "numbrook.*.info=true\n"
        << warnings << QStringList{"numbrook info"};
    QTest::newRow("QT_LOGGING_RULES can silence warnings")
        << "numbrook.*.warning=false" << QString() << QStringList{"numbrook critical"}
        << QStringList{"numbrook warning", "numbrook info"};
}

void StartupTest::logging() {
    QFETCH(QString, environmentRules);
    QFETCH(QString, configFile);
    QFETCH(QStringList, shown);
    QFETCH(QStringList, hidden);
    QTemporaryDir home;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("QT_LOGGING_RULES"));
    environment.remove(QStringLiteral("QT_LOGGING_CONF"));
    // No qtlogging.ini of the user's.
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home.path());
    environment.insert(QStringLiteral("XDG_CONFIG_DIRS"), home.path());
    if (!environmentRules.isEmpty())
        environment.insert(QStringLiteral("QT_LOGGING_RULES"), environmentRules);
    if (!configFile.isEmpty()) {
        QFile file(home.filePath(QStringLiteral("logging.ini")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(configFile.toUtf8());
        environment.insert(QStringLiteral("QT_LOGGING_CONF"), file.fileName());
    }
    QProcess helper;
    helper.setProcessEnvironment(environment);
    helper.start(QStringLiteral(PLATFORMHELPER_PATH), {QStringLiteral("logging")});
    QVERIFY(helper.waitForFinished(10000));
    QCOMPARE(helper.exitCode(), 0);
    const QString log = QString::fromLocal8Bit(helper.readAllStandardError());
    for (const QString &line : std::as_const(shown))
        QVERIFY2(log.contains(line), qPrintable(line + QStringLiteral(" missing in:\n") + log));
    for (const QString &line : std::as_const(hidden))
        QVERIFY2(!log.contains(line), qPrintable(line + QStringLiteral(" shown in:\n") + log));
}

QTEST_GUILESS_MAIN(StartupTest)
#include "tst_startup.moc"
