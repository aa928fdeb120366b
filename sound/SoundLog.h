// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

#pragma once

#include <QLoggingCategory>

namespace numbrook {

// The logging category of the sound engine and the sound objects, "numbrook.sound".
Q_DECLARE_LOGGING_CATEGORY(lcSound)

} // namespace numbrook
