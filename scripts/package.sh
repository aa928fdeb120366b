#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: The Numbrook developers
# Builds the Debian package build/release/numbrook_<version>_<arch>.deb from the release build:
# the stripped program, its help texts, desktop entry, icon, metainfo and manual page, with the
# dependencies dpkg-shlibdeps computes from the program. Prints the package's path.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/deps.sh build
for tool in dpkg-shlibdeps file; do
    if ! command -v "$tool" >/dev/null; then
        echo "package.sh: $tool is missing; scripts/deps.sh test installs it (dpkg-dev, file)" >&2
        exit 1
    fi
done

# The package installs under /usr; the prefix only changes the paths the manual page names.
cmake --preset release -DCMAKE_INSTALL_PREFIX=/usr >/dev/null
cmake --build --preset release --target numbrook numbrook_help_texts numbrook_desktop_files
rm -f build/release/numbrook_*.deb
(cd build/release && cpack -G DEB >/dev/null)
ls build/release/numbrook_*.deb
