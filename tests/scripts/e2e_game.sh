#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Tessaron developers
# End to end on the build tree's game: the command line; a game played to a record, a level's
# code, a close request and QUITTER under Xvfb; the game's replay checked and watched; the menu
# and level 1 on SDL's Wayland driver in a nested weston.
BIN="$1"
. "$(dirname "$0")/lib/x11_session.sh"
# run ARGS...: the game's status in $status, its streams in $WORK/run.out and .err. No display
# of the machine's own session is reachable from here; $display is the only one.
display=""
run() {
  status=0
  env -u DISPLAY -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER ${display:+DISPLAY=$display} XDG_RUNTIME_DIR="$WORK" \
    XDG_STATE_HOME="$WORK/no-games-yet" \
    SDL_AUDIODRIVER=dummy timeout 10 "$BIN/tessaron" "$@" >"$WORK/run.out" 2>"$WORK/run.err" || status=$?
}
# ARGUMENT STATUS STREAM-THAT-SPEAKS TEXT-IT-HOLDS: the game's streams and status as its main
# gives them; which option wins and what is refused is the command-line suite's.
while read -r argument want stream text; do
  run "$argument"
  [ "$status" = "$want" ] || fail "$argument: status $status, not $want"
  other=out; [ "$stream" = out ] && other=err
  grep -qF -- "$text" "$WORK/run.$stream" || fail "$argument: no '$text' on std$stream"
  [ ! -s "$WORK/run.$other" ] || fail "$argument: std$other is not empty: $(cat "$WORK/run.$other")"
done <<'CASES'
--help 0 out --version
--version 0 out tessaron 1.0.0
--niveau 2 err Usage : tessaron
--replay-last 1 err aucune partie enregistrée
CASES
# No DISPLAY at all, then a DISPLAY whose server is not there: one line and status 1 at once.
for display in "" ":$(( $$ % 500 + 500 ))"; do
  start=$(date +%s%N)
  run
  elapsed=$(( ($(date +%s%N) - start) / 1000000 ))
  [ "$status" = 1 ] && [ "$(wc -l <"$WORK/run.err")" = 1 ] && grep -q "aucun affichage trouvé" "$WORK/run.err" \
    || fail "display '$display': status $status: $(cat "$WORK/run.err")"
  [ "$elapsed" -lt 2000 ] || fail "display '$display': took $elapsed ms"
done
start_display
# Without a replay and without a terminal (the desktop's action), --replay-last says why in a box.
(XDG_STATE_HOME="$WORK/no-games-yet" SDL_AUDIODRIVER=dummy "$BIN/tessaron" --replay-last \
  </dev/null >/dev/null 2>&1 || echo $? >"$WORK/box.status") &
# (The box's name is UTF-8, which xdotool's search does not read: xwininfo finds it.)
for _ in $(seq 1 200); do box=$(xwininfo -root -children | awk '/"Tessaron"/ {print $1}' | head -n 1); [ -z "$box" ] || break; sleep 0.1; done
[ -n "$box" ] || fail "--replay-last without a replay showed no message box"
# Return is sent until the box, once shown and focused, takes it.
for _ in $(seq 1 20); do [ -s "$WORK/box.status" ] && break; xdotool windowfocus "$box" key Return 2>/dev/null || true; sleep 0.5; done
[ "$(cat "$WORK/box.status" 2>/dev/null)" = 1 ] || fail "--replay-last: status '$(cat "$WORK/box.status" 2>/dev/null)' after its box"
prepare_game "" 'Ace SCORE= 0'   # a best score of 0: any run is a record
export XDG_STATE_HOME="$WORK/state"
xdotool mousemove 1000 700   # away from the buttons, which light up under the pointer
start_game; open_menu
import -window root -crop "222x70+$mx+$my" +repage "png:$WORK/menu-top.png"
open_game
screenshot "$WORK/start.miff"
# The ball waits on the paddle at x 240; a click launches it.
click_at $((gx + 240)) $((gy + 400)) sleep 2
screenshot "$WORK/flying.miff"
moved=$(region_diff "$WORK/start.miff" "$WORK/flying.miff" "14x14+$((gx + 233))+$((gy + 505))")
[ "$moved" -gt 20 ] || fail "the ball did not leave the paddle ($moved pixels changed)"
for x in 150 300 220 240; do xdotool mousemove $((gx + x)) $((gy + 420)); sleep 0.2; done
# Escape and "Oui" end the run; its record takes a name with an accent (Windows-1252 on disk).
end_run_with_escape
type_into 227x24 "Zoé Lune"
screenshot "$WORK/played-end.miff"
record=$(iconv -f WINDOWS-1252 -t UTF-8 "$WORK/game/Tessaron Data/Score.sco")
score=${record##*= }
[ "$record" = "Zoé Lune SCORE= $score" ] || fail "the score file holds '$record'"
# The rating sentence and the score stand on the end screen, over its picture.
for part in "500x30 90 330 300 rating" "120x45 255 270 50 score"; do
  set -- $part
  convert "$IMAGES/Perdu.bmp" -crop "$1+$2+$3" +repage "$WORK/perdu.png"
  shown=$(region_vs_picture "$WORK/played-end.miff" "$1+$((gx + $2))+$((gy + $3))" "$WORK/perdu.png")
  [ "$shown" -gt "$4" ] || fail "no $5 on the end screen ($shown pixels)"
done
leave_end_screen
# "Entrer un code": level 7's code typed in lower case changes the menu's level line, and the
# next game starts at level 7; a desktop's close request ends it.
sleep 0.5
screenshot "$WORK/menu-before.miff"
code=$("$BIN/tessaron-lab" codes | sed -n 7p | tr 'A-Z' 'a-z')
click_at $((mx + 100)) $((my + 152))
type_into 106x24 "$code"
xdotool mousemove $((mx + 5)) $((my + 300)) sleep 0.5
screenshot "$WORK/menu-after.miff"
[ "$(region_diff "$WORK/menu-before.miff" "$WORK/menu-after.miff" "180x24+$((mx + 35))+$((my + 118))")" -gt 10 ] \
  || fail "the menu's level line did not change"
open_game
screenshot "$WORK/level7.miff"
bricks_drawn "$WORK/level7.miff" "$gx" "$gy" 7
close_game_window "$gamewin"
quit_from_menu
[ "$(cat "$WORK/run/Korvel900 data/Sons/MusicCfg.cfg")" = "EXIT" ] || fail "the exit note is not EXIT"
# The first game's replay, kept as the record's too, replays with every state check to the
# score the score file holds; watched (named as --replay=FILE), it ends on the same end
# screen, and Escape leaves.
replays="$WORK/state/tessaron/replays"
file=$(ls "$replays"/2*.replay 2>/dev/null | head -n 1)
[ -n "$file" ] || fail "no replay in $replays"
cmp -s "$file" "$replays/record.replay" || fail "the record's replay was not kept beside it"
line=$("$BIN/tessaron-lab" replay --check "$file" | tail -n 1) || fail "the replay did not check: $line"
case "$line" in *" score $score "*) ;; *) fail "the replay ends with '$line', the record is $score" ;; esac
start_game --replay="$file"
watched=$(wait_window 700x550) || fail "the replay's window did not appear"
[ "$(window_origin "$watched")" = "$gx $gy" ] || fail "the replay's window stands elsewhere"
# The same end screen down to its last line, which tells the watcher how to leave instead.
for _ in $(seq 1 40); do
  sleep 0.5; screenshot "$WORK/watched-end.miff"
  differ=$(region_diff "$WORK/played-end.miff" "$WORK/watched-end.miff" "700x485+$gx+$gy"); [ "$differ" = 0 ] && break
