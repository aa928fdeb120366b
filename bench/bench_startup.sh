#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: The Numbrook developers
# Start-up cost of the program beside the smallest Qt Widgets program that shows one empty
# window, measured in the same run on the same X server: the time from starting the process to
# the first paint of its main window, and its resident memory (VmRSS) once that window is shown.
# Run it inside the test environment, on a release build:
#   scripts/test-env.sh bench/bench_startup.sh build/release/bin/numbrook \
#       build/release/bench/minimal_window [runs]
# The program is measured twice: with the splash left out (NUMBROOK_NO_SPLASH), which is its own
# start-up cost, and as a user starts it, where the splash is the first window painted and the
# main window follows when the splash closes about three seconds later. For scale, the minimal
# window is measured once more with one line of text: what any window with text pays on top.
set -euo pipefail
export LC_ALL=C # a full stop in $EPOCHREALTIME

program=$1
minimal=$2
runs=${3:-7}
[ -n "${DISPLAY:-}" ] || { echo "bench_startup: no DISPLAY; run inside scripts/test-env.sh" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# A fresh profile for the program on every run: no settings, no autostart entry, no results.
export XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data"
# A runtime folder of its own, so that a copy of the program running elsewhere is not asked.
export XDG_RUNTIME_DIR="$work"

# One run: starts the command, waits for the first-paint line of `window`, reads VmRSS once the
# window has settled, ends the process. Prints "<milliseconds to first paint> <RSS kB>" and, for
# the program with its splash, the splash's first paint in milliseconds as a third figure.
measure() {
    local window=$1 splash=$2
    shift 2
    local out="$work/out" start pid paint splashPaint="" rss
    rm -rf "$XDG_CONFIG_HOME" "$XDG_DATA_HOME"
    : >"$out"
    # The start time is taken in the shell that then becomes the program, so nothing but exec
    # and the program's own start lies between the two clock readings.
    (
        echo "$EPOCHREALTIME" >"$work/start"
        exec "$@" >"$out" 2>/dev/null
    ) &
    pid=$!
    for _ in $(seq 300); do
        grep -q "^first-paint $window " "$out" && break
        sleep 0.05
    done
    paint=$(sed -n "s/^first-paint $window //p" "$out")
    if [ -z "$paint" ]; then
        kill "$pid" 2>/dev/null
        echo "bench_startup: no first paint of $window from $1" >&2
        exit 1
    fi
    sleep 0.5
    rss=$(awk '/^VmRSS:/ {print $2}' "/proc/$pid/status")
    [ -n "$splash" ] && splashPaint=$(sed -n "s/^first-paint $splash //p" "$out")
    kill -TERM "$pid"
    wait "$pid" 2>/dev/null || true
    start=$(tr -d . <"$work/start")
    if [ -n "$splashPaint" ]; then
        echo $(((paint - start) / 1000)) "$rss" $(((splashPaint - start) / 1000))
    else
        echo $(((paint - start) / 1000)) "$rss"
    fi
}

median() { sort -n | awk '{v[NR] = $1} END {print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2}'; }

: >"$work/minimal"
: >"$work/text"
: >"$work/program"
: >"$work/splash"
# Interleaved, so that a slow moment of the machine hits both alike.
for i in $(seq "$runs"); do
    measure window "" "$minimal" >>"$work/minimal"
    measure window "" "$minimal" --text >>"$work/text"
    NUMBROOK_REPORT_FIRST_PAINT=1 NUMBROOK_NO_SPLASH=1 measure fmMain "" "$program" >>"$work/program"
    NUMBROOK_REPORT_FIRST_PAINT=1 measure fmMain fmLogo "$program" >>"$work/splash"
    echo "run $i: minimal $(tail -n1 "$work/minimal"); with text $(tail -n1 "$work/text");" \
        "program $(tail -n1 "$work/program"); with splash $(tail -n1 "$work/splash")" >&2
done

minimalPaint=$(cut -d' ' -f1 "$work/minimal" | median)
minimalRss=$(cut -d' ' -f2 "$work/minimal" | median)
textPaint=$(cut -d' ' -f1 "$work/text" | median)
textRss=$(cut -d' ' -f2 "$work/text" | median)
programPaint=$(cut -d' ' -f1 "$work/program" | median)
programRss=$(cut -d' ' -f2 "$work/program" | median)
splashMain=$(cut -d' ' -f1 "$work/splash" | median)
splashRss=$(cut -d' ' -f2 "$work/splash" | median)
splashFirst=$(cut -d' ' -f3 "$work/splash" | median)

echo "medians of $runs runs (start to first paint in ms, VmRSS in kB once shown):"
printf '%-34s %10s %10s\n' "" "paint ms" "RSS kB"
printf '%-34s %10s %10s\n' "minimal Qt Widgets window" "$minimalPaint" "$minimalRss"
printf '%-34s %10s %10s\n' "minimal window, one line of text" "$textPaint" "$textRss"
printf '%-34s %10s %10s\n' "numbrook main window, no splash" "$programPaint" "$programRss"
printf '%-34s %10s %10s\n' "numbrook splash (first window)" "$splashFirst" "-"
printf '%-34s %10s %10s\n' "numbrook main window after splash" "$splashMain" "$splashRss"
awk -v a="$programPaint" -v b="$minimalPaint" -v c="$programRss" -v d="$minimalRss" \
    -v e="$splashFirst" 'BEGIN {
        printf "ratio numbrook / minimal: first paint %.2f, RSS %.2f, splash first paint %.2f\n",
            a / b, c / d, e / b }'
awk -v a="$programPaint" -v t="$textPaint" -v b="$minimalPaint" 'BEGIN {
        printf "one line of text / minimal: first paint %.2f; numbrook / one line of text: %.2f\n",
            t / b, a / t }'
