#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: The Numbrook developers
# Checks the Debian package as a user's machine would see it:
#   - the desktop entry and the metainfo validate without errors or warnings;
#   - lintian finds no error and no warning;
#   - unpacked into a scratch root, the package holds every file it should, the icons at the
#     sizes their folders name;
#   - the installed program, started from another folder on a German desktop, shows its main
#     window, opens the German help text from the installed data folder (through a stand-in
#     xdg-open that records what it is given) and writes its sound object ini under
#     XDG_CONFIG_HOME, as its own folder is not writable;
#   - every help text is installed and every catalogue is inside the program.
#   - the copyright file names the licences in the machine-readable format;
#   - the installed program, started from another folder with no xdg-open on its path, shows its
#     main window, shows the help text of the installed data folder in its own help window and
#     writes its sound object ini under XDG_CONFIG_HOME, as its own folder is not writable;
#   - as root (where this machine lets the check install packages): the package installed, the
#     program run by root and the package removed leave no file under /usr.
# Needs a display (run it inside scripts/test-env.sh).
#   tests/package/check_package.sh [package.deb] [screenshot.png]
set -euo pipefail
cd "$(dirname "$0")/../.."

deb="${1:-$(ls build/release/numbrook_*.deb | head -n1)}"
screenshot="${2:-}"
app_id=example.numbrook.Numbrook

failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}
pass() {
    echo "ok: $*"
}

work=$(mktemp -d /tmp/numbrook-package.XXXXXX)
pid=""
cleanup() {
    [ -n "$pid" ] && kill "$pid" 2>/dev/null
    chmod -R u+w "$work"
    rm -rf "$work"
}
trap cleanup EXIT
# The program may run as another user (see below): it must reach the scratch root.
chmod 755 "$work"

root="$work/root"
dpkg-deb -x "$deb" "$root"

# --- files --------------------------------------------------------------------------------------
before=$failures
expected=(
    usr/bin/numbrook
    "usr/lib/$(dpkg-architecture -qDEB_HOST_MULTIARCH)/numbrook/libnumbrook-results-window.so"
    "usr/share/applications/$app_id.desktop"
    "usr/share/metainfo/$app_id.metainfo.xml"
    "usr/share/icons/hicolor/scalable/apps/$app_id.svg"
    usr/share/man/man1/numbrook.1.gz
    usr/share/numbrook/Help_e.txt
    usr/share/numbrook/Help_r.txt
    usr/share/numbrook/Help_de.txt
    usr/share/numbrook/Help_fr.txt
    usr/share/numbrook/Help_es.txt
    usr/share/numbrook/Help_it.txt
    usr/share/numbrook/Help_pt_BR.txt
    usr/share/numbrook/Help_pl.txt
    usr/share/numbrook/Help_uk.txt
    usr/share/numbrook/Help_zh_CN.txt
    usr/share/doc/numbrook/copyright
    usr/share/doc/numbrook/changelog.gz
)
for side in 16 22 24 32 48 64 128 256; do
    expected+=("usr/share/icons/hicolor/${side}x$side/apps/$app_id.png")
done
for file in "${expected[@]}"; do
    [ -f "$root/$file" ] || fail "the package lacks /$file"
done
for side in 16 22 24 32 48 64 128 256; do
    png="$root/usr/share/icons/hicolor/${side}x$side/apps/$app_id.png"
    [ -f "$png" ] || continue
    size=$(identify -format '%wx%h' "$png")
    [ "$size" = "${side}x$side" ] || fail "$png is $size"
done
# The catalogues of every language are inside the program (resource names are UTF-16).
for code in ru de fr es it pt_BR pl uk zh_CN; do
    name=$(printf '%s' "numbrook_$code.qm" | sed 's/./\\x00&/g')
    LC_ALL=C grep -qaP "$name" "$root/usr/bin/numbrook" ||
        fail "the program holds no catalogue numbrook_$code.qm"
done
if file "$root/usr/bin/numbrook" | grep -q 'not stripped'; then
    fail "the installed program is not stripped"
fi
[ "$failures" -eq "$before" ] && pass "package contents"

# --- validators ---------------------------------------------------------------------------------
output=$(desktop-file-validate "$root/usr/share/applications/$app_id.desktop" 2>&1) || true
if [ -n "$output" ]; then
    fail "desktop-file-validate: $output"
else
    pass "desktop-file-validate"
fi
output=$(appstreamcli validate --no-net "$root/usr/share/metainfo/$app_id.metainfo.xml" 2>&1) ||
    true
if grep -qE '^(E|W):' <<<"$output"; then
    fail "appstreamcli validate: $output"
else
    pass "appstreamcli validate"
fi
# No warning is kept: a new one fails the check too.
if output=$(lintian --fail-on error,warning "$deb" 2>&1); then
    pass "lintian"
else
    fail "lintian: $output"
fi
[ -n "$output" ] && echo "$output"

copyright="$root/usr/share/doc/numbrook/copyright"
if grep -q '^Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' \
    "$copyright" && grep -q '^License: GPL-3.0-or-later$' "$copyright" &&
    grep -q '^License: CC0-1.0$' "$copyright"; then
    pass "copyright: machine-readable, GPL-3.0-or-later and CC0-1.0"
else
    fail "copyright file: $(head -n 12 "$copyright")"
fi

# --- the installed program ----------------------------------------------------------------------
mkdir -p "$work/elsewhere" "$work/home" "$work/config" "$work/runtime" "$work/empty"
chmod 700 "$work/runtime"

