#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: The Numbrook developers
# Runs a test program in a D-Bus session of its own with the accessibility bus up, and Qt's
# accessibility bridge switched on as a screen reader would switch it on.
set -uo pipefail
test=$1
shift
launcher=""
for candidate in /usr/libexec/at-spi-bus-launcher /usr/lib/at-spi2-core/at-spi-bus-launcher; do
    [ -x "$candidate" ] && launcher=$candidate && break
done
if [ -z "$launcher" ]; then
    echo "accessibility_bus: at-spi-bus-launcher (at-spi2-core) is missing" >&2
    exit 1
fi
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
exec dbus-run-session -- bash -c '
    "$1" &
    bus=$!
    for _ in $(seq 50); do
        dbus-send --session --print-reply --dest=org.freedesktop.DBus / \
            org.freedesktop.DBus.NameHasOwner string:org.a11y.Bus 2>/dev/null |
            grep -q true && break
        sleep 0.1
    done
    shift
    "$@"
    status=$?
    kill "$bus" 2>/dev/null
    wait "$bus" 2>/dev/null
    exit $status
' accessibility-bus "$launcher" "$test" "$@"
