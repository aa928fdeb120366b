#!/usr/bin/env bash
# Runs a command inside a private test environment and tears it down afterwards, whatever the
# command's outcome:
#   - an Xvfb display (1920 x 1080) with the icewm window manager, which has a notification area;
#   - a private PulseAudio server with virtual devices:
#       sinks    nb_speakers  "Test Speakers"           stereo
#                nb_spdif     "Digital spdif Output"     stereo (filtered from the output list)
#                nb_padded    "  Padded Sink  "          stereo (blanks at both ends)
#                nb_mono      "Mono Speaker"             one channel
#                nb_micfeed   "Microphone Feed"          mono; what is played into it is heard
#                                                        by the microphone below
#       sources  nb_mic       "Test Microphone"          remapped from nb_micfeed's monitor
#                nb_pipe_mic  "Pipe Microphone"          fed from the pipe $NUMBROOK_TEST_PIPE
# The command sees DISPLAY, PULSE_SERVER, XDG_RUNTIME_DIR and NUMBROOK_TEST_* set; its exit
# code is this script's exit code.
#   scripts/test-env.sh ctest --test-dir build/debug
#   scripts/test-env.sh --keep   (starts everything and prints the variables; Ctrl-C stops)
set -uo pipefail

keep=0
if [ "${1:-}" = --keep ]; then
    keep=1
    shift
fi

work=$(mktemp -d /tmp/numbrook-env.XXXXXX)
chmod 700 "$work"
pids=()

cleanup() {
    local pid
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

# --- PulseAudio ------------------------------------------------------------------------------------
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -p "$XDG_RUNTIME_DIR/pulse" "$work/pulse-state"
chmod 700 "$XDG_RUNTIME_DIR"
export NUMBROOK_TEST_PIPE="$work/mic.pipe"
cat >"$work/default.pa" <<PA
.fail
load-module module-native-protocol-unix socket=$XDG_RUNTIME_DIR/pulse/native auth-anonymous=1
load-module module-null-sink sink_name=nb_speakers sink_properties=device.description="Test\ Speakers"
load-module module-null-sink sink_name=nb_spdif sink_properties=device.description="Digital\ spdif\ Output"
load-module module-null-sink sink_name=nb_padded sink_properties=device.description="\ \ Padded\ Sink\ \ "
load-module module-null-sink sink_name=nb_mono channels=1 channel_map=mono sink_properties=device.description="Mono\ Speaker"
load-module module-null-sink sink_name=nb_micfeed channels=1 channel_map=mono rate=22050 sink_properties=device.description="Microphone\ Feed"
load-module module-remap-source source_name=nb_mic master=nb_micfeed.monitor channels=1 channel_map=mono source_properties=device.description="Test\ Microphone"
load-module module-pipe-source source_name=nb_pipe_mic file=$NUMBROOK_TEST_PIPE format=u8 rate=22050 channels=1 source_properties=device.description="Pipe\ Microphone"
set-default-sink nb_speakers
set-default-source nb_mic
PA
export PULSE_SERVER="unix:$XDG_RUNTIME_DIR/pulse/native"
export PULSE_STATE_PATH="$work/pulse-state"
export PULSE_RUNTIME_PATH="$XDG_RUNTIME_DIR/pulse"
pulseaudio -n -F "$work/default.pa" --daemonize=no --exit-idle-time=-1 --use-pid-file=no \
    --disallow-exit=no --log-target=stderr --log-level=warning >"$work/pulse.log" 2>&1 &
pids+=($!)
for _ in $(seq 100); do
    pactl info >/dev/null 2>&1 && break
    sleep 0.1
done
if ! pactl info >/dev/null 2>&1; then
    echo "test-env: PulseAudio did not start" >&2
    cat "$work/pulse.log" >&2
    exit 1
fi
export NUMBROOK_TEST_ENV="$work"

if [ $keep -eq 1 ]; then
    echo "export DISPLAY=$DISPLAY PULSE_SERVER=$PULSE_SERVER XDG_RUNTIME_DIR=$XDG_RUNTIME_DIR NUMBROOK_TEST_PIPE=$NUMBROOK_TEST_PIPE NUMBROOK_TEST_ENV=$work"
    while true; do sleep 3600; done
fi

"$@"
