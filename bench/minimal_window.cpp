// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

// The yardstick of the start-up benchmark: the smallest Qt Widgets program that shows one
// empty window. It reports its first paint the way the program does, as
// "first-paint window <microseconds since the epoch>".
// With --text the window shows one line of text in the program's caption font, which is what
// any window with text pays on top: loading the desktop's font configuration and one font.
#include "FirstPaintReporter.h"

#include <QApplication>
#include <QLabel>
#include <QWidget>

#include <cstring>

int main(int argc, char *argv[]) {
    const bool withText = argc > 1 && std::strcmp(argv[argc - 1], "--text") == 0;
    QApplication app(argc, argv);
    QWidget window;
    window.setObjectName(QStringLiteral("window"));
    window.resize(806, 580);
    if (withText) {
        auto *label = new QLabel(QStringLiteral("Question settings"), &window);
        QFont font(QStringLiteral("Verdana"));
        font.setPixelSize(12);
        font.setBold(true);
        label->setFont(font);
        label->move(24, 88);
        label->adjustSize();
    }
    numbrook::FirstPaintWatch firstPaint;
    numbrook::ReportFirstPaint(firstPaint, &window);
    window.show();
    return QApplication::exec();
}
