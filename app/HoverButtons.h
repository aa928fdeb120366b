// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

#pragma once

class QPoint;
class QWidget;

namespace numbrook {

struct MainControls;

// The buttons of `window` the work timer highlights while `cursor` (in desktop coordinates) is
// over them: the language arrows, the caption bar's buttons, object 1's microphone arrows and
// Start. None is highlighted while the window is hidden.
void ShowHoveredButtons(const MainControls &controls, const QWidget &window, const QPoint &cursor);

} // namespace numbrook
