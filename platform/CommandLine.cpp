// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

#include "CommandLine.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QFileInfo>

#include <cstdio>

namespace numbrook {

namespace {

struct QtOption {
    const char *name;
    const char *valueName; // nullptr for a switch
    const char *description;
};

// The options that QGuiApplication and QApplication take out of the arguments themselves.
constexpr QtOption QtOptions[] = {
    {"platform", "name[:options]", "Qt: the window system plugin (xcb, wayland, offscreen, ...)."},
    {"platformpluginpath", "path", "Qt: where to look for window system plugins."},
    {"platformtheme", "theme", "Qt: the platform theme."},
    {"plugin", "plugin", "Qt: load an extra input plugin."},
    {"display", "display", "Qt: the X display to use instead of $DISPLAY."},
    {"geometry", "geometry", "Qt: the main window's geometry on X11."},
    {"qwindowgeometry", "geometry", "Qt: the geometry of the first window."},
    {"qwindowicon", "icon", "Qt: the default window icon."},
    {"qwindowtitle", "title", "Qt: the title of the first window."},
    {"session", "session", "Qt: restore the given session."},
    {"style", "style", "Qt: the widget style."},
    {"stylesheet", "file", "Qt: a style sheet for the widgets."},
    {"reverse", nullptr, "Qt: lay the windows out right to left."},
    {"widgetcount", nullptr, "Qt: report the number of widgets left at the end."},
    {"qmljsdebugger", "port", "Qt: QML debugger settings."},
    {"nograb", nullptr, "Qt: never grab the mouse or keyboard (X11)."},
    {"dograb", nullptr, "Qt: grab even under a debugger (X11)."},
    {"sync", nullptr, "Qt: run X11 requests synchronously, for debugging."},
};

// Qt puts a placeholder for the program's name in the usage line when no application object
// exists, as here.
QString usageFor(const QCommandLineParser &parser, const QStringList &arguments) {
    QString text = parser.helpText();
    const QString program =
        arguments.isEmpty() ? QStringLiteral("numbrook") : QFileInfo(arguments.first()).fileName();
    text.replace(QStringLiteral("<executable_name>"), program);
    return text;
}

} // namespace

CommandLineOutcome parseCommandLine(const QStringList &arguments) {
    QCommandLineParser parser;
    // Qt's options are single words behind one dash: -platform, not -p -l -a ...
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(
        QStringLiteral("Numbrook drills a child in mental arithmetic."));
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Show this help and end."));
    const QCommandLineOption version(QStringList{QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Show the version and end."));
    parser.addOption(help);
    parser.addOption(version);
    for (const QtOption &option : QtOptions) {
        parser.addOption(QCommandLineOption(QString::fromLatin1(option.name),
                                            QString::fromLatin1(option.description),
                                            QString::fromLatin1(option.valueName)));
    }

    CommandLineOutcome outcome;
    if (!parser.parse(arguments)) {
        outcome.exitCode = 2;
        outcome.standardError =
            parser.errorText() + QLatin1Char('\n') + usageFor(parser, arguments);
    } else if (!parser.positionalArguments().isEmpty()) {
        outcome.exitCode = 2;
        outcome.standardError =
            QStringLiteral("Unexpected argument: %1\n").arg(parser.positionalArguments().first()) +
            usageFor(parser, arguments);
    } else if (parser.isSet(help)) {
        outcome.exitCode = 0;
        outcome.standardOutput = usageFor(parser, arguments);
    } else if (parser.isSet(version)) {
        outcome.exitCode = 0;
        outcome.standardOutput = QStringLiteral("numbrook " NUMBROOK_VERSION "\n");
    }
    return outcome;
}

QStringList argumentList(int argc, char **argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    return arguments;
}

std::optional<int> handleCommandLine(int argc, char **argv) {
    const CommandLineOutcome outcome = parseCommandLine(argumentList(argc, argv));
    std::fputs(outcome.standardOutput.toLocal8Bit().constData(), stdout);
    std::fputs(outcome.standardError.toLocal8Bit().constData(), stderr);
    return outcome.exitCode;
}

} // namespace numbrook
