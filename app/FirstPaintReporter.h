// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

#pragma once

// Start-up measurement shared by the program and the benchmark's minimal window.

#include <QEvent>
#include <QObject>
#include <QTimer>
#include <QWidget>

#include <chrono>
#include <cstdio>

namespace numbrook {

// The wall clock in microseconds since the epoch: benchmarks compare it with the moment they
// started the process or pressed a key.
inline long long MicrosecondsSinceEpoch() {
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    return static_cast<long long>(
        std::chrono::duration_cast<std::chrono::microseconds>(now).count());
}

// For the start-up benchmark: prints "first-paint <window> <microseconds since the epoch>"
// once a watched window has been painted and put on the screen for the first time. The
// wall clock lets the benchmark count from the moment it started the process.
class FirstPaintReporter : public QObject {
public:
    using QObject::QObject;

    void watch(QWidget *window) { window->installEventFilter(this); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            // The children are painted and the picture is flushed in the same pass; the
            // zero timer runs after it.
            const QString name = watched->objectName();
            QTimer::singleShot(0, this, [name] {
                std::printf("first-paint %s %lld\n", qPrintable(name), MicrosecondsSinceEpoch());
                std::fflush(stdout);
            });
        }
        return QObject::eventFilter(watched, event);
    }
};

} // namespace numbrook
