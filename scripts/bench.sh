#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: The Numbrook developers
# Builds the release benchmarks and prints every figure the README promises, in one run:
#   scripts/bench.sh            the full set (about a quarter of an hour on two cores)
#   scripts/bench.sh --quick    fewer repetitions and shorter idle windows (the clap corpus
#                               whole all the same: about ten minutes)
# The ones that need a display or a sound server run inside a private test environment of their
# own (scripts/test-env.sh); the sound-server figures are taken on every server the tests use.
set -euo pipefail
cd "$(dirname "$0")/.."

quick=0
[ "${1:-}" = --quick ] && quick=1
if [ $quick -eq 1 ]; then
    claps=50 idle=15 runs=7 tries=5 follow_claps=20
else
    claps=200 idle=60 runs=21 tries=20 follow_claps=100
fi

scripts/deps.sh test >/dev/null
cmake --preset release >/dev/null
cmake --build --preset release -j"$(nproc)" --target numbrook minimal_window bench_generator \
    bench_capture bench_microphone bench_results bench_follow bench_practice bench_claps >/dev/null
bin=build/release/bench
env=scripts/test-env.sh

section() { printf '\n=== %s\n' "$*"; }

section "Expression generator"
"$bin/bench_generator"
section "Results store and window (offscreen)"
QT_QPA_PLATFORM=offscreen "$bin/bench_results"
section "Practice mode and the results window at 50 children (offscreen)"
QT_QPA_PLATFORM=offscreen "$bin/bench_practice"
section "Capture: scan cost per buffer, clap to trigger"
$env "$bin/bench_capture" "$claps"
section "The clap corpus in both modes, detector cost beside the plain scan"
$env "$bin/bench_claps"
section "Microphone answer: clap to answer box, idle processor use beside parec"
$env "$bin/bench_microphone" "$claps" "$idle"
section "Start-up: first paint and memory beside a minimal window"
$env bench/bench_startup.sh build/release/bin/numbrook "$bin/minimal_window" "$runs"
section "Desktop: processor use hidden and shown, answer key to ticked box"
$env bench/bench_desktop.sh build/release/bin/numbrook "$idle"
section "Following the sound server, clap to answer, on each server"
bench/bench_follow.sh "$bin/bench_follow" "$tries" "$follow_claps"
