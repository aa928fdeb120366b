#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: The Numbrook developers
# Where the program's start-up goes, in instructions (repeatable, unlike times): runs the
# program under callgrind until its main window's first paint (the splash left out), dumps the
# profile there, and prints the inclusive cost of the start-up steps beside the whole, with the
# minimal Qt Widgets window's whole, without and with one line of text, for scale. Also prints
# the resident memory by kind of mapping once the window is up. Run it inside the test environment, on a release build:
#   scripts/test-env.sh bench/startup_profile.sh build/release/bin/numbrook \
#       build/release/bench/minimal_window
# With KEEP_PROFILE=<folder> the program's callgrind files are kept there for callgrind_annotate.
set -euo pipefail
export LC_ALL=C

program=$1
minimal=$2
[ -n "${DISPLAY:-}" ] || { echo "startup_profile: no DISPLAY; run inside scripts/test-env.sh" >&2; exit 1; }
command -v valgrind >/dev/null || { echo "startup_profile: needs valgrind" >&2; exit 1; }

work=$(mktemp -d)
trap '[ -n "${KEEP_PROFILE:-}" ] && cp "$work"/program.* "$KEEP_PROFILE"/ ; rm -rf "$work"' EXIT
export XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data"

# Starts `command` under callgrind, waits for its first-paint line, dumps, ends it. Prints the
# profile's file name.
profile() {
    local name=$1 window=$2
    shift 2
    valgrind --tool=callgrind --callgrind-out-file="$work/$name.%p" "$@" >"$work/$name.out" \
        2>"$work/$name.log" &
    local pid=$!
    for _ in $(seq 1200); do
        grep -q "^first-paint $window " "$work/$name.out" && break
        sleep 0.1
    done
    grep -q "^first-paint $window " "$work/$name.out" ||
        { echo "startup_profile: no first paint from $name" >&2; kill "$pid"; exit 1; }
    callgrind_control --dump="first-paint" "$pid" >/dev/null
    kill -TERM "$pid"
    wait "$pid" 2>/dev/null || true
    # The dump taken at the first paint is the one with a part number.
    ls "$work/$name".*.1 2>/dev/null | head -n1 || ls "$work/$name".* | grep -v '\.out$\|\.log$' | head -n1
}

# Resident memory of a running program by mapping kind, in kB.
memory() {
    local pid=$1
    awk '
        /^[0-9a-f]+-[0-9a-f]+ / { name = $6; kind = (name ~ /\.so/) ? "libraries" : (name == "[heap]") ? "heap" : (name == "") ? "anonymous" : (name ~ /^\[/) ? "other" : "files" }
        /^Rss:/ { rss[kind] += $2; total += $2 }
        END { for (k in rss) printf "  %-10s %7d kB\n", k, rss[k]; printf "  %-10s %7d kB\n", "total", total }
    ' "/proc/$pid/smaps"
}

minimalProfile=$(profile minimal window "$minimal")
textProfile=$(profile text window "$minimal" --text)
programProfile=$(NUMBROOK_REPORT_FIRST_PAINT=1 NUMBROOK_NO_SPLASH=1 profile program fmMain "$program")

total() { callgrind_annotate "$1" 2>/dev/null | awk '/PROGRAM TOTALS/ { gsub(",", "", $1); print $1 }'; }
echo "instructions to first paint: minimal window $(total "$minimalProfile"), with one line of" \
    "text $(total "$textProfile"), numbrook $(total "$programProfile")"
echo "inclusive instructions of the start-up steps (numbrook):"
callgrind_annotate --inclusive=yes --threshold=100 "$programProfile" 2>/dev/null |
    grep -E 'numbrook::|QFontDatabase|QApplication::QApplication|QSystemTrayIcon|pa_context_connect|QWidget::setMask|QPixmap::fromImage|QPainter::drawText|QPainter::end|FcFontList|FcConfig|XkbCommon|xkb_keymap_new' |
    grep -v '~' | grep '\]$' | head -n 40 || true

echo "resident memory once shown (kB):"
for which in minimal program; do
    out="$work/mem.$which"
    if [ $which = minimal ]; then
        "$minimal" >"$out" &
    else
        NUMBROOK_REPORT_FIRST_PAINT=1 NUMBROOK_NO_SPLASH=1 "$program" >"$out" &
    fi
    pid=$!
    for _ in $(seq 200); do grep -q '^first-paint' "$out" && break; sleep 0.05; done
    sleep 0.5
    echo " $which:"
    memory "$pid"
    kill -TERM "$pid"
    wait "$pid" 2>/dev/null || true
done
