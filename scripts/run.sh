#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: The Numbrook developers
# Installs what is missing, builds Numbrook (release) and starts it. Arguments are passed to
# the program. On a machine without a display a virtual one (Xvfb) is started for it. Only the
# PulseAudio client library is installed: the program uses the desktop's sound server
# (PulseAudio or PipeWire) and runs without sound where there is none.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/deps.sh build
cmake --preset release >/dev/null
# Only the program (and the help texts beside it), not the tests and benchmarks.
cmake --build --preset release --target numbrook

binary=build/release/bin/numbrook
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "No display found: starting a virtual X display (Xvfb) for Numbrook."
    echo "Nothing will be visible on screen; use a desktop session to see the program."
    exec xvfb-run -a -s "-screen 0 1280x800x24" "$binary" "$@"
fi
exec "$binary" "$@"
