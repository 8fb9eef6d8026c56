#!/usr/bin/env bash
# The contact sheet in a real browser: Debian's Chromium, headless, opens it
# from the disk with every host name unresolvable. The page it loads shows
# every resource, each picture a file beside the page at the size
# `skinpack pictures` gives it, and nothing could come from elsewhere: no
# script, no style sheet or frame of its own, no URL but a file beside the
# page. The theme is the demo theme with another picture as ok.gif, a PNG
# renamed, a picture cut short and a name that does not match its id. With a file given, the screenshot of
# the page lands there. Exits 77 (skipped) where Chromium is missing.
# Usage: sheet_in_chromium.sh SKINPACK DEMO_THEME [SCREENSHOT]
set -euo pipefail
skinpack=$(realpath "$1") demo=$(realpath "$2") shot=${3:+$(realpath -m "$3")}
command -v chromium >/dev/null || { echo "chromium is not installed: skipped"; exit 77; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "$*"; exit 1; }
cd "$work"

cp -r "$demo" theme
cp "$demo/call.gif" theme/ok.gif
base64 -d >theme/phone.gif <<<"iVBORw0KGgoAAAANSUhEUgAAABAAAAAQCAYAAAAf8/9hAAAAGUlEQVR42mOQq7jznxLMMGrAqAGjBgwXAwBS3HEfXnXoBQAAAABJRU5ErkJggg=="
head -c 200 "$demo/clock.gif" >theme/clock.gif
"$skinpack" build theme -o plain.ezx >/dev/null
"$skinpack" extract plain.ezx skin >/dev/null
# lock.g's row keeps the id 12345, which its name does not hash to.
sed -i -E 's/^-?[0-9]+ (.* lock\.g)$/12345 \1/' skin/hashtable
"$skinpack" build skin --order skin/hashtable --comment $'My theme\nfor the E680' -o iconres.ezx >/dev/null
"$skinpack" sheet iconres.ezx -o sheet >/dev/null 2>&1

browse() {
  rm -rf profile && mkdir profile
  chromium --headless --no-sandbox --disable-gpu --disable-quic --no-first-run --disable-background-networking \
    --disable-component-update --disable-sync --host-resolver-rules="MAP * ~NOTFOUND" --user-data-dir="$work/profile" \
    "$@" "file://$work/sheet/index.html" 2>/dev/null
}
browse --dump-dom >dom.html
grep -q '</ol>' dom.html || fail "Chromium did not load the page"

# Each picture as `pictures` sees it: its file and its size ("-" unknown).
"$skinpack" pictures iconres.ezx 2>/dev/null | while IFS=$'\t' read -r name _ _ size _ _; do
  printf '%sif\t%s\n' "$name" "$size"
done | sort >expected
grep -o '<img [^>]*>' dom.html | while read -r tag; do
  [[ $tag =~ src=\"\./([^\"/]*)\" ]] || fail "a picture that is no file beside the page: $tag"
  encoded=${BASH_REMATCH[1]}
  file=$(printf '%b' "${encoded//%/\\x}")
  [ -f "sheet/$file" ] || fail "$file is not beside the page"
  size=-
  [[ $tag =~ width=\"([0-9]+)\"\ height=\"([0-9]+)\" ]] && size="${BASH_REMATCH[1]}x${BASH_REMATCH[2]}"
  printf '%s\t%s\n' "$file" "$size"
done | sort >shown
diff expected shown || fail "the page does not show every picture at its size"
[ "$(grep -c '^<li' dom.html)" -eq "$(wc -l <expected)" ] || fail "the page does not show every resource"
grep -q 'Faulty picture: not a GIF: starts like PNG' dom.html || fail "the PNG is not marked"
grep -q 'Faulty picture: cut short in frame 1' dom.html || fail "the cut picture is not marked"
grep -q '!!!0x00003039.g' dom.html || fail "the damaged name is not shown by its id"

# Nothing from elsewhere: every URL the page holds is a file beside it.
if grep -Eiq '<(script|link|iframe|object|embed|base)[ >]|url\(|@import|https?:' sheet/index.html; then
  fail "the page could load something from elsewhere"
fi
if grep -Eo '(src|href|srcset|action|poster|data)="[^"]*"' dom.html | grep -Ev '^src="\./[^"/]*"$'; then
  fail "the page holds a URL that is no file beside it"
fi

if [ -n "$shot" ]; then
  browse --screenshot="$work/shot.png" --window-size=960,820 >/dev/null
  cp shot.png "$shot"
fi
echo "the contact sheet shows $(wc -l <expected) pictures in Chromium"
