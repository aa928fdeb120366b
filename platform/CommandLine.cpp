// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

#include "CommandLine.h"

#include "InterfaceLanguages.h"

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
    {"platform", "name[:options]",
     QT_TRANSLATE_NOOP("CommandLine",
                       "Qt: the window system plugin (xcb, wayland, offscreen, ...).")},
    {"platformpluginpath", "path",
     QT_TRANSLATE_NOOP("CommandLine", "Qt: where to look for window system plugins.")},
    {"platformtheme", "theme", QT_TRANSLATE_NOOP("CommandLine", "Qt: the platform theme.")},
    {"plugin", "plugin", QT_TRANSLATE_NOOP("CommandLine", "Qt: load an extra input plugin.")},
    {"display", "display",
     QT_TRANSLATE_NOOP("CommandLine", "Qt: the X display to use instead of $DISPLAY.")},
    {"geometry", "geometry",
     QT_TRANSLATE_NOOP("CommandLine", "Qt: the main window's geometry on X11.")},
    {"qwindowgeometry", "geometry",
     QT_TRANSLATE_NOOP("CommandLine", "Qt: the geometry of the first window.")},
    {"qwindowicon", "icon", QT_TRANSLATE_NOOP("CommandLine", "Qt: the default window icon.")},
    {"qwindowtitle", "title",
     QT_TRANSLATE_NOOP("CommandLine", "Qt: the title of the first window.")},
    {"session", "session", QT_TRANSLATE_NOOP("CommandLine", "Qt: restore the given session.")},
    {"style", "style", QT_TRANSLATE_NOOP("CommandLine", "Qt: the widget style.")},
    {"stylesheet", "file", QT_TRANSLATE_NOOP("CommandLine", "Qt: a style sheet for the widgets.")},
    {"reverse", nullptr,
     QT_TRANSLATE_NOOP("CommandLine", "Qt: lay the windows out right to left.")},
    {"widgetcount", nullptr,
     QT_TRANSLATE_NOOP("CommandLine", "Qt: report the number of widgets left at the end.")},
    {"qmljsdebugger", "port", QT_TRANSLATE_NOOP("CommandLine", "Qt: QML debugger settings.")},
    {"nograb", nullptr,
     QT_TRANSLATE_NOOP("CommandLine", "Qt: never grab the mouse or keyboard (X11).")},
    {"dograb", nullptr, QT_TRANSLATE_NOOP("CommandLine", "Qt: grab even under a debugger (X11).")},
    {"sync", nullptr,
     QT_TRANSLATE_NOOP("CommandLine", "Qt: run X11 requests synchronously, for debugging.")},
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

CommandLineOutcome parseCommandLine(const QStringList &arguments, int languageIndex) {
    const auto text = [languageIndex](const char *source) {
        return TranslatedText(languageIndex, "CommandLine", source);
    };
    QCommandLineParser parser;
    // Qt's options are single words behind one dash: -platform, not -p -l -a ...
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(
        text(QT_TRANSLATE_NOOP("CommandLine", "Numbrook drills a child in mental arithmetic.")));
    const QCommandLineOption help(
        QStringList{QStringLiteral("h"), QStringLiteral("help")},
        text(QT_TRANSLATE_NOOP("CommandLine", "Show this help and end.")));
    const QCommandLineOption version(
        QStringList{QStringLiteral("v"), QStringLiteral("version")},
        text(QT_TRANSLATE_NOOP("CommandLine", "Show the version and end.")));
    parser.addOption(help);
    parser.addOption(version);
    for (const QtOption &option : QtOptions) {
        parser.addOption(QCommandLineOption(QString::fromLatin1(option.name),
                                            text(option.description),
                                            QString::fromLatin1(option.valueName)));
    }

    CommandLineOutcome outcome;
    if (!parser.parse(arguments)) {
        outcome.exitCode = 2;
        outcome.standardError =
            parser.errorText() + QLatin1Char('\n') + usageFor(parser, arguments);
    } else if (!parser.positionalArguments().isEmpty()) {
        outcome.exitCode = 2;
        outcome.standardError = text(QT_TRANSLATE_NOOP("CommandLine", "Unexpected argument: %1"))
                                    .arg(parser.positionalArguments().first()) +
                                QLatin1Char('\n') + usageFor(parser, arguments);
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
    const CommandLineOutcome outcome =
        parseCommandLine(argumentList(argc, argv), StoredInterfaceLanguage());
    std::fputs(outcome.standardOutput.toLocal8Bit().constData(), stdout);
    std::fputs(outcome.standardError.toLocal8Bit().constData(), stderr);
    return outcome.exitCode;
}

} // namespace numbrook
