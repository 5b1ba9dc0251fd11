#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Tessaron developers
# End to end under openbox: a game played with every key and button of the game window (both
# questions answered each way by their keys and buttons, the record's name typed) replays
# exactly. The game window answers the desktop while the game waits for time or for an answer:
# closed as the end screen slides in, the run keeps its record and its replay; covered as it
# slides in and uncovered at rest, the end screen is painted again; under a question the board
# is painted again once uncovered, and a close keeps the replay and leaves the record; a watched
# replay ends on SIGTERM while its name dialog is open.
BIN="$1"
. "$(dirname "$0")/lib/x11_session.sh"
SCORE="$WORK/game/Tessaron Data/Score.sco"
start_desktop
prepare_game "" 'Ace SCORE= 0'   # a best score of 0: every run is a record (a tie)
newest() { ls -t "$XDG_STATE_HOME"/tessaron/replays/2*.replay 2>/dev/null | head -n 1; }
# The newest replay kept must play to its end, every state check passing.
replay_plays() {
  [ -n "$(newest)" ] || fail "$1: no replay was kept"
  "$BIN/tessaron-lab" replay "$(newest)" --check >/dev/null || fail "$1: its replay departs"
}
# Another program's window over the game window, until uncover.
cover() { xmessage -geometry "700x550+$gx+$gy" covering & cover=$!; xdotool search --sync --onlyvisible --class Xmessage >/dev/null; }
uncover() { kill "$cover"; wait "$cover" 2>/dev/null || true; }
# Whether the screen's region $1 shows the picture $2 (fewer than ${3:-1} pixels differ).
shows() { screenshot "$WORK/shot.miff"; [ "$(region_vs_picture "$WORK/shot.miff" "$1" "$2")" -lt "${3:-1}" ]; }
# Whether the screen's region $1 stays the same from one screenshot to the next (in $WORK/still.png).
still() { screenshot "$WORK/still.miff"; convert "$WORK/still.miff" -crop "$1" +repage "$WORK/still.png"; shows "$1" "$WORK/still.png"; }
no_question() { [ -z "$(xdotool search --onlyvisible --name '^app$' 2>/dev/null)" ]; }
gone() { ! kill -0 "$GAME_PID" 2>/dev/null; }
# A key to the game window (given the focus first: the window manager may not have yet), then its question.
ask() { xdotool windowactivate --sync "$gamewin" sleep 0.2 key "$1"; wait_question; }
answered() { until_true no_question || fail "$1 did not answer the question"; }

# The arrows before the launch, Up, Space and a click; F12 answered by N, then by Enter (a ball
# given up); other keys once each on the waiting ball (each pauses or goes on: a key that also
# changed the game elsewhere than in it would show in the replay); F11 both ways; a click
# launches; Escape answered by "Non", then by O.
start_game; open_menu; open_game
xdotool keydown Left sleep 0.3 keyup Left keydown Right sleep 0.3 keyup Right sleep 0.2
xdotool key Up sleep 0.3 key space click 1 sleep 0.3 mousemove $((gx + 100)) $((gy + 400)) sleep 0.3
ask F12; xdotool key n; answered N
ask F12; xdotool key Return; answered Enter
for key in m Tab 7 Return Down Home p; do xdotool key "$key" sleep 0.25; done
xdotool key F11; wait_window 1024x768 >/dev/null || fail "F11 did not fill the screen"
xdotool key F11; wait_window 700x550 >/dev/null || fail "F11 did not bring the window back"
xdotool click 1 sleep 0.3
ask Escape; answer_question Non; answered "Non"
ask Escape; xdotool key o; answered O
type_into 227x24 "Ace"
leave_end_screen
replay_plays "the game of every key"

# Closed as the end screen slides in, the run (a tie with the record) is kept under the previous
# holder's name, as the name dialog would have opened on it, and its replay is kept.
printf 'Ace SCORE= 0' >"$SCORE"; touch "$WORK/mark"
open_game
end_run_with_escape
"$BIN/send-close-request" "$gamewin" || fail "could not send the close request"
back_to_menu "a close request during the end's slide"
[ "$SCORE" -nt "$WORK/mark" ] && grep -q 'Ace SCORE= 0$' "$SCORE" || fail "closed as the end slid in, the record was not kept: $(cat "$SCORE")"
replay_plays "closed as the end slid in"

# Covered as the end screen slides in; uncovered with the name asked, its picture is whole. The
# name is typed a while later, so that its replay keeps the dialog open as long.
open_game; xdotool key Escape; wait_question; answer_question Oui; cover
wait_window 227x24 >/dev/null || fail "the name dialog did not open"
uncover; convert "$IMAGES/Perdu.bmp" -crop 180x30+60+268 +repage "$WORK/label.png"
WAIT=30 until_true shows "180x30+$((gx + 60))+$((gy + 268))" "$WORK/label.png" 30 ||
  fail "uncovered after its slide, the end screen was not painted again"
sleep 2; type_into 227x24 "Zoe"
grep -q '^Zoe SCORE= 0$' "$SCORE" || fail "the record's name was not kept: $(cat "$SCORE")"
named=$(newest); leave_end_screen

# Under F12's question (before the launch, so that the focus gone to the cover pauses nothing),
# covered and uncovered, the board is painted again; closed, the window goes with its question,
# the replay is kept and the record left as it was.
open_game; xdotool key F12; wait_question; board="480x500+$gx+$gy"
WAIT=30 until_true still "$board" || fail "the board under the question did not come to rest"
cp "$WORK/still.png" "$WORK/board.png"; cover; sleep 1; uncover
WAIT=30 until_true shows "$board" "$WORK/board.png" || fail "under the question the board was not painted again once uncovered"
before=$(cat "$SCORE")
"$BIN/send-close-request" "$gamewin" || fail "could not send the close request"
back_to_menu "a close request during a question"
until_true no_question || fail "the question stayed after its game window closed"
[ "$(cat "$SCORE")" = "$before" ] || fail "a game closed under its question changed the record"
replay_plays "closed during a question"
quit_from_menu

# A watched replay ends on SIGTERM while its name dialog is open.
start_game --replay "$named"
WAIT=300 until_true window_of 227x24 >/dev/null || fail "the watched replay showed no name dialog"
kill -TERM "$GAME_PID"
WAIT=50 until_true gone || { kill -KILL "$GAME_PID"; fail "a watched replay did not end within 5 s of SIGTERM with its name dialog open"; }
game_exits "SIGTERM in a watched replay"
echo "every key replays; closed as the end slides in or under a question, the record and the replay are kept; uncovered, repainted; SIGTERM ends a watched replay's dialog"
