// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

// One running copy per user, with real processes: the helper program takes part in the check
// as the program does.
#include "SingleInstance.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <memory>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

using namespace numbrook;

namespace {

// One copy of the helper in its own process.
class Copy {
public:
    explicit Copy(const QString &socketPath) {
        process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process_.start(QStringLiteral(PLATFORMHELPER_PATH),
                       {QStringLiteral("instance"), socketPath});
    }
    ~Copy() {
        if (process_.state() != QProcess::NotRunning) {
            process_.kill();
            process_.waitForFinished();
        }
    }
    Q_DISABLE_COPY_MOVE(Copy)

    bool says(const QByteArray &line, int times = 1) {
        return QTest::qWaitFor(
            [&] {
                output_ += process_.readAllStandardOutput();
                return output_.count(line + '\n') >= times;
            },
            10000);
    }
    bool ended() const { return process_.state() == QProcess::NotRunning; }
    // The exit status once the copy ended by itself, -1 if it is still running.
    int exitStatus() {
        if ((!ended() && !process_.waitForFinished(10000)) ||
            process_.exitStatus() != QProcess::NormalExit)
            return -1;
        return process_.exitCode();
    }
    void crash() {
        process_.kill();
        process_.waitForFinished();
    }

private:
    QProcess process_;
    QByteArray output_;
};

// A socket file with nobody listening, as a crash leaves it.
bool leaveDeadSocket(const QString &path) {
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray encoded = QFile::encodeName(path);
    qstrncpy(address.sun_path, encoded.constData(), sizeof address.sun_path);
    const bool bound = ::bind(fd, reinterpret_cast<sockaddr *>(&address), sizeof address) == 0;
    ::close(fd);
    return bound && QFileInfo::exists(path);
}

} // namespace

class SingleInstanceTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();

    void secondStart_handsOverAndEndsWithZero();
    void copyThatCrashed_leftoversAreTakenOver_data();
    void copyThatCrashed_leftoversAreTakenOver();
    void startsAtOnce_exactlyOneRuns();
    void otherUser_copiesDoNotSeeEachOther();
    void socket_isOpenToTheUserOnly();
    void defaultSocket_isPrivateToTheUser_data();
    void defaultSocket_isPrivateToTheUser();

private:
    std::unique_ptr<QTemporaryDir> folder_;
    QString socketPath_;
};

void SingleInstanceTest::init() {
    folder_ = std::make_unique<QTemporaryDir>();
    QVERIFY(folder_->isValid());
    socketPath_ = folder_->filePath(QStringLiteral("numbrook.instance"));
}

void SingleInstanceTest::secondStart_handsOverAndEndsWithZero() {
    Copy first(socketPath_);
    QVERIFY(first.says("running"));
    Copy second(socketPath_);
    QCOMPARE(second.exitStatus(), 0);
    QVERIFY(first.says("activated"));
    // The first copy keeps answering.
    Copy third(socketPath_);
    QCOMPARE(third.exitStatus(), 0);
    QVERIFY(first.says("activated", 2));
}

void SingleInstanceTest::copyThatCrashed_leftoversAreTakenOver_data() {
    QTest::addColumn<bool>("crashedCopy");
    QTest::newRow("lock and socket of a killed copy") << true;
    QTest::newRow("socket file alone") << false;
}

void SingleInstanceTest::copyThatCrashed_leftoversAreTakenOver() {
    QFETCH(bool, crashedCopy);
    if (crashedCopy) {
        Copy crashed(socketPath_);
        QVERIFY(crashed.says("running"));
        crashed.crash();
        QVERIFY(QFileInfo::exists(socketPath_ + QStringLiteral(".lock")));
    } else {
        QVERIFY(leaveDeadSocket(socketPath_));
    }
    QVERIFY(QFileInfo::exists(socketPath_));

    Copy next(socketPath_);
    QVERIFY(next.says("running"));
    Copy second(socketPath_);
    QCOMPARE(second.exitStatus(), 0);
    QVERIFY(next.says("activated"));
}

void SingleInstanceTest::startsAtOnce_exactlyOneRuns() {
    constexpr int Starts = 4;
    std::vector<std::unique_ptr<Copy>> copies;
    for (int i = 0; i < Starts; ++i)
        copies.push_back(std::make_unique<Copy>(socketPath_));
    const auto endedCount = [&] {
        return std::count_if(copies.begin(), copies.end(),
                             [](auto &copy) { return copy->ended(); });
    };
    QVERIFY(QTest::qWaitFor([&] { return endedCount() == Starts - 1; }, 15000));
    Copy *running = nullptr;
    for (auto &copy : copies) {
        if (copy->ended())
            QCOMPARE(copy->exitStatus(), 0);
        else
            running = copy.get();
    }
    QVERIFY(running);
    QVERIFY(running->says("running"));
    QVERIFY(running->says("activated", Starts - 1));
}

void SingleInstanceTest::otherUser_copiesDoNotSeeEachOther() {
    // Another user has another runtime folder, so another socket.
    QTemporaryDir otherRuntime;
    Copy mine(socketPath_);
    QVERIFY(mine.says("running"));
    Copy theirs(otherRuntime.filePath(QStringLiteral("numbrook.instance")));
    QVERIFY(theirs.says("running"));
}

void SingleInstanceTest::socket_isOpenToTheUserOnly() {
    Copy first(socketPath_);
    QVERIFY(first.says("running"));
    struct stat info {};
    QCOMPARE(::stat(QFile::encodeName(socketPath_).constData(), &info), 0);
    QVERIFY(S_ISSOCK(info.st_mode));
    QCOMPARE(info.st_mode & 0077, 0u);
    QCOMPARE(info.st_uid, ::getuid());
}

void SingleInstanceTest::defaultSocket_isPrivateToTheUser_data() {
    QTest::addColumn<bool>("withRuntimeFolder");
    QTest::newRow("runtime folder") << true;
    QTest::newRow("no runtime folder") << false;
}

void SingleInstanceTest::defaultSocket_isPrivateToTheUser() {
    QFETCH(bool, withRuntimeFolder);
    const QByteArray saved = qgetenv("XDG_RUNTIME_DIR");
    auto restore = qScopeGuard([&] { qputenv("XDG_RUNTIME_DIR", saved); });
    if (withRuntimeFolder) {
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(folder_->path()));
        QCOMPARE(SingleInstance::defaultSocketPath(),
                 folder_->filePath(QStringLiteral("numbrook.instance")));
    } else {
        qunsetenv("XDG_RUNTIME_DIR");
        const QString path = SingleInstance::defaultSocketPath();
        QVERIFY(path.startsWith(QDir::tempPath()));
        QVERIFY(path.contains(QStringLiteral("numbrook-%1/").arg(::getuid())));
    }
}

QTEST_GUILESS_MAIN(SingleInstanceTest)
#include "tst_singleinstance.moc"
