#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Tessaron developers
# HACKING.md's recipe for a capsule kind, kept true: in a scratch copy of the tree a "double
# points" kind with a lasting effect is added the way the recipe says, one step a function.
# With every step done, the files that read the kinds' rows compile with the build's own flags
# and warnings, the credits picture's rows fit and every text has its English; with any one step
# left out, one of these fails and the step is named. Only those files are compiled (syntax
# only), so the whole takes seconds. $1: the build's bin folder.
. "$(dirname "$0")/recipe-check-common.sh"
game_flags=$(flags game game) screens_flags=$(flags screens screens) lab_flags=$(flags tools lab-play)
data_flags=$(flags tools make-data)
[ -n "$game_flags" ] && [ -n "$screens_flags" ] && [ -n "$lab_flags" ] && [ -n "$data_flags" ] ||
  fail "no compile flags under $build"

# The steps, as HACKING.md's "Adding a capsule kind" lists them.
enumerator() {  # 1: the enumerator, kCapsuleKinds pointed at it, the lasting flag's field
  perl -0pi -e 's/(    kRandomBounceCapsule = 13,\n)/$1    kDoublePointsCapsule = 14,\n/;
    s/kCapsuleKinds = kRandomBounceCapsule;/kCapsuleKinds = kDoublePointsCapsule;/;
    s/(    bool bonusRandomBounce = false;[^\n]*\n)/$1    bool bonusDoublePoints = false;  \/\/ bricks count twice\n/' \
    "$tree/game/game_state.h"
}
row() {  # 2: its row
  perl -0pi -e 's/(\n\}\};\n\/\/ clang-format on)/\n    {kDoublePointsCapsule, 3, &GameState::bonusDoublePoints, "bonusDoublePoints", 1,\n     [](const GameState&) { return 1; }},$1/' \
    "$tree/game/capsule_kinds.h"
}
effect() {  # 3: its case in applyBonus
  perl -0pi -e 's/(    case kRandomBounceCapsule:[^\n]*\n)/$1    case kDoublePointsCapsule: game.bonusDoublePoints = true; break;\n/' \
    "$tree/game/bonuses.cpp"
}
look() {  # 4: its look in kLooks
  perl -0pi -e 's/(    \{kRandomBounceCapsule, [^\n]*\n)/$1    {kDoublePointsCapsule, 0xC9A227, 0xFFFFFF, 0xFFFFFF, kBounce, 5},\n/' \
    "$tree/tools/make-data/capsules.cpp"
}
line() {  # 4: its line in kCapsuleLines
  perl -0pi -e 's/(    \{kRandomBounceCapsule, trId[^\n]*\n)/$1    {kDoublePointsCapsule, trId("Points doubl\x{c3}\x{a9}s")},\n/' \
    "$tree/tools/make-data/credits_picture.cpp"
}
pitch() {  # 4: a 14th line needs the capsule rows 23 pixels apart
  perl -pi -e 's/kCapsuleRows\{152, 25, 20\}/kCapsuleRows{152, 23, 20}/' "$tree/tools/make-data/credits_picture.h"
}
english() {  # 4: the line's English in po/en.po
  printf '\n#: tools/make-data/credits_picture.cpp\nmsgid "Points doubl\303\251s"\nmsgstr "Double points"\n' >>"$tree/po/en.po"
}
steps="enumerator row effect look line pitch english"

# What the build and the tests would say, in seconds: the files that read the rows compile, the
# credits rows fit above the foot, every message id has its English.
checks() {
  for file in $(cd "$tree" && grep -l capsule_kinds.h game/*.cpp screens/*.cpp tools/lab/*.cpp) \
    tools/make-data/capsules.cpp tools/make-data/credits_picture.cpp; do
    case $file in
      game/*) options=$game_flags ;; screens/*) options=$screens_flags ;; tools/lab/*) options=$lab_flags ;;
      *) options=$data_flags ;;
    esac
    errors=$(eval "c++ $options -fsyntax-only \"$tree/$file\"" 2>&1) ||
      { echo "$file: $(printf '%s\n' "$errors" | grep -m 1 'error:' | sed 's/.*error: //')"; return 1; }
  done
  controls=$(sed -n 's/.*std::array<const char\*, 2>, \([0-9]*\)> kControls.*/\1/p' "$tree/tools/make-data/credits_picture.cpp")
  printf '#include <cstdio>\n#include "game/game_state.h"\n#include "tools/make-data/credits_picture.h"\nint main() { const auto f = creditsRowFaults(%s, kCapsuleKinds); std::fputs(f.text.c_str(), stdout); return f.text.empty() ? 0 : 1; }\n' \
    "$controls" >"$work/rows.cpp"
  eval "c++ $data_flags -o \"$work/rows\" \"$work/rows.cpp\"" 2>/dev/null || { echo "the rows' probe does not compile"; return 1; }
  "$work/rows" >/dev/null || { echo "credits.bmp's rows overflow"; return 1; }
  (cd "$tree" && tools/update-catalogues.sh --template "$work/tessaron.pot") || { echo "no template"; return 1; }
  msgcmp "$tree/po/en.po" "$work/tessaron.pot" 2>/dev/null || { echo "a text has no English"; return 1; }
}

fresh() {
  rm -rf "$tree" && mkdir "$tree"
  (cd "$top" && cp -r game screens shell po "$tree/" && mkdir -p "$tree/tools" && cp -r tools/make-data tools/lab "$tree/tools/" &&
    cp tools/update-catalogues.sh "$tree/tools/")
}

follow_recipe "a capsule kind"
