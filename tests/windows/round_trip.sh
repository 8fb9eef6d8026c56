#!/usr/bin/env bash
# skinpack.exe under Wine on pictures with Windows-1252 names: it builds the
# same bytes as the Linux skinpack from the same pictures, lists them the
# same, and a packet taken apart and built again from its hashtable and
# comment is the same bytes. Paths go in with a drive root and backslashes,
# with forward slashes, and relative.
# Usage: round_trip.sh SKINPACK_EXE LINUX_SKINPACK DEMO_THEME
set -euo pipefail
exe=$(realpath "$1") linux=$(realpath "$2") demo=$3
wine_run=$(cd "$(dirname "$0")/../../scripts" && pwd)/wine-run

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/pictures"
cp "$demo"/*.gif "$work/pictures/"
for name in café Ärger naïve€ œuvre_ÿ; do
  cp "$demo/ok.gif" "$work/pictures/$name.gif"
done
cd "$work"

fail() { echo "$*"; exit 1; }
windows() { "$wine_run" "$exe" "$@"; }
# The folder as Windows names it: the drive Wine maps to "/", backslashes.
drive_path="Z:${work//\//\\}"

windows build pictures -o "$drive_path\\windows.ezx" --comment "Thème été" >/dev/null
"$linux" build pictures -o linux.ezx --comment "Thème été" >/dev/null
cmp windows.ezx linux.ezx || fail "Windows and Linux built different packets from the same pictures"

windows list windows.ezx >windows.list
"$linux" list linux.ezx >linux.list
cmp windows.list linux.list || fail "the listings differ: $(diff windows.list linux.list)"
grep -q "^café.g	" windows.list || fail "café.g is not listed as UTF-8"

windows extract "$work/windows.ezx" out/ >/dev/null
windows build out --order 'out\hashtable' --comment-from windows.ezx -o again.ezx >/dev/null
cmp windows.ezx again.ezx || fail "the packet built again from its parts differs"
[ -f "out/naïve€.gif" ] || fail "the picture naïve€.gif was not extracted under its name"
echo "skinpack.exe built the Linux bytes, listed them the same and rebuilt its packet from its parts"
