#!/usr/bin/env bash
# Installs the Debian 12 packages that building, running, packaging and testing Mirandel need.
# Only missing packages are installed: as root directly, otherwise through sudo; without
# either, it stops and prints the apt-get line to run as root.
set -euo pipefail
packages=(
  cmake ninja-build g++ pkg-config ccache
  qt6-base-dev qt6-base-dev-tools qt6-serialport-dev libgl-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth x11-utils xdotool openbox poppler-utils
  libsndfile1-dev libebur128-dev libpng-dev qt6-multimedia-dev pulseaudio
  qt6-svg-dev
  qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
  strace
  librsvg2-bin dpkg-dev desktop-file-utils appstream libxml2-utils shared-mime-info mmdebstrap
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
((${#missing[@]})) || exit 0

apt_line="apt-get install -y --no-install-recommends ${missing[*]}"
tell_root() {
  echo "install-deps: packages are missing; as root, run:" >&2
  echo "  apt-get update && $apt_line" >&2
  exit 1
}
if ((EUID == 0)); then
  as_root=()
elif command -v sudo >/dev/null; then
  echo "install-deps: installing ${missing[*]} through sudo" >&2
  as_root=(sudo)
else
  tell_root
fi
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -q || tell_root
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive $apt_line -q || tell_root
