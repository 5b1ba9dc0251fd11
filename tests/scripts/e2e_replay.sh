#!/bin/sh
# End to end: a short game played in the real window (launch, moves, pause and resume, Escape
# and "Oui", a name) leaves a replay in $XDG_STATE_HOME; tessaron-lab replays it with every
# state check to the score the score file holds, and tessaron --replay shows the same end screen.
BIN="$1"
. "$(dirname "$0")/lib/x11_session.sh"

start_display
prepare_game
printf 'Ace SCORE= 0' > "$WORK/game/Tessaron Data/Score.sco"
export XDG_STATE_HOME="$WORK/state"
start_first_game
for x in 200 260 320 280; do xdotool mousemove $((gx + x)) $((gy + 400)); sleep 0.1; done
click_at $((gx + 250)) $((gy + 400))  # launch
for x in 150 300 220 240; do xdotool mousemove $((gx + x)) $((gy + 420)); sleep 0.2; done
xdotool key p; sleep 0.4; xdotool key p; sleep 0.6   # pause and resume

xdotool key Escape
wait_question
answer_question Oui

enter_record_name "Rejoué"
screenshot "$WORK/played-end.png"
click_at $((gx + 300)) $((gy + 300))
wait_window_gone 700x550 || fail "the end screen did not close"
menu=$(wait_window 222x310) || fail "the menu did not come back"
quit_from_menu "$mx" "$my"

replays="$WORK/state/tessaron/replays"
file=$(ls "$replays"/2*.replay 2>/dev/null | head -n 1)
[ -n "$file" ] || fail "no replay in $replays"
cmp -s "$file" "$replays/record.replay" || fail "the record's replay was not kept beside it"
record=$(iconv -f WINDOWS-1252 -t UTF-8 "$WORK/game/Tessaron Data/Score.sco")
[ "$record" = "Rejoué SCORE= ${record##*= }" ] || fail "the score file holds '$record'"
line=$("$BIN/tessaron-lab" replay --check "$file" | tail -n 1) || fail "the replay did not check: $line"
case "$line" in
  *" score ${record##*= } "*) echo "replayed: $line; the score file holds: $record" ;;
  *) fail "the replay ends with '$line', the score file holds '$record'" ;;
esac

# Watching: the same end screen, then Escape leaves.
(cd "$WORK/run" && SDL_AUDIODRIVER=dummy exec "$WORK/game/tessaron" --replay "$file" >"$WORK/watch.log" 2>&1) &
GAME_PID=$!
gamewin=$(wait_window 700x550) || fail "the replay's window did not appear"
set -- $(window_origin "$gamewin"); wx=$1; wy=$2
[ "$wx $wy" = "$gx $gy" ] || fail "the replay's window stands elsewhere"
same=""
for _ in $(seq 1 40); do
  sleep 0.5
  screenshot "$WORK/watched-end.png"
  differ=$(region_diff "$WORK/played-end.png" "$WORK/watched-end.png" "700x550+$gx+$gy")
  [ "$differ" = 0 ] && same=1 && break
done
[ -n "$same" ] || fail "the watched replay did not end on the played end screen ($differ pixels differ)"
echo "the watched replay ends on the same end screen"
# (Without a window manager nobody gives the new window the keyboard.)
xdotool windowfocus "$gamewin" key Escape
status=0
wait "$GAME_PID" || status=$?
GAME_PID=""
[ "$status" = 0 ] || fail "tessaron --replay exited with status $status"
if [ -n "${SHOTS_DIR:-}" ]; then cp "$WORK"/*.png "$SHOTS_DIR"/; fi
