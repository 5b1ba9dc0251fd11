#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Tessaron developers
# Gathers every message id of the code into a template and merges it into each po/<language>.po
# (new ids come in untranslated, gone ones are kept as obsolete). With --template FILE it only
# writes the template to FILE (the catalogue check uses it).
# Drawn texts are Windows-1252 escapes in the code ("Tu as trouv\xe9"), terminal lines and
# make-data's pictures UTF-8:
# each kind is read with its own encoding; both become UTF-8 message ids.
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
sources=$(git ls-files 'game/*.cpp' 'screens/*.cpp' 'screens/*.h' 'shell/*.cpp' 'tools/lab/*.cpp' 2>/dev/null ||
          find game screens shell tools/lab -name '*.cpp' -o -path 'screens/*.h' | sort)
common="--language=C++ --force-po --sort-by-file --add-location=file --package-name=tessaron"
# xgettext warns about every id that is not ASCII: only its failures are shown.
# shellcheck disable=SC2086
pictures=$(git ls-files 'tools/make-data/*.cpp' 2>/dev/null || find tools/make-data -name '*.cpp' | sort)
# shellcheck disable=SC2086
xgettext $common --from-code=UTF-8 -k -ktr -ktrId -kdrawLabel:4 -kpaintGoldTitle:4 -klabelBeside:4 -kheading:5 \
    -o "$work/tessaron.pot" $sources $pictures 2>"$work/log" ||
    { cat "$work/log" >&2; exit 1; }
sed -i 's/charset=CHARSET/charset=UTF-8/' "$work/tessaron.pot"
# shellcheck disable=SC2086
xgettext $common --from-code=CP1252 -k -kdrawnText -kdrawnTextId -kaskHoldingTheGame -kaskYesNo -j \
    -o "$work/tessaron.pot" $sources 2>"$work/log" || { cat "$work/log" >&2; exit 1; }
if [ "${1:-}" = "--template" ]; then
  cp "$work/tessaron.pot" "$2"
  exit 0
fi
for po in po/*.po; do
  msgmerge --quiet --update --backup=none --no-fuzzy-matching --sort-by-file --add-location=file "$po" "$work/tessaron.pot"
  msgattrib --no-obsolete --sort-by-file -o "$po" "$po"
done
