#!/usr/bin/env bash
# Installs what is missing, builds, and starts Mirandel (arguments go to the program).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh mirandel mirandel-cli mirandel-devsim
exec build/bin/mirandel "$@"
