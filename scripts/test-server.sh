#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: The Numbrook developers
# Starts, stops, restarts, pauses and resumes the private sound server of a test environment
# made by scripts/test-env.sh, which exports NUMBROOK_TEST_ENV (its folder) and
# NUMBROOK_TEST_SERVER_CTL (the path of this script). Tests use it to take the server away and
# bring it back:
#   test-server.sh start         start the server (if it is not running) with the virtual
#                                devices loaded; returns once clients can use them
#   test-server.sh stop          end it (SIGTERM, SIGKILL after 5 s)
#   test-server.sh kill          end it at once (SIGKILL), as a crash would
#   test-server.sh restart [--kill]   stop (or kill) and start again
#   test-server.sh pause         SIGSTOP: the server's socket stays, nothing answers
#   test-server.sh resume        SIGCONT
#   test-server.sh status        prints "running", "paused" or "stopped"
#   test-server.sh unload NAME   unloads the test device NAME (as unplugging it would)
#   test-server.sh load NAME     loads it again, as at start
# Which server runs is the environment's choice (NUMBROOK_TEST_SERVER, pulseaudio or pipewire);
# both offer the same devices under the same names and descriptions:
#   sinks    nb_speakers  "Test Speakers"           stereo
#            nb_spdif     "Digital spdif Output"     stereo (filtered from the output list)
#            nb_padded    "  Padded Sink  "          stereo (blanks at both ends)
#            nb_mono      "Mono Speaker"             one channel
#            nb_micfeed   "Microphone Feed"          mono; what is played into it is heard
#                                                    by the microphone below
#   sources  nb_mic       "Test Microphone"          remapped from nb_micfeed's monitor
#            nb_pipe_mic  "Pipe Microphone"          fed from the pipe $NUMBROOK_TEST_PIPE
# The server's output goes to log/<process>.log in the environment's folder and is printed when
# the server does not come up. A test that uses this takes the server from every test running
# beside it, so it must run alone (ctest RUN_SERIAL). After a start the pipe microphone is a new
# fifo: a writer opens $NUMBROOK_TEST_PIPE again (and must not die of SIGPIPE on the old one).
set -uo pipefail

work="${NUMBROOK_TEST_ENV:?test-server: NUMBROOK_TEST_ENV is not set (run inside scripts/test-env.sh)}"
kind=$(cat "$work/server.kind")
runtime="$work/runtime"
pipe="$work/mic.pipe"
pidfile="$work/server.pids" # "role pid" per line, in start order
export XDG_RUNTIME_DIR="$runtime"
export PULSE_SERVER="unix:$runtime/pulse/native"
# Nothing of a desktop session may lead the private servers or pactl to the desktop's own.
unset PULSE_COOKIE PULSE_CONFIG_PATH PULSE_CLIENTCONFIG PIPEWIRE_RUNTIME_DIR PIPEWIRE_REMOTE \
    PIPEWIRE_CONFIG_DIR PIPEWIRE_CONFIG_NAME PIPEWIRE_CONFIG_PREFIX PIPEWIRE_CORE \
    WIREPLUMBER_CONFIG_DIR WIREPLUMBER_DATA_DIR

# Module arguments in a form both servers parse: a description with blanks is quoted inside a
# quoted property list.
devices=(
    "module-null-sink sink_name=nb_speakers sink_properties='device.description=\"Test Speakers\"'"
    "module-null-sink sink_name=nb_spdif sink_properties='device.description=\"Digital spdif Output\"'"
    "module-null-sink sink_name=nb_padded sink_properties='device.description=\"  Padded Sink  \"'"
    "module-null-sink sink_name=nb_mono channels=1 channel_map=mono sink_properties='device.description=\"Mono Speaker\"'"
    "module-null-sink sink_name=nb_micfeed channels=1 channel_map=mono rate=22050 sink_properties='device.description=\"Microphone Feed\"'"
    "module-remap-source source_name=nb_mic master=nb_micfeed.monitor channels=1 channel_map=mono rate=22050 source_properties='device.description=\"Test Microphone\"'"
    "module-pipe-source source_name=nb_pipe_mic file=$pipe format=u8 rate=22050 channels=1 source_properties='device.description=\"Pipe Microphone\"'"
    # A second test microphone with a feed of its own, for the clap corpus test: it plays for
    # minutes and runs beside the tests that use the first one.
    "module-null-sink sink_name=nb_clapsfeed channels=1 channel_map=mono rate=22050 sink_properties='device.description=\"Claps Feed\"'"
    "module-remap-source source_name=nb_clapsmic master=nb_clapsfeed.monitor channels=1 channel_map=mono rate=22050 source_properties='device.description=\"Claps Microphone\"'"
)

state() { # a process's state letter (R, S, T, ...); nothing when it is gone
    local stat
    read -r stat 2>/dev/null <"/proc/$1/stat" || return 0
    stat=${stat##*) }
    echo "${stat%% *}"
}

alive() { # any recorded server process still there; an ended one that is not reaped yet
    # (the servers outlive this script, so whoever adopted them reaps them) counts as gone
    local role pid
    [ -f "$pidfile" ] || return 1
    while read -r role pid; do
        case "$(state "$pid")" in "" | Z | X) ;; *) return 0 ;; esac
    done <"$pidfile"
    return 1
}

