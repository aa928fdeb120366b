#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: The Numbrook developers
# The real program's settings window as a screen reader reads it over AT-SPI (run inside
# accessibility_bus.sh): no object reported as showing lies outside the window, every arrow
# named "Previous ..." lies left of its "Next ..." on the same row, every control one can work
# has a name, shown or not, and in English no name is Russian.
#   accessibility_walk.sh BINARY
set -euo pipefail
source "$(dirname "$0")/program_copy.sh" "$1" Languare=0
XDG_RUNTIME_DIR=$home XDG_CONFIG_HOME=$home XDG_DATA_HOME=$home/data NUMBROOK_NO_SPLASH=1 \
    "$binary" >"$home/log" 2>&1 &
pid=$!
# Debian's own interpreter, which has the AT-SPI bindings (python3-pyatspi).
/usr/bin/python3 - <<'PY' || fail "AT-SPI walk"
import sys, time
import pyatspi

def find_window():
    for _ in range(100):
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.name == "Numbrook":
                for window in app:
                    if window is not None and window.name == "Numbrook":
                        return window
        time.sleep(0.1)
    sys.exit("no Numbrook window on the accessibility bus")

window = find_window()
time.sleep(1)
area = window.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
showing, outside, russian, unnamed = [], [], [], []
controls = {pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_CHECK_BOX, pyatspi.ROLE_SLIDER,
            pyatspi.ROLE_PROGRESS_BAR, pyatspi.ROLE_TEXT, pyatspi.ROLE_PAGE_TAB}

def walk(node):
    for child in node:
        if child is None:
            continue
        box = child.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        if any("\u0400" <= c <= "\u04ff" for c in child.name):
            russian.append(child.name)
        if child.getRole() in controls and not child.name.strip():
            unnamed.append("%s at %d, %d" % (child.getRoleName(), box.x, box.y))
        if child.getState().contains(pyatspi.STATE_SHOWING):
            showing.append((child.name, box))
            if (box.x >= area.x + area.width or box.y >= area.y + area.height or
                    box.x + box.width <= area.x or box.y + box.height <= area.y):
                outside.append("%s (%s) at %d, %d" % (child.name, child.getRoleName(), box.x, box.y))
        walk(child)

walk(window)
print("%d objects showing, %d of them outside the window" % (len(showing), len(outside)))
failed = False
if outside:
    print("showing outside the window: " + "; ".join(outside))
    failed = True
if russian:
    print("Russian names in the English window: " + "; ".join(russian))
    failed = True
if unnamed:
    print("controls without a name: " + "; ".join(unnamed))
    failed = True
named = {name: box for name, box in showing}
for what in ("speed", "microphone", "answer key", "language"):
    previous, following = named.get("Previous " + what), named.get("Next " + what)
    if previous is None or following is None:
        print("no showing arrows for the %s" % what)
        failed = True
    elif previous.x + previous.width > following.x or previous.y != following.y:
        print("the %s arrows are named against the way they point" % what)
        failed = True
sys.exit(1 if failed else 0)
PY
kill -TERM "$pid"
wait "$pid" || fail "exit code $?"
echo "1 passed, 0 failed"
