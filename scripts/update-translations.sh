#!/usr/bin/env bash
# Brings every catalogue in line with the sources: the window's .ts files through lupdate (the
# build's update_translations target), the command line's template translations/po/vellumark9.pot
# through xgettext (the program's messages, the desktop entry and the metainfo), the manual
# page's through po4a, and each language's .po through msgmerge. New or changed texts then stand untranslated or fuzzy in the
# .po and .ts files until someone translates them.
#   scripts/update-translations.sh [BUILD-DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
cmake --build "$build" --target update_translations >/dev/null

pot=translations/po/vellumark9.pot
sources=$(ls app/*.cpp filter/*.cpp text/*.cpp text/*.h | LC_ALL=C sort)
# shellcheck disable=SC2086 # one word per file
xgettext --from-code=UTF-8 --language=C++ --keyword= --keyword=VELLUM_TRANSLATABLE:1c,2 \
    --no-location --sort-output --package-name=vellumark9 --msgid-bugs-address=vellumark9@vellum41.example \
    --output="$pot.code" $sources
xgettext --from-code=UTF-8 --no-location --sort-output --output="$pot.data" \
    data/org.vellum41.Vellumark9.desktop data/org.vellum41.Vellumark9.metainfo.xml
sed -i 's/charset=CHARSET/charset=UTF-8/' "$pot.code" "$pot.data"
# Without its date, the template changes only when a text does.
msgcat --sort-output "$pot.code" "$pot.data" | sed '/^"POT-Creation-Date: /d' >"$pot"
rm -f "$pot.code" "$pot.data"
# The manual page's template and catalogues (translations/man); po4a leaves them untouched when
# the page's texts have not changed.
po4a --no-translations translations/man/po4a.cfg >/dev/null
for language in $(cat translations/po/LINGUAS); do
    msgmerge --quiet --update --backup=none --no-location --sort-output \
        "translations/po/$language.po" "$pot"
done
