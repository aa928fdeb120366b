// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

namespace numbrook {

// A sound built into the program: its description, and its complete RIFF WAVE image, which is
// synthesized when it is first asked for (at the first play), not when the objects are bound at
// start-up.
struct WaveClip {
    QByteArray (*synthesize)() = nullptr;
    QString description;
    QByteArray image() const { return synthesize ? synthesize() : QByteArray(); }
};
using WaveClipList = QList<WaveClip>;

// The built-in clip list of sound object n (1..4): four, three, two and no clips.
const WaveClipList &BuiltInClips(int n);

// A RIFF WAVE image of 16-bit PCM samples (interleaved when `channels` is 2).
QByteArray WaveImage(int sampleRate, int channels, const QList<qint16> &samples);

} // namespace numbrook
