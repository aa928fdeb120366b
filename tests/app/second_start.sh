#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: The Numbrook developers
# A second start of the program on the test environment's X server: it hands over to the running
# copy and ends with status 0, and the running copy's settings window is on screen, also when it
# sat hidden in the notification area.
set -euo pipefail
binary=$1
config=$(mktemp -d)
trap '[ -n "${pid:-}" ] && kill -KILL "$pid" 2>/dev/null; rm -rf "$config"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

# The one running copy is per runtime folder: this test has its own.
export XDG_RUNTIME_DIR=$config XDG_CONFIG_HOME=$config XDG_DATA_HOME=$config NUMBROOK_NO_SPLASH=1

window=
mapped() { # true while the first copy's settings window is on screen
    if [ -z "$window" ]; then
        window=$(xdotool search --onlyvisible --pid "$pid" --name '^Numbrook$' 2>/dev/null | head -n 1)
        [ -n "$window" ] || return 1
    fi
    xwininfo -id "$window" 2>/dev/null | grep -q 'Map State: IsViewable'
}
waitFor() { # waitFor <what> <command...>: up to 10 s
    local what=$1
    shift
    for _ in $(seq 100); do
        "$@" && return 0
        sleep 0.1
    done
    fail "$what"
}
notMapped() { ! mapped; }
secondStart() {
    local status=0
    timeout 20 "$binary" || status=$?
    [ "$status" = 0 ] || fail "second start ended with $status"
    # The first copy goes on.
    kill -0 "$pid" || fail "the first copy ended"
}

"$binary" &
pid=$!
waitFor "settings window not shown" mapped

# Shown: the second start ends and the window stays.
secondStart
waitFor "settings window gone after a second start" mapped

# Hidden in the notification area: the minimise button, top right of the centred window.
geometry=$(xdotool getwindowgeometry --shell "$window")
eval "$geometry"
xdotool mousemove $((X + 750 + 11)) $((Y + 5 + 11)) click 1
waitFor "settings window not hidden to the tray" notMapped

secondStart
waitFor "settings window not brought back from the tray" mapped

kill -TERM "$pid"
wait "$pid" || fail "first copy ended with $?"
pid=
echo "1 passed, 0 failed"
