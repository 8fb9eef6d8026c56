#!/usr/bin/env bash
# Drags a row out of the Windows Viewer's list onto the Windows Builder's
# list, between two Skinwright.exe processes under Wine in one X server.
# A row carries its picture as a file, named as "Save All ..." names it.
# The packet dragged from holds a second packet as its first picture:
# dropped on the Viewer it came from, that row is refused, nothing opens
# and the Viewer keeps its packet. The second row, a picture, dropped on
# the Builder, is added, and the packet generated from it holds that
# picture byte for byte.
# Usage: real_drag_out_test.sh SKINWRIGHT_EXE LINUX_SKINPACK DEMO_THEME
set -euo pipefail
exe=$(realpath "$1") skinpack=$(realpath "$2") demo=$(realpath "$3")
here=$(cd "$(dirname "$0")" && pwd)
: "${WINE_RUN_FOLDER:?set WINE_RUN_FOLDER to the folder of the Wine prefix to run in}"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/source" "$work/builder" "$work/built" "$work/second" "$work/carrier"
cp "$exe" "$work/source/Skinwright.exe"
cp "$exe" "$work/builder/Skinwright.exe"
"$skinpack" build "$demo" -o "$work/iconres.ezx" --comment demo >/dev/null
cp "$demo/ok.gif" "$demo/menu.gif" "$work/second"
"$skinpack" build "$work/second" -o "$work/carrier/second.gif" --comment second >/dev/null
cp "$demo/call.gif" "$work/carrier"
printf 'second.g\ncall.g\n' >"$work/order"
"$skinpack" build "$work/carrier" --order "$work/order" -o "$work/carrier.ezx" --comment carrier >/dev/null
source "$here/wine_helpers.sh"
printf '[default]\nLastResFile=%s\n' "$(windows_path "$work/carrier.ezx")" >"$work/source/Skinwright.ini"
printf '[default]\nLastResFile=%s\n[build]\nWorkFolder=%s\\\n' "$(windows_path "$work/iconres.ezx")" \
  "$(windows_path "$demo")" >"$work/builder/Skinwright.ini"

cat >"$work/session" <<'SESSION'
set -euo pipefail
work=$1 here=$2 wine_run=$3 desktop=
source "$here/../viewer/xdotool_helpers.sh"
source "$here/wine_helpers.sh"
source "$here/wine_window_helpers.sh"
wine_desktop

# Wine shows a crashed program's error before it ends it.
still_running() {
  kill -0 "$1" 2>/dev/null || fail "Skinwright.exe ended on $2"
  [ -z "$(xdotool search --onlyvisible --name '^Program Error$' 2>/dev/null)" ] || fail "Skinwright.exe crashed on $2"
}

# The Builder's process first: "Build New Resource Packet ...", No to the
# template question, an empty Builder.
"$wine_run" "$work/builder/Skinwright.exe" &
program=$!
builder_program=$!
builder_viewer=$(windows_viewer)
xdotool windowfocus --sync "$builder_viewer"
xdotool key Tab Tab Tab Tab Tab
opened_by space "template question" >/dev/null
xdotool key Tab
builder=$(opened_by Return "Builder window")
[ "$(title "$builder")" = "Make New iconres.ezx Packet" ] || fail "unexpected window '$(title "$builder")'"
# Wine finds the window under the pointer in its own z-order, not X's:
# the Builder and the Viewer under it lie apart from the Viewer dragged
# from.
xdotool windowmove --sync "$builder_viewer" 0 390
xdotool windowmove --sync "$builder" 0 390

# Then the Viewer dragged from, clear of the Builder.
"$wine_run" "$work/source/Skinwright.exe" &
program=$!
source_program=$!
for _ in $(seq 600); do
  source=$(xdotool search --onlyvisible --name '^Skinwright \(Moto Skin\)$' 2>/dev/null | grep -vx "$builder_viewer" | head -n 1) || true
  [ -n "$source" ] && break
  still_running "$source_program" "its start"
  sleep 0.1
done
[ -n "$source" ] || fail "no second Windows Viewer appeared"
xdotool windowmove --sync "$source" 0 0
sleep 1

# Presses on the given row, moves in steps past the drag distance, and
# releases over the given place of a window.
drag_row_to() {
  local y=$((71 + 14 * ($1 - 1)))
  xdotool windowraise "$source"
  xdotool mousemove --window "$source" 40 "$y" sleep 0.3 mousedown 1 sleep 0.3
  for step in 4 8 16 30 60 100; do
    xdotool mousemove --window "$source" "$((40 + step))" "$y"
    sleep 0.2
  done
  xdotool mousemove --window "$2" "$3" "$4"
  sleep 0.3
  xdotool mousemove --window "$2" "$(($3 + 5))" "$(($4 + 5))"
  sleep 0.7
  xdotool mouseup 1
  sleep 1.5
}

# The packet on its own Viewer's list: refused, no window opens.
before=$(windows)
drag_row_to 1 "$source" 300 280
still_running "$source_program" "its own row dropped on it"
[ -z "$(comm -13 <(echo "$before") <(windows))" ] || fail "a window opened on the Viewer's own row"

# On the Builder's list: taken. Generated into the packet checked below.
drag_row_to 2 "$builder" 200 150
still_running "$builder_program" "the row dropped on the Builder"
still_running "$source_program" "the row dragged to the Builder"
program=$builder_program
generate_then_end_both "$builder_viewer" "$(windows_path "$work/built.ezx")"
SESSION

"$here/../viewer/with_xvfb.sh" bash "$work/session" "$work" "$here" "$here/../../scripts/wine-run"

fail() { echo "$*"; exit 1; }
kept=$(tr -d '\r' <"$work/source/Skinwright.ini" | sed -n 's/^LastResFile=//p')
[ "$kept" = "$(windows_path "$work/carrier.ezx")" ] || fail "the Viewer took its own row: it keeps '$kept'"
[ "$("$skinpack" list "$work/built.ezx" | cut -f1)" = call.g ] || fail "the packet built from the drop: $("$skinpack" list "$work/built.ezx")"
"$skinpack" extract "$work/built.ezx" "$work/built" >/dev/null
cmp "$work/built/call.gif" "$demo/call.gif" || fail "the built packet does not hold the dragged picture"
echo "a row dragged out of the Windows Viewer is refused by that Viewer and taken by the Windows Builder of another process"
