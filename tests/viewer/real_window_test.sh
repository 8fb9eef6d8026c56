#!/usr/bin/env bash
# The built program in a real X server: type a packet path into the path
# field, press Enter, and check that the program ended and that its settings
# file beside the executable holds the path.
# Usage: real_window_test.sh SKINWRIGHT SKINPACK DEMO_THEME [SCREENSHOT.png]
set -euo pipefail
executable=$1 skinpack=$2 demo=$3 screenshot=${4:-}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$executable" "$work/Skinwright"
"$skinpack" build "$demo" -o "$work/iconres.ezx" --comment "real window" >/dev/null
mkdir -m 700 "$work/runtime"

cat >"$work/session" <<'SESSION'
set -euo pipefail
work=$1 screenshot=$2
export QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR="$work/runtime"
"$work/Skinwright" &
program=$!
window=
for _ in $(seq 300); do
  kill -0 "$program" 2>/dev/null || { echo "the program ended before its window appeared"; exit 1; }
  window=$(xdotool search --name '^Skinwright \(Moto Skin\)$' 2>/dev/null | head -n 1) || true
  [ -n "$window" ] && break
  sleep 0.1
done
[ -n "$window" ] || { echo "no Viewer window appeared"; kill "$program" 2>/dev/null; exit 1; }
# Xvfb has no window manager: give the window the focus ourselves.
xdotool windowfocus --sync "$window"
xdotool type --delay 2 "$work/iconres.ezx"
sleep 0.5
[ -z "$screenshot" ] || import -window root "$screenshot"
xdotool key Return
for _ in $(seq 300); do
  kill -0 "$program" 2>/dev/null || break
  sleep 0.1
done
if kill -0 "$program" 2>/dev/null; then
  echo "the program did not end on Enter"
  kill "$program"
  exit 1
fi
wait "$program"
SESSION

# Our own X server: it writes its display number to fd 3 once it accepts
# connections. A machine that cannot run one skips the test (exit 77).
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
server=$!
trap 'kill "$server" 2>/dev/null || true; rm -rf "$work"' EXIT
for _ in $(seq 200); do
  [ -s "$work/display" ] && break
  kill -0 "$server" 2>/dev/null || break
  sleep 0.05
done
export DISPLAY=":$(head -n 1 "$work/display" 2>/dev/null)"
if [ ! -s "$work/display" ] || ! xdotool getdisplaygeometry >/dev/null 2>&1; then
  echo "no X server could be started or reached on this machine; skipping:"
  cat "$work/xvfb.log"
  exit 77
fi
bash "$work/session" "$work" "$screenshot" || { cat "$work/xvfb.log"; exit 1; }

expected="LastResFile=$work/iconres.ezx"
if ! grep -qxF "$expected" "$work/Skinwright.ini"; then
  echo "settings file does not hold the typed path:"
  cat "$work/Skinwright.ini"
  exit 1
fi
echo "the program ended and remembered $work/iconres.ezx"
