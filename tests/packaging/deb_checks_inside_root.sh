#!/usr/bin/env bash
# Runs inside the throw-away root of deb_fresh_root_test.sh, as its root user.
set -euo pipefail
deb=$1
fail() { echo "deb_checks: $*" >&2; exit 1; }

apt-get install -y -q --no-install-recommends "$deb" >/dev/null
mapfile -t owned < <(dpkg -L mirandel)
printf '%s\n' "${owned[@]}" | grep -q '/usr/share/mirandel/translations/mirandel_de.qm$' || fail "no translations"

for program in mirandel mirandel-cli; do
  [[ $(/usr/bin/$program --version) == "Mirandel 2.0" ]] || fail "$program --version"
done
for program in mirandel mirandel-cli mirandel-devsim; do
  ! ldd /usr/bin/$program | grep -q 'not found' || fail "$program misses libraries"
done
# One command program runs every command, with nothing installed beside it.
"/usr/bin/mirandel-cli" --help | grep -q "^  render FILE" || fail "mirandel-cli does not list every command"
for language in "" de/ fr/; do
  [[ -f /usr/share/mirandel/help/${language}contents.html ]] || fail "no help pages in ${language:-en}"
done
(($(/usr/bin/mirandel-cli templates | wc -l) >= 12)) || fail "the shipped templates are not found"

useradd --create-home user
ini="/home/user/.config/Mirandel 2.0/MIRANDEL.INI"
start_offscreen() {
  # Still running after some seconds: it started; the timeout ends it.
  local rc=0
  runuser -u user -- env HOME=/home/user QT_QPA_PLATFORM=offscreen timeout 5 /usr/bin/mirandel || rc=$?
  ((rc == 124)) || fail "mirandel ended with $rc instead of running"
}
start_offscreen
[[ -f $ini ]] || fail "no settings in the user's folder"
[[ ! -e /usr/bin/MIRANDEL.INI ]] || fail "settings written beside the installed program"
grep -qx 'Port=0' "$ini" || fail "first start did not store Port=0"
sed -i 's/^Port=0$/Port=3/' "$ini"
start_offscreen
grep -qx 'Port=3' "$ini" || fail "the port setting did not survive a start"

apt-get remove --purge -y -q mirandel >/dev/null
! dpkg -s mirandel >/dev/null 2>&1 || fail "still installed"
for path in "${owned[@]}"; do
  [[ -d $path || ! -e $path ]] || fail "left behind: $path"
done
[[ ! -e /usr/share/mirandel ]] || fail "left behind: /usr/share/mirandel"
echo "deb_checks: installed, started twice keeping Port=3, removed cleanly"
