// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

// The main window's ways into the quiz results: the caption bar's results button, the tray's
// results item and the line with the last quiz's score.
#include "MainWindow.h"

#include "ResultsTexts.h"
#include "SkinWidgets.h"
#include "StringTable.h"
#include "TrayMenu.h"

namespace numbrook {

void MainWindow::buildResultsControls() {
    // The free area under the system settings, right of the language choice's caption.
    c_.Lbl_LastQuiz = new SkinLabel(QString(), this);
    c_.Lbl_LastQuiz->setObjectName(QStringLiteral("Lbl_LastQuiz"));
    QFont font(QStringLiteral("Verdana"));
    font.setPixelSize(11);
    font.setBold(true);
    c_.Lbl_LastQuiz->setFont(font);
    c_.Lbl_LastQuiz->setTextColor(QColor(0xF0, 0xB9, 0x26));
    c_.Lbl_LastQuiz->setWordWrap(true);
    c_.Lbl_LastQuiz->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    c_.Lbl_LastQuiz->setGeometry(420, 404, 370, 36);
    c_.Lbl_LastQuiz->hide();
    microphoneCheck_ = new MicrophoneCheckPanel(c_.objects[1], strings_, *this);
}

void MainWindow::connectResults() {
    connect(c_.Sb_Results, &PictureButton::clicked, this, [this] { Q_EMIT resultsRequested(); });
}

void MainWindow::applyResultsTexts() {
    const QString caption = strings_[UiKey::ResultsCaption];
    c_.Sb_Results->setToolTip(caption);
    if (QAction *item = trayIcon()->item(6)) {
        item->setText(caption);
        item->setToolTip(caption);
    }
    if (lastQuiz_) {
        c_.Lbl_LastQuiz->setText(lastQuizLine(*lastQuiz_, strings_.languageIndex()));
    }
    microphoneCheck_->showTexts();
    Q_EMIT languageApplied(strings_.languageIndex());
}

void MainWindow::setLastQuiz(const QuizSummary &quiz) {
    lastQuiz_ = quiz;
    c_.Lbl_LastQuiz->setText(lastQuizLine(quiz, strings_.languageIndex()));
    c_.Lbl_LastQuiz->show();
}

} // namespace numbrook
