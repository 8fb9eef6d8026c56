#!/usr/bin/env bash
# The built program in a real X server, worked by keyboard alone: type a
# packet path, walk every control of the Viewer with Tab and work each one,
# open the Builder from it with the packet as template, type its work folder
# and comments, generate the packet again, close the Builder and the Viewer
# with Enter; then check the new packet and the settings file beside the
# executable. With a folder given, screenshots of both windows land there.
# The packet and its pictures lie in "themes" of the user's home folder: one
# of the test's own, or the empty folder given as HOME_FOLDER.
# Usage: real_window_test.sh SKINWRIGHT SKINPACK DEMO_THEME [SCREENSHOT_FOLDER [HOME_FOLDER]]
set -euo pipefail
executable=$1 skinpack=$2 demo=$3 shots=${4:-}

work=$(mktemp -d)
home=${5:-$work/home}
trap 'rm -rf "$work"; [ "$home" = "$work/home" ] || rm -rf "${home:?}/themes"' EXIT
themes=$home/themes
mkdir -p "$themes"
cp "$executable" "$work/Skinwright"
cp -r "$demo" "$themes/pictures"
"$skinpack" build "$themes/pictures" -o "$themes/iconres.ezx" --comment $'first line\nsecond line' >/dev/null
mkdir -m 700 "$work/runtime"

cat >"$work/session" <<'SESSION'
set -euo pipefail
work=$1 shots=$2 here=$3 themes=$4
export QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR="$work/runtime" HOME=$(dirname "$themes")
"$work/Skinwright" &
program=$!

source "$here/xdotool_helpers.sh"
viewer=$(viewer_window)

# A window of its own: no owner, a normal window, so it gets a taskbar entry.
xprop -id "$viewer" WM_TRANSIENT_FOR | grep -q 'not found' || fail "the Viewer is transient: $(xprop -id "$viewer" WM_TRANSIENT_FOR)"
xprop -id "$viewer" _NET_WM_WINDOW_TYPE | grep -q '_NET_WM_WINDOW_TYPE_NORMAL' || fail "the Viewer is no normal window"

# Xvfb has no window manager: give the window the focus ourselves.
xdotool windowfocus --sync "$viewer"
xdotool type --delay 2 "$themes/iconres.ezx"
sleep 0.3
if [ -n "$shots" ]; then
  # One click on a row previews its picture.
  xdotool mousemove --window "$viewer" 60 75 click 1
  sleep 0.3
  import -window "$viewer" "$shots/viewer.png"
  xdotool key shift+Tab shift+Tab     # from the clicked list back to the path field
fi

# Tab order: path field, "?", list, "Save As ...", "Save All ...",
# "Build New Resource Packet ...", "Help", and round to the path field.
xdotool key Tab
opens space '^Open$'                  # "?": the open-file dialog
xdotool key Tab Down                  # the list: Down selects a row
xdotool key Tab
opens space '^Save As$'               # "Save As ...": the save dialog
xdotool key Tab
opens space '^Browse for Folder$'     # "Save All ...": the folder browser
xdotool key Tab

# "Build New Resource Packet ...": the template question, then the Builder.
opened_by space "template question" >/dev/null
builder=$(opened_by Return "Builder window")   # Yes: the packet's rows in the Builder
[ "$(title "$builder")" = "Make New iconres.ezx Packet" ] || fail "unexpected window '$(title "$builder")'"
sleep 0.3
[ -z "$shots" ] || import -window "$builder" "$shots/builder.png"
# List, "Generate Packet ...", the work folder box: the demo pictures'
# folder typed, taken by "?" even though the folder browser is cancelled.
xdotool key Tab Tab ctrl+a
xdotool type --delay 2 "$themes/pictures/"
xdotool key Tab
opens space '^Browse for Folder$' "$builder"   # "?": the folder browser, cancelled
xdotool key Tab                       # the comments box
xdotool type --delay 2 "first line"
xdotool key Return
xdotool type --delay 2 "second line"
xdotool key shift+Tab shift+Tab shift+Tab   # back to "Generate Packet ..."
generate_packet "$themes/rebuilt.ezx"
xdotool windowfocus --sync "$builder"
xdotool key Tab                       # from "Generate Packet ..." to the work folder box
xdotool key Return                    # closes, taking both boxes' texts
gone "$builder" || fail "Enter did not close the Builder"
xdotool windowfocus --sync "$viewer"

xdotool key Tab
opens space '^Motorola Skin Skinwright Editor$'   # "Help": the About window
xdotool key Tab                       # round to the path field
ends_on Return
SESSION

here=$(cd "$(dirname "$0")" && pwd)
"$here/with_xvfb.sh" bash "$work/session" "$work" "$shots" "$here" "$themes"

settings=$work/Skinwright.ini
expect_line() {
  grep -qxF "$1" "$settings" || { echo "the settings file lacks '$1':"; cat -A "$settings"; exit 1; }
}
expect_line "LastResFile=$themes/iconres.ezx"
expect_line "[build]"
expect_line "WorkFolder=$themes/pictures/"
expect_line "$(printf 'Commnets=first line\002\003second line')"
expect_line "ResToSave=$themes/"
cmp "$themes/iconres.ezx" "$themes/rebuilt.ezx" || { echo "the packet generated from its template differs"; exit 1; }
echo "worked both windows by keyboard; the rebuilt packet is the same bytes; the settings file holds the packet, the work folder and the comments"
