# How the Windows real-window tests see Wine's windows: as Wine itself
# lists them (top_windows.exe), which holds also in Wine's virtual desktop,
# where X shows them all as one. Sourced by their sessions under Xvfb, with
# $wine_run, $top_windows (its path), $program and $desktop (empty, or the
# virtual desktop's size) set, after xdotool_helpers.sh.

# Shows Wine's windows in a virtual desktop of the size in $desktop (as
# Windows shows them: captions, system menus, z-order), or where it is
# empty, each as an X window of its own. Set before the program starts. A
# desktop already shown keeps its kind until Wine's server ends, as the one
# a new prefix starts with does: the server is waited for.
wine_desktop() {
  if [ -n "$desktop" ]; then
    "$wine_run" reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null
    "$wine_run" reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d "$desktop" /f >/dev/null
  else
    "$wine_run" reg delete 'HKCU\Software\Wine\Explorer' /v Desktop /f >/dev/null 2>&1 || true
  fi
  WINEPREFIX=$("$wine_run" --prefix) /usr/lib/wine/wineserver64 -w
}

# Once a window is shown: fails unless Wine shows it as $desktop asks.
shown_as_asked() {
  local shown=
  xdotool search --onlyvisible --name ' - Wine desktop$' >/dev/null 2>&1 && shown=yes
  [ -n "$desktop" ] || [ -z "$shown" ] || fail "Wine shows a virtual desktop, which was not asked for"
  [ -z "$desktop" ] || [ -n "$shown" ] || fail "Wine shows no virtual desktop"
}

# Wine's windows, or with a window given its controls, as top_windows.exe
# prints them.
top() { "$wine_run" "$top_windows" "$@"; }

# The windows titled so, one a line.
titled() { top | awk -F'\t' -v title="$1" '$6 == title { print $1 }'; }

# Waits for a window of that title and prints it; the first one comes
# after Wine has started.
window_titled() {
  local id
  for _ in $(seq 300); do
    kill -0 "$program" 2>/dev/null || fail "the program ended before '$1' appeared"
    id=$(titled "$1" | head -n 1)
    [ -n "$id" ] && { echo "$id"; return; }
    sleep 0.1
  done
  fail "no window '$1' appeared"
}

# Waits until no window of that title is left.
closed() {
  for _ in $(seq 100); do
    [ -z "$(titled "$1")" ] && return
    sleep 0.1
  done
  fail "'$1' did not close"
}
# How many windows have that title.
count() { titled "$1" | wc -l; }

# "enabled" or "disabled": whether the window takes the user's input.
enabled() { top | awk -F'\t' -v window="$1" '$1 == window { print $3 }'; }

# Gives the window of that title the keyboard, and waits until Wine says
# it has it. In the virtual desktop Wine activates its windows itself, as
# Windows does; each X window of its own needs the focus from X.
activate() {
  local id pattern
  if [ -z "$desktop" ]; then
    pattern=$(sed 's/[][().*+?^$|\\{}]/\\&/g' <<<"$1")
    for _ in $(seq 50); do
      id=$(xdotool search --onlyvisible --name "^$pattern\$" 2>/dev/null | tail -n 1) || true
      [ -n "$id" ] && break
      sleep 0.1
    done
    [ -n "$id" ] || fail "no X window '$1' to focus"
    xdotool windowfocus --sync "$id"
  fi
  for _ in $(seq 50); do
    [ -n "$(top | awk -F'\t' -v title="$1" '$4 == "active" && $6 == title')" ] && return
    sleep 0.1
  done
  fail "'$1' did not get the keyboard"
}
