#!/usr/bin/env bash
# Two copies of the program in a real X server, as a desktop's drag and drop
# between programs goes. A row dragged out of the first one's Viewer list
# carries its picture, which the first wrote under the export name when the
# drag started. Dropped on the second one's Viewer, which has a packet open,
# the picture is refused: no packet, so the open packet and its remembered
# path stay. Dropped on the second one's Builder list, whose work folder
# holds the same picture, it is added, and the packet generated from it
# holds that picture.
# With a folder given, screenshots of both drops land there.
# Usage: real_drag_test.sh SKINWRIGHT SKINPACK DEMO_THEME [SCREENSHOT_FOLDER]
set -euo pipefail
executable=$1 skinpack=$2 demo=$3 shots=${4:-}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/source" "$work/target" "$work/tmp"
mkdir -m 700 "$work/runtime"
cp "$executable" "$work/source/Skinwright"
cp "$executable" "$work/target/Skinwright"
"$skinpack" build "$demo" -o "$work/iconres.ezx" --comment demo >/dev/null
cp "$work/iconres.ezx" "$work/target.ezx"
# The Builder takes a picture from elsewhere only when its work folder holds
# the same picture under that name, as the demo folder does.
printf '[build]\nWorkFolder=%s/\n' "$demo" >"$work/target/Skinwright.ini"

cat >"$work/session" <<'SESSION'
set -euo pipefail
work=$1 shots=$2 here=$3
export QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR="$work/runtime" TMPDIR="$work/tmp"
source "$here/xdotool_helpers.sh"

"$work/target/Skinwright" "$work/target.ezx" &
program=$! target_program=$!
target=$(viewer_window)
# Below the first one's window, its path field in view.
xdotool windowmove --sync "$target" 70 560

"$work/source/Skinwright" "$work/iconres.ezx" &
program=$! source_program=$!
source=$(viewer_window)
sleep 0.3

# On the second one's path field: refused, and nothing opens.
program=$target_program
before=$(windows)
drag_first_row_to "$target" 300 22
[ -z "$(comm -13 <(echo "$before") <(windows))" ] || fail "a window opened on the refused drop"
[ -z "$shots" ] || import -window "$target" "$shots/drop-refused.png"

# "Build New Resource Packet ...", No to the template question: an empty Builder.
xdotool windowfocus --sync "$target"
xdotool key Tab Tab Tab Tab Tab
opened_by space "template question" >/dev/null
builder=$(opened_by Escape "Builder window")
xdotool windowmove --sync "$builder" 0 410
sleep 0.3

# On the Builder's list: taken.
drag_first_row_to "$builder" 200 150
[ -z "$shots" ] || import -window "$builder" "$shots/drop-on-builder.png"
dragged=$(dirname "$(ls "$work"/tmp/Skinwright-*/dragged/back.gif)") || fail "the dragged picture's file is not there"

# Generate from the folder of the dragged picture: typed into the work folder
# box, taken by "?" even though the folder browser is cancelled.
xdotool windowfocus --sync "$builder"
xdotool key Tab Tab ctrl+a
xdotool type --delay 2 "$dragged/"
xdotool key Tab
opens space '^Browse for Folder$' "$builder"
xdotool key shift+Tab shift+Tab
generate_packet "$work/built.ezx"
xdotool windowfocus --sync "$builder"
xdotool key Escape
gone "$builder" || fail "Esc did not close the Builder"
xdotool windowfocus --sync "$target"
ends_on Escape

program=$source_program
cp "$dragged/back.gif" "$work/dragged.gif"
xdotool windowfocus --sync "$source"
ends_on Escape
SESSION

here=$(cd "$(dirname "$0")" && pwd)
"$here/with_xvfb.sh" bash "$work/session" "$work" "$shots" "$here"

fail() { echo "$*"; exit 1; }
kept=$(sed -n 's/^LastResFile=//p' "$work/target/Skinwright.ini")
[ "$kept" = "$work/target.ezx" ] || fail "the refused drop left '$kept' as the remembered packet"
cmp "$work/dragged.gif" "$demo/back.gif" || fail "the dragged file is not the picture"
[ "$("$skinpack" list "$work/built.ezx" | cut -f1)" = back.g ] || fail "the packet built from the drop: $("$skinpack" list "$work/built.ezx")"
"$skinpack" extract "$work/built.ezx" "$work/built" >/dev/null
cmp "$work/built/back.gif" "$demo/back.gif" || fail "the built packet does not hold the dragged picture"
echo "a row dragged between two programs is refused by the Viewer and taken by the Builder as its picture"
