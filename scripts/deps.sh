#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: The Numbrook developers
# Installs the Debian 12 packages Numbrook needs, only those that are missing, and never
# removes a package to make room for them.
#   scripts/deps.sh build     what building and running needs: the PulseAudio client library,
#                             no sound server (the program uses whichever server the desktop has)
#   scripts/deps.sh test      that, plus the sound servers, X server and tools the tests use
#   scripts/deps.sh servers   prints the sound servers the tests run on here
# The tests run on a private PulseAudio and a private PipeWire. Where PipeWire's desktop
# packages are installed (pipewire-audio, pipewire-alsa, pipewire-pulse), pulseaudio conflicts
# with them, so it is not installed and the tests run on PipeWire only. PipeWire's PulseAudio service comes from the pipewire package itself
# (scripts/test-server.sh), so pipewire-pulse, which would take over a PulseAudio desktop's
# sound at the next log-in, is not installed either.
set -euo pipefail

build_packages=(
    g++ cmake ninja-build pkg-config
    qt6-base-dev libpulse-dev libxcb1-dev libx11-dev
    fonts-dejavu-core
    # The interface languages: lupdate and lrelease (the build turns the catalogues into .qm
    # files), Qt's own catalogues for its dialogs, and a font with Chinese characters.
    qt6-tools-dev qt6-l10n-tools qt6-tools-dev-tools qt6-translations-l10n
    fonts-wqy-microhei
    # Results database and its window.
    qt6-charts-dev libqt6sql6-sqlite libqt6opengl6-dev
    # A display for machines without one.
    xvfb xauth
)
test_packages=(
    icewm xdotool imagemagick sox x11-xkb-utils
    # Recorded speech for the microphone check's test.
    espeak-ng
    clang libclang-rt-14-dev clang-format
    # Building the package (dpkg-shlibdeps, file) and checking it.
    dpkg-dev file lintian desktop-file-utils appstream
    # pactl and pacat, and the private D-Bus of the PipeWire test server.
    pulseaudio-utils dbus-daemon
    # The accessibility bus, on which the accessibility test reads the windows.
    at-spi2-core dbus-bin python3-pyatspi
    pipewire wireplumber
    # pdftoppm: the results report's page rendered to a picture.
    poppler-utils
    # Another program holding the results database locked, in the results tests.
    sqlite3
)

installed() {
    dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'
}

servers() {
    # pipewire-pulse alone counts too: a pulseaudio installed beside it would compete for the
    # desktop's sound socket at the next log-in.
    if installed pipewire-audio || installed pipewire-alsa || installed pipewire-pulse; then
        echo pipewire
    else
        echo pulseaudio pipewire
    fi
}

case "${1:-build}" in
    build) wanted=("${build_packages[@]}") ;;
    test)
        wanted=("${build_packages[@]}" "${test_packages[@]}")
        if [ "$(servers)" = pipewire ]; then
            echo "PipeWire's desktop packages are installed: pulseaudio is not installed beside" \
                "them, and the tests run on a private PipeWire only."
        else
            wanted+=(pulseaudio)
        fi
        ;;
    servers)
        servers
        exit 0
        ;;
    *)
        echo "usage: $0 build|test|servers" >&2
        exit 2
        ;;
esac

missing=()
for package in "${wanted[@]}"; do
    installed "$package" || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
if [ "$(id -u)" -ne 0 ]; then
    sudo="sudo"
fi
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
# --no-remove: apt stops rather than remove any installed package.
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends --no-remove \
    "${missing[@]}"
