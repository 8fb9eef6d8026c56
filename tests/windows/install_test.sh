#!/usr/bin/env bash
# The Windows installer under Wine, in a prefix of its own: msiexec installs
# Skinwright.exe and skinpack.exe in Program Files\Skinwright, a Start-menu
# shortcut and the packet file type; a packet opened through its file type
# shows in the Viewer, which remembers it in its settings file; uninstalling
# leaves nothing but that settings file. A newer installer made from the same
# source replaces the installed one. Needs an X server (tests/viewer/
# with_xvfb.sh); where none can be started the test says so and passes.
# Usage: install_test.sh MSI LINUX_SKINPACK DEMO_THEME
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)

if [ -z "${INSTALL_TEST_DISPLAY:-}" ]; then
  status=0
  INSTALL_TEST_DISPLAY=1 "$here/../viewer/with_xvfb.sh" "$0" "$@" || status=$?
  if [ "$status" -eq 77 ]; then
    echo "install_test.sh: skipped, no X server"
    exit 0
  fi
  exit "$status"
fi

msi=$(realpath "$1") linux=$(realpath "$2") demo=$(realpath "$3")
wxs=$here/../../package/windows/Skinwright.wxs
icon=$here/../../res/win32/icon128.ico
started=$SECONDS

work=$(mktemp -d)
export WINEPREFIX=$work/prefix HOME=$work/home WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
wine=/usr/lib/wine/wine64 wineserver=/usr/lib/wine/wineserver64
cleanup() {
  # Only this prefix's wineserver, which this test started.
  if [ -d "$WINEPREFIX" ]; then "$wineserver" -k 2>/dev/null || true; fi
  rm -rf "$work"
}
trap cleanup EXIT
mkdir -p "$HOME" "$work/packets"

fail() { echo "install_test.sh: $*" >&2; exit 1; }
# What reg.exe prints, without its line ends; fails when the key is missing.
query() { "$wine" reg query "$@" 2>/dev/null | tr -d '\r'; }
installed=$WINEPREFIX/drive_c/Program\ Files/Skinwright
# Every file or folder in the prefix's drive C: that names the programs.
ours() { find "$WINEPREFIX/drive_c" \( -iname '*skinwright*' -o -iname 'skinpack*' \) -print | sort; }
# Runs msiexec on an installer in the folder given, named without a path.
msiexec() { (cd "$(dirname "$2")" && "$wine" msiexec "$1" "$(basename "$2")" /qn) || fail "msiexec $1 $2 failed"; "$wineserver" -w; }

"$wine" wineboot --init 2>/dev/null
"$wineserver" -w

msiexec /i "$msi"
for program in Skinwright.exe skinpack.exe; do
  [ -f "$installed/$program" ] || fail "$program is not in Program Files\\Skinwright: $(ls "$installed" 2>&1)"
done
# Per machine, the shortcut belongs in the Start menu of all users; Wine's
# msiexec puts it in the user's.
shortcut=$(find "$WINEPREFIX/drive_c" -path '*/Start Menu/Programs/Skinwright.lnk' | head -n 1)
[ -n "$shortcut" ] || fail "no Skinwright.lnk in a Start menu"
grep -qa 'Skinwright.exe' "$shortcut" || fail "the shortcut $shortcut does not lead to Skinwright.exe"

extension=$(query 'HKCR\.ezx') || fail "no .ezx file type"
grep -q '(Default) *REG_SZ *Skinwright.Packet$' <<<"$extension" || fail ".ezx is not the packet file type: $extension"
command=$(query 'HKCR\Skinwright.Packet\shell\open\command' | sed -n 's/^ *(Default) *REG_SZ *//p')
[ "$command" = '"C:\Program Files\Skinwright\Skinwright.exe" "%1"' ] || fail "the Open verb runs: $command"
verb=$(query 'HKCR\Skinwright.Packet\shell\open' | sed -n 's/^ *(Default) *REG_SZ *//p')
[ "$verb" = Open ] || fail "the verb is named '$verb', not Open"
icon_value=$(query 'HKCR\Skinwright.Packet\DefaultIcon' | sed -n 's/^ *(Default) *REG_SZ *//p')
[ "$icon_value" = 'C:\Program Files\Skinwright\Skinwright.exe,0' ] || fail "the packets' icon is: $icon_value"

