#!/usr/bin/env bash
# Installs what the tests need, builds Numbrook (debug) and runs every test through ctest
# inside a private test environment (Xvfb with a window manager, PulseAudio with virtual
# devices), which is torn down afterwards; then builds the Debian package from the release
# build and checks it, and fuzzes the RIFF WAVE reader for a minute.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/deps.sh test
cmake --preset debug >/dev/null
cmake --build --preset debug -j"$(nproc)"
scripts/test-env.sh ctest --preset debug -j2 "$@"
# The program as scripts/run.sh builds it: the optimiser warns about things the debug build
# does not see, and warnings are errors.
cmake --preset release >/dev/null
cmake --build --preset release -j"$(nproc)" --target numbrook
# The package from that build: validators, lintian, and the installed program run from a
# scratch root.
scripts/package.sh >/dev/null
scripts/test-env.sh tests/package/check_package.sh
# A minute of fuzzing of the RIFF WAVE reader on its seed corpus.
scripts/fuzz.sh 60
