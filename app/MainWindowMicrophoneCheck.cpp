// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

// The microphone check in the actions area: for a few seconds object 1's level reports (the
// ones that drive its level bar) are collected while the parent claps twice; the check then
// proposes a threshold between the background and the claps, which one click applies to
// object 1's threshold bar, or says why it proposes none.
#include "MainWindow.h"

#include "ResultsTexts.h"
#include "SkinWidgets.h"
#include "SoundEngine.h"
#include "SoundObjectTable.h"
#include "StringTable.h"

#include <QPushButton>
#include <QTimer>

namespace numbrook {

QPushButton *checkButton(const QString &name, QWidget *parent) {
    auto *button = new QPushButton(parent);
    button->setObjectName(name);
    button->setCursor(Qt::PointingHandCursor);
    button->setFocusPolicy(Qt::NoFocus);
    button->setStyleSheet(QStringLiteral(
        "QPushButton { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #2A5F9E,"
        " stop:1 #1A4476); color: #F2F6FC; border: 1px solid #10284A; border-radius: 5px;"
        " font: bold 11px Verdana; padding: 2px 8px; }"
        "QPushButton:hover { background: qlineargradient(x1:0, y1:0, x2:0, y2:1,"
        " stop:0 #3D7BC4, stop:1 #2A5F9E); color: #F0B926; }"
        "QPushButton:disabled { color: #9AB0CC; }"));
    return button;
}

void MainWindow::buildMicrophoneCheck() {
    // Right of object 1's level bar and lamp, above the hotkey lamp.
    micCheckButton_ = checkButton(QStringLiteral("Sb_MicCheck"), this);
    micCheckButton_->setGeometry(620, 202, 170, 24);
    micCheckLine_ = new SkinLabel(QString(), this);
    micCheckLine_->setObjectName(QStringLiteral("Lbl_MicCheck"));
    QFont font(QStringLiteral("Verdana"));
    font.setPixelSize(11);
    font.setBold(true);
    micCheckLine_->setFont(font);
    micCheckLine_->setTextColor(QColor(0xF2, 0xF6, 0xFC));
    micCheckLine_->setWordWrap(true);
    micCheckLine_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    micCheckLine_->setGeometry(620, 230, 172, 66);
    micApplyButton_ = checkButton(QStringLiteral("Sb_MicCheckApply"), this);
    micApplyButton_->setGeometry(620, 298, 100, 22);
    micApplyButton_->hide();
    micCheckTimer_ = new QTimer(this);
    micCheckTimer_->setObjectName(QStringLiteral("Timer_MicCheck"));
    micCheckTimer_->setInterval(100);
    micClock_.start();
}

void MainWindow::connectMicrophoneCheck() {
    connect(micCheckButton_, &QPushButton::clicked, this, &MainWindow::startMicrophoneCheck);
    connect(micApplyButton_, &QPushButton::clicked, this, &MainWindow::applyMicrophoneCheck);
    connect(micCheckTimer_, &QTimer::timeout, this, [this] {
        if (micCheck_.isFinished(micClock_.elapsed())) {
            finishMicrophoneCheck();
        }
    });
    // The same reports that drive object 1's level bar.
    connect(&sound_.captureReports, &CaptureReports::levelReport, this,
            [this](int deviceId, int level) {
                if (micCheck_.isRunning() && deviceId == objects_->object(1).InDeviceID) {
                    micCheck_.addLevel(micClock_.elapsed(), level);
                }
            });
}

void MainWindow::startMicrophoneCheck() {
    if (micCheck_.isRunning()) {
        return;
    }
    // The capture runs while the main window shows; this starts it when it does not.
    startObjectOneCapture();
    micResult_.reset();
    micCheck_.start(micClock_.elapsed());
    micCheckTimer_->start();
    showMicrophoneCheckTexts();
}

void MainWindow::finishMicrophoneCheck() {
    micCheckTimer_->stop();
    MicrophoneCheckSetting setting;
    if (TrackBar *threshold = c_.objects[1].tbTrig) {
        setting.threshold = threshold->value();
    }
    setting.onlyClaps = objects_->clapsOnly(1);
    micResult_ = micCheck_.finish(setting);
    showMicrophoneCheckTexts();
}

void MainWindow::applyMicrophoneCheck() {
    if (!micResult_ || !micResult_->proposed()) {
        return;
    }
    // Through the bar, so that the capture and the ini at exit take it as a moved bar.
    objects_->setClapsOnly(1, micResult_->onlyClaps);
    if (TrackBar *threshold = c_.objects[1].tbTrig) {
        threshold->setValue(micResult_->threshold);
    }
    micResult_.reset();
    showMicrophoneCheckTexts();
}

void MainWindow::showMicrophoneCheckTexts() {
    if (!micCheckButton_) {
        return;
    }
    // The background (pale) and the claps (gold) on object 1's level bar while the result shows.
    if (LevelBar *bar = c_.objects[1].pbSig) {
        QList<QPair<int, QColor>> marks;
        if (micResult_ && micResult_->outcome != MicrophoneCheckOutcome::NothingHeard &&
            micResult_->outcome != MicrophoneCheckOutcome::NoClapHeard) {
            marks.append({micResult_->background, QColor(0xC8, 0xD8, 0xEC)});
            for (int peak : micResult_->clapPeaks) {
                marks.append({peak, QColor(0xF0, 0xB9, 0x26)});
            }
        }
        bar->setMarks(marks);
    }
    const int language = strings_.languageIndex();
    micCheckButton_->setText(ResultsTexts::text(ResultsText::MicrophoneTestButton, language));
    micCheckButton_->setEnabled(!micCheck_.isRunning());
    micApplyButton_->setText(ResultsTexts::text(ResultsText::MicrophoneApply, language));
    micApplyButton_->setVisible(micResult_ && micResult_->proposed());
    if (micCheck_.isRunning()) {
        micCheckLine_->setText(ResultsTexts::text(ResultsText::MicrophoneClapTwice, language));
    } else if (micResult_) {
        micCheckLine_->setText(microphoneCheckMessage(*micResult_, language));
    } else {
        micCheckLine_->clear();
    }
    // An empty line would be an unnamed stop for a screen reader.
    micCheckLine_->setVisible(!micCheckLine_->text().isEmpty());
}

} // namespace numbrook