# The installed skinpack.exe reads a packet as the Linux one does.
packet=$work/packets/demo.ezx
"$linux" build "$demo" -o "$packet" >/dev/null
"$wine" "C:\\Program Files\\Skinwright\\skinpack.exe" list "$packet" | tr -d '\r' >"$work/windows.list"
"$linux" list "$packet" >"$work/linux.list"
cmp -s "$work/windows.list" "$work/linux.list" || fail "the installed skinpack.exe lists: $(diff "$work/windows.list" "$work/linux.list")"

# A double click: the shell opens the packet through its file type.
"$wine" start /unix "$packet"
viewer=
for _ in $(seq 600); do
  viewer=$(xdotool search --onlyvisible --name '^Skinwright \(Moto Skin\)$' 2>/dev/null | head -n 1) || true
  [ -n "$viewer" ] && break
  sleep 0.1
done
[ -n "$viewer" ] || fail "opening the packet by its file type showed no Viewer"
xdotool windowfocus --sync "$viewer"
xdotool key Escape
timeout 30 "$wineserver" -w || fail "Skinwright.exe did not end on Escape"

# The settings file: in %APPDATA%, never in the program's folder, which
# uninstalling removes (root under Wine, like an administrator, could write it).
appdata=$(find "$WINEPREFIX/drive_c/users" -maxdepth 3 -path '*/AppData/Roaming' | head -n 1)
settings=("$appdata/Skinwright.ini")
[ -f "${settings[0]}" ] || fail "no settings file in %APPDATA%: $(ours)"
[ ! -e "$installed/Skinwright.ini" ] || fail "the installed program wrote its settings beside itself"
remembered=$(tr -d '\r' <"${settings[0]}" | sed -n 's/^LastResFile=//p')
[ "$remembered" = "Z:${packet//\//\\}" ] || fail "the settings remember '$remembered', not the packet opened"
where=${settings[0]#"$WINEPREFIX/drive_c/"}
echo "The installed Skinwright keeps its settings in C:/$where"

msiexec /x "$msi"
expected=${settings[0]}
left=$(ours)
[ "$left" = "$expected" ] || fail "left after uninstalling: $left"
query 'HKCR\.ezx' >/dev/null && fail "the .ezx file type is still registered"
query 'HKCR\Skinwright.Packet' >/dev/null && fail "Skinwright.Packet is still registered"
[ -f "${settings[0]}" ] || fail "uninstalling removed the settings file"

# A newer installer from the same source (the same UpgradeCode) replaces the
# installed one: one product is left, of the newer version.
version=$(basename "$msi" | sed -n 's/^skinwright-\([0-9]*\.[0-9]*\)\.\([0-9]*\)-windows-x86_64\.msi$/\1 \2/p')
[ -n "$version" ] || fail "the installer's name tells no version: $msi"
read -r major_minor patch <<<"$version"
next=$major_minor.$((patch + 1))
msiexec /i "$msi"
mkdir "$work/next"
cp "$installed/Skinwright.exe" "$installed/skinpack.exe" "$icon" "$work/next/"
(cd "$work/next" && wixl -a x64 -D Version="$next" -D ProgramFolder=. -D IconFile=icon128.ico -o next.msi "$wxs") ||
  fail "wixl could not build the newer installer"
msiexec /i "$work/next/next.msi"
uninstall=$(query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall' /s)
products=$(grep -c 'DisplayName *REG_SZ *Skinwright$' <<<"$uninstall" || true)
[ "$products" -eq 1 ] || fail "after the newer installer $products Skinwright products are installed"
grep -qE "DisplayVersion +REG_SZ +${next//./\\.}\$" <<<"$uninstall" || fail "the installed Skinwright is not the newer version $next"
[ -f "$installed/Skinwright.exe" ] || fail "the newer installer left no Skinwright.exe"
msiexec /x "$work/next/next.msi"
[ ! -e "$installed/Skinwright.exe" ] || fail "removing the newer version left Skinwright.exe"
query 'HKCR\.ezx' >/dev/null && fail "the .ezx file type is still registered after removing the newer version"

echo "The installer put the programs, the shortcut and the packet file type in place, opened a packet by its" \
  "file type, and removed all but the settings; a newer installer replaced it ($((SECONDS - started)) s)"
