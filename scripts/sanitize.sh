#!/usr/bin/env bash
# Builds everything with AddressSanitizer and UndefinedBehaviorSanitizer into
# build-sanitize/ and runs the whole test suite there, headless. Any memory
# error, leak or undefined behaviour fails its test.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMIRANDEL_SANITIZE=ON \
  -DMIRANDEL_BUILD_BENCH=OFF >/dev/null
cmake --build build-sanitize -j "$(nproc)"
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS="detect_leaks=1:strict_init_order=1"
export LSAN_OPTIONS="suppressions=$PWD/scripts/sanitize-leaks.supp:print_suppressions=0"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
scripts/with-sound-server.sh ctest --test-dir build-sanitize --output-on-failure -j "$(nproc)" --timeout 900 "$@"
