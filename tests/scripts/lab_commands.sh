#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Tessaron developers
# tessaron-lab's level and replay commands, whose output the end-to-end tests read: a level's
# lines INDEX X Y KIND GROUP, the random board's seed, and refused arguments (status 2); the
# usage, on stdout for --help.
set -u
lab="$1/tessaron-lab"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }
levels=$("$lab" codes | wc -l)   # one code a level
beyond=$((levels + 1))
for n in $(seq 1 "$levels") "$beyond --seed 9"; do
  "$lab" level $n >"$work/level" || fail "level $n: status $?"
  ! grep -vqE '^[0-9]+ -?[0-9]+ -?[0-9]+ [1-8] [0-5]$' "$work/level" || fail "level $n: $(grep -vE '^[0-9]+ -?[0-9]+ -?[0-9]+ [1-8] [0-5]$' "$work/level" | head -n 1)"
done
# Any number outside the levels is the random board, the same for the same seed (1 by default).
[ "$("$lab" level $beyond --seed 9)" = "$("$lab" level -5 --seed 9)" ] || fail "levels $beyond and -5 differ for seed 9"
[ "$("$lab" level $beyond --seed 9)" != "$("$lab" level $beyond --seed 10)" ] || fail "seeds 9 and 10 give the same board"
[ "$("$lab" level 0)" = "$("$lab" level 0 --seed 1)" ] || fail "the default seed is not 1"
for args in "" "x" "3x" "3 --seed" "3 --seed -1" "3 --seed 4294967296" "3 --speed 2" "99999999999"; do
  status=0; "$lab" level $args >/dev/null 2>&1 || status=$?
  [ "$status" = 2 ] || fail "level '$args' gave status $status, not 2"
done
printf 'Ace SCORE= 0' >"$work/not-a-replay"
status=0; reason=$("$lab" replay "$work/not-a-replay" 2>&1 >/dev/null) || status=$?
[ "$status" = 2 ] && [ "$(echo "$reason" | wc -l)" = 1 ] || fail "not a replay: status $status, '$reason'"
# --help answers on stdout with every command; a missing or unknown command is refused on stderr.
"$lab" --help >"$work/help.out" 2>"$work/help.err" || fail "--help: status $?"
[ ! -s "$work/help.err" ] && grep -q "^  tessaron-lab replay FICHIER" "$work/help.out" || fail "--help: $(cat "$work/help.out" "$work/help.err")"
for args in "" "aide"; do
  status=0; "$lab" $args >"$work/out" 2>"$work/err" || status=$?
  [ "$status" = 2 ] && [ ! -s "$work/out" ] && grep -q "^Usage : tessaron-lab" "$work/err" || fail "'$args': status $status"
done
printf 'Ace score= 4200' >"$work/lower.sco"
# score only reads: a missing or non-regular file is refused with one line (its path's control
# characters escaped) and status 1, and stays as it was; one without the marker shows the defaults.
mkfifo "$work/fifo.sco"
for file in "none.sco" "fifo.sco" "" "new
line.sco"; do
  status=0; reason=$("$lab" score "$work/$file" 2>&1 >/dev/null) || status=$?
  [ "$status" = 1 ] && [ "$(printf "%s\n" "$reason" | wc -l)" = 1 ] && [ ! -e "$work/none.sco" ] ||
    fail "score '$file': status $status, '$reason'"
done
# Output refused by a full device is a failure, as in the game.
for args in "codes" "rand 1 5" "level 1" "score $work/lower.sco" "code ABC"; do
  status=0; "$lab" $args >/dev/full 2>/dev/null || status=$?
  [ "$status" = 1 ] || fail "$args into /dev/full: status $status"
done
[ "$("$lab" score "$work/lower.sco")" = "[Trimbalour] 1235" ] && [ "$(cat "$work/lower.sco")" = "Ace score= 4200" ] \
  || fail "score rewrote a file without the marker: $(cat "$work/lower.sco")"
echo "lab commands ok"
