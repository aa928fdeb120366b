// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

#include "BitmapLists.h"
#include "CommandLine.h"
#include "FirstPaintReporter.h"
#include "ProgramWindows.h"
#include "QuietLogging.h"
#include "SingleInstance.h"
#include "SkinWidgets.h"
#include "SoundEngine.h"
#include "TerminationSignals.h"
#include "WindowSystemChoice.h"

#include <QApplication>
#include <QCheckBox>
#include <QTimer>

#include <cstdio>

namespace {

void setUpApplication(QApplication &app) {
    QApplication::setApplicationName(QStringLiteral("Numbrook"));
    QApplication::setOrganizationName(QStringLiteral("Pelorin Quillmark"));
    QGuiApplication::setDesktopFileName(QStringLiteral(NUMBROOK_APP_ID));
    // The main window ends the program; the display closing must not.
    QApplication::setQuitOnLastWindowClosed(false);
    numbrook::InstallToolTipStyle(app);
    // The splash and the question display show in the taskbar too.
    QApplication::setWindowIcon(numbrook::TrayIconPicture());
}

// What the benchmarks ask for through the environment: first paints, answer times, no splash.
void setUpBenchmarkReports(numbrook::ProgramWindows &windows,
                           numbrook::FirstPaintWatch &firstPaint) {
    numbrook::MainWindow &fmMain = windows.main();
    // Prints "answer <microseconds since the epoch>" each time an answer key ticks the box.
    if (qEnvironmentVariableIsSet("NUMBROOK_REPORT_ANSWER")) {
        QObject::connect(fmMain.cbHotKey1(), &QCheckBox::toggled, &fmMain, [](bool ticked) {
            if (ticked) {
                std::printf("answer %lld\n", numbrook::MicrosecondsSinceEpoch());
                std::fflush(stdout);
            }
        });
    }
    if (qEnvironmentVariableIsSet("NUMBROOK_REPORT_FIRST_PAINT")) {
        numbrook::ReportFirstPaint(firstPaint, &windows.splash());
        numbrook::ReportFirstPaint(firstPaint, &fmMain);
    }
    // The start-up benchmark measures the main window alone as well.
    if (qEnvironmentVariableIsSet("NUMBROOK_NO_SPLASH"))
        fmMain.setSplashShown(true);
}

} // namespace

int main(int argc, char *argv[]) {
    // --help and --version work without a display, so they are read before Qt opens one.
    if (const std::optional<int> exitCode = numbrook::handleCommandLine(argc, argv))
        return *exitCode;
    numbrook::preferX11OnWayland(argc, argv);
    numbrook::installQuietLogging();
    QApplication app(argc, argv);
    setUpApplication(app);

    // One running copy per user: a later start asks the running one to come forward and ends.
    numbrook::SingleInstance instance;
    switch (instance.start()) {
    case numbrook::SingleInstance::Role::HandedOver:
        return 0;
    case numbrook::SingleInstance::Role::NoAnswer:
        std::fputs("numbrook: another copy is running but does not answer\n", stderr);
        return 1;
    case numbrook::SingleInstance::Role::Running:
        break;
    }

    // The sound engine, which outlives the windows. It connects once the first window is on
    // screen, so that the server's answers are no part of the start-up: the device lists fill
    // in and the objects take their devices a moment later, as when a server starts after the
    // program. Without a server the program runs on with empty device lists.
    numbrook::SoundEngine sound;

    int exitCode = 0;
    {
        numbrook::ProgramWindows windows(sound);
        numbrook::MainWindow &fmMain = windows.main();

        // Every way the desktop ends the program ends it as the close button does.
        numbrook::TerminationSignals terminations;
        QObject::connect(&terminations, &numbrook::TerminationSignals::terminationRequested,
                         &fmMain, [&fmMain] { fmMain.close(); });
        QObject::connect(&app, &QGuiApplication::commitDataRequest, &fmMain,
                         [&fmMain] { fmMain.close(); });

        // A later start brings the running quiz forward, or else the settings window (also
        // out of the notification area).
        QObject::connect(&instance, &numbrook::SingleInstance::activationRequested, &fmMain,
                         [&windows] { windows.bringForward(); });

        numbrook::FirstPaintWatch firstPaint;
        setUpBenchmarkReports(windows, firstPaint);
        // The splash, or the main window where no splash is shown: whichever comes first.
        for (QWidget *window :
             {static_cast<QWidget *>(&windows.splash()), static_cast<QWidget *>(&fmMain)}) {
            firstPaint.watch(window, [&sound](const QString &) { sound.openInBackground(); });
        }
        // Shown from inside the loop, so that an end requested while the splash is up (a
        // signal, the session's log-out) ends the loop too.
        QTimer::singleShot(0, &fmMain, [&fmMain] { fmMain.show(); });
        exitCode = QApplication::exec();
    }
    sound.close();
    return exitCode;
}
