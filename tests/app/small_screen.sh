#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: The Numbrook developers
# Runs a command on an X server of its own with a small screen (WIDTHxHEIGHT) and icewm, as a
# parent's old or scaled monitor would be: small_screen.sh 1280x1024 COMMAND...
set -uo pipefail
size=$1
shift
work=$(mktemp -d)
exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp -ac >"$work/xvfb.log" 2>&1 &
xvfb=$!
for _ in $(seq 100); do
    [ -s "$work/display" ] && break
    sleep 0.1
done
exec 3>&-
export DISPLAY=":$(head -n1 "$work/display")"
mkdir -p "$work/icewm"
printf 'TaskBarShowClock=0\n' >"$work/icewm/preferences"
HOME=$work ICEWM_PRIVCFG="$work/icewm" icewm >"$work/icewm.log" 2>&1 &
wm=$!
sleep 1
"$@"
status=$?
kill "$wm" "$xvfb" 2>/dev/null
wait "$wm" "$xvfb" 2>/dev/null
rm -rf "$work"
exit $status
