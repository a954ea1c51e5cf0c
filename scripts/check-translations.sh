#!/usr/bin/env bash
# Fails when a catalogue template is out of date with the sources (lupdate and xgettext run
# again, then compared), or when a shipped language has a string unfinished, fuzzy or missing.
# The work tree is left as it was.
#   scripts/check-translations.sh [BUILD-DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
kept=$(mktemp -d)
trap 'rm -rf "$translations_before" "$kept"' EXIT
translations_before="$kept/translations"
cp -a translations "$translations_before"
scripts/update-translations.sh "$build"
status=0
if ! diff -ru "$translations_before" translations; then
    echo "FAIL: the catalogues above are out of date with the sources: run" \
        "scripts/update-translations.sh and translate what it marks" >&2
    status=1
fi
rm -rf translations && cp -a "$translations_before" translations
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
