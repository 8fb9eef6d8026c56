#!/usr/bin/env bash
# Skinwright.exe under Wine in a real X server: the keys that must not break
# a window's modality or reload a packet, the keyboard's preview and the
# folder browser on drive Z:.
# - Started on a damaged packet, it warns once. Ctrl+A in the path field
#   then selects the path and loads nothing: a path typed over it opens,
#   and no warning comes in between. The rows of a path that opens nothing
#   stay in sight, greyed.
# - The open dialog shows no "Open as read-only" box.
# - The arrow keys preview the row they select, and so does a click.
# - F1 in the Viewer, its Help button and (where Wine draws one) its system
#   menu open one About window: F1 in the About window opens no second one,
#   and F1 in Save As, the folder browser, a message box or the Builder
#   opens none.
# - "Save All ..." twice into a remembered folder on Z: that ends in a
#   backslash: each time the browser selects it and OK exports into it.
# - Closed, the Viewer leaves no window behind and the program ends.
# With --virtual-desktop, Wine shows its windows in a virtual desktop of
# the screen's size, as Windows does: captions, system menus and z-order.
# Usage: real_keys_test.sh [--virtual-desktop] SKINWRIGHT_EXE TOP_WINDOWS_EXE LINUX_SKINPACK DEMO_THEME
set -euo pipefail
desktop=
[ "$1" != --virtual-desktop ] || { desktop=1024x768; shift; }
[ -x "$3" ] || { echo "no Linux skinpack at $3 to compare with: build the default preset first"; exit 1; }
exe=$(realpath "$1") top_windows=$(realpath "$2") skinpack=$(realpath "$3") demo=$(realpath "$4")
here=$(cd "$(dirname "$0")" && pwd)
: "${WINE_RUN_FOLDER:?set WINE_RUN_FOLDER to the folder of the Wine prefix to run in}"
mkdir -p "$WINE_RUN_FOLDER"
work=$(mktemp -d -p "$WINE_RUN_FOLDER" test.XXXXXX)
trap 'rm -rf "$work"' EXIT
rm -rf "${WINE_RUN_FOLDER:?}"/wine-home/*       # the Desktop, where a lost export goes
mkdir -p "$work/program" "$work/themes" "$work/exports/into"
cp "$exe" "$work/program/Skinwright.exe"
"$skinpack" build "$demo" -o "$work/themes/iconres.ezx" --comment demo >/dev/null
"$skinpack" extract "$work/themes/iconres.ezx" "$work/linux-export" >/dev/null
# The same packet with one name changed: it no longer hashes to its id.
python3 - "$work/themes/iconres.ezx" "$work/themes/damaged.ezx" <<'DAMAGE'
import sys
packet = open(sys.argv[1], 'rb').read()
open(sys.argv[2], 'wb').write(packet.replace(b'\nback.g\n', b'\nbaxk.g\n', 1))
DAMAGE

source "$here/wine_helpers.sh"
printf '[default]\nLastResFile=%s\nOutputFolder=%s\\\n' "$(windows_path "$work/themes/damaged.ezx")" \
  "$(windows_path "$work/exports/into")" >"$work/program/Skinwright.ini"

cat >"$work/session" <<'SESSION'
set -euo pipefail
work=$1 here=$2 wine_run=$3 top_windows=$4 demo=$5 desktop=$6
source "$here/../viewer/xdotool_helpers.sh"
source "$here/wine_helpers.sh"
source "$here/wine_window_helpers.sh"
wine_desktop

"$wine_run" "$work/program/Skinwright.exe" &
program=$!

about="Motorola Skin Skinwright Editor" viewer_title="Skinwright (Moto Skin)"

# Presses F1 where it must open nothing: no About window in the next moment.
f1_opens_nothing() {
  xdotool key F1
  sleep 1.5
  [ "$(count "$about")" = 0 ] || fail "F1 in $1 opened the About window"
}

# With the About window opening: F1 pressed in it twice, one About window
# stands over the disabled Viewer; Esc closes it, and the Viewer is enabled.
one_about_on() {
  window_titled "$about" >/dev/null
  activate "$about"
  xdotool key F1
  sleep 1
  xdotool key F1
  sleep 1.5
  [ "$(count "$about")" = 1 ] || fail "$1 and F1 twice in the About window: $(count "$about") About windows"
  [ "$(enabled "$viewer")" = disabled ] || fail "the Viewer can be used while the About window is open"
  xdotool key Escape
  closed "$about"
  [ "$(enabled "$viewer")" = enabled ] || fail "the Viewer stayed disabled after the About window closed"
  activate "$viewer_title"
}

# The Viewer's picture area shows exactly this picture, centred on its
# background.
shows_picture() {
  local left upper right lower background
  read -r left upper right lower < <(top "$viewer" | awk -F'\t' '$1 == 1003 { print $3, $4, $5, $6 }')
  sleep 0.5
  import -window root "$work/screen.png"
  convert "$work/screen.png" -crop "$((right - left - 8))x$((lower - upper - 8))+$((left + 4))+$((upper + 4))" \
    +repage "$work/area.png"
  background=$(convert "$work/area.png" -format '%[pixel:p{0,0}]' info:)
  convert "$1" -background "$background" -flatten "$work/picture.png"
  [ "$(compare -metric AE -subimage-search "$work/area.png" "$work/picture.png" null: 2>&1 | cut -d' ' -f1)" = 0 ]
}

# How many pixels of the Viewer's rows, below the list's header, are
# nearly black: the text of enabled rows.
dark_row_pixels() {
  local left right lower header
  read -r left right lower < <(top "$viewer" | awk -F'\t' '$1 == 1002 { print $3, $5, $6 }')
  header=$(top "$viewer" | awk -F'\t' '$2 == "SysHeader32" { print $6 }')
  sleep 0.5
  import -window root "$work/screen.png"
  convert "$work/screen.png" -crop "$((right - left - 4))x$((lower - header - 4))+$((left + 2))+$header" +repage \
    -colorspace gray -threshold 25% -negate -format '%[fx:round(mean * w * h)]' info:
}

# From the focused "Save All ...": the browser, which must have selected
# the remembered folder: moved up to its parent and back down, the
# selection is that folder again, and OK exports into it the files of the
# Linux export. Then the message after the export.
export_all() {
  xdotool key space
  window_titled "Browse for Folder" >/dev/null
  activate "Browse for Folder"
  sleep 2   # the browser walks its tree down to the folder, slowly on a busy machine
  f1_opens_nothing "the folder browser"
  xdotool key shift+Tab Up Down Return   # into the tree, up, down, OK
  closed "Browse for Folder"
  window_titled Skinwright >/dev/null
  activate Skinwright
  xdotool key Return
  closed Skinwright
  diff -r "$work/linux-export" "$work/exports/into" >/dev/null ||
    fail "Save All did not export into the remembered folder: the browser had not selected it"
  activate "$viewer_title"
}

window_titled Skinwright >/dev/null              # the damaged packet's warning
shown_as_asked
activate Skinwright
xdotool key Return
closed Skinwright
viewer=$(window_titled "$viewer_title")
activate "$viewer_title"

# The path field has the keyboard, the caret at the end of the path.
xdotool key End ctrl+a
sleep 1
[ "$(top | wc -l)" = 1 ] || fail "Ctrl+A in the path field opened a window: $(top)"
xdotool type --delay 2 "$(windows_path "$work/themes/iconres.ezx")"
sleep 1
[ "$(top | wc -l)" = 1 ] || fail "typing a path after Ctrl+A opened a window: $(top)"
# A path that opens nothing leaves the rows in sight, greyed; the packet
# typed again enables them.
xdotool type x
[ "$(dark_row_pixels)" = 0 ] || fail "the rows of a packet that did not open are not greyed"
xdotool key BackSpace
[ "$(dark_row_pixels)" -gt 0 ] || fail "the rows of the packet opened again are still greyed"

# "?": the open dialog, without its "Open as read-only" box (chx1 in
# <dlgs.h>), which would do nothing here.
xdotool key Tab space
open_dialog=$(window_titled Open)
activate Open
[ -z "$(top "$open_dialog" | awk -F'\t' '$1 == 1040')" ] || fail "the open dialog shows \"Open as read-only\""
xdotool key Escape
closed Open
activate "$viewer_title"

xdotool key Tab                        # the list
! shows_picture "$demo/back.gif" || fail "the picture area showed a picture before a row was selected"
xdotool key Down
shows_picture "$demo/back.gif" || fail "Down onto the first row did not preview its picture"
xdotool key Down
shows_picture "$demo/battery_full.gif" || fail "Down onto the second row did not preview its picture"
xdotool key Up
shows_picture "$demo/back.gif" || fail "Up onto the first row did not preview its picture again"
# A click on the third row, below the list's header, 14 pixels a row.
read -r header_left header_bottom < <(top "$viewer" | awk -F'\t' '$2 == "SysHeader32" { print $3, $6 }')
xdotool mousemove "$((header_left + 40))" "$((header_bottom + 35))" click 1
shows_picture "$demo/call.gif" || fail "a click on the third row did not preview its picture"
xdotool mousemove 0 0

xdotool key F1
one_about_on "F1 in the list"

xdotool key Tab space                  # "Save As ..."
window_titled "Save As" >/dev/null
activate "Save As"
f1_opens_nothing "Save As"
xdotool key Escape
closed "Save As"
activate "$viewer_title"

# Each export changes the folder, and the next browser must still find
# and select it.
xdotool key Tab                        # "Save All ..."
export_all
rm "$work/exports/into"/*
export_all

xdotool key Tab space                  # "Build New Resource Packet ...": the template question
window_titled Skinwright >/dev/null
activate Skinwright
f1_opens_nothing "the template question"
xdotool key Return                     # Yes
window_titled "Make New iconres.ezx Packet" >/dev/null
activate "Make New iconres.ezx Packet"
f1_opens_nothing "the Builder"
xdotool key Escape
closed "Make New iconres.ezx Packet"
activate "$viewer_title"

xdotool key Tab space                  # "Help"
one_about_on "Help"
if [ -n "$desktop" ]; then
  xdotool key alt+space Up Return      # the system menu's last item
  one_about_on "the system menu's About item"
fi

xdotool key Tab                        # round to the path field
ends_on Return
[ -z "$(top)" ] || fail "windows outlived the Viewer: $(top)"
SESSION

"$here/../viewer/with_xvfb.sh" bash "$work/session" "$work" "$here" "$here/../../scripts/wine-run" \
  "$top_windows" "$demo" "$desktop"

fail() { echo "$*" >&2; exit 1; }
[ -z "$(ls "$WINE_RUN_FOLDER/wine-home")" ] ||
  fail "Save All wrote into the Desktop: the folder browser had not selected the remembered folder"
settings=$work/program/Skinwright.ini
for line in "LastResFile=$(windows_path "$work/themes/iconres.ezx")" \
    "OutputFolder=$(windows_path "$work/exports/into")\\"; do
  grep -qxF "$line" <(tr -d '\r' <"$settings") || { cat -A "$settings"; fail "the settings file lacks '$line'"; }
done
echo "F1 opened one About window and only from the Viewer, Ctrl+A reloaded nothing, the keys previewed" \
  "and the browser selected the folder on Z:${desktop:+, in the virtual desktop}"
