#include "MainForm.h"

#include "unit_math.h"

namespace numbrook {

TfmMain::TfmMain(QWidget *parent) : QWidget(parent) {
    setObjectName(QStringLiteral("fmMain"));
    setWindowTitle(QStringLiteral("Numbrook"));
    setWindowFlag(Qt::FramelessWindowHint);
    setFixedSize(806, 580);
    setAttribute(Qt::WA_DeleteOnClose, false);
    FormCreate();
}

TfmMain::~TfmMain() {
    FormDestroy();
}

void TfmMain::FormCreate() {
    InitQuizEngine();
}

void TfmMain::FormDestroy() {
    SaveQuizSettings();
}

} // namespace numbrook
