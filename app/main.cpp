#include "MainForm.h"

#include <QApplication>

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Numbrook"));
    numbrook::TfmMain fmMain;
    fmMain.show();
    return QApplication::exec();
}
