// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

#pragma once

// The first paint of a window: what the program does only once it is on screen, and the
// start-up measurement shared by the program and the benchmark's minimal window.

#include <QEvent>
#include <QObject>
#include <QTimer>
#include <QWidget>

#include <chrono>
#include <cstdio>
#include <functional>
#include <map>

namespace numbrook {

// The wall clock in microseconds since the epoch: benchmarks compare it with the moment they
// started the process or pressed a key.
inline long long MicrosecondsSinceEpoch() {
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    return static_cast<long long>(
        std::chrono::duration_cast<std::chrono::microseconds>(now).count());
}

// Runs an action once a watched window has been painted and put on the screen for the first
// time: the children are painted and the picture is flushed in the same pass, and the zero
// timer runs after it.
class FirstPaintWatch : public QObject {
public:
    using QObject::QObject;

    // `then` gets the window's object name. A window may be watched for several actions.
    void watch(QWidget *window, std::function<void(const QString &)> then) {
        actions_.emplace(window, std::move(then));
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            const QString name = watched->objectName();
            const auto [first, last] = actions_.equal_range(watched);
            for (auto action = first; action != last; ++action) {
                QTimer::singleShot(0, this,
                                   [then = std::move(action->second), name] { then(name); });
            }
            actions_.erase(first, last);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::multimap<QObject *, std::function<void(const QString &)>> actions_;
};

// For the start-up benchmark: prints "first-paint <window> <microseconds since the epoch>"
// once a watched window has been painted and put on the screen for the first time. The
// wall clock lets the benchmark count from the moment it started the process.
inline void ReportFirstPaint(FirstPaintWatch &watch, QWidget *window) {
    watch.watch(window, [](const QString &name) {
        std::printf("first-paint %s %lld\n", qPrintable(name), MicrosecondsSinceEpoch());
        std::fflush(stdout);
    });
}

} // namespace numbrook
