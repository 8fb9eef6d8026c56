#!/usr/bin/env bash
# Start of Skinwright.exe to its shown window under Wine against the same
# for a minimal Win32 dialog program: one X server and one wineserver kept
# running for the whole run (warm, as a user's is after the first program),
# the two started in turns, and the medians of each and their ratio.
# Skinwright opens the demo packet at its start, from a folder of its own
# with no settings file yet.
# Usage: bench/windows/windows_start.sh [WINDOWS_BUILD [STARTS]]
set -euo pipefail
cd "$(dirname "$0")/../.."
build=$(realpath "${1:-build/windows}") starts=${2:-15}
if [ "${3:-}" != --in-x ]; then
  exec tests/viewer/with_xvfb.sh "$0" "$build" "$starts" --in-x
fi

work=$(mktemp -d)
trap 'rm -rf "$work"; /usr/lib/wine/wineserver64 -k 2>/dev/null || true' EXIT
cp "$build/win32/Skinwright.exe" "$work/"
build/default/cli/skinpack build examples/demo-theme -o "$work/iconres.ezx" >/dev/null
export WINE_RUN_FOLDER=$build/windows-in-x
WINEPREFIX=$(scripts/wine-run --prefix)
export WINEPREFIX WINEDEBUG=-all
/usr/lib/wine/wineserver64 -p

source bench/window_start.sh
# Skinwright starts each time with no settings file yet.
skinwright_start() { rm -f "$work/Skinwright.ini"; /usr/lib/wine/wine64 "$@"; }

minimal() { start_to_window '^Minimal dialog$' /usr/lib/wine/wine64 "$build/bench/windows/minimal_dialog.exe"; }
skinwright() { start_to_window '^Skinwright \(Moto Skin\)$' skinwright_start "$work/Skinwright.exe" "$work/iconres.ezx"; }
# One start of each first, so the caches are made.
minimal >/dev/null
skinwright >/dev/null
m=() s=()
for _ in $(seq "$starts"); do
  m+=("$(minimal)")
  s+=("$(skinwright)")
done
mm=$(median "${m[@]}") sm=$(median "${s[@]}")
echo "== start to window under Wine, warm, medians of $starts"
printf 'Skinwright.exe %6d ms   minimal dialog %6d ms   Skinwright/minimal %s\n' "$sm" "$mm" \
  "$(ratio "$sm" "$mm")"
