#!/usr/bin/env bash
# Skinwright.exe under Wine in a real X server, worked by keyboard alone.
# Started with a remembered packet, it lists its rows: the first one is
# saved with "Save As ...". "Save All ..." exports into the remembered output
# folder, which the folder browser starts at, the same files as the Linux
# export. The Builder, opened with the packet as template on the remembered
# work folder, with a two-line comment typed, generates the packet again:
# the same bytes that the Linux Builder makes from these inputs (see
# tests/viewer/real_window_test.sh). F1 opens the About window, Esc closes
# each window, and a typed path closed with Enter is remembered with the
# output folder. With a folder given, screenshots of both windows land there.
# The packet and its pictures lie in a "themes" folder of the test's own, or
# in the empty THEMES_FOLDER given.
# Usage: real_window_test.sh SKINWRIGHT_EXE LINUX_SKINPACK DEMO_THEME [SCREENSHOT_FOLDER [THEMES_FOLDER]]
set -euo pipefail
[ -x "$2" ] || { echo "no Linux skinpack at $2 to compare with: build the default preset first"; exit 1; }
exe=$(realpath "$1") skinpack=$(realpath "$2") demo=$(realpath "$3") shots=${4:-}
[ -z "$shots" ] || shots=$(realpath "$shots")
here=$(cd "$(dirname "$0")" && pwd)

# The program runs from a copy, so the Wine prefix is named: one of its
# own, whose wineserver knows only this display.
: "${WINE_RUN_FOLDER:?set WINE_RUN_FOLDER to the folder of the Wine prefix to run in}"
mkdir -p "$WINE_RUN_FOLDER"
work=$(mktemp -d -p "$WINE_RUN_FOLDER" test.XXXXXX)
themes=${5:-$work/themes}
# The export folder, which the folder browser must find and select, is new
# (Wine's browser, walking its tree down to it, reads it for the first time)
# and is remembered with a trailing backslash.
export_folder=$work/export
rm -rf "${WINE_RUN_FOLDER:?}"/wine-home/*       # the Desktop, where a lost export goes
trap 'rm -rf "$work"; [ "$themes" = "$work/themes" ] || rm -rf "${themes:?}"/*' EXIT
mkdir -p "$work/program" "$themes" "$export_folder"
cp "$exe" "$work/program/Skinwright.exe"
cp -r "$demo" "$themes/pictures"
"$skinpack" build "$themes/pictures" -o "$themes/iconres.ezx" --comment $'first line\nsecond line' >/dev/null
"$skinpack" extract "$themes/iconres.ezx" "$work/linux-export" >/dev/null

source "$here/wine_helpers.sh"
printf '[default]\nLastResFile=%s\nOutputFolder=%s\\\n[build]\nWorkFolder=%s\\\nResToSave=%s\\\n' \
  "$(windows_path "$themes/iconres.ezx")" "$(windows_path "$export_folder")" \
  "$(windows_path "$themes/pictures")" "$(windows_path "$themes")" >"$work/program/Skinwright.ini"

cat >"$work/session" <<'SESSION'
set -euo pipefail
work=$1 shots=$2 here=$3 themes=$4 wine_run=$5
"$wine_run" "$work/program/Skinwright.exe" &
program=$!

source "$here/../viewer/xdotool_helpers.sh"
source "$here/wine_helpers.sh"

viewer=$(windows_viewer)
sleep 0.5
xdotool windowfocus --sync "$viewer"

# Tab order: path field, "?", list, "Save As ...", "Save All ...",
# "Build New Resource Packet ...", "Help", and round to the path field.
xdotool key Tab
opens space '^Open$'                  # "?": the open-file dialog
xdotool key Tab Down                  # the list: Down selects its first row
xdotool key Tab                       # "Save As ...": the row's picture, saved
dialog=$(opened_by space "save dialog")
xdotool key ctrl+a
xdotool type --delay 2 "$(windows_path "$themes/saved.gif")"
xdotool key Return
gone "$dialog" || fail "the save dialog did not close"
# Wine's dialog takes a while to hand over the path it was given.
for _ in $(seq 100); do [ -e "$themes/saved.gif" ] && break; sleep 0.1; done
xdotool windowfocus --sync "$viewer"
xdotool key Tab                       # "Save All ...": the browser starts at the output folder
browser=$(opened_by space "folder browser")
[ "$(title "$browser")" = "Browse for Folder" ] || fail "unexpected window '$(title "$browser")'"
box=$(opened_by Return "export message")
xdotool key Return
gone "$box" || fail "the export message did not close"
xdotool windowfocus --sync "$viewer"

# "Build New Resource Packet ...": the template question, then the Builder.
xdotool key Tab
opened_by space "template question" >/dev/null
builder=$(opened_by Return "Builder window")   # Yes: the packet's rows in the Builder
[ "$(title "$builder")" = "Make New iconres.ezx Packet" ] || fail "unexpected window '$(title "$builder")'"
# List, "Generate Packet ...", the work folder box, "?": the folder browser,
# cancelled; the comments box.
xdotool key Tab Tab Tab
opens space '^Browse for Folder$' "$builder"
xdotool key Tab
xdotool type --delay 2 "first line"
xdotool key Return
xdotool type --delay 2 "second line"
sleep 0.3
[ -z "$shots" ] || import -window "$builder" "$shots/builder-windows.png"
xdotool key Tab                       # "Add Resource ...": the picture picker, cancelled
opens space '^Open$' "$builder"
xdotool key shift+Tab shift+Tab shift+Tab shift+Tab   # back to "Generate Packet ..."
generate_packet "$(windows_path "$themes/rebuilt.ezx")"
xdotool windowfocus --sync "$builder"
xdotool key Escape
gone "$builder" || fail "Esc did not close the Builder"
xdotool windowfocus --sync "$viewer"
if [ -n "$shots" ]; then
  # One click on a row previews its picture. The keys go on from the list.
  xdotool mousemove --window "$viewer" 60 115 click 1
  sleep 0.5
  import -window "$viewer" "$shots/viewer-windows.png"
  xdotool mousemove 0 0 key Tab Tab Tab
fi

opens F1 '^Motorola Skin Skinwright Editor$'   # the About window
xdotool key Tab Tab                   # "Help", then round to the path field, all selected
xdotool type --delay 2 "$(windows_path "$themes/rebuilt.ezx")"
ends_on Return
SESSION

"$here/../viewer/with_xvfb.sh" bash "$work/session" "$work" "$shots" "$here" "$themes" \
  "$here/../../scripts/wine-run"

fail() { echo "$*" >&2; exit 1; }
cmp "$demo/back.gif" "$themes/saved.gif" || fail "Save As did not save the first row's picture"
[ -z "$(ls "$WINE_RUN_FOLDER/wine-home")" ] ||
  fail "Save All wrote into the Desktop: the folder browser had not selected the output folder"
diff -r "$work/linux-export" "$export_folder" || fail "Save All wrote other files than the Linux export"
cmp "$themes/iconres.ezx" "$themes/rebuilt.ezx" || fail "the packet generated from its template differs"
settings=$work/program/Skinwright.ini
for line in "LastResFile=$(windows_path "$themes/rebuilt.ezx")" "OutputFolder=$(windows_path "$export_folder")\\" \
    "$(printf 'Commnets=first line\002\003second line')"; do
  grep -qxF "$line" <(tr -d '\r' <"$settings") || { cat -A "$settings"; fail "the settings file lacks '$line'"; }
done
echo "worked every window by keyboard under Wine; saved, exported and rebuilt the same bytes as on Linux"
