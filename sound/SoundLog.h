// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

#pragma once

#include <QLoggingCategory>

namespace numbrook {

// The logging category of the sound engine and the sound objects, "numbrook.sound".
Q_DECLARE_LOGGING_CATEGORY(lcSound)
// "numbrook.sound.claps": each candidate the clap detector judged and its measures; debug
// messages only, off unless turned on (QT_LOGGING_RULES="numbrook.sound.claps.debug=true").
Q_DECLARE_LOGGING_CATEGORY(lcClaps)

} // namespace numbrook
