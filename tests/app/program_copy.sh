# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: The Numbrook developers
# Sourced by the test scripts that run the real program:
#   source program_copy.sh BINARY [SETTING=VALUE ...]
# makes a scratch folder of the script's own ($home, removed at exit) with a copy of the program
# in it ($binary: the sound object file lives beside the executable) and a quiz settings file
# holding the given settings, and defines fail and click_start.
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
cp "$1" "$home/numbrook"
binary=$home/numbrook
shift
mkdir -p "$home/Pelorin Quillmark"
printf '[General]\n' >"$home/Pelorin Quillmark/Lantern.conf"
printf '%s\n' "$@" >>"$home/Pelorin Quillmark/Lantern.conf"

# Says what failed, ends the program started last ($pid) and the script.
fail() {
    echo "FAIL: $*"
    [ -n "${pid:-}" ] && kill -KILL "$pid" 2>/dev/null
    exit 1
}

# A real click on the start button of the main window, which is centred at the top.
click_start() {
    xdotool mousemove $((557 + 32 + 80)) $((10 + 510 + 25)) click 1
}
