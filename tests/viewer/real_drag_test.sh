#!/usr/bin/env bash
# Two copies of the program in a real X server, as a desktop's drag and drop
# between programs goes: a row dragged out of the first one's Viewer list and
# dropped on the second one's path field gives the second the picture as a
# file, which the first wrote under the export name when the drag started.
# Usage: real_drag_test.sh SKINWRIGHT SKINPACK DEMO_THEME
set -euo pipefail
executable=$1 skinpack=$2 demo=$3

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/source" "$work/target" "$work/tmp"
mkdir -m 700 "$work/runtime"
cp "$executable" "$work/source/Skinwright"
cp "$executable" "$work/target/Skinwright"
"$skinpack" build "$demo" -o "$work/iconres.ezx" --comment demo >/dev/null

cat >"$work/session" <<'SESSION'
set -euo pipefail
work=$1 here=$2
export QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR="$work/runtime" TMPDIR="$work/tmp"
source "$here/xdotool_helpers.sh"

"$work/target/Skinwright" &
program=$! target_program=$!
target=$(viewer_window)
# Below the first one's window, its path field in view.
xdotool windowmove --sync "$target" 70 560

"$work/source/Skinwright" "$work/iconres.ezx" &
program=$! source_program=$!
source=$(viewer_window)
sleep 0.3

# Press on the first row, move in steps past the drag distance, release
# over the other program's path field.
xdotool mousemove --window "$source" 60 75 sleep 0.2 mousedown 1 sleep 0.2
for step in 10 30 60 120 240 330; do
  xdotool mousemove --window "$source" 60 "$((75 + step))"
  sleep 0.1
done
xdotool mousemove --window "$target" 300 22
sleep 0.3
xdotool mouseup 1
sleep 0.5

# A picture is no packet: a message may tell so; Enter answers it and then
# closes the window from its path field.
program=$target_program
before=$(windows)
xdotool windowfocus --sync "$target"
xdotool key Return
for _ in $(seq 50); do
  kill -0 "$target_program" 2>/dev/null || break
  shown=$(comm -13 <(echo "$before") <(windows) | head -n 1)
  if [ -n "$shown" ]; then
    xdotool windowfocus --sync "$shown"
    xdotool key Return
    before=$(windows)
    xdotool windowfocus --sync "$target"
    xdotool key Return
  fi
  sleep 0.1
done
kill -0 "$target_program" 2>/dev/null && fail "the second program did not end on Enter"

program=$source_program
cp "$work"/tmp/Skinwright-*/dragged/back.gif "$work/dragged.gif" || fail "the dragged picture's file is not there"
xdotool windowfocus --sync "$source"
xdotool key Escape
wait "$source_program"
SESSION

here=$(cd "$(dirname "$0")" && pwd)
"$here/with_xvfb.sh" bash "$work/session" "$work" "$here"

dropped=$(sed -n 's/^LastResFile=//p' "$work/target/Skinwright.ini")
case "$dropped" in
  "$work"/tmp/Skinwright-*/dragged/back.gif) ;;
  *) echo "the drop put '$dropped' into the path field, not the dragged file"; exit 1 ;;
esac
cmp "$work/dragged.gif" "$demo/back.gif" || { echo "the dragged file is not the picture"; exit 1; }
echo "a row dragged between two programs arrived as its picture under the export name"
