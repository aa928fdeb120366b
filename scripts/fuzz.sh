#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: The Numbrook developers
# Builds the libFuzzer harness of the RIFF WAVE reader (clang, address and undefined-behaviour
# sanitizers) and runs it for a bounded time on a copy of the seed corpus, so that the corpus in
# the tree stays as it is.
#   scripts/fuzz.sh [seconds]      default 60
set -euo pipefail
cd "$(dirname "$0")/.."

seconds="${1:-60}"
cmake --preset fuzz >/dev/null
# Only the reader and the harness: nothing else needs to build under clang.
cmake --build --preset fuzz --target fuzz_riff

work=$(mktemp -d /tmp/numbrook-fuzz.XXXXXX)
trap 'rm -rf "$work"' EXIT
cp fuzz/corpus/* "$work/"
# No input may make the reader allocate more than a few megabytes: every chunk it allocates for
# must fit inside the input.
build/fuzz/fuzz/fuzz_riff -max_total_time="$seconds" -max_len=4096 -malloc_limit_mb=16 \
    -rss_limit_mb=1024 -print_final_stats=1 -artifact_prefix="$PWD/build/fuzz/" "$work"
