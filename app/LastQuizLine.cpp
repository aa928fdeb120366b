// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

#include "LastQuizLine.h"

#include "MainControls.h"
#include "ResultsTexts.h"
#include "SkinWidgets.h"
#include "StringTable.h"
#include "TrayMenu.h"

namespace numbrook {

LastQuizLine::LastQuizLine(MainControls &controls, const StringTable &strings, QWidget &window)
    : c_(controls), strings_(strings) {
    // The free area under the system settings, right of the language choice's caption.
    SkinLabel *line = new SkinLabel(QString(), &window);
    controls.Lbl_LastQuiz = line;
    line->setObjectName(QStringLiteral("Lbl_LastQuiz"));
    line->setFont(SkinFont(11, true));
    line->setTextColor(QColor(0xF0, 0xB9, 0x26));
    line->setWordWrap(true);
    line->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    line->setGeometry(420, 404, 370, 36);
    line->hide();
}

void LastQuizLine::show(const std::optional<QuizSummary> &quiz) {
    lastQuiz_ = quiz;
    if (quiz) {
        c_.Lbl_LastQuiz->setText(lastQuizLine(*quiz, strings_.languageIndex()));
        c_.Lbl_LastQuiz->show();
    } else {
        c_.Lbl_LastQuiz->hide();
    }
}

void LastQuizLine::applyTexts(TrayIcon &tray) const {
    const QString caption = strings_[UiKey::ResultsCaption];
    c_.Sb_Results->setToolTip(caption);
    if (QAction *item = tray.item(6)) {
        item->setText(caption);
        item->setToolTip(caption);
    }
    if (lastQuiz_) {
        c_.Lbl_LastQuiz->setText(lastQuizLine(*lastQuiz_, strings_.languageIndex()));
    }
}

} // namespace numbrook
