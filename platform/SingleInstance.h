// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

#pragma once

#include <QLoggingCategory>
#include <QObject>
#include <QString>

#include <memory>

class QLockFile;
class QSocketNotifier;

namespace numbrook {

Q_DECLARE_LOGGING_CATEGORY(lcInstance)

// Keeps one running copy of the program per user. The first start holds a lock file and listens
// on a local socket beside it; a later start finds the lock held, asks the running copy over the
// socket to come forward, and ends. The socket lives in the user's own runtime folder (or in a
// folder of the temporary directory named with the user id and open to that user only), so two
// users on one machine never see each other's copy. A lock or socket left behind by a crash is
// taken over: the lock file names its process, and the socket is only replaced under the lock.
//
// Use it on the GUI thread once the application object exists.
class SingleInstance : public QObject {
    Q_OBJECT
public:
    enum class Role {
        Running,    // this process is the one copy (or the check was impossible: run anyway)
        HandedOver, // a running copy took the request; end this process with status 0
        NoAnswer,   // a copy holds the lock but does not answer
    };

    // `socketPath` is where the running copy listens; its lock file is `socketPath` + ".lock".
    explicit SingleInstance(QString socketPath = defaultSocketPath(), QObject *parent = nullptr);
    ~SingleInstance() override;
    Q_DISABLE_COPY_MOVE(SingleInstance)

    // Becomes the running copy or hands over to the one that runs; waits at most a few seconds
    // for a copy that is still starting or just ending.
    Role start();

    // $XDG_RUNTIME_DIR/numbrook.instance, or <temp>/numbrook-<uid>/instance without one.
    static QString defaultSocketPath();

Q_SIGNALS:
    // Another start asked this copy to come forward.
    void activationRequested();

private:
    bool listen();
    static bool askRunningCopy(const QString &socketPath);
    void acceptCaller();
    void answerCaller(int caller, QSocketNotifier *notifier);

    QString socketPath_;
    std::unique_ptr<QLockFile> lock_;
    // A plain local socket with notifiers: Qt's local socket classes would bring the whole
    // network library and its dependencies into the program's start-up for one line of text.
    int listener_ = -1;
    QSocketNotifier *listenerNotifier_ = nullptr;
};

} // namespace numbrook
