#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: The Numbrook developers
# Runs bench_follow on each sound server the tests run on here, one private environment each:
#   bench/bench_follow.sh build/release/bench/bench_follow [tries] [claps]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
binary=${1:?usage: bench_follow.sh BENCH_FOLLOW [tries] [claps]}
shift
for server in $("$here/../scripts/deps.sh" servers); do
    "$here/../scripts/test-env.sh" --server "$server" "$binary" "$@"
done
