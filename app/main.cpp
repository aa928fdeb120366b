#include "Display.h"
#include "Help.h"
#include "Logo.h"
#include "MainForm.h"
#include "PulseConnection.h"
#include "SkinWidgets.h"
#include "TerminationSignals.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <cstdio>

int main(int argc, char *argv[]) {
    QElapsedTimer startClock;
    startClock.start();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Numbrook"));
    QApplication::setOrganizationName(QStringLiteral("Pelorin Quillmark"));
    // The main window ends the program; the display closing must not.
    QApplication::setQuitOnLastWindowClosed(false);
    numbrook::InstallToolTipStyle(app);

    // The sound engine: without a server the program runs on with empty device lists.
    numbrook::PulseConnection::instance().open();

    int exitCode = 0;
    {
        numbrook::TfmMain fmMain;
        numbrook::TfmHelp fmHelp;
        numbrook::TfmLogo fmLogo;
        numbrook::TfmDisplay fmDisplay;
        fmMain.attachWindows(&fmHelp, &fmLogo, &fmDisplay);

        // Every way the desktop ends the program ends it as the close button does.
        numbrook::TerminationSignals terminations;
        QObject::connect(&terminations, &numbrook::TerminationSignals::terminationRequested,
                         &fmMain, [&fmMain] { fmMain.close(); });
        QObject::connect(&app, &QGuiApplication::commitDataRequest, &fmMain,
                         [&fmMain] { fmMain.close(); });

        if (qEnvironmentVariableIsSet("NUMBROOK_REPORT_FIRST_PAINT")) {
            // For the start-up benchmark: the time to the main window's first paint.
            QTimer::singleShot(0, &fmMain, [&startClock] {
                std::printf("first-paint-ms %lld\n", startClock.elapsed());
                std::fflush(stdout);
            });
        }
        fmMain.show();
        exitCode = QApplication::exec();
    }
    numbrook::PulseConnection::instance().close();
    return exitCode;
}
