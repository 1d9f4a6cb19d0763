#!/usr/bin/env bash
# Installs what building, running and testing Mirandel needs on Debian 12 (as root).
set -euo pipefail
packages=(
  cmake ninja-build g++ pkg-config ccache
  qt6-base-dev qt6-base-dev-tools qt6-serialport-dev libqt6serialport6-dev libgl-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth poppler-utils
  libsndfile1-dev libpng-dev qt6-multimedia-dev pulseaudio
  qt6-svg-dev
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if ((${#missing[@]})); then
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -q
  apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