done
[ "$differ" = 0 ] || fail "the watched replay did not end on the played end screen ($differ pixels differ)"
[ "$(region_diff "$WORK/played-end.miff" "$WORK/watched-end.miff" "580x34+$((gx + 60))+$((gy + 488))")" -gt 500 ] ||
  fail "the watched replay's end screen does not say how to leave"
# (Without a window manager nobody gives the new window the keyboard.)
xdotool windowfocus "$watched" key Escape
game_exits "Escape in the watched replay"
# Wayland: weston nested in the X server (the headless backend gives SDL no input seat), with
# no panel, whose terminal a misplaced click could start over the game.
export XDG_RUNTIME_DIR="$WORK/xdg"
mkdir -m 700 "$XDG_RUNTIME_DIR"; printf '[shell]\npanel-position=none\n' >"$WORK/weston.ini"
weston --backend=x11-backend.so --socket=tessaron-e2e --width=1000 --height=740 \
  --config="$WORK/weston.ini" --idle-time=0 >"$WORK/weston.log" 2>&1 &
OTHERS=$!
for _ in $(seq 1 100); do [ -S "$XDG_RUNTIME_DIR/tessaron-e2e" ] && break; sleep 0.1; done
[ -S "$XDG_RUNTIME_DIR/tessaron-e2e" ] || fail "weston did not start: $(cat "$WORK/weston.log")"
export SDL_VIDEODRIVER=wayland WAYLAND_DISPLAY=tessaron-e2e
start_game
# find_on_screen PICTURE [TRIES]: waits until PICTURE shows on the screen; prints its places.
find_on_screen() {
  for _ in $(seq 1 "${2:-50}"); do
    import -window root "png:$WORK/screen.png"   # read by find-picture
    "$BIN/find-picture" "$WORK/screen.png" "$1" && return 0
    kill -0 "$GAME_PID" 2>/dev/null || fail "the game ended: $(cat "$WORK/game.log")"
    sleep 0.2
  done
  return 1
}
places=$(find_on_screen "$WORK/menu-top.png") || fail "the menu is not drawn on Wayland: $(cat "$WORK/game.log")"
set -- $places; mx=$1; my=$2
# weston learns of the pointer from its window's motion events and may not have seen it arrive
# when the click comes: the pointer goes there in steps, and the click is given again only while
# the menu is still shown (a game window that opened but shows nothing fails the test).
for attempt in 1 2 3; do
  for step in 80 90 100; do xdotool mousemove $((mx + step)) $((my + 92)); sleep 0.3; done
  xdotool click 1 mousemove 1000 700 sleep 1
  find_on_screen "$WORK/menu-top.png" 1 >/dev/null || break
done
# Level 1's first brick, of kind 5, sits at (120, 60) in the game window: it places the window.
places=$(find_on_screen "$IMAGES/5.bmp") || fail "no brick drawn after Commencer on Wayland"
set -- $places
bricks_drawn "$WORK/screen.png" $(($1 - 120)) $(($2 - 60)) 1
echo "on Wayland the menu is drawn as on X11 and the game window shows level 1"
