#!/bin/sh
# End to end: the menu opens, "Commencer" starts level 1, the ball flies, a key pauses and
# resumes, a close request ends the game, "QUITTER" quits with status 0 and the exit note.
BIN="$1"
. "$(dirname "$0")/lib/x11_session.sh"

start_display
prepare_game
start_game

menu=$(wait_window 222x310) || fail "the menu window (222 x 310) did not appear"
set -- $(window_origin "$menu"); mx=$1; my=$2
echo "menu at $mx,$my"
sleep 0.5
click_at $((mx + 100)) $((my + 92))   # "Commencer"

gamewin=$(wait_window 700x550) || fail "the game window did not appear"
set -- $(window_origin "$gamewin"); gx=$1; gy=$2
echo "game at $gx,$gy"
xdotool mousemove $((gx + 240)) $((gy + 400))
sleep 0.6
screenshot "$WORK/start.png"

# Level 1's bricks where its map puts them: (x y kind) from its rows at y 60, 80 and 220.
images="$WORK/game/Tessaron Data/Images"
for brick in "120 60 5" "160 60 2" "200 60 3" "240 60 3" "320 60 5" "80 80 1" "360 80 1" "120 220 5" "280 220 2"; do
  set -- $brick
  differ=$(region_vs_picture "$WORK/start.png" "40x20+$((gx + $1))+$((gy + $2))" "$images/$3.bmp")
  [ "$differ" = 0 ] || fail "brick of kind $3 at ($1, $2): $differ pixels differ from $3.bmp"
done
echo "level 1's bricks are in place"

# The ball waits on the paddle at x 240; a click launches it.
ball="14x14+$((gx + 233))+$((gy + 505))"
click_at $((gx + 240)) $((gy + 400))
sleep 2
screenshot "$WORK/flying.png"
moved=$(region_diff "$WORK/start.png" "$WORK/flying.png" "$ball")
[ "$moved" -gt 20 ] || fail "the ball did not leave the paddle ($moved pixels changed)"
echo "the ball flies"

# Any key pauses: the pause text moves while the board below it stands still.
xdotool key p
sleep 0.3
screenshot "$WORK/paused1.png"
sleep 0.4
screenshot "$WORK/paused2.png"
# The text drifts 2 pixels a paint on each axis, a paint every 20 ms: it stays above y 300
# for the first second and a half of the pause.
text=$(region_diff "$WORK/paused1.png" "$WORK/paused2.png" "480x300+$gx+$gy")
board=$(region_diff "$WORK/paused1.png" "$WORK/paused2.png" "480x215+$gx+$((gy + 320))")
[ "$text" -gt 200 ] || fail "no moving pause text ($text pixels changed)"
[ "$board" = 0 ] || fail "the board moved during the pause ($board pixels changed)"
xdotool key p
sleep 1
screenshot "$WORK/resumed.png"
gone=$(region_diff "$WORK/paused2.png" "$WORK/resumed.png" "480x300+$gx+$gy")
[ "$gone" -gt 200 ] || fail "the pause text stayed after the second key"
echo "pause and resume work"

# A desktop's close request ends the game and shows the menu again.
close_game_window "$gamewin"
echo "back in the menu"

quit_from_menu "$mx" "$my"   # "QUITTER"
note=$(cat "$WORK/run/Korvel900 data/Sons/MusicCfg.cfg" 2>/dev/null || true)
[ "$note" = "EXIT" ] || fail "the exit note holds '$note'"
echo "quit with status 0 and the exit note"
