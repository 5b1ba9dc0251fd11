#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Tessaron developers
# Records the golden replay of a game played through the real window (Xvfb and openbox): a level
# code typed in the menu, the arrow keys and Space, the mouse, a pause, F12 and Escape answered
# "Non", Escape answered "Oui" and a record's name typed. Writes tests/golden/played-*.replay and
# its expected line. tools/record-golden-replays.sh calls it.
#   tools/record-played-replay.sh BIN_DIR
set -eu
BIN=$(cd "$1" && pwd)
here="$(cd "$(dirname "$0")/.." && pwd)/tests/golden"
out="$here/played-code-keys-questions-name"
. "$(dirname "$0")/../tests/scripts/lib/x11_session.sh"
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
set -- "$WORK"/state/tessaron/replays/2*.replay
[ $# = 1 ] && [ -f "$1" ] || fail "not one replay was kept: $*"
cp "$1" "$out.replay"
"$BIN/tessaron-lab" replay "$out.replay" --check >"$out.expected"
echo "$(basename "$out"): $(cat "$out.expected")"
