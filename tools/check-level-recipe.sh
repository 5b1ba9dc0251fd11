#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Tessaron developers
# HACKING.md's recipe for a level, kept true: in a scratch copy of the tree a 26th level is added
# the way the recipe's first three steps say, one step a function. With every step done, the
# built-in boards' tool (built from the copy) takes the level file and writes a table that
# compiles, and the files that count levels compile with the build's own flags; with any one step
# left out, one of these fails and the step is named. $1: the build's bin folder.
. "$(dirname "$0")/recipe-check-common.sh"
game_flags=$(flags game game) screens_flags=$(flags screens screens)
[ -n "$game_flags" ] && [ -n "$screens_flags" ] || fail "no compile flags under $build"

# The steps, as HACKING.md's "Adding a level" numbers them.
block() {  # 1: a level block at the end of the built-in file
  printf '\nlevel\n# One row of every colour, for the recipe check.\n' >>"$tree/resources/built-in.tessaron-levels"
  for x in 120 160 200 240 280; do
    echo "brick $x 100 ordinary$((x / 40 - 2))" >>"$tree/resources/built-in.tessaron-levels"
  done
}
code() {  # 2: its code in kCodeTable
  perl -0pi -e 's/("APOGEE",  \/\/ 21 to 25\n)/$1    "RECETT",\n/' "$tree/game/level_codes.cpp"
}
count() {  # 3: kLevelCount raised
  perl -pi -e 's/constexpr int kLevelCount = 25;/constexpr int kLevelCount = 26;/' "$tree/game/game_state.h"
}
steps="block code count"

# What the build would say: the boards' tool built from the copy takes the file, its table and
# the files that count levels compile.
checks() {
  eval "c++ $game_flags -o \"$work/boards\" \"$tree/tools/built-in-levels/main.cpp\" \"$tree/game/level_set.cpp\"" \
    2>/dev/null || { echo "the built-in boards' tool does not compile"; return 1; }
  refusal=$("$work/boards" "$tree/resources/built-in.tessaron-levels" "$work/built_in_levels.cpp" 2>&1) ||
    { echo "built-in-levels: ${refusal#*: }"; return 1; }
  for file in "$work/built_in_levels.cpp" $(cd "$tree" && grep -l kLevelCount game/*.cpp screens/*.cpp | sed "s|^|$tree/|"); do
    case $file in "$tree"/screens/*) options=$screens_flags ;; *) options=$game_flags ;; esac
    errors=$(eval "c++ $options -fsyntax-only \"$file\"" 2>&1) ||
      { echo "${file#"$tree"/}: $(printf '%s\n' "$errors" | grep -m 1 'error:' | sed 's/.*error: //')"; return 1; }
  done
}

fresh() {
  rm -rf "$tree" && mkdir -p "$tree/tools"
  (cd "$top" && cp -r game screens resources "$tree/" && cp -r tools/built-in-levels "$tree/tools/")
}

follow_recipe "a level"
