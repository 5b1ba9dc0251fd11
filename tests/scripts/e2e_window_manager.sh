#!/bin/sh
# End to end under a window manager (openbox): the Escape question stays open while the last
# ball is lost with a record score; the name dialog opens over it; a click brings the question
# forward, yet the dialog comes back in front and takes the name, which is saved, and the game
# goes on to its end screen. Then play pauses when the game window is minimised or the focus
# goes to another program, and a key resumes it.
BIN="$1"
. "$(dirname "$0")/lib/x11_session.sh"

start_display
HOME="$WORK" openbox --sm-disable >"$WORK/openbox.log" 2>&1 &
OTHERS=$!
trap 'kill $OTHERS 2>/dev/null || true; cleanup' EXIT
for _ in $(seq 1 300); do
  wmctrl -m >/dev/null 2>&1 && break
  kill -0 $OTHERS 2>/dev/null || fail "openbox ended: $(cat "$WORK/openbox.log")"
  sleep 0.1
done
wmctrl -m >/dev/null 2>&1 || fail "openbox did not start: $(cat "$WORK/openbox.log")"
prepare_game

# A best score of 0: the lost run is a record. F12 gives up the first ball; the last one rises
# at the right edge, and the paddle goes left, where it cannot catch it, before Escape asks.
printf 'Ace SCORE= 0' > "$WORK/game/Tessaron Data/Score.sco"
start_first_game
xdotool mousemove $((gx + 470)) $((gy + 400)) sleep 0.3 key F12
wait_question
answer_question Oui
sleep 0.5
xdotool mousemove $((gx + 470)) $((gy + 400)) sleep 0.3 click 1 sleep 0.1 mousemove $((gx + 5)) $((gy + 400))
sleep 0.2
xdotool key Escape
wait_question
dialog=$(wait_window 227x24 || wait_window 227x24) || fail "the name dialog did not open over the question"
set -- $(window_origin "$dialog"); dx=$1; dy=$2
sleep 0.5
screenshot "$WORK/dialog-on-top.png"
click_at $((qx + 8)) $((qy + 8))   # on the question, outside the dialog
sleep 0.8
screenshot "$WORK/stacked-modals.png"
front=$(region_diff "$WORK/dialog-on-top.png" "$WORK/stacked-modals.png" "227x24+$dx+$dy")
[ "$front" -lt 40 ] || fail "the name dialog did not come back in front ($front pixels differ)"
[ "$(xdotool getactivewindow)" = "$dialog" ] || fail "the name dialog did not get the focus back"
painted=$(convert "$WORK/stacked-modals.png" -crop "40x40+$((qx + qw - 50))+$((qy + 5))" -format '%[fx:int(mean*255)]' info:)
[ "$painted" -gt 200 ] || fail "the question under the dialog is not painted (mean level $painted)"

# The opening name is selected: typing replaces it.
xdotool type --delay 60 "Zoe"
xdotool key Return
wait_window_gone 227x24 || fail "the name dialog did not take the name and Return"
record=$(iconv -f WINDOWS-1252 -t UTF-8 "$WORK/game/Tessaron Data/Score.sco")
case "$record" in "Zoe SCORE= "*) ;; *) fail "the score file holds '$record'" ;; esac
wait_question
answer_question Non
sleep 0.5
screenshot "$WORK/end-screen.png"
convert "$WORK/game/Tessaron Data/Images/Perdu.bmp" -crop 200x30+200+452 +repage "$WORK/thanks.png"
thanks=$(region_vs_picture "$WORK/end-screen.png" "200x30+$((gx + 200))+$((gy + 452))" "$WORK/thanks.png")
[ "$thanks" -lt 30 ] || fail "the end screen is not shown ($thanks pixels differ)"
click_at $((gx + 300)) $((gy + 300))
wait_window_gone 700x550 || fail "the end screen did not lead back to the menu"
quit_from_menu "$mx" "$my"
echo "stacked modal windows: the name was saved ($record) and the end screen followed"

# The ball rises towards the bricks and reaches them in under 2 s: paused, the side panel
# (which the pause text never crosses) keeps its score and bricks broken for 3 s.
xmessage -geometry +0+0 "ailleurs" &
OTHERS="$OTHERS $!"
for way in minimise focus; do
  start_first_game
  xdotool mousemove $((gx + 240)) $((gy + 400)) sleep 0.5 click 1 sleep 0.15
  if [ $way = minimise ]; then
    xdotool windowminimize "$gamewin" sleep 0.5
    wmctrl -i -a "$gamewin"
  else
    wmctrl -i -a "$(xdotool search --onlyvisible --class xmessage | head -n 1)"
  fi
  panel="190x100+$((gx + 505))+$((gy + 135))"
  sleep 0.3
  screenshot "$WORK/away-1.png"
  sleep 3
  screenshot "$WORK/away-2.png"
  [ "$(region_diff "$WORK/away-1.png" "$WORK/away-2.png" "$panel")" = 0 ] || fail "$way: play went on while away"
  [ "$(region_diff "$WORK/away-1.png" "$WORK/away-2.png" "480x550+$gx+$gy")" -gt 200 ] || fail "$way: no pause text"
  wmctrl -i -a "$gamewin"
  xdotool sleep 0.3 key p sleep 2.5
  screenshot "$WORK/away-3.png"
  [ "$(region_diff "$WORK/away-2.png" "$WORK/away-3.png" "$panel")" -gt 0 ] || fail "$way: a key did not resume play"
  echo "$way: the game paused, and a key resumed it"
  kill "$GAME_PID"; wait "$GAME_PID" 2>/dev/null || true; GAME_PID=""
done
if [ -n "${SHOTS_DIR:-}" ]; then cp "$WORK"/*.png "$SHOTS_DIR"/; fi
