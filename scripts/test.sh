#!/usr/bin/env bash
# Installs what is missing, builds, and runs the whole test suite headless,
# with a sound server for the playback tests (a null output when none runs).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
export QT_QPA_PLATFORM=offscreen
scripts/with-sound-server.sh ctest --test-dir build --output-on-failure -j "$(nproc)" --timeout 300 "$@"
