# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: The Numbrook developers
# Sourced by the test scripts that run the real program:
#   source program_copy.sh BINARY [SETTING=VALUE ...]
# makes a scratch folder of the script's own ($home, removed at exit) with a copy of the program
# in it ($binary: the sound object file lives beside the executable) and a quiz settings file
# holding the given settings, and defines fail, click_start and query ($database: the results
# file under $home/data, where the scripts point XDG_DATA_HOME).
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
cp "$1" "$home/numbrook"
# The results window's library, which the program looks for beside itself too.
cp "$(find "$(dirname "$1")/../lib" -name libnumbrook-results-window.so | head -n1)" "$home/"
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

database=$home/data/Numbrook/results.sqlite

# One value from the results file, read as the program writes it; "none" while it cannot be read.
query() {
    python3 - "$database" "$1" <<'PY'
import sqlite3, sys
try:
    db = sqlite3.connect("file:%s?mode=ro" % sys.argv[1], uri=True, timeout=2)
    print(db.execute(sys.argv[2]).fetchone()[0])
except Exception:
    print("none")
PY
}
