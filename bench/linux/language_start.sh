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

source bench/window_start.sh
# The Viewer in a language, each time with no settings file yet.
viewer_in() {
  rm -rf "$work/home"
  HOME=$work/home LANGUAGE= LC_ALL= LC_MESSAGES= LANG=$1 "$build/app/Skinwright" "$work/iconres.ezx"
}
start_in() { start_to_window '^Skinwright' viewer_in "$1"; }

# One start of each first, so the caches are made.
start_in en_US.UTF-8 >/dev/null
start_in zh_CN.UTF-8 >/dev/null
e=() z=()
for _ in $(seq "$starts"); do
  e+=("$(start_in en_US.UTF-8)")
  z+=("$(start_in zh_CN.UTF-8)")
done
em=$(median "${e[@]}") zm=$(median "${z[@]}")
echo "== start of the Linux Viewer to its window, medians of $starts"
printf 'Chinese %6d ms   English %6d ms   Chinese/English %s\n' "$zm" "$em" \
  "$(ratio "$zm" "$em")"
