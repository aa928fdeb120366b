#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: The Numbrook developers
# Runs a command inside a private test environment and tears it down afterwards, whatever the
# command's outcome:
#   - an Xvfb display (1920 x 1080) with the icewm window manager, which has a notification area;
#   - a private sound server with virtual test devices: PulseAudio, or PipeWire with its
#     PulseAudio service and WirePlumber (scripts/test-server.sh starts it and lists the devices).
# The command sees DISPLAY, PULSE_SERVER, XDG_RUNTIME_DIR and NUMBROOK_TEST_* set, among them
# NUMBROOK_TEST_SERVER (pulseaudio or pipewire: which server runs) and NUMBROOK_TEST_SERVER_CTL
# (scripts/test-server.sh, with which a test stops, restarts or pauses the server); its exit code
# is this script's exit code.
#   scripts/test-env.sh [--server pulseaudio|pipewire] ctest --test-dir build/debug
#   scripts/test-env.sh --keep   (starts everything and prints the variables; Ctrl-C stops)
# The server is PulseAudio unless --server or NUMBROOK_TEST_SERVER says otherwise.
set -uo pipefail

here=$(cd "$(dirname "$0")" && pwd)
keep=0
server="${NUMBROOK_TEST_SERVER:-pulseaudio}"
while [ $# -gt 0 ]; do
    case "$1" in
        --keep) keep=1 && shift ;;
        --server) server=$2 && shift 2 ;;
        --server=*) server=${1#--server=} && shift ;;
        *) break ;;
    esac
done
case "$server" in
    pulseaudio | pipewire) ;;
    *) echo "test-env: --server must be pulseaudio or pipewire, not '$server'" >&2 && exit 2 ;;
esac

work=$(mktemp -d /tmp/numbrook-env.XXXXXX)
chmod 700 "$work"
pids=()

cleanup() {
    local pid
    [ -f "$work/server.kind" ] && "$here/test-server.sh" stop
    for pid in "${pids[@]}"; do
        kill "$pid" 2>/dev/null
    done
    for pid in "${pids[@]}"; do
        for _ in $(seq 50); do
            kill -0 "$pid" 2>/dev/null || break
            sleep 0.1
        done
        kill -9 "$pid" 2>/dev/null
    done
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT TERM HUP

# --- X server and window manager ---------------------------------------------------------------
exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 1920x1080x24 -nolisten tcp -ac >"$work/xvfb.log" 2>&1 &
pids+=($!)
for _ in $(seq 100); do
    [ -s "$work/display" ] && break
    sleep 0.1
done
exec 3>&-
if [ ! -s "$work/display" ]; then
    echo "test-env: Xvfb did not start" >&2
    cat "$work/xvfb.log" >&2
    exit 1
fi
export DISPLAY=":$(head -n1 "$work/display")"

mkdir -p "$work/home/.icewm"
# Keep icewm quiet and predictable: no start menu clock updates or themes from the user.
cat >"$work/home/.icewm/preferences" <<'ICE'
TaskBarShowClock=0
TaskBarShowAPMStatus=0
TaskBarShowMailboxStatus=0
TaskBarShowCPUStatus=0
TaskBarShowNetStatus=0
ShowPopupsAbovePointer=0
ICE
HOME="$work/home" ICEWM_PRIVCFG="$work/home/.icewm" icewm >"$work/icewm.log" 2>&1 &
pids+=($!)

# --- Sound server -------------------------------------------------------------------------------
export NUMBROOK_TEST_ENV="$work"
export NUMBROOK_TEST_SERVER="$server"
export NUMBROOK_TEST_SERVER_CTL="$here/test-server.sh"
export XDG_RUNTIME_DIR="$work/runtime"
export PULSE_SERVER="unix:$XDG_RUNTIME_DIR/pulse/native"
export NUMBROOK_TEST_PIPE="$work/mic.pipe"
unset PULSE_COOKIE PULSE_SINK PULSE_SOURCE
echo "$server" >"$work/server.kind"
"$NUMBROOK_TEST_SERVER_CTL" start || exit 1

if [ $keep -eq 1 ]; then
    echo "export DISPLAY=$DISPLAY PULSE_SERVER=$PULSE_SERVER XDG_RUNTIME_DIR=$XDG_RUNTIME_DIR" \
        "NUMBROOK_TEST_PIPE=$NUMBROOK_TEST_PIPE NUMBROOK_TEST_ENV=$work" \
        "NUMBROOK_TEST_SERVER=$server NUMBROOK_TEST_SERVER_CTL=$NUMBROOK_TEST_SERVER_CTL"
    while true; do sleep 3600; done
fi

"$@"
