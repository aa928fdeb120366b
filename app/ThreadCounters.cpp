// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

#include "ThreadCounters.h"

#include "MainControls.h"
#include "SkinWidgets.h"
#include "SoundEngine.h"
#include "StringTable.h"

namespace numbrook {

ThreadCounters::ThreadCounters(const MainControls &controls, const SoundEngine &sound,
                               const StringTable &strings)
    : c_(controls), sound_(sound), strings_(strings) {
    c_.Indicator_Play->setColour(indicatorColour(false));
}

QColor ThreadCounters::indicatorColour(bool playing) {
    return playing ? QColor(255, 0, 0) : QColor(0, 128, 192);
}

void ThreadCounters::show() {
    const int playbackThreads = sound_.playbacks.count();
    const auto counter = [this](SkinLabel *label, UiKey key, int count) {
        const QString text = strings_.text(key) + QString::number(count);
        if (label->text() != text) {
            label->setText(text);
            label->adjustSize();
        }
    };
    counter(c_.laThreadCnt, UiKey::ThreadsOutCaption, playbackThreads);
    counter(c_.laThreadInCnt, UiKey::ThreadsInCaption, sound_.captures.count());
    const bool playing = playbackThreads > 0;
    c_.Indicator_Play->setColour(indicatorColour(playing));
    nameIndicator(playing);
}

void ThreadCounters::nameIndicator() {
    nameIndicator(c_.Indicator_Play->colour() == indicatorColour(true));
}

void ThreadCounters::nameIndicator(bool playing) {
    // Its hint and its name say whether sound plays.
    const QString state =
        strings_.text(playing ? UiKey::PlayingIndicatorName : UiKey::SilentIndicatorName);
    ColourPanel *indicator = c_.Indicator_Play;
    for (QWidget *shape : {static_cast<QWidget *>(indicator), indicator->parentWidget()}) {
        if (shape->accessibleName() != state) {
            shape->setToolTip(state);
            shape->setAccessibleName(state);
        }
    }
}

} // namespace numbrook
