#!/usr/bin/env bash
# Sessions built in the real program with the keyboard alone under Xvfb,
# keystrokes counted before naming: a 20-minute relaxation session of six
# segments, gliding from a 10 Hz to a 4 Hz beat with segments 2 to 4 looped
# four times, in at most 40; 30-minute sessions in three stages (glide down
# from 14 Hz to 4 Hz, hold, glide up to 14 Hz) in at most 40 pulsed and 45
# dual (after a half-second lead-in, since segment 1 cannot ramp).
# Usage: keystroke_walk_test.sh BIN_DIR
set -euo pipefail
bin=$1
work=$(mktemp -d)
cleanup() {
  [[ -n ${program:-} ]] && kill "$program" 2>/dev/null || true
  [[ -n ${wm:-} ]] && kill "$wm" 2>/dev/null || true
  [[ -n ${xvfb:-} ]] && kill "$xvfb" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "keystroke_walk: $*" >&2; exit 1; }

display=:$((90 + RANDOM % 100))
Xvfb "$display" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
export DISPLAY=$display
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
openbox >/dev/null 2>&1 &
wm=$!
sleep 1

export HOME=$work XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data QT_QPA_PLATFORM=xcb
mkdir -p "$work/run" && chmod 700 "$work/run" && export XDG_RUNTIME_DIR=$work/run
"$bin/mirandel" >"$work/program.log" 2>&1 &
program=$!
xdotool search --sync --onlyvisible --name '^Introduction$' >/dev/null

count=0
keys() { for k in "$@"; do xdotool key "$k"; count=$((count + 1)); sleep 0.25; done; }
# Waits until a window of that title shows, so that no key goes astray.
shown() { timeout 10 xdotool search --sync --onlyvisible --name "$1" >/dev/null || fail "no window \"$1\""; }
text() { local s=$1; for ((i = 0; i < ${#s}; i++)); do xdotool type "${s:i:1}"; count=$((count + 1)); sleep 0.1; done; sleep 0.2; }

keys space               # the introduction goes (not counted: the program asks for it)
count=0
keys alt+f n; shown '^New Session Type$'; keys Return  # File > New, Pulsed/Binaural Beats
keys n n n n n           # six segments, segment 6's time selected
keys shift+Left; text 3:00; keys Return  # segments 5 and 6: 3 minutes
keys Home; text 2:00; keys Return        # segment 1: 2 minutes
keys Down Down shift+End                 # Start Freq of every segment
keys alt+e g; shown '^Glide'; text 10; keys Tab; text 4; keys Return   # Glide 10 -> 4 Hz
keys Right Next Up; text 3; keys Return  # segment 2: a loop of 3 segments
keys Down; text 4; keys Return           # played 4 times
walked=$count
(( walked <= 40 )) || fail "$walked keystrokes, more than 40"

# Saving is not counted: Save As names the file.
keys ctrl+shift+s; shown '^Save File As$'
text "$work/walk.LSS"; keys Return
for _ in $(seq 50); do [[ -s $work/walk.LSS ]] && break; sleep 0.1; done
[[ -s $work/walk.LSS ]] || fail "the session was not saved: $(cat "$work/program.log")"

info=$("$bin/mirandel-cli" info "$work/walk.LSS")
grep -qx 'seconds: 1200' <<<"$info" || fail "not a 20-minute session: $info"
cells=$("$bin/mirandel-cli" cells "$work/walk.LSS")
starts=$(cut -f4 <<<"$cells" | paste -sd' ')
targets=$(cut -f6 <<<"$cells" | paste -sd' ')
loops=$(cut -f14,15 <<<"$cells" | paste -sd' ')
[[ $starts == '10.0 9.0 8.0 7.0 6.0 5.0' ]] || fail "Start Freq $starts"
[[ $targets == '9.0 8.0 7.0 6.0 5.0 4.0' ]] || fail "Target Freq $targets"
[[ $loops == $'0\t0 3\t4 0\t4 0\t4 0\t0 0\t0' ]] || fail "loops $loops"

# Saves without counting, and checks what was saved.
save() {
  local file=$work/$1.LSS n=$count
  keys ctrl+shift+s; shown '^Save File As$'
  text "$file"; keys Return
  for _ in $(seq 50); do [[ -s $file ]] && break; sleep 0.1; done
  [[ -s $file ]] || fail "$1 was not saved: $(cat "$work/program.log")"
  count=$n
  info=$("$bin/mirandel-cli" info "$file")
  cells=$("$bin/mirandel-cli" cells "$file")
}
column() { cut -f"$1" <<<"$cells" | paste -sd' '; }

count=0
keys alt+f n; shown '^New Session Type$'; keys p  # Pulsed/Binaural Beats
text 10; keys Return                              # segment 1: 10 minutes
keys Down Down; text 14; keys Return              # from 14 Hz
keys Down Down; text 4; keys Return               # to 4 Hz
keys n n                                          # the hold and the glide up
keys Down Down; text 4; keys Return               # segment 3 from 4 Hz
keys Down Down; text 14; keys Return              # to 14 Hz
keys Left Up Up; text 4; keys Return              # segment 2 holds 4 Hz
pulsed=$count
save pulsed
grep -qx 'seconds: 1800' <<<"$info" || fail "pulsed: not 30 minutes: $info"
[[ $(column 4) == '14.0 4.0 4.0' ]] || fail "pulsed: Start Freq $(column 4)"
[[ $(column 6) == '4.0  14.0' ]] || fail "pulsed: Target Freq $(column 6)"
(( pulsed <= 40 )) || fail "pulsed: $pulsed keystrokes, more than 40"

count=0
keys alt+f n; shown '^New Session Type$'; keys d  # Dual Binaural Beats
text 0; keys Return                               # segment 1: half a second at 14 Hz
keys Down Down; text 14; keys Return
keys n; text 10; keys Return                      # segment 2 ramps to 4 Hz in 10 minutes
keys Down Down; text 4; keys Return
keys n n                                          # the hold, and 10 minutes ramping
keys Down Down; text 14; keys Return              # up to 14 Hz
dual=$count
save dual
grep -qx 'seconds: 180[01]' <<<"$info" || fail "dual: not 30 minutes: $info"
[[ $(column 4) == '14.0 4.0 4.0 14.0' ]] || fail "dual: Freq 1 $(column 4)"
(( dual <= 45 )) || fail "dual: $dual keystrokes, more than 45"
echo "keystroke_walk: $walked keystrokes; three stages: pulsed $pulsed, dual $dual"
