#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Tessaron developers
# Records the golden replays of games played through the real window (Xvfb and openbox), each
# with its expected line; tools/record-golden-replays.sh calls it.
# - played-code-keys-questions-name: a level code typed in the menu, the arrow keys and Space, the
#   mouse, a pause, F12 and Escape answered "Non", Escape answered "Oui" and a record's name typed;
# - played-mouse-lives-lost: launched with clicks, the paddle left where the ball falls past it
#   until every life is lost and the run ends on its own, no record.
#   tools/record-played-replay.sh BIN_DIR
set -eu
BIN=$(cd "$1" && pwd)
here="$(cd "$(dirname "$0")/.." && pwd)/tests/golden"
. "$(dirname "$0")/../tests/scripts/lib/x11_session.sh"
# Moves the one replay the game just kept to tests/golden/$1.replay, with its expected line.
keep_replay() {
  set -- "$1" "$WORK"/state/tessaron/replays/2*.replay
  [ $# = 2 ] && [ -f "$2" ] || fail "not one replay was kept: $*"
  mv "$2" "$here/$1.replay"
  rm -f "$WORK"/state/tessaron/replays/record.replay
  "$BIN/tessaron-lab" replay "$here/$1.replay" --check >"$here/$1.expected"
  echo "$1: $(cat "$here/$1.expected")"
}
start_desktop 1280x1024
prepare_game "" 'Ace SCORE= 0'   # a best score of 0: the run is a record, its name is asked
xdotool mousemove 1000 900
start_game; open_menu
click_at $((mx + 100)) $((my + 152))
type_into 106x24 "$("$BIN/tessaron-lab" codes | sed -n 3p)"
xdotool mousemove $((mx + 5)) $((my + 300)) sleep 0.3
open_game
xdotool keydown Right sleep 0.4 keyup Right key space sleep 0.8 keydown Left sleep 0.5 keyup Left sleep 0.5
xdotool mousemove $((gx + 300)) $((gy + 400)) sleep 0.6 mousemove $((gx + 150)) $((gy + 400)) sleep 0.6
xdotool key p sleep 0.8 key p sleep 0.6
xdotool key F12; wait_question; answer_question Non; sleep 0.8
xdotool key Escape; wait_question; answer_question Non; sleep 0.8
xdotool keydown Right sleep 0.3 keyup Right sleep 0.5
xdotool key Escape; wait_question; answer_question Oui
type_into 227x24 "Zoé"
sleep 1
leave_end_screen
quit_from_menu
keep_replay played-code-keys-questions-name

prepare_game "" 'Ace SCORE= 9999999'
start_game; open_menu; open_game
# A click launches each ball, and the paddle then crosses to the other side, away from where it
# sent the ball; the run's end screen shows in the same window, and a click on it leaves it.
side=$gx
for _ in $(seq 1 20); do
  window_of 700x550 >/dev/null || break
  xdotool mousemove "$side" $((gy + 400)) sleep 0.3 click 1 sleep 0.7
  side=$((side == gx ? gx + 479 : gx))
  xdotool mousemove "$side" $((gy + 400)) sleep 6
done
window_of 700x550 >/dev/null && fail "the run did not end in two minutes"
quit_from_menu
keep_replay played-mouse-lives-lost
