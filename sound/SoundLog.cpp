// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

#include "SoundLog.h"

namespace numbrook {

Q_LOGGING_CATEGORY(lcSound, "numbrook.sound")
Q_LOGGING_CATEGORY(lcClaps, "numbrook.sound.claps", QtInfoMsg)

} // namespace numbrook
