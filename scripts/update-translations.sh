#!/usr/bin/env bash
# Brings every catalogue in line with the sources: the window's .ts files through lupdate, the
# command line's template translations/po/vellumark9.pot
# through xgettext (the program's messages, the desktop entry and the metainfo), the manual
# page's through po4a, and each language's .po through msgmerge. New or changed texts then stand untranslated or fuzzy in the
# .po and .ts files until someone translates them.
#   scripts/update-translations.sh
set -euo pipefail
cd "$(dirname "$0")/.."
# lupdate over the same files on every release: the window's own, the line layer's and the page's, with the
# include root that tells it Form1's namespace.
languages=$(cat translations/po/LINGUAS)
ts_files=()
for language in $languages; do ts_files+=("translations/window/vellumark9_$language.ts"); done
"$(qtpaths6 --query QT_HOST_BINS)/lupdate" -silent -I . -tr-function-alias QT_TRANSLATE_NOOP+=VELLUM_TRANSLATABLE \
    -tr-function-alias QT_TRANSLATE_N_NOOP+=VELLUM_TRANSLATABLE_COUNTED \
    -locations none -no-obsolete window/Form1.h window/Form1.cpp window/QrCodeDialog.cpp window/Startup.cpp \
    text/*.h text/*.cpp web/page.js -ts "${ts_files[@]}"

pot=translations/po/vellumark9.pot
sources=$(ls app/*.cpp filter/*.cpp text/*.cpp text/*.h | LC_ALL=C sort)
# shellcheck disable=SC2086 # one word per file
xgettext --from-code=UTF-8 --language=C++ --keyword= --keyword=VELLUM_TRANSLATABLE:1c,2 \
    --keyword=VELLUM_TRANSLATABLE_COUNTED:1c,2,2 \
    --no-location --package-name=vellumark9 --msgid-bugs-address=vellumark9@vellum41.example \
    --output="$pot.code" $sources
xgettext --from-code=UTF-8 --no-location --its=translations/po/metainfo.its --output="$pot.metainfo" \
    data/org.vellum41.Vellumark9.metainfo.xml
xgettext --from-code=UTF-8 --no-location --language=Desktop --output="$pot.desktop" \
    data/org.vellum41.Vellumark9.desktop
sed -i 's/charset=CHARSET/charset=UTF-8/' "$pot".*
# Without its date, the template changes only when a text does.
msgcat "$pot.code" "$pot.desktop" "$pot.metainfo" | sed '/^"POT-Creation-Date: /d' >"$pot"
rm -f "$pot".*
# The manual page's template and catalogues (translations/man); po4a leaves them untouched when
# the page's texts have not changed.
po4a --no-translations translations/man/po4a.cfg >/dev/null
for language in $languages; do
    msgmerge --quiet --update --backup=none --no-location "translations/po/$language.po" "$pot"
done
