// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

#include "MicrophoneCheckPanel.h"

#include "PanelButton.h"
#include "ResultsTexts.h"
#include "SkinWidgets.h"
#include "SoundEngine.h"
#include "SoundObjectPanel.h"
#include "SoundObjectTable.h"
#include "StringTable.h"

#include <QPushButton>
#include <QTimer>

namespace numbrook {

MicrophoneCheckPanel::MicrophoneCheckPanel(const SoundObjectPanel &objectOne,
                                           const StringTable &strings, QWidget &window)
    : QObject(&window), objectOne_(objectOne), strings_(strings) {
    // Above the hotkey lamp.
    checkButton_ = panelButton(QStringLiteral("Sb_MicCheck"), &window);
    checkButton_->setGeometry(620, 202, 170, 24);
    line_ = new SkinLabel(QString(), &window);
    line_->setObjectName(QStringLiteral("Lbl_MicCheck"));
    line_->setFont(SkinFont(11, true));
    line_->setTextColor(QColor(0xF2, 0xF6, 0xFC));
    line_->setWordWrap(true);
    line_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    line_->setGeometry(620, 230, 172, 66);
    applyButton_ = panelButton(QStringLiteral("Sb_MicCheckApply"), &window);
    applyButton_->setGeometry(620, 298, 100, 22);
    applyButton_->hide();
    timer_ = new QTimer(this);
    timer_->setObjectName(QStringLiteral("Timer_MicCheck"));
    timer_->setInterval(100);
    clock_.start();
}

void MicrophoneCheckPanel::connectObjects(SoundEngine &sound, SoundObjectTable &objects) {
    objects_ = &objects;
    connect(checkButton_, &QPushButton::clicked, this, &MicrophoneCheckPanel::start);
    connect(applyButton_, &QPushButton::clicked, this, &MicrophoneCheckPanel::apply);
    connect(timer_, &QTimer::timeout, this, [this] {
        if (check_.isFinished(clock_.elapsed())) {
            finish();
        }
    });
    // The same reports that drive object 1's level bar.
    connect(&sound.captureReports, &CaptureReports::levelReport, this,
            [this](int deviceId, int level) {
                if (check_.isRunning() && deviceId == objects_->object(1).InDeviceID) {
                    check_.addLevel(clock_.elapsed(), level);
                }
            });
}

void MicrophoneCheckPanel::start() {
    if (check_.isRunning()) {
        return;
    }
    // The capture runs while the main window shows; this starts it when it does not.
    objects_->startMic(1);
    result_.reset();
    check_.start(clock_.elapsed());
    timer_->start();
    showTexts();
}

void MicrophoneCheckPanel::finish() {
    timer_->stop();
    MicrophoneCheckSetting setting;
    if (TrackBar *threshold = objectOne_.tbTrig) {
        setting.threshold = threshold->value();
    }
    setting.onlyClaps = objects_->clapsOnly(1);
    result_ = check_.finish(setting);
    showTexts();
}

void MicrophoneCheckPanel::apply() {
    if (!result_ || !result_->proposed()) {
        return;
    }
    // Through the bar, so that the capture and the ini at exit take it as a moved bar.
    objects_->setClapsOnly(1, result_->onlyClaps);
    if (TrackBar *threshold = objectOne_.tbTrig) {
        threshold->setValue(result_->threshold);
    }
    result_.reset();
    showTexts();
}

void MicrophoneCheckPanel::showTexts() {
    // The background (pale) and the claps (gold) on object 1's level bar while the result shows.
    if (LevelBar *bar = objectOne_.pbSig) {
        QList<QPair<int, QColor>> marks;
        if (result_ && result_->outcome != MicrophoneCheckOutcome::NothingHeard &&
            result_->outcome != MicrophoneCheckOutcome::NoClapHeard) {
            marks.append({result_->background, QColor(0xC8, 0xD8, 0xEC)});
            for (int peak : result_->clapPeaks) {
                marks.append({peak, QColor(0xF0, 0xB9, 0x26)});
            }
        }
        bar->setMarks(marks);
    }
    const int language = strings_.languageIndex();
    checkButton_->setText(ResultsTexts::text(ResultsText::MicrophoneTestButton, language));
    checkButton_->setEnabled(!check_.isRunning());
    applyButton_->setText(ResultsTexts::text(ResultsText::MicrophoneApply, language));
    applyButton_->setVisible(result_ && result_->proposed());
    if (check_.isRunning()) {
        line_->setText(ResultsTexts::text(ResultsText::MicrophoneClapTwice, language));
    } else if (result_) {
        line_->setText(microphoneCheckMessage(*result_, language));
    } else {
        line_->clear();
    }
    // An empty line would be an unnamed stop for a screen reader.
    line_->setVisible(!line_->text().isEmpty());
}

} // namespace numbrook
