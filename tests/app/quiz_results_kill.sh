#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: The Numbrook developers
# Real runs of the program that end during a quiz: SIGKILL leaves every scored question and the
# quiz without an end; SIGTERM ends the quiz as not ended normally.
set -euo pipefail
source "$(dirname "$0")/program_copy.sh" "$1" Speed_Math=1 Show_Points=1


run_until_scored() { # starts the program and a quiz, returns once $1 questions are recorded
    rm -rf "$home/data"
    XDG_RUNTIME_DIR=$home XDG_CONFIG_HOME=$home XDG_DATA_HOME=$home/data NUMBROOK_NO_SPLASH=1 \
        "$binary" &
    pid=$!
    sleep 3
    click_start
    for _ in $(seq 100); do
        [ "$(query 'SELECT count(*) FROM question')" = "$1" ] && return 0
        sleep 0.1
    done
    fail "no $1 questions recorded: $(query 'SELECT count(*) FROM question')"
}

# A question is scored every three seconds; the kill comes well before the next one.
run_until_scored 2
kill -KILL "$pid"
wait "$pid" 2>/dev/null || true
[ "$(query 'SELECT count(*) FROM quiz')" = 1 ] || fail "quizzes: $(query 'SELECT count(*) FROM quiz')"
[ "$(query 'SELECT count(*) FROM question')" = 2 ] || fail "questions after SIGKILL"
[ "$(query 'SELECT count(*) FROM quiz WHERE ended_at IS NULL')" = 1 ] || fail "quiz has an end"
[ "$(query 'SELECT count(*) FROM question WHERE answer = 0 AND reaction_ms IS NULL')" = 2 ] ||
    fail "unanswered questions recorded wrongly"

run_until_scored 1
kill -TERM "$pid"
wait "$pid" || fail "exit code $?"
[ "$(query 'SELECT count(*) FROM quiz WHERE ended_at IS NOT NULL AND normal_end = 0')" = 1 ] ||
    fail "SIGTERM: quiz not marked as ended abnormally"
[ "$(query 'SELECT total FROM quiz')" = 1 ] || fail "SIGTERM: total $(query 'SELECT total FROM quiz')"
echo "2 passed, 0 failed"
