// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

#include "HelpWindow.h"

#include "ShellOpen.h"
#include "StringTable.h"
#include "WebPages.h"

#include <QFile>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace numbrook {

HelpWindow::HelpWindow(QWidget *parent)
    : QWidget(parent), text_(new QPlainTextEdit(this)), close_(new QPushButton(this)) {
    setObjectName(QStringLiteral("fmHelp"));
    setWindowFlag(Qt::Window);
    text_->setObjectName(QStringLiteral("helpText"));
    text_->setReadOnly(true);
    // Keyboard users scroll and select the text; it is never edited.
    text_->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    text_->setLineWrapMode(QPlainTextEdit::NoWrap);
    // The texts line their columns up with spaces.
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setPointSize(qMax(font.pointSize(), 10));
    text_->setFont(font);
    close_->setObjectName(QStringLiteral("helpClose"));
    connect(close_, &QPushButton::clicked, this, &QWidget::close);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(close_);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(text_);
    layout->addLayout(buttons);
    // 80 columns of the text and about 40 lines.
    const QFontMetrics metrics(font);
    resize(metrics.horizontalAdvance(QLatin1Char('m')) * 84 + 40, metrics.lineSpacing() * 40);
}

void HelpWindow::showHelp(qint32 languageIndex) {
    const QString name = HelpFileName(languageIndex);
    file_ = name.isEmpty() ? QString() : FindDataFile(name);
    // A language without a help text of its own shows the English one.
    if (file_.isEmpty() && languageIndex != LanguageEnglish) {
        file_ = FindDataFile(HelpFileName(LanguageEnglish));
    }
    QString text;
    if (!file_.isEmpty()) {
        QFile file(file_);
        if (file.open(QIODevice::ReadOnly)) {
            text = QString::fromUtf8(file.readAll());
            qCInfo(lcShell, "Help text shown: %s", qPrintable(file_));
        } else {
            file_.clear();
        }
    }
    if (file_.isEmpty()) {
        const QString folders = DataFileFolders().join(QStringLiteral("\n    "));
        qCWarning(lcShell, "Help text %s not found in %s", qPrintable(name),
                  qPrintable(DataFileFolders().join(QStringLiteral(", "))));
        text = UiText(UiKey::HelpMissingText, languageIndex).arg(name, folders);
    }
    setWindowTitle(UiText(UiKey::HelpWindowTitle, languageIndex));
    close_->setText(UiText(UiKey::HelpCloseCaption, languageIndex));
    text_->setAccessibleName(UiText(UiKey::HelpWindowTitle, languageIndex));
    text_->setPlainText(text);
    text_->moveCursor(QTextCursor::Start);
    if (!isVisible()) {
        // Centred on the screen, as tall as the text wants within it.
        const QRect free = screen()->availableGeometry();
        resize(qMin(width(), free.width()), qMin(height(), free.height() * 9 / 10));
        move(free.center() - rect().center());
    }
    show();
    raise();
    activateWindow();
    text_->setFocus();
}

} // namespace numbrook