run_as=()
if [ "$(id -u)" -eq 0 ]; then
    # Root may write anywhere; an ordinary user may not write to the program's folder.
    chown nobody:nogroup "$work/home" "$work/config" "$work/runtime" "$work/elsewhere"
    run_as=("$(command -v setpriv)" --reuid=nobody --regid=nogroup --clear-groups --)
else
    chmod a-w "$root/usr/bin"
fi

# Its path holds no program at all, so no xdg-open: the help must show all the same.
(
    cd "$work/elsewhere"
    # On a German desktop with no language stored: the German interface and help text.
    exec env HOME="$work/home" XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/runtime" \
        PATH="$work/empty" LANGUAGE=de LANG=de_DE.UTF-8 LC_ALL= LC_MESSAGES= \
        QT_LOGGING_RULES="numbrook.shell.info=true" \
        NUMBROOK_NO_SPLASH=1 QT_QPA_PLATFORM=xcb "${run_as[@]}" "$root/usr/bin/numbrook"
) >"$work/program.log" 2>&1 &
pid=$!

window=$(timeout 30 xdotool search --sync --onlyvisible --pid "$pid" --name '^Numbrook$' |
    head -n1) || true
if [ -z "$window" ]; then
    fail "the installed program showed no main window"
    cat "$work/program.log" >&2
else
    pass "main window shown"
    sleep 1
    if [ -n "$screenshot" ]; then
        import -window "$window" "$screenshot"
    fi
    # The help button sits at (702, 5), 22 x 23, in the main window.
    xdotool mousemove --window "$window" 713 16 click 1
    help=$(timeout 10 xdotool search --sync --onlyvisible --pid "$pid" --name '^Numbrook: ' |
        head -n1) || true
    if [ -n "$help" ] &&
        grep -qE "Help text shown: $root/usr/share/numbrook/Help_de\.txt$" "$work/program.log"; then
        pass "help window shows the installed German help text, with no xdg-open"
    else
        fail "no help window with the installed help text"
        cat "$work/program.log" >&2
    fi
    # The results button at (678, 5): the window's library is loaded from the installed
    # private library folder.
    xdotool mousemove --window "$window" 689 16 click 1
    if timeout 10 xdotool search --sync --onlyvisible --pid "$pid" \
        --name '^Numbrook: Ergebnisse$' >/dev/null; then
        pass "results window opened from the installed library"
    else
        fail "no results window"
        cat "$work/program.log" >&2
    fi
fi

kill -TERM "$pid" 2>/dev/null || true
status=0
wait "$pid" || status=$?
pid=""
[ "$status" -eq 0 ] || fail "the program ended with status $status"
if [ -f "$work/config/Numbrook/numbrook.ini" ]; then
    pass "sound object ini written under XDG_CONFIG_HOME"
else
    fail "no numbrook.ini under XDG_CONFIG_HOME ($(find "$work/config" -type f | tr '\n' ' '))"
fi
[ -e "$root/usr/bin/numbrook.ini" ] && fail "the program wrote beside its executable"

# --- installed, run by root and removed ---------------------------------------------------------
# Only where the check may install packages and numbrook is not installed already.
if [ "$(id -u)" -eq 0 ] && ! dpkg-query -W -f='${Status}' numbrook 2>/dev/null |
    grep -q 'install ok installed'; then
    # What the package needs comes first, and stays: only numbrook's own files are compared.
    if apt-get install -y -qq --no-install-recommends "$(realpath "$deb")" >"$work/apt.log" 2>&1 &&
        dpkg -r numbrook >>"$work/apt.log" 2>&1; then
        find /usr -xdev | sort >"$work/usr.before"
        dpkg -i "$deb" >>"$work/apt.log" 2>&1 || fail "dpkg -i: $(tail -n 5 "$work/apt.log")"
        mkdir -p "$work/root-home" "$work/runtime-root"
        chmod 700 "$work/runtime-root"
        (
            cd /
            exec env HOME="$work/root-home" XDG_CONFIG_HOME="$work/root-home/config" \
                XDG_DATA_HOME="$work/root-home/data" XDG_RUNTIME_DIR="$work/runtime-root" \
                NUMBROOK_NO_SPLASH=1 QT_QPA_PLATFORM=xcb /usr/bin/numbrook
        ) >"$work/root.log" 2>&1 &
        pid=$!
        timeout 30 xdotool search --sync --onlyvisible --pid "$pid" --name '^Numbrook$' \
            >/dev/null || fail "run by root, the installed program showed no main window"
        sleep 1
        kill -TERM "$pid" 2>/dev/null || true
        wait "$pid" || fail "run by root, the program ended with status $?"
        pid=""
        [ -f "$work/root-home/config/Numbrook/numbrook.ini" ] ||
            fail "run by root, no numbrook.ini under XDG_CONFIG_HOME"
        [ -e /usr/bin/numbrook.ini ] && fail "run by root, the program wrote /usr/bin/numbrook.ini"
        dpkg -r numbrook >>"$work/apt.log" 2>&1 || fail "dpkg -r: $(tail -n 5 "$work/apt.log")"
        find /usr -xdev | sort >"$work/usr.after"
        if left=$(comm -13 "$work/usr.before" "$work/usr.after") && [ -z "$left" ]; then
            pass "installed, run by root and removed: no file left under /usr"
        else
            fail "left under /usr after removal: $left"
        fi
    else
        echo "skip: the package could not be installed here ($(tail -n 3 "$work/apt.log"))"
    fi
else
    echo "skip: installing needs root and no numbrook installed already"
fi

if [ "$failures" -gt 0 ]; then
    echo "check_package: $failures failure(s)" >&2
    exit 1
fi
echo "check_package: all checks passed"
