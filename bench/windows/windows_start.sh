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

# Milliseconds from the start to the window shown (mapped), as the X server
# tells it, without polling; Esc then closes the window.
start_of() {
  local program=$1 title=$2 start end window line watcher started
  rm -f "$work/Skinwright.ini"
  exec {events}< <(exec stdbuf -oL xev -root -event substructure)
  watcher=$!
  start=$(date +%s%N)
  /usr/lib/wine/wine64 "$program" "${@:3}" &
  started=$!
  while read -r -u "$events" line; do
    [[ $line =~ ^MapNotify ]] || continue
    read -r -u "$events" line
    [[ $line =~ window\ (0x[0-9a-f]+),\ override ]] || continue
    window=$((BASH_REMATCH[1]))
    [[ "$(xdotool getwindowname "$window" 2>/dev/null)" =~ $title ]] && break
  done
  end=$(date +%s%N)
  kill "$watcher"
  exec {events}<&-
  xdotool windowfocus --sync "$window" key Escape
  wait "$started"
  echo $(((end - start) / 1000000))
}

minimal() { start_of "$build/bench/windows/minimal_dialog.exe" '^Minimal dialog$'; }
skinwright() { start_of "$work/Skinwright.exe" '^Skinwright \(Moto Skin\)$' "$work/iconres.ezx"; }
# One start of each first, so the caches are made.
minimal >/dev/null
skinwright >/dev/null
m=() s=()
for _ in $(seq "$starts"); do
  m+=("$(minimal)")
  s+=("$(skinwright)")
done
median() { printf '%s\n' "$@" | sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
mm=$(median "${m[@]}") sm=$(median "${s[@]}")
echo "== start to window under Wine, warm, medians of $starts"
printf 'Skinwright.exe %6d ms   minimal dialog %6d ms   Skinwright/minimal %s\n' "$sm" "$mm" \
  "$(awk -v a="$sm" -v b="$mm" 'BEGIN { printf "%.2f", a / b }')"
