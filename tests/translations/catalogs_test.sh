#!/usr/bin/env bash
# Each language's catalog is well formed, keeps every "%s" and "%d" of its
# texts (msgfmt --check), and translates every text the windows show as the
# code stands: a text marked in the code and missing from a catalog, left
# empty or marked fuzzy fails here.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$here/../..
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

"$root/scripts/translations" pot "$work/skinwright.pot" 2>/dev/null
status=0
for catalog in "$root"/po/*.po; do
    language=$(basename "$catalog" .po)
    if ! msgfmt --check -o /dev/null "$catalog"; then
        echo "$language: msgfmt --check fails" >&2
        status=1
    fi
    msgmerge --quiet --no-fuzzy-matching -o "$work/$language.po" "$catalog" "$work/skinwright.pot"
    missing=$(msgattrib --untranslated --no-obsolete --no-wrap "$work/$language.po" | grep '^msgid "' | grep -v '^msgid ""$' || true)
    fuzzy=$(msgattrib --only-fuzzy --no-obsolete --no-wrap "$work/$language.po" | grep '^msgid "' | grep -v '^msgid ""$' || true)
    if [ -n "$missing$fuzzy" ]; then
        printf '%s: not translated:\n%s\n%s\n' "$language" "$missing" "$fuzzy" >&2
        status=1
    fi
done
# The template beside the catalogs is the one the code makes, for translators.
if ! diff <(grep '^msgid' "$work/skinwright.pot") <(grep '^msgid' "$root/po/skinwright.pot") >/dev/null 2>&1; then
    echo "po/skinwright.pot is out of date: run scripts/translations" >&2
    status=1
fi
exit $status
