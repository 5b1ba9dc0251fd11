#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Tessaron developers
# End to end under openbox: the Escape question holds the game; a logout (SIGTERM) with the name
# dialog open keeps the name typed whole, even its keys still queued; the run's replay prunes the oldest dated one (which files the
# pruning spares is the replay suite's); another game's record survives a run's end; a failed
# replay save is told.
BIN="$1"
. "$(dirname "$0")/lib/x11_session.sh"
start_desktop
prepare_game "" 'Ace SCORE= 0'   # a best score of 0: the first run is a record
export XDG_STATE_HOME="$WORK/state"
replays="$WORK/state/tessaron/replays"
mkdir -p "$replays"
for i in $(seq 10 29); do printf 'old' >"$replays/2001-01-01_00-00-${i}_niveau-01_score-0.replay"; done
start_game; open_menu; open_game
# Launched, the ball flies; under the Escape question nothing of the board moves, and Non goes on.
click_at $((gx + 240)) $((gy + 400))
sleep 0.8
xdotool key Escape
wait_question
sleep 0.3; screenshot "$WORK/held-1.miff"; sleep 1.5; screenshot "$WORK/held-2.miff"
[ "$(region_diff "$WORK/held-1.miff" "$WORK/held-2.miff" "480x550+$gx+$gy")" = 0 ] || fail "the board moved under the question"
answer_question Non
sleep 0.3; screenshot "$WORK/going-1.miff"; sleep 0.4; screenshot "$WORK/going-2.miff"
[ "$(region_diff "$WORK/going-1.miff" "$WORK/going-2.miff" "480x550+$gx+$gy")" -gt 20 ] || fail "the game did not go on after Non"
# Escape and Oui end the run; its name is typed, not confirmed, and the session ends (SIGTERM)
# as soon as the game, stopped meanwhile, goes on: every key typed before the quit is still
# queued, and must reach the dialog. (On the French layout é has a key of its own: typed through
# a key xdotool borrows, it may be read once the key is given back, and lost.)
end_run_with_escape
dialog=$(wait_window 227x24) || fail "the name dialog did not open"
set -- $(window_origin "$dialog")
setxkbmap fr
xdotool mousemove $(($1 + 30)) $(($2 + 12)) sleep 0.3
kill -STOP "$GAME_PID"; xdotool type --delay 50 "Zoé"; kill -CONT "$GAME_PID"; kill -TERM "$GAME_PID"
game_exits "SIGTERM with the name dialog open"
record=$(iconv -f WINDOWS-1252 -t UTF-8 "$WORK/game/Tessaron Data/Score.sco")
case "$record" in "Zoé SCORE= "[0-9]*) ;; *) fail "after SIGTERM the score file holds '$record'" ;; esac
# The run's replay was saved, which pruned the oldest dated one.
[ ! -e "$replays/2001-01-01_00-00-10_niveau-01_score-0.replay" ] || fail "the run's replay pruned nothing"
[ "$(ls "$replays" | grep -c '^20[0-9][0-9]-.*\.replay$')" = 20 ] || fail "not 20 dated replays: $(ls "$replays")"
# Another game writes a higher record while this one runs: this run's end keeps it and shows it,
# with no name asked. The replays folder is a file: the end screen says the replay was not saved.
mkdir -p "$WORK/state2"; printf 'not a folder' >"$WORK/state2/tessaron"
export XDG_STATE_HOME="$WORK/state2"
start_game; open_menu; open_game
printf 'AAA SCORE= 900000' >"$WORK/game/Tessaron Data/Score.sco"
end_run_with_escape
sleep 1.5
! window_of 227x24 >/dev/null || fail "a name was asked below another game's higher record"
[ "$(cat "$WORK/game/Tessaron Data/Score.sco")" = "AAA SCORE= 900000" ] || fail "the other game's record was lost"
screenshot "$WORK/told.miff"
convert "$IMAGES/Perdu.bmp" -crop 560x26+90+366 +repage "$WORK/plain.png"
told=$(region_vs_picture "$WORK/told.miff" "560x26+$((gx + 90))+$((gy + 366))" "$WORK/plain.png")
[ "$told" -gt 300 ] || fail "no line on the end screen for the replay not saved ($told pixels)"
grep -q "partie non enregistrée" "$WORK/game.log" || fail "the replay's failure was not reported: $(cat "$WORK/game.log")"
leave_end_screen; quit_from_menu
echo "the question holds the game; SIGTERM keeps the typed name; the player's replays, another game's record and a failed save are kept or told"
