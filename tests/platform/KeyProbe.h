// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

#pragma once

// Real key events for tests on the test environment's X server: a separate program (the key
// probe) holds the focus and prints every key its text field receives, and xdotool presses keys.

#include <QByteArray>
#include <QGuiApplication>
#include <QList>
#include <QProcess>
#include <QStringList>
#include <QTest>
#include <QtGui/qguiapplication_platform.h>
#include <cstdlib>
#include <xcb/xcb.h>

namespace numbrook::testing {

inline constexpr int QtKeyA = 0x41;
inline constexpr int QtKeyB = 0x42;

inline bool xdotool(const QStringList &arguments) {
    return QProcess::execute(QStringLiteral("xdotool"), arguments) == 0;
}

// The modifier and lock state of the X server's keyboard (NumLock, CapsLock and the rest).
inline quint16 modifierState() {
    xcb_connection_t *connection =
        qGuiApp->nativeInterface<QNativeInterface::QX11Application>()->connection();
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    auto *reply = xcb_query_pointer_reply(connection, xcb_query_pointer(connection, root), nullptr);
    const quint16 mask = reply ? reply->mask : 0;
    std::free(reply);
    return mask;
}

class KeyProbe {
public:
    KeyProbe() {
        QObject::connect(&process, &QProcess::readyReadStandardOutput, &process,
                         [this] { output += process.readAllStandardOutput(); });
        process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    }
    ~KeyProbe() { stop(); }
    Q_DISABLE_COPY_MOVE(KeyProbe)

    // Starts the probe program; true once its window is up.
    bool start(const QString &program) {
        process.start(program, QStringList{});
        if (!process.waitForStarted() ||
            !QTest::qWaitFor([this] { return output.contains('\n'); }, 10000)) {
            return false;
        }
        const QByteArray ready = output.left(output.indexOf('\n'));
        output.clear();
        if (!ready.startsWith("ready ")) {
            return false;
        }
        window = QString::fromLatin1(ready.mid(6));
        return true;
    }

    void stop() {
        if (process.state() != QProcess::NotRunning) {
            process.kill();
            process.waitForFinished();
        }
    }

    // Gives the probe the focus and proves it has it: without that, every "not received"
    // would prove nothing.
    bool focus() {
        return xdotool({QStringLiteral("windowactivate"), QStringLiteral("--sync"), window}) &&
               xdotool({QStringLiteral("windowfocus"), QStringLiteral("--sync"), window}) &&
               pressAndCollect({QStringLiteral("a")}) == QList<int>{QtKeyA};
    }

    // Presses `keys`, then a marker key, and returns the Qt keys the probe received before the
    // marker: the X server routes presses in order, so everything before it has been routed.
    // {-1} when xdotool failed, {-2} when the marker never arrived.
    QList<int> pressAndCollect(const QStringList &keys) {
        QStringList arguments{QStringLiteral("key")};
        arguments += keys;
        arguments += QStringLiteral("b");
        if (!xdotool(arguments)) {
            return {-1};
        }
        const QByteArray marker = "key " + QByteArray::number(QtKeyB) + '\n';
        if (!QTest::qWaitFor([&] { return output.contains(marker); }, 10000)) {
            return {-2};
        }
        QList<int> received;
        const QList<QByteArray> lines = output.split('\n');
        output.clear();
        for (const QByteArray &line : lines) {
            if (!line.startsWith("key ")) {
                continue;
            }
            const int key = line.mid(4).toInt();
            if (key == QtKeyB) {
                return received;
            }
            received.append(key);
        }
        return {-2};
    }

    QString window;

private:
    QProcess process;
    QByteArray output;
};

} // namespace numbrook::testing
