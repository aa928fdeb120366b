#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: The Numbrook developers
# A real run with two children: a second child added in the settings window with real clicks
# and keys, a quiz of theirs answered with the answer key, then the first child chosen and a
# quiz of theirs answered by a clap into the test microphone. After the program ends, each quiz
# is in the results file under the child who played it.
set -euo pipefail
source "$(dirname "$0")/program_copy.sh" "$1" Speed_Math=4 Show_Points=1

# A point of the main window, which is centred at the top of the 1920-pixel screen.
click_at() { xdotool mousemove $((557 + $1)) $((10 + $2)) click 1; }
wait_for() { # waits until the query $1 gives $2
    for _ in $(seq 100); do
        [ "$(query "$1")" = "$2" ] && return 0
        sleep 0.1
    done
    fail "$1: $(query "$1"), not $2"
}
silence() { head -c "$1" /dev/zero | tr '\0' '\200'; }
clap() { # 42 periods of 8 samples at 128 + 110 and 8 at 128 - 110
    for _ in $(seq 42); do printf '\356\356\356\356\356\356\356\356\022\022\022\022\022\022\022\022'; done
}

pactl set-source-volume nb_mic 80%
XDG_RUNTIME_DIR=$home XDG_CONFIG_HOME=$home XDG_DATA_HOME=$home/data NUMBROOK_NO_SPLASH=1 \
    "$binary" &
pid=$!
sleep 3
click_at 92 302 # Add child
sleep 1
xdotool type --delay 50 Boris
xdotool key Return
wait_for "SELECT group_concat(name) FROM child WHERE id > 1" Boris

# Boris plays and answers the first question with the answer key.
click_start
sleep 2
xdotool key Return
wait_for "SELECT count(*) FROM question" 1
xdotool key Escape
sleep 1
click_at 48 266 # the previous child: the first one
sleep 0.5

# The first child plays and answers the first question with a clap.
click_start
sleep 2
{ silence 2205; clap; silence 4410; } |
    pacat --playback --device=nb_micfeed --format=u8 --rate=22050 --channels=1 --raw
wait_for "SELECT count(*) FROM question" 2
xdotool key Escape
sleep 1
kill -TERM "$pid"
wait "$pid" || fail "exit code $?"
pid=

first_answer() { # the answer (1 key, 2 clap) of the first question of child $1's quiz
    query "SELECT a.answer FROM quiz q JOIN question a ON a.quiz_id = q.id WHERE q.child_id = $1 AND a.number = 1"
}
[ "$(query 'SELECT count(*) FROM quiz WHERE child_id = 2')" = 1 ] || fail "Boris's quizzes"
[ "$(query 'SELECT count(*) FROM quiz WHERE child_id = 1')" = 1 ] || fail "first child's quizzes"
[ "$(first_answer 2)" = 1 ] || fail "Boris's answer: $(first_answer 2)"
[ "$(first_answer 1)" = 2 ] || fail "first child's answer: $(first_answer 1)"
grep -q '^Child_Id=1$' "$home/Pelorin Quillmark/Lantern.conf" || fail "chosen child not kept"
echo "1 passed, 0 failed"
