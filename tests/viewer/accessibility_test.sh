#!/usr/bin/env bash
# The built program in a real X server, read through the accessibility bus
# (AT-SPI) as a screen reader reads it: every control the keyboard reaches in
# the Viewer, the About window and the Builder must have a name that says
# what it is (read_windows.py checks them and prints them).
# The program speaks the language of ACCESSIBILITY_TEST_LANG (LANG, English
# unless set) and ACCESSIBILITY_TEST_LANGUAGE (LANGUAGE, unset unless set).
# A machine without pyatspi or the AT-SPI bus launcher skips (exit 77).
# Usage: accessibility_test.sh SKINWRIGHT SKINPACK DEMO_THEME
set -euo pipefail
executable=$1 skinpack=$2 demo=$3
here=$(cd "$(dirname "$0")" && pwd)

launcher=/usr/libexec/at-spi-bus-launcher
reader=/usr/bin/python3   # Debian's, which has pyatspi
if ! "$reader" -c 'import pyatspi' 2>/dev/null; then
  echo "no pyatspi for $reader (apt-get install python3-pyatspi gir1.2-atspi-2.0); skipping"
  exit 77
fi
for needed in "$launcher" "$(command -v dbus-run-session || echo dbus-run-session)"; do
  [ -x "$needed" ] || { echo "no $needed (apt-get install at-spi2-core dbus); skipping"; exit 77; }
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/home/themes" "$work/config" "$work/data" "$work/cache"
mkdir -m 700 "$work/runtime"
cp "$executable" "$work/Skinwright"   # its settings file goes beside it, in the scratch folder
"$skinpack" build "$demo" -o "$work/home/themes/iconres.ezx" >/dev/null

cat >"$work/session" <<'SESSION'
# Inside the X server and a private session bus.
set -euo pipefail
work=$1 here=$2 demo=$3 reader=$4 launcher=$5
echo $$ >"$work/session.pid"   # what the test ends when it is stopped
started=()
stop_all() {
  local pid
  for pid in "${started[@]}"; do kill "$pid" 2>/dev/null || true; done
  for pid in "${started[@]}"; do wait "$pid" 2>/dev/null || true; done
}
trap stop_all EXIT
trap 'exit 143' TERM INT HUP

export HOME="$work/home" XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" \
  XDG_CACHE_HOME="$work/cache" XDG_RUNTIME_DIR="$work/runtime" \
  QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
"$launcher" --launch-immediately >"$work/bus.log" 2>&1 &   # the bus and its registry log there
started+=($!)

unset LC_ALL LC_MESSAGES LANGUAGE
export LANG="${ACCESSIBILITY_TEST_LANG:-en_US.UTF-8}"
[ -z "${ACCESSIBILITY_TEST_LANGUAGE:-}" ] || export LANGUAGE="$ACCESSIBILITY_TEST_LANGUAGE"
"$work/Skinwright" "$HOME/themes/iconres.ezx" 2>"$work/program.log" &
program=$!
started+=("$program")

# The English names are checked only when English is certain: LANG is C, or
# every language asked for (LANGUAGE before LANG) is English.
english=(--english)
case "$LANG" in
  C|C.*|POSIX) ;;
  *) IFS=: read -ra asked <<<"${LANGUAGE:-$LANG}"
     for language in "${asked[@]}"; do
       case "$language" in en|en_*|en.*|'') ;; *) english=() ;; esac
     done ;;
esac

# In the background, so that a signal to stop ends it without waiting.
"$reader" "$here/read_windows.py" "$program" "$demo" "${english[@]}" &
started+=($!)
status=0
wait $! || status=$?
kill -0 "$program" 2>/dev/null || { echo "the program ended while it was read:"; cat "$work/program.log"; status=1; }
[ "$status" -eq 0 ] || { echo "the accessibility bus said:"; cat "$work/bus.log"; }
exit "$status"
SESSION

started_at=$(date +%s%N)
"$here/with_xvfb.sh" dbus-run-session -- bash "$work/session" "$work" "$here" "$demo" "$reader" "$launcher" \
  2>"$work/stderr" &
run=$!
# Stopped (by Ctrl+C or a test timeout), the session ends what it started,
# then the private bus and the X server end with it.
stop() {
  [ -s "$work/session.pid" ] && kill "$(cat "$work/session.pid")" 2>/dev/null
  wait "$run" 2>/dev/null
  rm -rf "$work"
  exit 143
}
trap stop TERM INT HUP
status=0
wait "$run" || status=$?
# Without the private bus's complaint that it may not raise its file limit.
grep -v -e 'Failed to set fd limit' "$work/stderr" >&2 || true
elapsed=$(( ($(date +%s%N) - started_at) / 1000000 ))
echo "took $((elapsed / 1000)).$(printf '%03d' $((elapsed % 1000))) s"
exit "$status"
