// The yardstick of the start-up benchmark: the smallest Qt Widgets program that shows one
// empty window. It reports its first paint the way the program does, as
// "first-paint window <microseconds since the epoch>".
#include "FirstPaintReporter.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.setObjectName(QStringLiteral("window"));
    window.resize(806, 580);
    numbrook::FirstPaintReporter reporter;
    reporter.watch(&window);
    window.show();
    return QApplication::exec();
}
