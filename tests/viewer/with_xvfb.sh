#!/usr/bin/env bash
# Runs a command with DISPLAY set to an X server of its own, and passes on its
# exit status. The server writes its display number to fd 3 once it accepts
# connections. It must not reset when its last client leaves, or a program
# could start while it resets after the check below. A machine that cannot
# run one skips the test (exit 77).
# XVFB_SCREEN sets the screen's size and depth (1024x768x24 unless set).
# Usage: with_xvfb.sh COMMAND [ARGUMENT...]
set -euo pipefail

scratch=$(mktemp -d)
Xvfb -displayfd 3 -screen 0 "${XVFB_SCREEN:-1024x768x24}" -nolisten tcp -noreset 3>"$scratch/display" 2>"$scratch/xvfb.log" &
server=$!
trap 'kill "$server" 2>/dev/null || true; rm -rf "$scratch"' EXIT
for _ in $(seq 200); do
  [ -s "$scratch/display" ] && break
  kill -0 "$server" 2>/dev/null || break
  sleep 0.05
done
export DISPLAY=":$(head -n 1 "$scratch/display" 2>/dev/null)"
if [ ! -s "$scratch/display" ] || ! xdotool getdisplaygeometry >/dev/null 2>&1; then
  echo "no X server could be started or reached on this machine; skipping:"
  cat "$scratch/xvfb.log"
  exit 77
fi
status=0
"$@" || status=$?
[ "$status" -eq 0 ] || cat "$scratch/xvfb.log"
exit "$status"
