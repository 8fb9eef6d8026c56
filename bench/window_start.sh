# Sourced by the start benches: the time from starting a program to its
# window shown, and the medians of such times.

# Milliseconds from the start of COMMAND to the mapping of its window whose
# title matches TITLE, as the X server tells it, without polling; Esc then
# closes the window and its program's end is awaited.
# Usage: start_to_window TITLE COMMAND [ARGUMENT...]
start_to_window() {
  local title=$1 start end window line watcher started events
  shift
  exec {events}< <(exec stdbuf -oL xev -root -event substructure)
  watcher=$!
  start=$(date +%s%N)
  "$@" &
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

median() { printf '%s\n' "$@" | sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }
