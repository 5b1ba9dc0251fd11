#!/bin/sh
# End to end under a window manager (openbox): a modal window never gets stuck under another
# (the Escape question stays open while the last ball is lost with a record score; the name
# dialog opens over it; a click brings the question forward, and the name typed then still
# reaches the dialog, is saved, and the end screen follows); and play pauses when the game
# window is minimised or the focus goes to another program.
BIN="$1"
. "$(dirname "$0")/lib/x11_session.sh"

start_display
command -v openbox >/dev/null || fail "openbox is not installed"
HOME="$WORK" openbox --sm-disable >"$WORK/openbox.log" 2>&1 &
WM_PID=$!
trap 'kill "$WM_PID" 2>/dev/null || true; cleanup' EXIT
for _ in $(seq 1 100); do wmctrl -m >/dev/null 2>&1 && break; sleep 0.1; done
wmctrl -m >/dev/null 2>&1 || fail "openbox did not start"
prepare_game

# With a window manager's frames, xdotool's window position is off by the frame: ask the server.
window_origin() {
  xwininfo -id "$1" | awk '/Absolute upper-left X/ {x = $NF} /Absolute upper-left Y/ {y = $NF} END {print x, y}'
}

# Starts a game from the menu; sets gx, gy (the game window's corner) and mx, my (the menu's).
start_level_one() {
  start_game
  menu=$(wait_window 222x310) || fail "the menu window did not appear"
  set -- $(window_origin "$menu"); mx=$1; my=$2
  sleep 0.5
  click_at $((mx + 100)) $((my + 92))   # "Commencer"
  gamewin=$(wait_window 700x550) || fail "the game window did not appear"
  set -- $(window_origin "$gamewin"); gx=$1; gy=$2
}

# Waits for the question window "app"; sets qx, qy, qw, qh.
wait_question() {
  question=""
  for _ in $(seq 1 50); do
    question=$(xdotool search --onlyvisible --name '^app$' 2>/dev/null | head -n 1) && [ -n "$question" ] && break
    sleep 0.1
  done
  [ -n "$question" ] || fail "no question window"
  set -- $(window_origin "$question"); qx=$1; qy=$2
  qsize=$(xdotool getwindowgeometry "$question" | awk '/Geometry/ {print $2}')
  qw=${qsize%x*}; qh=${qsize#*x}
}

stop_game() { kill "$GAME_PID" 2>/dev/null || true; wait "$GAME_PID" 2>/dev/null || true; GAME_PID=""; }

# --- The stuck-window sequence. A best score of 0: the lost run is a record.
printf 'Ace SCORE= 0' > "$WORK/game/Tessaron Data/Score.sco"
start_level_one
xdotool mousemove $((gx + 470)) $((gy + 400))
sleep 0.3
xdotool key F12                        # give up the first ball: the next one is the last
wait_question
click_at $((qx + qw - 2 * 88 - 12 + 40)) $((qy + qh - 34 + 12))   # "Oui"
sleep 0.5
# The last ball rises at the right edge; the paddle then goes to the left, where it cannot
# catch it, and the Escape question stays open while the ball falls.
xdotool mousemove $((gx + 470)) $((gy + 400))
sleep 0.3
xdotool click 1
sleep 0.1
xdotool mousemove $((gx + 5)) $((gy + 400))
sleep 0.2
xdotool key Escape
wait_question
dialog=""
for _ in 1 2 3; do
  dialog=$(wait_window 227x24) && break
done
[ -n "$dialog" ] || fail "the name dialog did not open over the question"
set -- $(window_origin "$dialog"); dx=$1; dy=$2
sleep 0.5
screenshot "$WORK/dialog-on-top.png"
# A click on the question, outside the dialog, as a player who thinks it still usable would.
click_at $((qx + 8)) $((qy + 8))
sleep 0.8
screenshot "$WORK/stacked-modals.png"
front=$(region_diff "$WORK/dialog-on-top.png" "$WORK/stacked-modals.png" "227x24+$dx+$dy")
[ "$front" -lt 40 ] || fail "the name dialog did not come back in front of the question ($front pixels differ)"
[ "$(xdotool getactivewindow)" = "$dialog" ] || fail "the name dialog did not get the focus back"
painted=$(convert "$WORK/stacked-modals.png" -crop "40x40+$((qx + qw - 50))+$((qy + 5))" +repage \
  -format '%[fx:int(mean*255)]' info:)
[ "$painted" -gt 200 ] || fail "the question under the dialog is not painted (mean level $painted)"
echo "the newest modal window stays in front and the one under it keeps its picture"

# The opening name is selected: typing replaces it.
xdotool type --delay 60 "Zoé"
xdotool key Return
wait_window_gone 227x24 || fail "the name dialog did not take the name and Return"
record=$(iconv -f WINDOWS-1252 -t UTF-8 "$WORK/game/Tessaron Data/Score.sco")
case "$record" in "Zoé SCORE= "*) ;; *) fail "the score file holds '$record'" ;; esac
echo "the name was saved: $record"

