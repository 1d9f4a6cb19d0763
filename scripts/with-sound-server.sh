#!/usr/bin/env bash
# Runs the command given with a sound server to play to: the one that runs,
# or else one made for the run with a null output, ended afterwards. Without
# it every playback test would wait for a server that each client tries to
# start on its own. The socket is in a folder for the user alone: the test
# programs, each with a home of its own, connect without the user's cookie.
set -euo pipefail
if pactl info >/dev/null 2>&1; then
  exec "$@"
fi
made_runtime=
if [[ -z "${XDG_RUNTIME_DIR:-}" || ! -d "$XDG_RUNTIME_DIR" ]]; then
  XDG_RUNTIME_DIR="$(mktemp -d "${TMPDIR:-/tmp}/mirandel-sound-XXXXXX")"
  made_runtime=1
fi
export XDG_RUNTIME_DIR
chmod 700 "$XDG_RUNTIME_DIR"
# Should it not start, the playback tests start one each, as before; only
# a server started here is ended here.
started=
if pulseaudio --daemonize=yes --exit-idle-time=-1 -n --load=module-null-sink \
  --load="module-native-protocol-unix auth-anonymous=1" 2>/dev/null; then
  started=1
fi
stop_server() {
  [[ -z "$started" ]] || pulseaudio --kill 2>/dev/null || true
  [[ -z "$made_runtime" ]] || rm -rf "$XDG_RUNTIME_DIR"
}
trap stop_server EXIT
for _ in $(seq 50); do
  pactl info >/dev/null 2>&1 && break
  sleep 0.1
done
"$@"
