#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: The Numbrook developers
# Real runs of the program whose results file another program holds: a real sqlite3 process
# holding BEGIN EXCLUSIVE, a database of a newer schema, a full disk. Every quiz of 4 questions
# ends up in the database (or, while it cannot, in the pending file beside it), never lost.
#   quiz_results_lock.sh BINARY
set -euo pipefail
source "$(dirname "$0")/program_copy.sh" "$1" Speed_Math=1 Show_Points=1
data=$home/data
pending=$database.pending
log=$home/log
passed=0

counts() { echo "$(query 'SELECT count(*) FROM quiz')/$(query 'SELECT count(*) FROM question')"; }
pending_questions() { # questions waiting in the pending file
    python3 - "$pending" <<'PY'
import json, sys
try:
    writes = json.load(open(sys.argv[1]))["writes"]
    print(sum(1 for w in writes if w["write"] == "question"))
except Exception:
    print("none")
PY
}

# The program runs without a sound server (a server address where none listens): nothing here
# needs sound, and the microphone tests that run meanwhile keep their devices to themselves.
start_program() {
    PULSE_SERVER=unix:$home/no-sound-server XDG_RUNTIME_DIR=$home XDG_CONFIG_HOME=$home \
        XDG_DATA_HOME=$data NUMBROOK_NO_SPLASH=1 \
        "$binary" >>"$log" 2>&1 &
    pid=$!
    sleep 3
}
stop_program() {
    kill -TERM "$pid"
    wait "$pid" || fail "exit code $?"
    pid=
}
# A quiz of 4 scored questions (one every three seconds), ended with Esc.
play_quiz() {
    click_start
    sleep 13.5
    xdotool key Escape
    sleep 1
}
wait_for_counts() { # $1: the counts the database reaches while the program still runs
    for _ in $(seq 150); do
        [ "$(counts)" = "$1" ] && return 0
        sleep 0.1
    done
    fail "$2: counts $(counts), expected $1"
}

# A sqlite3 process that holds the database with BEGIN EXCLUSIVE until unlock.
lock() {
    rm -f "$home/locker"
    mkfifo "$home/locker"
    sqlite3 "$database" <"$home/locker" &
    locker=$!
    exec 3>"$home/locker"
    echo "BEGIN EXCLUSIVE; SELECT count(*) FROM quiz;" >&3
    for _ in $(seq 50); do
        python3 -c "import sqlite3,sys; sqlite3.connect(sys.argv[1], timeout=0).execute('BEGIN IMMEDIATE')" \
            "$database" 2>/dev/null || return 0
        sleep 0.1
    done
    fail "sqlite3 does not hold the lock"
}
unlock() {
    echo "COMMIT;" >&3
    exec 3>&-
    wait "$locker"
}

# The first quiz makes the database: 1 quiz of 4 questions.
start_program
play_quiz
wait_for_counts 1/4 "first quiz"

# Locked while a quiz is played, released while the program runs: written then.
lock
before=$(counts)
play_quiz
[ "$(counts)" = "$before" ] || fail "written through the lock: $(counts)"
unlock
wait_for_counts 2/8 "lock released during the run"
echo "locked during the quiz: $before before, $(counts) after the lock went"
passed=$((passed + 1))

# Locked until the program ends: the quiz waits in the pending file, and the next start
# writes it into the database.
lock
play_quiz
stop_program
[ "$(counts)" = 2/8 ] || fail "written through the lock: $(counts)"
[ "$(pending_questions)" = 4 ] || fail "pending file holds $(pending_questions) questions"
unlock
start_program
wait_for_counts 3/12 "pending file merged at the next start"
[ ! -e "$pending" ] || fail "pending file left after the merge"
stop_program
echo "locked until the end: 2/8 at the end with 4 questions pending, $(counts) after the next start"
passed=$((passed + 1))

# A database of a newer schema is never written; the quiz goes to the pending file.
sqlite3 "$database" "PRAGMA journal_mode = DELETE; PRAGMA user_version = 99;" >/dev/null
before=$(sha256sum <"$database")
start_program
play_quiz
stop_program
[ "$(sha256sum <"$database")" = "$before" ] || fail "newer-schema database changed"
[ "$(pending_questions)" = 4 ] || fail "newer schema: $(pending_questions) questions pending"
echo "newer schema: database unchanged ($(counts)), 4 questions in the pending file"
passed=$((passed + 1))

# A full disk: the quiz waits, and is written once there is room again, during the run.
rm -rf "$data"
mkdir -p "$data"
if mount -t tmpfs -o size=2m tmpfs "$data" 2>/dev/null; then
    trap 'umount "$data" 2>/dev/null; rm -rf "$home"' EXIT
    start_program
    play_quiz
    wait_for_counts 1/4 "first quiz on the small disk"
    dd if=/dev/zero of="$data/filler" bs=4k 2>/dev/null || true
    before=$(counts)
    play_quiz
    [ "$(counts)" = "$before" ] || fail "full disk: counts went from $before to $(counts)"
    rm -f "$data/filler"
    wait_for_counts 2/8 "room again on the disk"
    stop_program
    [ ! -e "$pending" ] || fail "pending file left on the disk"
    echo "full disk: $before while full, $(counts) once there was room"
    passed=$((passed + 1))
else
    echo "SKIP: no tmpfs can be mounted here for the full-disk run"
fi

if grep -E "removeDatabase|still in use" "$log"; then
    fail "the log has connection warnings"
fi
echo "$passed passed, 0 failed"
