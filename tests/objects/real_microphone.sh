#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: The Numbrook developers
# A real run of the program with the test environment's sound server: at first start (no object
# file) object 1 listens to the first microphone with the default threshold and input volume;
# every object's signalling is switched off once about a second after start; a clap played into
# the microphone switches object 1's signalling on; SIGTERM writes the object file.
set -euo pipefail
binary=$1
work=$(mktemp -d)
trap '[ -z "$pid" ] || kill "$pid" 2>/dev/null; rm -rf "$work"' EXIT
pid=
# A copy in a folder of its own: the object file lives beside the executable.
cp "$binary" "$work/numbrook"
fail() {
    echo "FAIL: $*"
    echo "--- program log"
    cat "$work/log"
    exit 1
}

pactl set-source-volume nb_mic 80%
XDG_RUNTIME_DIR=$work XDG_CONFIG_HOME=$work XDG_DATA_HOME=$work QT_LOGGING_RULES='numbrook.sound.info=true' "$work/numbrook" 2>"$work/log" &
pid=$!

for _ in $(seq 100); do
    grep -q 'mic thread started' "$work/log" && break
    sleep 0.1
done
grep -q 'mic thread started' "$work/log" || fail "object 1's capture did not start"
# The default input volume is the source's unity gain.
[ "$(pactl get-source-volume nb_mic | grep -o '[0-9]*%' | head -n1)" = 100% ] ||
    fail "input volume: $(pactl get-source-volume nb_mic)"
sleep 2
[ "$(grep -c 'отключение сигнализирования ' "$work/log")" = 4 ] ||
    fail "expected one switch-off line per object"
grep -q 'включение сигнализирования ' "$work/log" && fail "switched on without a sound"

# A clap at arm's length: a short burst, 110 from the midpoint, into the microphone's feed.
silence() { head -c "$1" /dev/zero | tr '\0' '\200'; }
clap() { # 42 periods of 8 samples at 128 + 110 and 8 at 128 - 110
    for _ in $(seq 42); do printf '\356\356\356\356\356\356\356\356\022\022\022\022\022\022\022\022'; done
}
{ silence 4410; clap; silence 8820; } |
    pacat --playback --device=nb_micfeed --format=u8 --rate=22050 --channels=1 --raw
sleep 0.5
grep -qE '^numbrook.sound: включение сигнализирования [0-9]{2}\.[0-9]{2}\.[0-9]{2}$' "$work/log" ||
    fail "the clap was not heard"
sleep 1.5
[ "$(grep -c 'отключение сигнализирования ' "$work/log")" = 5 ] ||
    fail "the hold did not end"

kill -TERM "$pid"
wait "$pid" || fail "exit code $?"
pid=
ini="$work/numbrook.ini"
[ -f "$ini" ] || fail "no object file written"
grep -q '^ObjectInTriggerLevel_1=50$' "$ini" || fail "threshold not saved: $(cat "$ini")"
grep -q '^ObjectInMixerVolume_4=50$' "$ini" || fail "input volume not saved"
grep -q '^ObjectIn_1=Test Microphone$' "$ini" || fail "microphone not saved"
echo "1 passed, 0 failed"
