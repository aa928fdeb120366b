// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

#pragma once

namespace numbrook {

// Makes the skinned widgets readable by screen readers through Qt's accessibility interfaces:
// a picture button is a push button with a press action, an option box a check box with its
// state and a toggle action, a picture a graphic, the level bar a progress bar with its value.
// Each is named by its accessible name, or else by its hint. Installing again changes nothing.
void InstallSkinAccessibility();

} // namespace numbrook