# The question is still there and answers; the end screen then leaves for the menu.
wait_question
click_at $((qx + qw - 88 - 8 + 40)) $((qy + qh - 34 + 12))   # "Non"
sleep 0.5
screenshot "$WORK/end-screen.png"
perdu="$WORK/game/Tessaron Data/Images/Perdu.bmp"
convert "$perdu" -crop 200x30+200+452 +repage "$WORK/perdu-thanks.png"
thanks=$(region_vs_picture "$WORK/end-screen.png" "200x30+$((gx + 200))+$((gy + 452))" "$WORK/perdu-thanks.png")
[ "$thanks" -lt 30 ] || fail "the end screen is not shown ($thanks pixels differ)"
click_at $((gx + 300)) $((gy + 300))
wait_window_gone 700x550 || fail "the end screen did not lead back to the menu"
wait_window 222x310 >/dev/null || fail "the menu did not come back"
echo "the game went on to the end screen and the menu"
quit_from_menu "$mx" "$my"

# --- Away from the game: minimised, or the focus given to another program. The ball rises
# from the paddle towards the bricks, which it reaches in under 2 s: the pause must keep the
# score and the bricks broken (the side panel, which the pause text never crosses) still for 3 s.
xmessage -geometry +0+0 "ailleurs" &
OTHER_PID=$!
trap 'kill "$OTHER_PID" "$WM_PID" 2>/dev/null || true; cleanup' EXIT
for way in minimise focus; do
  start_level_one
  xdotool mousemove $((gx + 240)) $((gy + 400))
  sleep 0.5
  xdotool click 1
  sleep 0.15
  if [ $way = minimise ]; then
    xdotool windowminimize "$gamewin"
    sleep 0.5
    wmctrl -i -a "$gamewin"
  else
    other=$(xdotool search --onlyvisible --class xmessage | head -n 1)
    wmctrl -i -a "$other"
  fi
  sleep 0.3
  screenshot "$WORK/away-$way-1.png"
  sleep 3
  screenshot "$WORK/away-$way-2.png"
  panel=$(region_diff "$WORK/away-$way-1.png" "$WORK/away-$way-2.png" "190x100+$((gx + 505))+$((gy + 135))")
  text=$(region_diff "$WORK/away-$way-1.png" "$WORK/away-$way-2.png" "480x550+$gx+$gy")
  [ "$panel" = 0 ] || fail "$way: the side panel changed while away ($panel pixels changed)"
  [ "$text" -gt 200 ] || fail "$way: no pause text ($text pixels changed)"
  # Back in the game, still paused; a key resumes, and the ball reaches the bricks.
  wmctrl -i -a "$gamewin"
  sleep 0.3
  xdotool key p
  sleep 2.5
  screenshot "$WORK/away-$way-3.png"
  panel=$(region_diff "$WORK/away-$way-2.png" "$WORK/away-$way-3.png" "190x100+$((gx + 505))+$((gy + 135))")
  [ "$panel" -gt 0 ] || fail "$way: a key did not resume the game"
  echo "$way: the game paused, and a key resumed it"
  stop_game
done
if [ -n "${SHOTS_DIR:-}" ]; then cp "$WORK"/*.png "$SHOTS_DIR"/; fi
