#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: The Numbrook developers
# A real run ended by SIGTERM while the splash is still up, before the main window was ever
# shown: the program must end at once, as the close button would, with every setting written.
set -euo pipefail
binary=$1
config=$(mktemp -d)
trap 'rm -rf "$config"' EXIT
mkdir -p "$config/Pelorin Quillmark"
printf '[General]\nZnak_2_Math=1\nLanguare=1\n' >"$config/Pelorin Quillmark/Lantern.conf"

pixel() { # the colour of one screen pixel as rrggbb
    import -window root -crop "1x1+$1+$2" -depth 8 txt:- | sed -n 2p | grep -o '#[0-9A-F]\{6\}'
}
fail() { echo "FAIL: $*"; kill -KILL "$pid" 2>/dev/null; exit 1; }

# A runtime folder of its own: the one running copy is per runtime folder.
XDG_RUNTIME_DIR=$config XDG_CONFIG_HOME=$config XDG_DATA_HOME=$config "$binary" &
pid=$!
# The splash: 400 x 300 at top 200, centred on the 1920-pixel desktop; its logo is not black.
for _ in $(seq 50); do
    [ "$(pixel 960 350)" != "#000000" ] && break
    sleep 0.1
done
[ "$(pixel 960 350)" != "#000000" ] || fail "splash not shown"

kill -TERM "$pid"
# The splash alone would stay up for about three seconds; the end must not wait for it, nor
# leave the program running once it closes.
for _ in $(seq 20); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
done
kill -0 "$pid" 2>/dev/null && fail "still running two seconds after SIGTERM"
wait "$pid" || fail "exit code $?"
for name in Diff_Math Speed_Math Znak_10_Math HintShow MinFormShow AutoRun Show_SPDIF \
    Cnt_HotKey; do
    grep -q "^$name=" "$config/Pelorin Quillmark/Lantern.conf" || fail "$name not written"
done
grep -q '^Znak_2_Math=1' "$config/Pelorin Quillmark/Lantern.conf" || fail "Znak_2_Math lost"
grep -q '^Languare=1' "$config/Pelorin Quillmark/Lantern.conf" || fail "Languare lost"
echo "1 passed, 0 failed"
