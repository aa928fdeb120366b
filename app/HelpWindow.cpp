#include "HelpWindow.h"

namespace numbrook {

HelpWindow::HelpWindow(QWidget *parent) : QWidget(parent) {
    setObjectName(QStringLiteral("fmHelp"));
    setWindowTitle(QStringLiteral("Help"));
    setWindowFlags(Qt::Tool | Qt::WindowStaysOnTopHint);
}

} // namespace numbrook
