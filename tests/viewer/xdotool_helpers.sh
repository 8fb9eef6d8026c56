# What the real-window tests do with a running program, whose process id is
# in $program: find its windows, wait for them to come and go, and fail with
# a message. Sourced by their sessions under Xvfb.

fail() { echo "$*" >&2; kill "$program" 2>/dev/null || true; exit 1; }

# Waits for the program's Viewer window and prints it.
viewer_window() {
  local id
  for _ in $(seq 300); do
    kill -0 "$program" 2>/dev/null || fail "the program ended before its window appeared"
    id=$(xdotool search --all --pid "$program" --name '^Skinwright \(Moto Skin\)$' 2>/dev/null | head -n 1) || true
    [ -n "$id" ] && { echo "$id"; return; }
    sleep 0.1
  done
  fail "no Viewer window appeared"
}

# The program's visible windows, one id a line.
windows() { xdotool search --all --onlyvisible --pid "$program" --name '' 2>/dev/null | sort || true; }

# Waits for a window of the program that is not among those given, and prints it.
new_window() {
  local before=$1 id
  for _ in $(seq 100); do
    kill -0 "$program" 2>/dev/null || fail "the program ended unexpectedly"
    id=$(comm -13 <(echo "$before") <(windows) | head -n 1)
    [ -n "$id" ] && { echo "$id"; return; }
    sleep 0.1
  done
  return 1
}

# Waits until the window is no longer shown.
gone() {
  for _ in $(seq 100); do
    windows | grep -qx "$1" || return 0
    sleep 0.1
  done
  return 1
}

title() { xdotool getwindowname "$1"; }

# Presses a key that must open a window; checks its title, closes it with
# Esc and gives the focus back to the window that opened it (the Viewer
# unless named).
opens() {
  local key=$1 expected=$2 owner=${3:-$viewer} before shown
  before=$(windows)
  xdotool key "$key"
  shown=$(new_window "$before") || fail "$expected: no window opened"
  [[ "$(title "$shown")" =~ $expected ]] || fail "expected a window '$expected', got '$(title "$shown")'"
  xdotool windowfocus --sync "$shown"
  xdotool key Escape
  gone "$shown" || fail "$expected: Esc did not close it"
  xdotool windowfocus --sync "$owner"
}

# Presses a key that must open a window, gives that window the focus and
# prints it.
opened_by() {
  local key=$1 what=$2 before shown
  before=$(windows)
  xdotool key "$key"
  shown=$(new_window "$before") || fail "$key opened no $what"
  xdotool windowfocus --sync "$shown"
  echo "$shown"
}

# From the Builder's focused "Generate Packet ...": the save dialog, the
# packet's path typed, then the notice before and the success message after.
generate_packet() {
  local box
  opened_by space "save dialog" >/dev/null
  xdotool key ctrl+a
  xdotool type --delay 2 "$1"
  opened_by Return "notice" >/dev/null
  box=$(opened_by Return "success message")
  xdotool key Return
  gone "$box" || fail "the success message did not close"
}

# Presses a key that must end the program, and waits for its end.
ends_on() {
  xdotool key "$1"
  for _ in $(seq 300); do
    kill -0 "$program" 2>/dev/null || break
    sleep 0.1
  done
  kill -0 "$program" 2>/dev/null && fail "the program did not end on $1"
  wait "$program"
}

# Presses on the first row of the Viewer in $source, moves in steps past the
# drag distance, and releases over the given window at the given place.
drag_first_row_to() {
  xdotool mousemove --window "$source" 60 75 sleep 0.2 mousedown 1 sleep 0.2
  for step in 10 30 60 120 240 330; do
    xdotool mousemove --window "$source" 60 "$((75 + step))"
    sleep 0.1
  done
  xdotool mousemove --window "$1" "$2" "$3"
  sleep 0.5
  xdotool mouseup 1
  sleep 1
}
