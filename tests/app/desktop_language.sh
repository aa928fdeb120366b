#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: The Numbrook developers
# The real program in the desktop's language, as a screen reader reads it over the
# accessibility bus: started with a German, French, Ukrainian or Chinese desktop and nothing
# stored, its main window speaks that language; with a language stored, the stored one wins.
# Run inside accessibility_bus.sh (a D-Bus session with the accessibility bus).
#   desktop_language.sh BINARY
set -uo pipefail
binary_source=$1
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
a11y=$(gdbus call --session --dest org.a11y.Bus --object-path /org/a11y/bus \
    --method org.a11y.Bus.GetAddress | grep -o "unix:[^']*")
[ -n "$a11y" ] || { echo "FAIL: no accessibility bus"; exit 1; }

# Every accessible name under one object of the accessibility bus, one a line.
names_under() { # bus-name object-path
    gdbus call --address "$a11y" --dest "$1" --object-path "$2" \
        --method org.freedesktop.DBus.Properties.Get org.a11y.atspi.Accessible Name 2>/dev/null |
        sed -n "s/^(<'\(.*\)'>,)$/\1/p"
    local child
    for child in $(gdbus call --address "$a11y" --dest "$1" --object-path "$2" \
        --method org.a11y.atspi.Accessible.GetChildren 2>/dev/null |
        grep -o "/org/a11y/atspi/accessible/[0-9a-z_]*"); do
        names_under "$1" "$child"
    done
}

# The names of every running application on the bus.
all_names() {
    local app
    for app in $(gdbus call --address "$a11y" --dest org.a11y.atspi.Registry \
        --object-path /org/a11y/atspi/accessible/root \
        --method org.a11y.atspi.Accessible.GetChildren | grep -o "':[0-9.]*'" | tr -d "'"); do
        names_under "$app" /org/a11y/atspi/accessible/root
    done
}

passed=0
failed=0
# case: LANGUAGE, LANG, stored Languare (or none), a name the main window must show
check() {
    local language=$1 desktop=$2 stored=$3 expected=$4
    (
        if [ "$stored" = none ]; then
            source "$(dirname "$0")/program_copy.sh" "$binary_source"
        else
            source "$(dirname "$0")/program_copy.sh" "$binary_source" "Languare=$stored"
        fi
        LANGUAGE=$language LANG=$desktop LC_ALL= LC_MESSAGES= XDG_RUNTIME_DIR=$home XDG_CONFIG_HOME=$home \
        XDG_DATA_HOME=$home \
            "$binary" &
        pid=$!
        found=""
        for _ in $(seq 20); do
            sleep 1
            names=$(all_names)
            if grep -qxF "$expected" <<<"$names"; then
                found=yes
                break
            fi
        done
        kill -TERM "$pid"
        wait "$pid"
        if [ -z "$found" ]; then
            echo "FAIL: desktop $desktop, stored $stored: no \"$expected\" among:"
            head -40 <<<"$names"
            exit 1
        fi
        echo "PASS: desktop $desktop, stored $stored: \"$expected\""
    ) && passed=$((passed + 1)) || failed=$((failed + 1))
}

check de de_DE.UTF-8 none "Nächstes Tempo"
check fr fr_FR.UTF-8 none "Vitesse suivante"
check uk uk_UA.UTF-8 none "Наступна швидкість"
check zh_CN zh_CN.UTF-8 none "下一个速度"
check de de_DE.UTF-8 1 "Следующая скорость"
check zh_CN zh_CN.UTF-8 0 "Next speed"
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