signal_all() { # signal [roles to leave out...]
    local sig=$1 role pid
    shift
    [ -f "$pidfile" ] || return 0
    while read -r role pid; do
        case " $* " in *" $role "*) continue ;; esac
        kill "-$sig" "$pid" 2>/dev/null
    done <"$pidfile"
}

wait_gone() { # seconds: true when every recorded process has ended within that time
    local deadline=$((SECONDS + $1))
    while alive; do
        [ $SECONDS -ge "$deadline" ] && return 1
        sleep 0.02
    done
}

# Polls a command every 20 ms for up to $1 seconds.
wait_for() {
    local deadline=$((SECONDS + $1))
    shift
    until "$@" >/dev/null 2>&1; do
        [ $SECONDS -ge "$deadline" ] && return 1
        sleep 0.02
    done
}

ready() { # the server answers, every test device is there and the defaults are the test ones
    local listed name
    listed=" $(pactl list short sinks 2>/dev/null | cut -f2) $(pactl list short sources \
        2>/dev/null | cut -f2) "
    for name in nb_speakers nb_spdif nb_padded nb_mono nb_micfeed nb_mic nb_pipe_mic nb_clapsfeed \
        nb_clapsmic; do
        [[ "$listed" == *[[:space:]]"${name}"[[:space:]]* ]] || return 1
    done
    [ "$(pactl get-default-source 2>/dev/null)" = nb_mic ] &&
        [ "$(pactl get-default-sink 2>/dev/null)" = nb_speakers ]
}

