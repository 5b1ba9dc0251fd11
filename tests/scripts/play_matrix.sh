#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Tessaron developers
# Every level can be cleared, and every game replays exactly: the autopilot plays every level
# with seeds 1, 2 and 3 (side by side), each game recorded. Every run must end cleared without
# giving up a ball with F12 (which the autopilot does only when its ball has circled among
# indestructible bricks for 20000 ticks), and its replay, played headless with every state
# check compared, must end on the same score and tick count.
set -u
lab="$1/tessaron-lab"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
levels=$("$lab" codes | wc -l)   # one code a level: a level added is played too
for seed in 1 2 3; do
  for level in $(seq 1 "$levels"); do
    file="$work/$level-$seed.replay"
    out=$("$lab" play "$level" --seed "$seed" --record "$file")
    set -- $(echo "$out" | tail -n 1)
    replayed=$("$lab" replay "$file" --check) || replayed="refused: $replayed"
    case "$1 $(echo "$out" | sed -n 's/.*(given up in a loop \([0-9]*\)).*/\1/p') $replayed" in
      "cleared 0 level "*" score $3 lives "*" ticks $2") echo "$level $seed $2 ticks" ;;
      *) echo "FAIL level $level seed $seed: played '$(echo "$out" | tail -n 1)', replayed '$replayed'" ;;
    esac
  done >"$work/seed$seed" &
done
wait
cat "$work"/seed?
! grep -q FAIL "$work"/seed? || exit 1
echo "all 75 runs cleared, none gave up a ball, all replayed to their end"
