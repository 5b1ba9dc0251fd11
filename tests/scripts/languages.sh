#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Tessaron developers
# The languages: every message id of the code is in every catalogue, translated, with the
# same printf conversions; the lab's data lines are the same in every locale (a decimal comma
# included); the terminal speaks the locale's language, and French, C and no locale alike; the
# desktop entry, the metainfo and the manual page carry every text in French too.
set -u
bin="$1"
top=$(cd "$(dirname "$0")/../.." && pwd)
lab="$bin/tessaron-lab"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }
for wanted in en_US.utf8 fr_FR.utf8 de_DE.utf8; do
  locale -a | grep -qx "$wanted" || fail "locale $wanted is not generated (tools/install-deps.sh makes it)"
done

"$top/tools/update-catalogues.sh" --template "$work/tessaron.pot" || fail "the message ids could not be gathered"
grep -q '^msgid "Tu as trouvé comment' "$work/tessaron.pot" || fail "a drawn id lost its accent in the template"
for language in $(grep -v '^#' "$top/po/LINGUAS"); do
  po="$top/po/$language.po"
  [ -f "$po" ] || fail "po/LINGUAS names $language, without po/$language.po"
  # The game finds a language's pictures under the name its catalogue's header gives.
  grep -qx "\"Language: $language\\\\n\"" "$po" || fail "$language.po: its header does not say Language: $language"
  # Each id of the code translated in the catalogue (an untranslated one counts as missing).
  msgcmp "$po" "$work/tessaron.pot" 2>"$work/missing" || fail "$language.po: $(head -n 6 "$work/missing")"
  # The code's c-format marks carried over, every translation's conversions as its id's.
  msgmerge --quiet --no-fuzzy-matching -o "$work/merged.po" "$po" "$work/tessaron.pot" &&
    msgfmt --check-format -o /dev/null "$work/merged.po" 2>"$work/format" || fail "$language.po: $(head -n 6 "$work/format")"
done

# The lab's data lines, and everything the game's rules compute, never change with the locale.
data() {
  "$lab" rand 7 5 && "$lab" level 4 && "$lab" codes && "$lab" play 1 --seed 2 --ticks 3000
  for replay in "$top"/tests/golden/level-0[1-3].replay; do "$lab" replay "$replay" --check; done
}
LANGUAGE= LC_ALL=C data >"$work/c" 2>&1
for locale in fr_FR.UTF-8 en_US.UTF-8 de_DE.UTF-8; do
  LANGUAGE= LC_ALL=$locale data >"$work/other" 2>&1
  cmp -s "$work/c" "$work/other" || fail "the lab's data lines differ under $locale: $(diff "$work/c" "$work/other" | head -n 4)"
done

# The terminal: French under C, French and no locale, byte for byte; English under English.
for program in "$bin/tessaron" "$lab"; do
  [ -x "$program" ] || continue
  env -u LANGUAGE -u LC_ALL -u LC_MESSAGES -u LANG "$program" --help >"$work/none" 2>&1
  for environment in "LANG=C" "LC_ALL=fr_FR.UTF-8" "LANG=fr_CA.UTF-8" "LANGUAGE=fr:en LANG=en_US.UTF-8"; do
    env -u LANGUAGE -u LC_ALL $environment "$program" --help >"$work/french" 2>&1
    cmp -s "$work/none" "$work/french" || fail "$program --help changed under $environment"
  done
  env -u LANGUAGE -u LC_ALL LANG=en_US.UTF-8 "$program" --help >"$work/english" 2>&1
  ! cmp -s "$work/none" "$work/english" || fail "$program --help is not translated under en_US.UTF-8"
  ! grep -qiE 'partie|niveau|fichier|affiche| le | la |é|è' "$work/english" ||
    fail "$program --help in English holds French: $(grep -iE 'partie|niveau|fichier|affiche| le | la |é|è' "$work/english" | head -n 2)"
done
# What a desktop shows of the game, in French too: each text of the desktop entry (but the name
# Tessaron), each paragraph and summary of the metainfo, and the manual page's every section.
desktop="$top/dist/io.github.tessaron.tessaron.desktop"
metainfo="$top/dist/io.github.tessaron.tessaron.metainfo.xml"
english=$(grep -cE '^(Name|GenericName|Comment|Keywords)=' "$desktop")
names=$(grep -c '^Name=Tessaron$' "$desktop")
french=$(grep -cE '^(Name|GenericName|Comment|Keywords)\[fr\]=' "$desktop")
[ "$((english - names))" = "$french" ] || fail "the desktop entry has $((english - names)) texts and $french in French"
for tag in p summary; do
  [ "$(grep -c "<$tag>" "$metainfo")" = "$(grep -c "<$tag xml:lang=\"fr\">" "$metainfo")" ] ||
    fail "the metainfo's <$tag> are not all in French"
done
for page in tessaron tessaron-lab; do
  [ "$(grep -c '^\.SH' "$top/dist/$page.6")" = "$(grep -c '^\.SH' "$top/dist/$page.fr.6")" ] ||
    fail "the French manual page of $page has not the English one's sections"
done
echo "languages ok"