failed() {
    local log role pid
    echo "test-server: $kind did not start: $*" >&2
    while read -r role pid; do
        case "$(state "$pid")" in "" | Z | X) echo "test-server: $role has ended" >&2 ;; esac
    done <"$pidfile"
    for log in "$work"/log/*.log; do
        echo "--- $log" >&2
        tail -n 40 "$log" >&2
    done
    signal_all KILL
    exit 1
}

spawn() { # role command...: starts a server process with its output in its log
    local role=$1
    shift
    echo "--- start $(date +%T.%N)" >>"$work/log/$role.log"
    "$@" </dev/null >>"$work/log/$role.log" 2>&1 &
    echo "$role $!" >>"$pidfile"
}

# The pipe microphone's fifo is made by the server, a new one at every start (a writer opens it
# again after a restart). A process of ours keeps it open and shrinks it to one page: a source
# that does not read (no one records) then holds back at most 4 KiB (186 ms) of old sound;
# PipeWire would otherwise deliver up to 64 KiB (3 s) of backlog late, for as long as a capture
# runs. The holder never reads.
hold_pipe() {
    # shellcheck disable=SC2016 # Perl code
    spawn pipe perl -e 'open(my $f, "+<", $ARGV[0]) or die "$ARGV[0]: $!\n";
        fcntl($f, 1031, 4096) or die "F_SETPIPE_SZ: $!\n"; sleep' "$pipe"
}

start_pulseaudio() {
    {
        echo ".fail"
        echo "load-module module-native-protocol-unix socket=$runtime/pulse/native auth-anonymous=1"
        printf 'load-module %s\n' "${devices[@]}"
        echo "set-default-sink nb_speakers"
        echo "set-default-source nb_mic"
    } >"$work/default.pa"
    PULSE_STATE_PATH="$work/pulse-state" PULSE_RUNTIME_PATH="$runtime/pulse" \
        spawn pulseaudio pulseaudio -n -F "$work/default.pa" --daemonize=no --exit-idle-time=-1 \
        --use-pid-file=no --disallow-exit=no --log-target=stderr --log-level=warning
}

# PipeWire as a desktop runs it: the core, the session manager (WirePlumber) and the PulseAudio
# service, each its own process, with a D-Bus session bus of their own. The PulseAudio service is
# the pipewire program with a configuration of ours (the one of the pipewire-pulse package
# without the stand-in sink it adds when there is none), so only the pipewire and wireplumber
# packages are needed.
write_pipewire_config() {
    local conf="$work/pipewire-config"
    mkdir -p "$conf/wireplumber/main.lua.d" "$conf/wireplumber/bluetooth.lua.d"
    # A private server touches no real hardware, and like the test PulseAudio it restores
    # nothing from earlier runs.
    cat >"$conf/wireplumber/main.lua.d/51-numbrook-test.lua" <<'LUA'
alsa_monitor.enabled = false
v4l2_monitor.enabled = false
libcamera_monitor.enabled = false
stream_defaults.enabled = false
device_defaults.properties["use-persistent-storage"] = false
LUA
    echo 'bluez_monitor.enabled = false' >"$conf/wireplumber/bluetooth.lua.d/51-numbrook-test.lua"
    cat >"$work/pipewire-pulse.conf" <<'CONF'
context.properties = { }
context.spa-libs = {
    audio.convert.* = audioconvert/libspa-audioconvert
    support.*       = support/libspa-support
}
context.modules = [
    { name = libpipewire-module-rt args = { nice.level = -11 } flags = [ ifexists nofail ] }
    { name = libpipewire-module-protocol-native }
    { name = libpipewire-module-client-node }
    { name = libpipewire-module-adapter }
    { name = libpipewire-module-metadata }
    { name = libpipewire-module-protocol-pulse args = { } }
]
pulse.properties = {
    server.address = [ "unix:native" ]
    vm.overrides = { pulse.min.quantum = 1024/48000 }
}
CONF
    # The service loads the test devices itself as it starts, as PulseAudio loads its default.pa.
    local module
    {
        echo "pulse.cmd = ["
        for module in "${devices[@]}"; do
            printf '    { cmd = "load-module" args = "%s" }\n' "${module//\"/\\\"}"
        done
        echo "]"
    } >>"$work/pipewire-pulse.conf"
}

start_pipewire() {
    [ -f "$work/pipewire-pulse.conf" ] || write_pipewire_config
    local bus="$runtime/bus"
    rm -f "$bus" "$runtime/pipewire-0" "$runtime/pipewire-0.lock"
    spawn dbus dbus-daemon --session --nofork --nopidfile --address="unix:path=$bus"
    wait_for 5 test -S "$bus" || failed "no D-Bus socket"
    export DBUS_SESSION_BUS_ADDRESS="unix:path=$bus"
    export XDG_CONFIG_HOME="$work/pipewire-config" XDG_STATE_HOME="$work/pipewire-state"
    # The core logs each cycle in which a node was late ("client too slow!"): the tests that
    # play into the test microphone read it to tell sound the graph lost from sound misjudged.
    PIPEWIRE_DEBUG="2,pw.node:3" spawn pipewire pipewire
    wait_for 5 test -S "$runtime/pipewire-0" || failed "no PipeWire socket"
    spawn wireplumber wireplumber
    spawn pipewire-pulse pipewire -c "$work/pipewire-pulse.conf"
    wait_for 10 pactl info || failed "the PulseAudio service does not answer"
    # The defaults live in WirePlumber's metadata, which is there once WirePlumber is up.
    if ! wait_for 10 pactl set-default-sink nb_speakers ||
        ! wait_for 10 pactl set-default-source nb_mic; then
        failed "set-default-sink: $(pactl set-default-sink nb_speakers 2>&1)"
    fi
}

start() {
    alive && return 0
    mkdir -p "$runtime/pulse" "$work/log" "$work/pulse-state"
    chmod 700 "$runtime"
    rm -f "$pidfile" "$runtime/pulse/native" "$runtime/pulse/pid" "$pipe"
    case "$kind" in
        pulseaudio) start_pulseaudio ;;
        pipewire) start_pipewire ;;
        *) echo "test-server: unknown server '$kind'" >&2 && exit 2 ;;
    esac
    wait_for 10 ready || failed "the test devices are not there"
    hold_pipe
    wait_for 5 test -d "/proc/$(awk '$1 == "pipe" {print $2}' "$pidfile")/fd" ||
        failed "the pipe holder did not start"
}

stop() { # signal
    signal_all "$1"
    signal_all CONT # a paused server must see the signal
    if ! wait_gone 5; then
        signal_all KILL
        wait_gone 5 || echo "test-server: $kind does not end" >&2
    fi
    rm -f "$pidfile"
}

device_module() { # name: the module line of a test device
    local module
    for module in "${devices[@]}"; do
        case " $module " in *" sink_name=$1 "* | *" source_name=$1 "*) echo "$module" && return 0 ;; esac
    done
    echo "test-server: no test device '$1'" >&2
    return 1
}

unload() {
    local module index
    module=$(device_module "$1") || exit 2
    index=$(pactl list short modules | awk -F'\t' -v args="${module#* }" '$3 == args {print $1}')
    [ -n "$index" ] || { echo "test-server: $1 is not loaded" >&2 && exit 1; }
    pactl unload-module "$index"
}

load() {
    local module
    module=$(device_module "$1") || exit 2
    # The server parses the quotes inside the arguments itself.
    pactl load-module "${module%% *}" "${module#* }" >/dev/null
}

status() {
    local role pid
    alive || { echo stopped && return 0; }
    while read -r role pid; do
        [ "$(state "$pid")" = T ] && echo paused && return 0
    done <"$pidfile"
    echo running
}

case "${1:-}" in
    start) start ;;
    stop) stop TERM ;;
    kill) stop KILL ;;
    restart)
        if [ "${2:-}" = --kill ]; then stop KILL; else stop TERM; fi
        start
        ;;
    pause) signal_all STOP dbus pipe ;;
    resume) signal_all CONT ;;
    status) status ;;
    unload) unload "${2:?test-server: unload needs a device name}" ;;
    load) load "${2:?test-server: load needs a device name}" ;;
    *)
        echo "usage: $0 start|stop|kill|restart [--kill]|pause|resume|status|unload NAME|load NAME" >&2
        exit 2
        ;;
esac
