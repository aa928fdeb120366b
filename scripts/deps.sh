#!/usr/bin/env bash
# Installs the Debian 12 packages Numbrook needs, only those that are missing.
#   scripts/deps.sh build   what building and running needs
#   scripts/deps.sh test    that, plus the sound server, X server and tools the tests use
set -euo pipefail

build_packages=(
    g++ cmake ninja-build pkg-config
    qt6-base-dev libpulse-dev libxcb1-dev libx11-dev
    fonts-dejavu-core
    # A display for machines without one, and a sound server for machines without one.
    xvfb xauth pulseaudio pulseaudio-utils
)
test_packages=(
    icewm xdotool imagemagick sox x11-xkb-utils
    clang libclang-rt-14-dev
)

wanted=("${build_packages[@]}")
if [ "${1:-build}" = test ]; then
    wanted+=("${test_packages[@]}")
fi

missing=()
for package in "${wanted[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
if [ "$(id -u)" -ne 0 ]; then
    sudo="sudo"
fi
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
