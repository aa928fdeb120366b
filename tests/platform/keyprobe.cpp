// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

// A small separate program with a text field for the hotkey tests: it stands for "another
// program that has the focus" and prints every key press its text field receives as
// "key <Qt key code>", after "ready <window id>" once its window is shown.
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTimer>

#include <cstdio>

namespace {

class KeyPrinter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override {
        if (event->type() == QEvent::KeyPress) {
            std::printf("key %d\n", static_cast<QKeyEvent *>(event)->key());
            std::fflush(stdout);
        }
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    QLineEdit field;
    field.setWindowTitle(QStringLiteral("numbrook key probe"));
    field.resize(300, 40);
    KeyPrinter printer;
    field.installEventFilter(&printer);
    field.show();
    QTimer::singleShot(0, &field, [&field] {
        std::printf("ready %llu\n", static_cast<unsigned long long>(field.winId()));
        std::fflush(stdout);
    });
    return QApplication::exec();
}
