// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

#include "SingleInstance.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSocketNotifier>
#include <QThread>

#include <cerrno>
#include <cstring>
#include <optional>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>
#include <utility>

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

std::optional<sockaddr_un> socketAddress(const QString &path) {
    const QByteArray encoded = QFile::encodeName(path);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (encoded.size() >= qsizetype(sizeof address.sun_path))
        return std::nullopt;
    std::memcpy(address.sun_path, encoded.constData(), std::size_t(encoded.size()));
    return address;
}

// A file descriptor closed when it goes out of scope.
class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    Q_DISABLE_COPY_MOVE(Descriptor)
    int get() const { return fd_; }
    int release() { return std::exchange(fd_, -1); }

private:
    int fd_;
};

} // namespace

SingleInstance::SingleInstance(QString socketPath, QObject *parent)
    : QObject(parent), socketPath_(std::move(socketPath)) {}

SingleInstance::~SingleInstance() {
    if (listener_ >= 0) {
        ::close(listener_);
        ::unlink(QFile::encodeName(socketPath_).constData());
    }
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
    const std::optional<sockaddr_un> address = socketAddress(socketPath_);
    Descriptor listener(::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0));
    if (!address || listener.get() < 0) {
        qCWarning(lcInstance) << "cannot make the instance socket" << socketPath_;
        return false;
    }
    // Only the holder of the lock gets here, so a socket file that is left is a crashed copy's.
    ::unlink(address->sun_path);
    const auto *generic = reinterpret_cast<const sockaddr *>(&*address);
    if (::bind(listener.get(), generic, sizeof *address) != 0 ||
        ::chmod(address->sun_path, 0600) != 0 || ::listen(listener.get(), 8) != 0) {
        qCWarning(lcInstance) << "cannot listen at" << socketPath_ << ":" << std::strerror(errno);
        return false;
    }
    listener_ = listener.release();
    listenerNotifier_ = new QSocketNotifier(listener_, QSocketNotifier::Read, this);
    connect(listenerNotifier_, &QSocketNotifier::activated, this, &SingleInstance::acceptCaller);
    return true;
}

bool SingleInstance::askRunningCopy(const QString &socketPath) {
    const std::optional<sockaddr_un> address = socketAddress(socketPath);
    Descriptor caller(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0));
    if (!address || caller.get() < 0)
        return false;
    const timeval timeout{AnswerMilliseconds / 1000, 0};
    ::setsockopt(caller.get(), SOL_SOCKET, SO_RCVTIMEO, &timeout, sizeof timeout);
    ::setsockopt(caller.get(), SOL_SOCKET, SO_SNDTIMEO, &timeout, sizeof timeout);
    if (::connect(caller.get(), reinterpret_cast<const sockaddr *>(&*address), sizeof *address) !=
        0)
        return false;
    if (::send(caller.get(), ActivateRequest.constData(), std::size_t(ActivateRequest.size()),
               MSG_NOSIGNAL) != ActivateRequest.size())
        return false;
    QByteArray answer;
    char buffer[16];
    while (!answer.contains('\n') && answer.size() < ActivateAnswer.size()) {
        const ssize_t got = ::recv(caller.get(), buffer, sizeof buffer, 0);
        if (got <= 0)
            return false;
        answer.append(buffer, got);
    }
    return answer == ActivateAnswer;
}

void SingleInstance::acceptCaller() {
    while (true) {
        const int caller = ::accept4(listener_, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
        if (caller < 0)
            return;
        auto *notifier = new QSocketNotifier(caller, QSocketNotifier::Read, this);
        connect(notifier, &QSocketNotifier::activated, this,
                [this, caller, notifier] { answerCaller(caller, notifier); });
    }
}

void SingleInstance::answerCaller(int caller, QSocketNotifier *notifier) {
    // The request is one short line, sent at once after connecting; whatever else arrives
    // (or nothing, the caller gone) ends the conversation.
    char buffer[16];
    const ssize_t got = ::recv(caller, buffer, sizeof buffer, 0);
    if (got < 0 && (errno == EAGAIN || errno == EINTR))
        return;
    const bool asked =
        got == ActivateRequest.size() && QByteArray::fromRawData(buffer, got) == ActivateRequest;
    if (asked) {
        ::send(caller, ActivateAnswer.constData(), std::size_t(ActivateAnswer.size()),
               MSG_NOSIGNAL);
    }
    notifier->setEnabled(false);
    notifier->deleteLater();
    ::close(caller);
    if (asked)
        Q_EMIT activationRequested();
}

} // namespace numbrook
