// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

// A small separate program for the tests of what the program settles at start-up, run as its
// own process because each case needs a fresh process:
//   platformhelper instance <socket path>   takes part in the one-running-copy check: prints
//       "running" and then "activated" for every hand-over it takes, or ends with status 0
//       after handing over (3 when the running copy did not answer)
//   platformhelper logging                  installs the quiet logging rules and logs one
//       line of each level to numbrook.check and to another program's category
#include "QuietLogging.h"
#include "SingleInstance.h"

#include <QCoreApplication>
#include <QLoggingCategory>

#include <cstdio>

namespace {

Q_LOGGING_CATEGORY(lcCheck, "numbrook.check")
Q_LOGGING_CATEGORY(lcOther, "other.check")

void say(const char *line) {
    std::printf("%s\n", line);
    std::fflush(stdout);
}

int runInstance(const QString &socketPath) {
    numbrook::SingleInstance instance(socketPath);
    QObject::connect(&instance, &numbrook::SingleInstance::activationRequested,
                     [] { say("activated"); });
    switch (instance.start()) {
    case numbrook::SingleInstance::Role::HandedOver:
        return 0;
    case numbrook::SingleInstance::Role::NoAnswer:
        return 3;
    case numbrook::SingleInstance::Role::Running:
        break;
    }
    say("running");
    return QCoreApplication::exec();
}

void logEveryLevel() {
    qCDebug(lcCheck) << "numbrook debug";
    qCInfo(lcCheck) << "numbrook info";
    qCWarning(lcCheck) << "numbrook warning";
    qCCritical(lcCheck) << "numbrook critical";
    qCInfo(lcOther) << "other info";
}

} // namespace

int main(int argc, char *argv[]) {
    if (argc >= 2 && qstrcmp(argv[1], "logging") == 0) {
        numbrook::installQuietLogging();
        logEveryLevel();
        return 0;
    }
    QCoreApplication app(argc, argv);
    if (argc >= 3 && qstrcmp(argv[1], "instance") == 0)
        return runInstance(QString::fromLocal8Bit(argv[2]));
    return 1;
}
