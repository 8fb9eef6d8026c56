#!/usr/bin/env bash
# Drops from the Linux program onto Skinwright.exe under Wine, in one X
# server, as a desktop's drag and drop goes between a Linux program and a
# Windows one. A row dragged out of the Linux Viewer's list carries its
# picture as a file; the packet dragged from holds a second packet as its
# first picture. Dropped on the Windows Viewer, that packet opens and is
# remembered; a picture dropped after it is refused, and the program goes
# on with the packet open. Dropped on the Windows Builder's list, the
# picture is added, and the packet generated from it holds that picture.
# With --virtual-desktop, Wine shows its windows in a virtual desktop of
# the screen's size, where the drops come from explorer.exe's process.
# Usage: real_drop_test.sh [--virtual-desktop] SKINWRIGHT_EXE LINUX_SKINWRIGHT LINUX_SKINPACK DEMO_THEME
set -euo pipefail
desktop=
[ "$1" != --virtual-desktop ] || { desktop=1024x768; shift; }
for program in "$2" "$3"; do
  [ -x "$program" ] || { echo "no Linux program at $program to drag from: build the default preset first"; exit 1; }
done
exe=$(realpath "$1") linux=$(realpath "$2") skinpack=$(realpath "$3") demo=$(realpath "$4")
here=$(cd "$(dirname "$0")" && pwd)
: "${WINE_RUN_FOLDER:?set WINE_RUN_FOLDER to the folder of the Wine prefix to run in}"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/source" "$work/target" "$work/tmp" "$work/built" "$work/second" "$work/carrier"
mkdir -m 700 "$work/runtime"
cp "$linux" "$work/source/Skinwright"
cp "$exe" "$work/target/Skinwright.exe"
"$skinpack" build "$demo" -o "$work/iconres.ezx" --comment demo >/dev/null
cp "$work/iconres.ezx" "$work/target.ezx"
cp "$demo/ok.gif" "$demo/menu.gif" "$work/second"
"$skinpack" build "$work/second" -o "$work/carrier/second.gif" --comment second >/dev/null
cp "$demo/back.gif" "$work/carrier"
printf 'second.g\nback.g\n' >"$work/order"
"$skinpack" build "$work/carrier" --order "$work/order" -o "$work/carrier.ezx" --comment carrier >/dev/null
source "$here/wine_helpers.sh"
printf '[default]\nLastResFile=%s\n[build]\nWorkFolder=%s\\\n' "$(windows_path "$work/iconres.ezx")" \
  "$(windows_path "$demo")" >"$work/target/Skinwright.ini"

cat >"$work/session" <<'SESSION'
set -euo pipefail
work=$1 here=$2 wine_run=$3 desktop=$4
export QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR="$work/runtime" TMPDIR="$work/tmp"
source "$here/../viewer/xdotool_helpers.sh"
source "$here/wine_helpers.sh"
source "$here/wine_window_helpers.sh"
wine_desktop

# The packet named on the command line opens instead of the remembered one.
"$wine_run" "$work/target/Skinwright.exe" "$(windows_path "$work/target.ezx")" &
program=$!
target_program=$!
target=$(windows_viewer)

# The Windows windows stay where Wine put them: in the virtual desktop
# Wine does not follow a window moved by X. The Linux Viewer lies over the
# screen's bottom right corner, clear of their lists.
"$work/source/Skinwright" "$work/carrier.ezx" &
program=$!
source_program=$!
source=$(viewer_window)
xdotool windowmove --sync "$source" 700 400
sleep 0.5
program=$target_program

# Drags the given row of the Linux Viewer onto the given place of a window.
drag_row_to() {
  local y=$((75 + 17 * ($1 - 1)))
  xdotool windowraise "$source"
  xdotool mousemove --window "$source" 60 "$y" sleep 0.2 mousedown 1 sleep 0.2
  for step in 10 30 60 120 240 330; do
    xdotool mousemove --window "$source" 60 "$((y + step))"
    sleep 0.1
  done
  xdotool mousemove --window "$2" "$3" "$4"
  sleep 0.5
  xdotool mouseup 1
  sleep 1
}

# Wine shows a crashed program's error before it ends it.
still_running() {
  kill -0 "$target_program" 2>/dev/null || fail "Skinwright.exe ended on $1"
  [ -z "$(xdotool search --onlyvisible --name '^Program Error$' 2>/dev/null)" ] || fail "Skinwright.exe crashed on $1"
}

# On the Windows Viewer's list: the packet opens, the picture is refused,
# and no window opens for either.
before=$(windows)
drag_row_to 1 "$target" 200 150
still_running "the dropped packet"
drag_row_to 2 "$target" 200 150
still_running "the refused picture"
[ -z "$(comm -13 <(echo "$before") <(windows))" ] || fail "a window opened on a drop"

# "Build New Resource Packet ...", No to the template question: an empty Builder.
xdotool windowfocus --sync "$target"
xdotool key Tab Tab Tab Tab Tab
opened_by space "template question" >/dev/null
xdotool key Tab                       # to "No"
builder=$(opened_by Return "Builder window")
[ "$(title "$builder")" = "Make New iconres.ezx Packet" ] || fail "unexpected window '$(title "$builder")'"
sleep 0.5

# On the Builder's list: taken. Generated from the demo folder, the work
# folder remembered.
drag_row_to 2 "$builder" 200 150
still_running "the picture dropped on the Builder"
generate_then_end_both "$target" "$(windows_path "$work/built.ezx")"
SESSION

"$here/../viewer/with_xvfb.sh" bash "$work/session" "$work" "$here" "$here/../../scripts/wine-run" "$desktop"

fail() { echo "$*"; exit 1; }
kept=$(tr -d '\r' <"$work/target/Skinwright.ini" | sed -n 's/^LastResFile=//p')
dragged=$(windows_path "$work/tmp")
[[ "$kept" == "$dragged"\\*\\second.gif ]] || fail "the dropped packet is not the one remembered, but '$kept'"
[ "$("$skinpack" list "$work/built.ezx" | cut -f1)" = back.g ] || fail "the packet built from the drop: $("$skinpack" list "$work/built.ezx")"
"$skinpack" extract "$work/built.ezx" "$work/built" >/dev/null
cmp "$work/built/back.gif" "$demo/back.gif" || fail "the built packet does not hold the dragged picture"
echo "a packet dragged from the Linux program opens in the Windows Viewer, a picture is refused there and taken by the Windows Builder"
