// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

#include "SoundEngine.h"

namespace numbrook {

SoundEngine::SoundEngine() = default;

SoundEngine::~SoundEngine() {
    close();
}

bool SoundEngine::open() {
    return connection.open();
}

void SoundEngine::openInBackground() {
    connection.openInBackground();
}

void SoundEngine::close() {
    captures.stopAll();
    playbacks.stopAll();
    connection.close();
}

} // namespace numbrook
