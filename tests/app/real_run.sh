#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: The Numbrook developers
# A real run of the program on the test environment's X server: the splash, a click on the
# start button with real mouse events, the question display on screen, Esc from the keyboard,
# the results window, and SIGTERM ending the program with every setting written.
set -euo pipefail
source "$(dirname "$0")/program_copy.sh" "$1" Speed_Math=1 Show_Points=1 Znak_2_Math=1

pixel() { # the colour of one screen pixel as rrggbb
    import -window root -crop "1x1+$1+$2" -depth 8 txt:- | sed -n 2p | grep -o '#[0-9A-F]\{6\}'
}

# A runtime folder of its own: the one running copy is per runtime folder.
XDG_RUNTIME_DIR=$home XDG_CONFIG_HOME=$home XDG_DATA_HOME=$home "$binary" &
pid=$!
sleep 5 # the splash shows for about three seconds
# The main window is centred at the top: its blue background at (700, 360), below the children's
# button.
[ "$(pixel 700 360)" = "#366AB3" ] || fail "main window not shown: $(pixel 700 360)"

click_start
sleep 2.5
# The 800 x 600 display at the top-left: black board inside the wooden frame.
[ "$(pixel 400 300)" = "#000000" ] || fail "display not shown: $(pixel 400 300)"

xdotool key Escape
sleep 1
[ "$(pixel 700 360)" = "#366AB3" ] || fail "Esc did not bring the main window back"

# The results button opens the results window, whose library the program loads only now.
xdotool mousemove $((557 + 678 + 11)) $((10 + 5 + 11)) click 1
timeout 10 xdotool search --sync --onlyvisible --name '^Numbrook: results$' >/dev/null ||
    fail "the results window did not open"

kill -TERM "$pid"
wait "$pid" || fail "exit code $?"
for name in Diff_Math Speed_Math Screen_Res Show_Points Show_Otvet_Mode Znak_1_Math Znak_10_Math \
    HintShow MinFormShow AutoRun Show_SPDIF Cnt_HotKey Languare; do
    grep -q "^$name=" "$home/Pelorin Quillmark/Lantern.conf" || fail "$name not written"
done
grep -q '^Znak_2_Math=1' "$home/Pelorin Quillmark/Lantern.conf" || fail "Znak_2_Math lost"
echo "1 passed, 0 failed"
