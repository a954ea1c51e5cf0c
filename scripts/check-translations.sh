#!/usr/bin/env bash
# Fails when a catalogue is out of date with the sources, or when a shipped language has a string
# untranslated, unfinished or fuzzy. The catalogues are made again from the sources (lupdate,
# xgettext, po4a, msgmerge) in a copy of the tree, and compared with the committed ones by the
# texts they hold (translations/keys.py), since the tools of Debian 12 and 13 lay them out
# differently. The work tree is left as it was.
#   scripts/check-translations.sh
set -euo pipefail
cd "$(dirname "$0")/.."
copy=$(mktemp -d)
trap 'rm -rf "$copy"' EXIT
cp -a app data filter scripts text translations web window "$copy/"
"$copy/scripts/update-translations.sh"
status=0
for catalogue in translations/po/*.po translations/po/*.pot translations/man/*.po \
    translations/man/*.pot translations/window/*.ts; do
    if ! diff -u --label "$catalogue" --label "$catalogue, made again" \
        <(python3 translations/keys.py "$catalogue") \
        <(python3 translations/keys.py "$copy/$catalogue"); then
        echo "FAIL: $catalogue is out of date with the sources: run" \
            "scripts/update-translations.sh and translate what it marks" >&2
        status=1
    fi
done
for language in $(cat translations/po/LINGUAS); do
    for po in "translations/po/$language.po" "translations/man/$language.po"; do
        said=$(LC_ALL=C msgfmt --check --statistics -o /dev/null "$po" 2>&1)
        [[ $said =~ ^[0-9]+\ translated\ messages\.$ ]] || { echo "FAIL: $po: $said" >&2; status=1; }
    done
    ts=translations/window/vellumark9_$language.ts
    ! grep -n 'type="\(unfinished\|vanished\|obsolete\)"' "$ts" ||
        { echo "FAIL: $ts has strings above that are not translated" >&2; status=1; }
done
exit "$status"
