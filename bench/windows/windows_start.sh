#!/usr/bin/env bash
# Start of Skinwright.exe to its window under Wine, in an X server of its
# own, against the same for a minimal Win32 dialog program: the median of
# several starts of each, taken in turns, and their ratio. Skinwright opens
# the demo packet at its start.
# Usage: bench/windows/windows_start.sh [WINDOWS_BUILD [STARTS]]
set -euo pipefail
cd "$(dirname "$0")/../.."
build=$(realpath "${1:-build/windows}") starts=${2:-7}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$build/win32/Skinwright.exe" "$work/"
build/default/cli/skinpack build examples/demo-theme -o "$work/iconres.ezx" >/dev/null
export WINE_RUN_FOLDER=$build/windows-in-x

cat >"$work/session" <<'SESSION'
set -euo pipefail
program=$1 title=$2
start=$(date +%s%N)
scripts/wine-run "$program" "${@:3}" &
# xdotool's own --sync looks only every half second.
until xdotool search --onlyvisible --name "$title" >/dev/null 2>&1; do sleep 0.01; done
end=$(date +%s%N)
window=$(xdotool search --onlyvisible --name "$title" | head -n 1)
xdotool windowfocus --sync "$window" key Escape
wait
echo $(((end - start) / 1000000))
SESSION

# One start of each first, so the prefix and the caches are made.
time_of() { tests/viewer/with_xvfb.sh bash "$work/session" "$@" 2>/dev/null | tail -n 1; }
time_of "$build/bench/windows/minimal_dialog.exe" '^Minimal dialog$' >/dev/null
time_of "$work/Skinwright.exe" '^Skinwright \(Moto Skin\)$' "$work/iconres.ezx" >/dev/null
minimal=() skinwright=()
for _ in $(seq "$starts"); do
  minimal+=("$(time_of "$build/bench/windows/minimal_dialog.exe" '^Minimal dialog$')")
  skinwright+=("$(time_of "$work/Skinwright.exe" '^Skinwright \(Moto Skin\)$' "$work/iconres.ezx")")
done
median() { printf '%s\n' "$@" | sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
m=$(median "${minimal[@]}") s=$(median "${skinwright[@]}")
echo "== start to window under Wine, medians of $starts"
printf 'Skinwright.exe %6d ms   minimal dialog %6d ms   Skinwright/minimal %s\n' "$s" "$m" \
  "$(awk -v a="$s" -v b="$m" 'BEGIN { printf "%.2f", a / b }')"
