#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: The Numbrook developers
# Checks every tracked source file: it carries the licence lines at its top, and clang-format
# (with the .clang-format at the root) would not change it. Prints each offending file and
# exits 1 when there is one.
set -euo pipefail
cd "$(dirname "$0")/.."

status=0
licence='SPDX-License-Identifier: GPL-3.0-or-later'
copyright='SPDX-FileCopyrightText: The Numbrook developers'
while IFS= read -r -d '' file; do
    top=$(head -n 4 "$file")
    if [[ "$top" != *"$licence"* || "$top" != *"$copyright"* ]]; then
        echo "no licence lines at the top: $file"
        status=1
    fi
done < <(git ls-files -z -- '*.cpp' '*.h' '*.sh' '*.py' '*CMakeLists.txt' '.ci/run')

if ! command -v clang-format >/dev/null; then
    echo "clang-format is missing (scripts/deps.sh test installs it)" >&2
    exit 1
fi
while IFS= read -r -d '' file; do
    if ! clang-format --dry-run --Werror "$file" >/dev/null 2>&1; then
        echo "not formatted as clang-format would: $file"
        status=1
    fi
done < <(git ls-files -z -- '*.cpp' '*.h')
exit $status
