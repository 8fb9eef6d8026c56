# What the Windows real-window tests add to xdotool_helpers.sh: Wine's
# windows belong to Wine's own processes, so they are found by name alone,
# and paths are given as Windows names them. Sourced by the tests and their
# sessions under Xvfb.

# A path as Windows names it: the drive Wine maps to "/", backslashes.
windows_path() { local path=${1//\//\\}; echo "Z:$path"; }

# Every window on the session's display is a program of the test's own.
windows() { xdotool search --onlyvisible --name '' 2>/dev/null | sort || true; }

# Waits for the Viewer window of the Windows program in $program and
# prints it.
windows_viewer() {
  local id
  for _ in $(seq 600); do
    kill -0 "$program" 2>/dev/null || fail "the program ended before its window appeared"
    id=$(xdotool search --onlyvisible --name '^Skinwright \(Moto Skin\)$' 2>/dev/null | head -n 1) || true
    [ -n "$id" ] && { echo "$id"; return; }
    sleep 0.1
  done
  fail "no Windows Viewer appeared"
}

# After a drop on the Windows Builder in $builder, over the Viewer $1 of
# the program in $program: a click in the list (a drag leaves Wine's window
# inactive), the packet generated as the Windows path $2, Esc on the
# Builder and on its Viewer, which ends that program; then Esc on the
# Viewer dragged from in $source, which ends $source_program.
generate_then_end_both() {
  xdotool windowfocus --sync "$builder"
  xdotool mousemove --window "$builder" 300 250 click 1 sleep 0.3 mousemove 0 0
  xdotool key Tab
  generate_packet "$2"
  xdotool windowfocus --sync "$builder"
  xdotool key Escape
  gone "$builder" || fail "Esc did not close the Builder"
  xdotool windowfocus --sync "$1"
  ends_on Escape
  program=$source_program
  xdotool windowfocus --sync "$source"
  ends_on Escape
  wait
}
