#!/usr/bin/env bash
# Installs the Debian package with apt into a fresh Debian 12 root made for this run
# (mmdebstrap; the dependencies come from the Debian archive), uses it there as a
# normal user, removes it and checks that nothing of it stays. The root is thrown
# away afterwards. Needs root and the Debian archive: scripts/package.sh first.
set -euo pipefail
deb=$(realpath "${1:?usage: deb_fresh_root_test.sh build/mirandel_VERSION_ARCH.deb}")
inside="$(dirname "$(realpath "$0")")/deb_checks_inside_root.sh"
mmdebstrap --variant=apt --mode=root --quiet \
  --customize-hook="copy-in '$deb' '$inside' /tmp" \
  --customize-hook="chroot \"\$1\" bash /tmp/$(basename "$inside") /tmp/$(basename "$deb")" \
  bookworm /dev/null
echo "deb_fresh_root_test: passed"
