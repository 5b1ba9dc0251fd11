#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Tessaron developers
# tessaron-lab prove: the built-in set proves clear level by level; a set whose only brick to
# break is walled in by indestructible bricks is said not to be, with where it is stuck; a file
# the reader refuses is refused with its line.
set -u
lab="$1/tessaron-lab"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

out=$("$lab" prove "$(dirname "$0")/../../resources/built-in.tessaron-levels" --seeds 2) || fail "built-in set: $out"
echo "$out"
[ "$(echo "$out" | grep -c '^level [0-9]* cleared 2/2 ticks ')" = "$("$lab" codes | wc -l)" ] || fail "a level not cleared"

cat >"$work/sealed.tessaron-levels" <<'SET'
tessaron-levels 1
name Essai
author Moi
level
brick 240 300 ordinary2
level
brick 200 100 indestructible
brick 240 100 indestructible
brick 280 100 indestructible
brick 200 120 indestructible
brick 240 120 ordinary1
brick 280 120 indestructible
brick 200 140 indestructible
brick 240 140 indestructible
brick 280 140 indestructible
SET
out=$("$lab" prove "$work/sealed.tessaron-levels" --seeds 1); status=$?
[ $status = 1 ] || fail "sealed set: status $status"
echo "$out" | sed -n 2,4p | tr '\n' '|' | grep -qx 'level 1 cleared 1/1 ticks [0-9.]*|level 2 not-cleared 0/1 stuck: 1 bricks out of reach, first at 240 120|proved 1/2|' ||
  fail "sealed set: $out"

# A replay of a game on a player's set plays back, and checks, without the set's file.
"$lab" play 1 --levels "$work/sealed.tessaron-levels" --record "$work/mine.tessaron-replay" >/dev/null ||
  fail "the autopilot did not clear the set's first level"
rm "$work/sealed.tessaron-levels"
out=$("$lab" replay "$work/mine.tessaron-replay" --check) || fail "replay of the set's level: $out"
"$lab" play 3 --levels "$work/mine.tessaron-replay" >/dev/null 2>&1 && fail "a replay taken for a set of levels"

printf 'tessaron-levels 1\nname A\nauthor B\nlevel\nbrick 0 0 granite\n' >"$work/bad.tessaron-levels"
out=$("$lab" prove "$work/bad.tessaron-levels" 2>&1); status=$?
[ $status = 2 ] && [ "$out" = "$work/bad.tessaron-levels : ligne 5 : genre de brique inconnu « granite »" ] ||
  fail "refused set: status $status, $out"
echo "prove clears the built-in set, finds the walled-in brick, refuses the bad file; a set's replay plays without it"
