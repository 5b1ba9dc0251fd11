#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Tessaron developers
# End to end under openbox: a whole game from menu to menu by the keyboard alone. The menu's
# highlight starts on "Commencer" and moves with the arrows; Return starts; Space launches;
# the pointer hides over the ball in play and comes back for the pause; Escape's question is
# answered "Non" by Tab and Return, then by Escape, then "Oui" by Return; the record's name dialog has the focus and its opening name
# selected; back in the menu the keys still have the highlight; the help opens and closes by
# key; Escape quits.
BIN="$1"
. "$(dirname "$0")/lib/x11_session.sh"
start_desktop
prepare_game "" 'Ace SCORE= 0'   # a best score of 0: the run ended with Escape is a record
# Whether the pointer is drawn ("shown" or "hidden"); "-" where the X server cannot tell.
pointer() { "$BIN/pointer-shown" 2>/dev/null || echo -; }
# Waits up to 2 s for the pointer to be $1 (or for a server that cannot tell).
pointer_is() { for _ in $(seq 1 20); do case "$(pointer)" in "$1" | -) return 0 ;; esac; sleep 0.1; done; return 1; }
menu_button() { echo "128x24+$((mx + 40))+$((my + 80 + 60 * $1))"; }   # 0 Commencer, 1 Entrer un code

start_game; open_menu
sleep 0.3   # the pointer rests where it is: the keys have the highlight
screenshot "$WORK/menu-start.miff"
xdotool key Down sleep 0.3; screenshot "$WORK/menu-down.miff"
[ "$(region_diff "$WORK/menu-start.miff" "$WORK/menu-down.miff" "$(menu_button 0)")" -gt 0 ] &&
  [ "$(region_diff "$WORK/menu-start.miff" "$WORK/menu-down.miff" "$(menu_button 1)")" -gt 0 ] ||
  fail "Down did not move the highlight from Commencer to the next button"
xdotool key Up   # back to Commencer
xdotool key Return
gamewin=$(wait_window 700x550) || fail "Return on Commencer did not start a game"
set -- $(window_origin "$gamewin"); gx=$1; gy=$2
xdotool sleep 0.5 key space sleep 0.6
screenshot "$WORK/play-1.miff"; sleep 0.3; screenshot "$WORK/play-2.miff"
[ "$(region_diff "$WORK/play-1.miff" "$WORK/play-2.miff" "480x550+$gx+$gy")" -gt 0 ] || fail "Space did not launch the ball"
xdotool mousemove $((gx + 240)) $((gy + 200)) sleep 0.4
pointer_is hidden || fail "the pointer is drawn over the ball in play"
xdotool key p sleep 0.4
pointer_is shown || fail "the pointer stayed hidden in the pause"
xdotool key p sleep 0.4

xdotool key Escape; wait_question
pointer_is shown || fail "the pointer is hidden while the question is open"
screenshot "$WORK/question.miff"
question_gone() { for _ in $(seq 1 30); do xdotool search --onlyvisible --name '^app$' >/dev/null 2>&1 || return 0; sleep 0.1; done; fail "$1 left the question open"; }
xdotool key Tab Return; question_gone "Return on Non, focused by Tab"
xdotool key Escape; wait_question; xdotool key Escape; question_gone "Escape in the question"
window_of 700x550 >/dev/null || fail "Non left the game"
xdotool key Escape; wait_question; xdotool key Return
dialog=$(wait_window 227x24) || fail "Oui did not end the run with the record's name dialog"
[ "$(xdotool getactivewindow)" = "$dialog" ] || fail "the name dialog did not get the focus"
xdotool sleep 0.4 type --delay 50 "Kim"; xdotool key Return   # the opening name is selected: typed over
wait_window_gone 227x24 || fail "Return did not close the name dialog"
sleep 0.5; screenshot "$WORK/end.miff"
record=$(iconv -f WINDOWS-1252 -t UTF-8 "$WORK/game/Tessaron Data/Score.sco")
case "$record" in "Kim SCORE= "*) ;; *) fail "the score file holds '$record'" ;; esac
xdotool key Return; back_to_menu "Return on the end screen"
sleep 0.5; screenshot "$WORK/menu-back.miff"
[ "$(region_diff "$WORK/menu-start.miff" "$WORK/menu-back.miff" "128x240+$((mx + 40))+$((my + 70))")" = 0 ] ||
  fail "back in the menu, the highlight is not on Commencer where the keys left it"

xdotool key Down Down Return
credits=$(wait_window 700x550) || fail "Return on Credits, Aide did not open the help"
sleep 0.5; screenshot "$WORK/help.miff"
xdotool key Escape
wait_window_gone 700x550 || fail "Escape did not close the help"
wait_window 222x310 >/dev/null || fail "the menu did not come back after the help"
xdotool sleep 0.4 key Escape; game_exits "Escape in the menu"

echo "menu, game, pause, both answers, a name, the help and the end by the keyboard alone; pointer $(pointer)"
