#!/usr/bin/env bash
# Start of the Linux Viewer to its shown window in Chinese against English,
# in one X server, the two started in turns: the medians of each and their
# ratio. The Viewer opens the demo packet at its start, from a home of its
# own with no settings file yet.
# Usage: bench/linux/language_start.sh [BUILD [STARTS]]
set -euo pipefail
cd "$(dirname "$0")/../.."
build=$(realpath "${1:-build/default}") starts=${2:-15}
if [ "${3:-}" != --in-x ]; then
  exec tests/viewer/with_xvfb.sh "$0" "$build" "$starts" --in-x
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$build/cli/skinpack" build examples/demo-theme -o "$work/iconres.ezx" >/dev/null
export XDG_RUNTIME_DIR=$work/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"

# Milliseconds from the start to the window shown (mapped), as the X server
# tells it, without polling; Esc then closes the window.
start_in() {
  local language=$1 start end window line watcher started
  rm -rf "$work/home"
  exec {events}< <(exec stdbuf -oL xev -root -event substructure)
  watcher=$!
  start=$(date +%s%N)
  HOME=$work/home LANGUAGE= LC_ALL= LC_MESSAGES= LANG=$language "$build/app/Skinwright" "$work/iconres.ezx" &
  started=$!
  while read -r -u "$events" line; do
    [[ $line =~ ^MapNotify ]] || continue
    read -r -u "$events" line
    [[ $line =~ window\ (0x[0-9a-f]+),\ override ]] || continue
    window=$((BASH_REMATCH[1]))
    [[ "$(xdotool getwindowname "$window" 2>/dev/null)" =~ ^Skinwright ]] && break
  done
  end=$(date +%s%N)
  kill "$watcher"
  exec {events}<&-
  xdotool windowfocus --sync "$window" key Escape
  wait "$started"
  echo $(((end - start) / 1000000))
}

# One start of each first, so the caches are made.
start_in en_US.UTF-8 >/dev/null
start_in zh_CN.UTF-8 >/dev/null
e=() z=()
for _ in $(seq "$starts"); do
  e+=("$(start_in en_US.UTF-8)")
  z+=("$(start_in zh_CN.UTF-8)")
done
median() { printf '%s\n' "$@" | sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
em=$(median "${e[@]}") zm=$(median "${z[@]}")
echo "== start of the Linux Viewer to its window, medians of $starts"
printf 'Chinese %6d ms   English %6d ms   Chinese/English %s\n' "$zm" "$em" \
  "$(awk -v a="$zm" -v b="$em" 'BEGIN { printf "%.2f", a / b }')"
