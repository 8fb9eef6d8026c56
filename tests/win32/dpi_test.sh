#!/usr/bin/env bash
# The windows of Skinwright.exe at 96, 144 and 192 DPI under Wine, in an X
# server large enough for them at 192: TEXTS_FIT_EXE (texts_fit_test.cpp)
# runs once at each DPI, set as Windows keeps it (LogPixels) in a prefix of
# its own. With a program and a folder given, screenshots of the Viewer, its
# About window and the Builder at 144 and 192 DPI land in that folder.
# Usage: dpi_test.sh TEXTS_FIT_EXE [SKINWRIGHT_EXE LINUX_SKINPACK DEMO_THEME SCREENSHOT_FOLDER]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
if [ "${1:-}" != --in-x ]; then
  XVFB_SCREEN=2600x1800x24 exec "$here/../viewer/with_xvfb.sh" "$0" --in-x "$@"
fi
shift
texts_fit=$(realpath "$1")
: "${WINE_RUN_FOLDER:?set WINE_RUN_FOLDER to the folder of the Wine prefix to run in}"
mkdir -p "$WINE_RUN_FOLDER"
WINEPREFIX=$("$here/../../scripts/wine-run" --prefix)
export WINEPREFIX WINEDEBUG=-all
wine_run=$here/../../scripts/wine-run

set_dpi() {
  /usr/lib/wine/wine64 reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1
  /usr/lib/wine/wineserver64 -w
}

# The Viewer with the demo packet, its About window (F1) and the Builder
# with the packet as template, each shot as it stands.
screenshots() {
  local dpi=$1 exe=$2 skinpack=$3 demo=$4 shots=$5 work program viewer
  work=$(mktemp -d -p "$WINE_RUN_FOLDER")
  cp "$exe" "$work/Skinwright.exe"
  "$skinpack" build "$demo" -o "$work/iconres.ezx" >/dev/null
  source "$here/../viewer/xdotool_helpers.sh"
  source "$here/wine_helpers.sh"
  "$wine_run" "$work/Skinwright.exe" "$(windows_path "$work/iconres.ezx")" &
  program=$!
  viewer=$(windows_viewer)
  sleep 1
  xdotool windowfocus --sync "$viewer"
  import -window root "$shots/viewer-$dpi.png"
  about=$(opened_by F1 "About window")
  sleep 0.5
  import -window root "$shots/about-$dpi.png"
  xdotool key Escape
  gone "$about" || fail "Esc did not close the About window"
  xdotool windowfocus --sync "$viewer"
  xdotool key Tab Tab Tab Tab Tab       # from the path field to "Build New Resource Packet ..."
  question=$(opened_by space "template question")
  builder=$(opened_by Return "Builder")
  sleep 0.5
  import -window root "$shots/builder-$dpi.png"
  xdotool key Escape
  gone "$builder" || fail "Esc did not close the Builder"
  xdotool windowfocus --sync "$viewer" key Escape
  wait "$program"
  rm -rf "$work"
}

status=0
for dpi in 96 144 192; do
  set_dpi "$dpi"
  echo "== $dpi DPI"
  SKINWRIGHT_TEST_DPI=$dpi "$wine_run" "$texts_fit" || status=1
  if [ $# -eq 5 ] && [ "$dpi" != 96 ]; then
    screenshots "$dpi" "$2" "$(realpath "$3")" "$(realpath "$4")" "$(realpath "$5")"
  fi
done
set_dpi 96
exit "$status"
