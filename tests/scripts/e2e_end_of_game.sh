#!/bin/sh
# End to end: Escape and "Oui" end a game; the end screen shows the score and its rating; a
# score at least the best asks for the player's name, which the score file then holds; back
# in the menu, a level's code typed in lower case chooses the level the next game starts at.
BIN="$1"
. "$(dirname "$0")/lib/x11_session.sh"

start_display
prepare_game
# A best score of 0: any run is a record. The holder's name is read back with a leading blank.
printf 'Ace SCORE= 0' > "$WORK/game/Tessaron Data/Score.sco"
start_first_game
# Escape asks; "Oui" ends the run.
end_run_with_escape "$gx" "$gy"

# The end screen slides in, then the name dialog opens on the previous holder's name.
dialog=$(wait_window 227x24) || fail "the name dialog did not open"
set -- $(window_origin "$dialog"); dx=$1; dy=$2
xdotool mousemove $((dx + 50)) $((dy + 12))
sleep 0.3
screenshot "$WORK/name-dialog.png"
for _ in 1 2 3 4 5; do xdotool key BackSpace; done
xdotool type --delay 60 "Zoé Lune"
sleep 0.2
xdotool key Return
wait_window_gone 227x24 || fail "the name dialog stayed open after Return"
sleep 0.5
screenshot "$WORK/end-screen.png"

record=$(iconv -f WINDOWS-1252 -t UTF-8 "$WORK/game/Tessaron Data/Score.sco")
[ "$record" = "Zoé Lune SCORE= 0" ] || fail "the score file holds '$record'"
echo "the record was saved: $record"

# The rating sentence and the score stand on the end screen, over its picture.
perdu="$WORK/game/Tessaron Data/Images/Perdu.bmp"
convert "$perdu" -crop 500x30+90+330 +repage "$WORK/perdu-rating.png"
rating=$(region_vs_picture "$WORK/end-screen.png" "500x30+$((gx + 90))+$((gy + 330))" "$WORK/perdu-rating.png")
[ "$rating" -gt 300 ] || fail "no rating sentence on the end screen ($rating pixels)"
convert "$perdu" -crop 120x45+255+270 +repage "$WORK/perdu-score.png"
score=$(region_vs_picture "$WORK/end-screen.png" "120x45+$((gx + 255))+$((gy + 270))" "$WORK/perdu-score.png")
[ "$score" -gt 50 ] || fail "no score on the end screen ($score pixels)"
echo "the end screen shows the score and its rating"

# A click leaves the end screen for the menu.
click_at $((gx + 300)) $((gy + 300))
wait_window_gone 700x550 || fail "the end screen did not close"
menu=$(wait_window 222x310) || fail "the menu did not come back"
sleep 0.5
screenshot "$WORK/menu-before.png"

# "Entrer un code": level 7's code typed in lower case.
code=$("$BIN/tessaron-lab" codes | sed -n 7p)
lower=$(echo "$code" | tr 'A-Z' 'a-z')
click_at $((mx + 100)) $((my + 152))
dialog=$(wait_window 106x24) || fail "the code dialog did not open"
set -- $(window_origin "$dialog"); dx=$1; dy=$2
xdotool mousemove $((dx + 30)) $((dy + 12))
sleep 0.3
for _ in 1 2 3 4 5 6 7 8; do xdotool key BackSpace; done
xdotool type --delay 60 "$lower"
sleep 0.2
screenshot "$WORK/code-dialog.png"
xdotool key Return
wait_window_gone 106x24 || fail "the code dialog stayed open after Return"
xdotool mousemove $((mx + 5)) $((my + 300))
sleep 0.5
screenshot "$WORK/menu-after.png"
line=$(region_diff "$WORK/menu-before.png" "$WORK/menu-after.png" "180x24+$((mx + 35))+$((my + 118))")
[ "$line" -gt 10 ] || fail "the menu's level line did not change"

# The next game starts at level 7: its first bricks stand where the board puts them.
click_at $((mx + 100)) $((my + 92))
gamewin=$(wait_window 700x550) || fail "the game window did not appear for level 7"
set -- $(window_origin "$gamewin"); gx=$1; gy=$2
xdotool mousemove $((gx + 240)) $((gy + 400))
sleep 0.6
screenshot "$WORK/level7.png"
images="$WORK/game/Tessaron Data/Images"
"$BIN/tessaron-lab" level 7 | head -n 6 > "$WORK/level7.txt"
while read -r index x y kind group; do
  differ=$(region_vs_picture "$WORK/level7.png" "40x20+$((gx + x))+$((gy + y))" "$images/$kind.bmp")
  [ "$differ" = 0 ] || fail "level 7's brick $index of kind $kind at ($x, $y): $differ pixels differ"
done < "$WORK/level7.txt"
echo "the code chose level 7"

close_game_window "$gamewin"
quit_from_menu "$mx" "$my"
if [ -n "${SHOTS_DIR:-}" ]; then cp "$WORK"/*.png "$SHOTS_DIR"/; fi
