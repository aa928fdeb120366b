#include "SingleInstance.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QThread>

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace numbrook {

Q_LOGGING_CATEGORY(lcInstance, "numbrook.instance")

namespace {

const QByteArray ActivateRequest = "activate\n";
const QByteArray ActivateAnswer = "ok\n";
constexpr int HandOverMilliseconds = 5000;
constexpr int AnswerMilliseconds = 2000;

// The socket's folder must exist and belong to this user alone; a folder of the temporary
// directory could have been made by someone else.
bool preparePrivateFolder(const QString &folder) {
    const QByteArray path = QFile::encodeName(folder);
    if (::mkdir(path.constData(), 0700) != 0 && errno != EEXIST)
        return false;
    struct stat info {};
    return ::lstat(path.constData(), &info) == 0 && S_ISDIR(info.st_mode) &&
           info.st_uid == ::getuid() && (info.st_mode & 0077) == 0;
}

} // namespace

SingleInstance::SingleInstance(QString socketPath, QObject *parent)
    : QObject(parent), socketPath_(std::move(socketPath)) {}

SingleInstance::~SingleInstance() {
    if (server_)
        server_->close();
}

QString SingleInstance::defaultSocketPath() {
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QFileInfo(runtime).isDir())
        return runtime + QStringLiteral("/numbrook.instance");
    return QDir::tempPath() + QStringLiteral("/numbrook-%1/instance").arg(::getuid());
}

SingleInstance::Role SingleInstance::start() {
    const QString folder = QFileInfo(socketPath_).absolutePath();
    if (!preparePrivateFolder(folder)) {
        qCWarning(lcInstance) << "no private folder for the instance socket at" << folder
                              << "; a second copy will not be noticed";
        return Role::Running;
    }
    lock_ = std::make_unique<QLockFile>(socketPath_ + QStringLiteral(".lock"));
    // The lock is held for the program's whole life: its age says nothing; a lock whose
    // process is gone is still taken over at once.
    lock_->setStaleLockTime(0);

    const QDeadlineTimer deadline(HandOverMilliseconds);
    while (true) {
        if (lock_->tryLock(0)) {
            // Without a socket the lock is still held, so later starts end instead of running
            // a second copy beside this one.
            listen();
            return Role::Running;
        }
        if (lock_->error() != QLockFile::LockFailedError) {
            qCWarning(lcInstance) << "cannot use the instance lock beside" << socketPath_
                                  << "; a second copy will not be noticed";
            return Role::Running;
        }
        // The copy that holds the lock may still be starting or just ending: ask it again,
        // and try the lock again, until the deadline.
        if (askRunningCopy(socketPath_))
            return Role::HandedOver;
        if (deadline.hasExpired())
            return Role::NoAnswer;
        QThread::msleep(50);
    }
}

bool SingleInstance::listen() {
    // Only the holder of the lock gets here, so a socket file that is left is a crashed copy's.
    QLocalServer::removeServer(socketPath_);
    server_ = new QLocalServer(this);
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    if (!server_->listen(socketPath_)) {
        qCWarning(lcInstance) << "cannot listen at" << socketPath_ << ":" << server_->errorString();
        return false;
    }
    connect(server_, &QLocalServer::newConnection, this, &SingleInstance::answer);
    return true;
}

bool SingleInstance::askRunningCopy(const QString &socketPath) {
    QLocalSocket socket;
    socket.connectToServer(socketPath);
    if (!socket.waitForConnected(AnswerMilliseconds))
        return false;
    socket.write(ActivateRequest);
    if (!socket.waitForBytesWritten(AnswerMilliseconds))
        return false;
    while (!socket.canReadLine()) {
        if (!socket.waitForReadyRead(AnswerMilliseconds))
            return false;
    }
    return socket.readLine() == ActivateAnswer;
}

void SingleInstance::answer() {
    while (QLocalSocket *socket = server_->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            if (!socket->canReadLine()) {
                // Nothing but one short line is ever sent.
                if (socket->bytesAvailable() > ActivateRequest.size())
                    socket->abort();
                return;
            }
            if (socket->readLine() == ActivateRequest) {
                socket->write(ActivateAnswer);
                socket->flush();
                Q_EMIT activationRequested();
            }
            socket->disconnectFromServer();
        });
    }
}

} // namespace numbrook
