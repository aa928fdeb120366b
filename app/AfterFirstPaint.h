// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

#pragma once

#include <QEvent>
#include <QObject>
#include <QTimer>
#include <QWidget>

#include <functional>

namespace numbrook {

// Runs an action once, after a window's first paint has been flushed: what the window does not
// need on screen waits until it is there. Owned by the window; gone once it has run.
class AfterFirstPaint : public QObject {
public:
    AfterFirstPaint(QWidget *window, std::function<void()> then)
        : QObject(window), then_(std::move(then)) {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            QTimer::singleShot(0, this, [this] {
                then_();
                deleteLater();
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> then_;
};

} // namespace numbrook
