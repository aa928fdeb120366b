#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: The Numbrook developers
# What the program takes from the desktop, side by side in one run on the test environment:
#   - processor use over 60 s hidden in the notification area with no quiz, and the wake-ups of
#     its threads (voluntary context switches) over the same time;
#   - processor use over 60 s with the settings window shown, against parec recording the same
#     source over the same 60 s;
#   - the time from an answer key press (XTest) to the hotkey box being ticked during a quiz,
#     median and p99 over 200 presses.
#   scripts/test-env.sh bench/bench_desktop.sh build/debug/bin/numbrook [seconds]
set -euo pipefail
binary=$1
seconds=${2:-60}
here=$(cd "$(dirname "$0")" && pwd)
[ -n "${DISPLAY:-}" ] || { echo "bench_desktop: no DISPLAY; run inside scripts/test-env.sh" >&2; exit 1; }

work=$(mktemp -d)
pid=
recorder=
trap '[ -n "$recorder" ] && kill "$recorder" 2>/dev/null; [ -n "$pid" ] && kill "$pid" 2>/dev/null; wait 2>/dev/null; rm -rf "$work"; true' EXIT
# A profile and a runtime folder of its own, so that no other copy is asked to come forward.
export XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" XDG_RUNTIME_DIR="$work"
export NUMBROOK_NO_SPLASH=1 NUMBROOK_REPORT_ANSWER=1
mkdir -p "$XDG_CONFIG_HOME/Pelorin Quillmark"
# The slowest question clock: fewer questions between the presses.
printf '[General]\nSpeed_Math=10\n' >"$XDG_CONFIG_HOME/Pelorin Quillmark/Lantern.conf"

cpuTime() { # run time of every thread of a process, in nanoseconds (exact, unlike clock ticks)
    cat /proc/"$1"/task/*/schedstat 2>/dev/null | awk '{n += $1} END {printf "%.0f\n", n}'
}
wakeUps() { # voluntary context switches of every thread of a process
    cat /proc/"$1"/task/*/status 2>/dev/null | awk '/^voluntary_ctxt_switches/ {n += $2} END {print n}'
}
percent() { # percent <nanoseconds> : of one core over the measured time
    awk -v t="$1" -v s="$seconds" 'BEGIN {printf "%.3f", 100 * t / 1e9 / s}'
}

"$binary" >"$work/out" 2>"$work/err" &
pid=$!
window=
for _ in $(seq 100); do
    window=$(xdotool search --onlyvisible --pid "$pid" --name '^Numbrook$' 2>/dev/null | head -n 1) && [ -n "$window" ] && break
    sleep 0.1
done
[ -n "$window" ] || { echo "bench_desktop: the settings window did not appear" >&2; exit 1; }
eval "$(xdotool getwindowgeometry --shell "$window")"
sleep 2

# --- Settings window shown, beside parec on the same source -----------------------------------
source=
for _ in $(seq 50); do
    source=$(pactl list source-outputs | awk -v p="application.process.id = \"$pid\"" '
        /^Source Output #/ {s = ""} /^\tSource: / {s = $2} index($0, p) {print s; exit}')
    [ -n "$source" ] && break
    sleep 0.1
done
[ -n "$source" ] || { echo "bench_desktop: the program records nothing while shown" >&2; exit 1; }
sourceName=$(pactl list short sources | awk -v s="$source" '$1 == s {print $2}')
parec -d "$sourceName" >/dev/null &
recorder=$!
sleep 1
before=$(cpuTime "$pid")
recorderBefore=$(cpuTime "$recorder")
sleep "$seconds"
shown=$(($(cpuTime "$pid") - before))
recorded=$(($(cpuTime "$recorder") - recorderBefore))
kill "$recorder"
wait "$recorder" 2>/dev/null || true
recorder=

# --- Hidden in the notification area, no quiz --------------------------------------------------
xdotool mousemove $((X + 750 + 11)) $((Y + 5 + 11)) click 1
sleep 2
streams=$(pactl list source-outputs | grep -c "application.process.id = \"$pid\"" || true)
before=$(cpuTime "$pid")
wakeBefore=$(wakeUps "$pid")
sleep "$seconds"
hidden=$(($(cpuTime "$pid") - before))
wakes=$(($(wakeUps "$pid") - wakeBefore))

# --- Answer key to the ticked box, during a quiz ------------------------------------------------
xdotool mousemove 0 0
# A second start brings the settings window back.
"$binary" || true
sleep 1
eval "$(xdotool getwindowgeometry --shell "$window")"
xdotool mousemove $((X + 32 + 80)) $((Y + 510 + 25)) click 1
sleep 1.5
latency=$(python3 "$here/answer_presses.py" "$work/out" 200)
xdotool key Escape

echo
printf '%-44s %12s %12s %8s\n' "" "Numbrook" "parec" "ratio"
printf '%-44s %11s%% %11s%% %8s\n' "settings window shown, ${seconds} s (of a core)" \
    "$(percent "$shown")" "$(percent "$recorded")" \
    "$(awk -v a="$shown" -v b="$recorded" 'BEGIN {if (b > 0) printf "%.1fx", a / b; else print "-"}')"
printf '%-44s %11s%%   (target <= 0.05 %%)\n' "hidden in the tray, no quiz, ${seconds} s" "$(percent "$hidden")"
printf '%-44s %12s\n' "  wake-ups of its threads while hidden" "$wakes"
printf '%-44s %12s\n' "  record streams while hidden" "$streams"
printf '%-44s %s   (target p99 <= 5 ms)\n' "answer key to cbHotKey1 ticked" "$latency"
