#!/usr/bin/env bash
# Configures (once) and builds into build/; programs land in build/bin.
# Without arguments everything is built, else only the targets named.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
targets=()
if (($#)); then
  targets=(--target "$@")
fi
cmake --build build -j "$(nproc)" "${targets[@]}"
