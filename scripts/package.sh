#!/usr/bin/env bash
# Builds the programs and makes the Debian package build/mirandel_<version>_<arch>.deb,
# installable with: sudo apt-get install ./build/mirandel_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j "$(nproc)" --target mirandel mirandel-cli mirandel-devsim mirandel_icons
rm -f build/mirandel_*.deb
(cd build && cpack -G DEB >/dev/null)
ls build/mirandel_*.deb
