#!/usr/bin/env bash
# The program as installed, in a folder its user cannot write (run as nobody
# under root), in a real X server, by keyboard alone: "Save As ..." proposes
# the remembered export folder, not the program's, and saves there on Enter;
# the Builder's "?" on a remembered work folder that no longer exists opens
# the browser at its nearest existing parent, which OK then makes the work
# folder. With a folder given, screenshots of both dialogs land there.
# Usage: real_installed_test.sh SKINWRIGHT SKINPACK DEMO_THEME [SCREENSHOT_FOLDER]
set -euo pipefail
executable=$1 skinpack=$2 demo=$3 shots=${4:-}

work=$(mktemp -d)
trap 'chmod -R u+w "$work" 2>/dev/null; rm -rf "$work"' EXIT
chmod 755 "$work"
home=$work/home
mkdir -p "$work/bin" "$home/config" "$home/exports" "$home/themes" "$home/runtime"
chmod 700 "$home/runtime"
cp "$executable" "$work/bin/Skinwright"
"$skinpack" build "$demo" -o "$home/themes/iconres.ezx" --comment demo >/dev/null
cat >"$home/config/Skinwright.ini" <<SETTINGS
[default]
LastResFile=$home/themes/iconres.ezx
OutputFolder=$home/exports/
[build]
WorkFolder=$home/themes/since-deleted/pictures/
SETTINGS
as_user=()
if [ "$(id -u)" -eq 0 ]; then
  chown -R 65534:65534 "$home"
  as_user=(setpriv --reuid=65534 --regid=65534 --clear-groups --)
else
  chmod a-w "$work/bin"
fi

cat >"$work/session" <<'SESSION'
set -euo pipefail
work=$1 shots=$2 here=$3
shift 3
home=$work/home
"$@" env HOME="$home" XDG_CONFIG_HOME="$home/config" XDG_RUNTIME_DIR="$home/runtime" QT_QPA_PLATFORM=xcb \
  "$work/bin/Skinwright" &
program=$!

source "$here/xdotool_helpers.sh"
viewer=$(viewer_window)
xdotool windowfocus --sync "$viewer"
sleep 0.3

# Path field, "?", the list (Down selects its first row), "Save As ...".
xdotool key Tab Tab Down Tab
saving=$(opened_by space "save dialog")
sleep 0.5
[ -z "$shots" ] || import -window "$saving" "$shots/save-as-installed.png"
xdotool key Return                    # the proposed path as it stands
gone "$saving" || fail "the save dialog did not close on Enter"
xdotool windowfocus --sync "$viewer"

# "Save All ...", "Build New Resource Packet ...": No to the template question.
xdotool key Tab Tab
opened_by space "template question" >/dev/null
builder=$(opened_by Escape "Builder window")

# The list, "Generate Packet ...", the work folder box, "?".
xdotool key Tab Tab Tab
browser=$(opened_by space "folder browser")
sleep 0.5
[ -z "$shots" ] || import -window "$browser" "$shots/folder-missing.png"
xdotool key Return                    # OK on what the browser opened at
gone "$browser" || fail "the folder browser did not close on Enter"
xdotool windowfocus --sync "$builder"
xdotool key Escape
gone "$builder" || fail "Esc did not close the Builder"
xdotool windowfocus --sync "$viewer"
ends_on Escape
SESSION

here=$(cd "$(dirname "$0")" && pwd)
"$here/with_xvfb.sh" bash "$work/session" "$work" "$shots" "$here" "${as_user[@]}"

fail() { echo "$*"; exit 1; }
saved=("$home"/exports/*.gif)
[ -f "${saved[0]}" ] || fail "Save As saved nothing into the remembered export folder: $(ls -A "$home/exports")"
cmp "${saved[0]}" "$demo/$(basename "${saved[0]}")" || fail "the saved file is not the row's picture"
grep -qxF "WorkFolder=$home/themes/" "$home/config/Skinwright.ini" ||
  fail "the folder browser did not return the nearest existing folder: $(grep WorkFolder "$home/config/Skinwright.ini")"
[ ! -e "$work/bin/Skinwright.ini" ] || fail "settings were written beside the installed program"
echo "an installed program saved into the remembered export folder; a missing work folder opened at its nearest existing parent"
