#!/usr/bin/env bash
# Drops from the Linux program onto Skinwright.exe under Wine, in one X
# server, as a desktop's drag and drop goes between a Linux program and a
# Windows one. A row dragged out of the Linux Viewer's list carries its
# picture. Dropped on the Windows Viewer, which has a packet open, it is
# refused: no packet, so the open packet and its remembered path stay.
# Dropped on the Windows Builder's list, it is added, and the packet
# generated from it holds that picture.
# Usage: real_drop_test.sh SKINWRIGHT_EXE LINUX_SKINWRIGHT LINUX_SKINPACK DEMO_THEME
set -euo pipefail
for program in "$2" "$3"; do
  [ -x "$program" ] || { echo "no Linux program at $program to drag from: build the default preset first"; exit 1; }
done
exe=$(realpath "$1") linux=$(realpath "$2") skinpack=$(realpath "$3") demo=$(realpath "$4")
here=$(cd "$(dirname "$0")" && pwd)
: "${WINE_RUN_FOLDER:?set WINE_RUN_FOLDER to the folder of the Wine prefix to run in}"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/source" "$work/target" "$work/tmp" "$work/built"
mkdir -m 700 "$work/runtime"
cp "$linux" "$work/source/Skinwright"
cp "$exe" "$work/target/Skinwright.exe"
"$skinpack" build "$demo" -o "$work/iconres.ezx" --comment demo >/dev/null
cp "$work/iconres.ezx" "$work/target.ezx"
source "$here/wine_helpers.sh"
printf '[default]\nLastResFile=%s\n[build]\nWorkFolder=%s\\\n' "$(windows_path "$work/iconres.ezx")" \
  "$(windows_path "$demo")" >"$work/target/Skinwright.ini"

cat >"$work/session" <<'SESSION'
set -euo pipefail
work=$1 here=$2 wine_run=$3
export QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR="$work/runtime" TMPDIR="$work/tmp"
source "$here/../viewer/xdotool_helpers.sh"
source "$here/wine_helpers.sh"

# The packet named on the command line opens instead of the remembered one.
"$wine_run" "$work/target/Skinwright.exe" "$(windows_path "$work/target.ezx")" &
program=$!
target_program=$!
target=$(windows_viewer)
xdotool windowmove --sync "$target" 70 400

"$work/source/Skinwright" "$work/iconres.ezx" &
program=$!
source_program=$!
source=$(viewer_window)
xdotool windowmove --sync "$source" 0 0
sleep 0.5

# On the Windows Viewer's list: refused, and nothing opens.
program=$target_program
before=$(windows)
drag_first_row_to "$target" 200 150
[ -z "$(comm -13 <(echo "$before") <(windows))" ] || fail "a window opened on the refused drop"

# "Build New Resource Packet ...", No to the template question: an empty Builder.
xdotool windowfocus --sync "$target"
xdotool key Tab Tab Tab Tab Tab
opened_by space "template question" >/dev/null
xdotool key Tab                       # to "No"
builder=$(opened_by Return "Builder window")
[ "$(title "$builder")" = "Make New iconres.ezx Packet" ] || fail "unexpected window '$(title "$builder")'"
xdotool windowmove --sync "$builder" 70 400
sleep 0.5

# On the Builder's list: taken. Generated from the demo folder, the work
# folder remembered.
drag_first_row_to "$builder" 200 150
# The drag leaves Wine's window inactive: a click on the row activates it.
xdotool windowfocus --sync "$builder"
xdotool mousemove --window "$builder" 150 92 click 1 sleep 0.3 mousemove 0 0
xdotool key Tab
generate_packet "$(windows_path "$work/built.ezx")"
xdotool windowfocus --sync "$builder"
xdotool key Escape
gone "$builder" || fail "Esc did not close the Builder"
xdotool windowfocus --sync "$target"
xdotool key Escape

program=$source_program
xdotool windowfocus --sync "$source"
ends_on Escape
wait
SESSION

"$here/../viewer/with_xvfb.sh" bash "$work/session" "$work" "$here" "$here/../../scripts/wine-run"

fail() { echo "$*"; exit 1; }
kept=$(tr -d '\r' <"$work/target/Skinwright.ini" | sed -n 's/^LastResFile=//p')
[ "$kept" = "$(windows_path "$work/target.ezx")" ] || fail "the refused drop left '$kept' as the remembered packet"
[ "$("$skinpack" list "$work/built.ezx" | cut -f1)" = back.g ] || fail "the packet built from the drop: $("$skinpack" list "$work/built.ezx")"
"$skinpack" extract "$work/built.ezx" "$work/built" >/dev/null
cmp "$work/built/back.gif" "$demo/back.gif" || fail "the built packet does not hold the dragged picture"
echo "a row dragged from the Linux program is refused by the Windows Viewer and taken by the Windows Builder"
