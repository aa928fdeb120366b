// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

#pragma once

class QWindow;

namespace numbrook {

// Asks the window manager to leave `window` out of the taskbar and the pager
// (_NET_WM_STATE_SKIP_TASKBAR and _NET_WM_STATE_SKIP_PAGER), for the program's secondary windows
// that are not a place of their own to come back to. The window manager drops the state when
// a window is hidden, so it is asked again before every showing. Nothing where Qt does not
// run on X11.
void SkipTaskbarAndPager(QWindow &window);

} // namespace numbrook
