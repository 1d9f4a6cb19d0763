#!/usr/bin/env bash
# Installs the build into an empty folder as `cmake --install` does for users, checks the
# desktop files with their validators and starts the installed program from there.
set -euo pipefail
build=$(realpath "${1:?usage: install_tree_test.sh BUILD_DIR}")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix
fail() { echo "install_tree: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$prefix" >/dev/null
share=$prefix/share
id=org.mirandel.Mirandel

desktop-file-validate "$share/applications/$id.desktop"
appstreamcli validate --no-net "$share/metainfo/$id.metainfo.xml" >/dev/null
xmllint --noout "$share/mime/packages/$id.xml"
update-mime-database "$share/mime"
for pattern in '\*.LSS' '\*.lss'; do
  grep -q "application/x-mirandel-session:$pattern" "$share/mime/globs2" || fail "no glob $pattern"
done

png_size() { od -An -tu1 -j16 -N8 "$1" | awk '{ print $3 * 256 + $4 "x" $7 * 256 + $8 }'; }
for size in 16 22 24 32 48 64 128 256; do
  icon=$share/icons/hicolor/${size}x${size}/apps/$id.png
  [[ $(png_size "$icon") == "${size}x${size}" ]] || fail "icon $size is $(png_size "$icon")"
done
[[ -f $share/icons/hicolor/scalable/apps/$id.svg ]] || fail "no scalable icon"
for language in "" de/ fr/; do
  [[ -f $share/mirandel/help/${language}contents.html ]] || fail "no help pages in ${language:-en}"
done
for lang in de fr; do
  [[ -s $share/mirandel/translations/mirandel_$lang.qm ]] || fail "no $lang translation"
done

for program in mirandel mirandel-cli mirandel-devsim; do
  [[ -x $prefix/bin/$program ]] || fail "no $program"
done
for program in mirandel mirandel-cli; do
  [[ $("$prefix/bin/$program" --version) == "Mirandel 2.0" ]] || fail "$program --version"
done
# Sound, printing and serial ports are linked in: every library is found, and
# nothing is installed to be loaded later.
for program in mirandel mirandel-cli mirandel-devsim; do
  ! ldd "$prefix/bin/$program" | grep -q 'not found' || fail "$program misses libraries"
done
[[ ! -e $prefix/lib/mirandel && ! -e $prefix/libexec ]] || fail "program parts outside bin/"
# One command program runs every command, with nothing installed beside it.
"$prefix/bin/mirandel-cli" --help | grep -q "^  render FILE" || fail "mirandel-cli does not list every command"
# The shipped templates are found from the installed program.
(($(env XDG_DATA_HOME="$work/data" "$prefix/bin/mirandel-cli" templates | wc -l) >= 12)) \
  || fail "the installed templates are not found"

# Installed, it keeps its settings in the user's folder, never beside itself.
rc=0
env HOME="$work/home" XDG_CONFIG_HOME="$work/config" QT_QPA_PLATFORM=offscreen \
  timeout 4 "$prefix/bin/mirandel" || rc=$?
((rc == 124)) || fail "installed mirandel ended with $rc instead of running"
[[ -f "$work/config/Mirandel 2.0/MIRANDEL.INI" ]] || fail "no settings in the user's folder"
[[ ! -e $prefix/bin/MIRANDEL.INI ]] || fail "settings beside the installed program"
echo "install_tree: passed"
