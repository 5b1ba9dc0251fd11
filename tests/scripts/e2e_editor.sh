#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Tessaron developers
# End to end under openbox: the level editor on a new file. Bricks placed with the mouse and the
# keys, one undone; saved after the proof, the file is proven again by tessaron-lab; the level is
# tried in the game window and the editor comes back; a file changed on disk is not overwritten
# after "Non"; leaving with changes asks first. The set is named by typing.
# Then the saved set opens again, in English.
BIN="$1"
. "$(dirname "$0")/lib/x11_session.sh"
start_desktop
prepare_game
# The build's own game: its catalogues and the tessaron-lab that proves lie beside it.
GAME="$BIN/tessaron"
export XDG_DATA_HOME="$WORK/data"
set_file="$WORK/mine.tessaron-levels"
shots="${SHOTS:-$WORK}"
# The editor's window: sets ed, ex, ey.
open_editor() {
  ed=$(wait_window 700x550) || fail "no editor window: $(cat "$WORK/game.log")"
  set -- $(window_origin "$ed"); ex=$1; ey=$2
  sleep 0.6
}
# The editor's question, a window of its own over the editor; sets qx, qy, qw, qh.
wait_editor_question() {
  for _ in $(seq 1 50); do
    for id in $(xdotool search --onlyvisible --name '^> Tessaron$' 2>/dev/null); do
      [ "$id" = "$ed" ] && continue
      set -- $(window_origin "$id") $(xdotool getwindowgeometry "$id" | awk '/Geometry/ {sub("x", " "); print $2, $3}')
      qx=$1; qy=$2; qw=$3; qh=$4; return 0
    done
    sleep 0.1
  done
  fail "no question from the editor"
}
cell() { echo $((ex + $1 * 40 + 20)) $((ey + $2 * 20 + 10)); }
# The colour of a pixel of the screen, as "r,g,b".
pixel() { screenshot "$WORK/p.miff"; convert "$WORK/p.miff" -crop "1x1+$1+$2" -format '%[fx:int(255*r)],%[fx:int(255*g)],%[fx:int(255*b)]' info:; }
# The editor's panel shows (and not the game's side panel); the game plays instead.
editor_shows() { [ "$(pixel $((ex + 695)) $((ey + 300)))" = "24,24,40" ]; }
game_shows() { ! editor_shows; }
# Row 5 shows a brick at column 4 and none at column 3.
row_shows_its_bricks() {
  [ "$(pixel $((ex + 4 * 40 + 20)) $((ey + 5 * 20 + 10)))" != "$(pixel $((ex + 3 * 40 + 20)) $((ey + 5 * 20 + 10)))" ]
}
shot() { screenshot "$WORK/shot.miff"; convert "$WORK/shot.miff" -crop "700x550+$ex+$ey" +repage "$shots/$1.png"; }

unset LANGUAGE LC_ALL LC_MESSAGES; export LANG=C.UTF-8   # French, the game's language
start_game --edit "$set_file"
open_editor
shot editor-new
# Kind 2 along row 5 with the mouse, then kind 6 by the keys three rows lower, a second one
# beside it, and that one undone.
xdotool key 2
for column in 3 4 5 6 7 8; do click_at $(cell "$column" 5); done
xdotool key 6 Down Down Down space Right space sleep 0.2 key ctrl+z
# The right button removes the brick at column 3.
xdotool mousemove $(cell 3 5) sleep 0.2 click 3
sleep 0.3
WAIT=50 until_true row_shows_its_bricks || fail "the brick removed with the right button still shows"
shot editor-placed
# F2 names the set, typed on the French keyboard; the N and Space typed add no level or brick.
setxkbmap fr
xdotool key F2 BackSpace BackSpace BackSpace BackSpace sleep 0.2 type --delay 50 "Jardin de Zoé"
xdotool sleep 0.2 key Return
setxkbmap us
xdotool key ctrl+s
WAIT=600 until_true test -s "$set_file" || fail "nothing saved: $(cat "$WORK/game.log")"
sleep 0.3
shot editor-saved
[ "$(grep -c '^brick ' "$set_file")" = 6 ] || fail "not 6 bricks saved: $(cat "$set_file")"
grep -q '^name Jardin de Zoé$' "$set_file" || fail "the set's name typed is not saved: $(cat "$set_file")"
grep -q '^brick 320 160 hard$' "$set_file" || fail "the brick placed by the keys is missing: $(cat "$set_file")"
! grep -q '^brick 360 160' "$set_file" || fail "the brick undone was saved: $(cat "$set_file")"
grep -q '^# proof: cleared [0-9]/3 ticks ' "$set_file" || fail "no proof's verdict in the file: $(cat "$set_file")"
"$BIN/tessaron-lab" prove "$set_file" >"$WORK/prove.txt" || fail "tessaron-lab prove: $(cat "$WORK/prove.txt")"
grep -q '^level 1 cleared' "$WORK/prove.txt" || fail "the level is not proven: $(cat "$WORK/prove.txt")"

# Tried: the game plays the level in the same window; Escape and Oui end it and the editor comes back.
xdotool mousemove $((ex + 240)) $((ey + 400)) key t
WAIT=50 until_true game_shows || fail "the level was not tried: the editor still shows"
sleep 0.5
shot trial
xdotool key Escape
wait_question
answer_question Oui
WAIT=50 until_true editor_shows || fail "the editor did not come back after the trial"
shot editor-back

# Changed on disk meanwhile: saving asks, and "Non" keeps the other's file.
printf '# theirs\n' >>"$set_file"
theirs=$(cat "$set_file")
click_at $(cell 0 0)
xdotool key ctrl+s
sleep 0.5
xdotool key ctrl+s   # at once, without waiting for the proof
wait_editor_question
shot editor-question
click_at $((qx + qw - 56)) $((qy + qh - 22))
sleep 0.5
[ "$(cat "$set_file")" = "$theirs" ] || fail "the file changed on disk was overwritten after Non"
# Leaving with a change not saved asks first; Oui leaves.
xdotool key Escape
wait_editor_question
click_at $((qx + qw - 148)) $((qy + qh - 22))
game_exits "leaving the editor"

# The saved set opens again, in English, with its bricks.
export LANG=en_US.UTF-8
start_game --edit "$set_file"
open_editor
WAIT=50 until_true row_shows_its_bricks || fail "the set opened again does not show its bricks"
shot editor-english
xdotool key Escape
game_exits "leaving the editor unchanged"
echo "the editor places, removes, undoes, proves, saves, tries and comes back; a file changed on disk is kept"
