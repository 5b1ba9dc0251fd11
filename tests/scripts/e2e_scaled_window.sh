#!/bin/sh
# End to end on a 3840 x 2160 screen under a window manager: the windows are shown three
# times larger (the game window 2100 x 1650, level 1's bricks 3 x 3 pixels a game pixel),
# F11 puts the game window in full screen, centred on black, without pausing, and back.
BIN="$1"
. "$(dirname "$0")/lib/x11_session.sh"

start_display 3840x2160
command -v openbox >/dev/null || fail "openbox is not installed"
HOME="$WORK" openbox --sm-disable >"$WORK/openbox.log" 2>&1 &
WM_PID=$!
trap 'kill $WM_PID 2>/dev/null || true; cleanup' EXIT
for _ in $(seq 1 50); do wmctrl -m >/dev/null 2>&1 && break; sleep 0.1; done
prepare_game
start_game

menu=$(wait_window 666x930) || { cat "$WORK/game.log"; xdotool search --name Tessaron getwindowgeometry %@; fail "the menu is not three times 222 x 310"; }
set -- $(window_origin "$menu"); mx=$1; my=$2
sleep 0.5
click_at $((mx + 300)) $((my + 276))   # "Commencer", at three times its place
game=$(wait_window 2100x1650) || fail "the game window is not 2100 x 1650"
# The client area's corner on the screen (the window manager's frame lies around it).
set -- $(xwininfo -id "$game" | awk '/Absolute upper-left X/ {x = $NF} /Absolute upper-left Y/ {print x, $NF}'); gx=$1; gy=$2
xdotool mousemove $((gx + 720)) $((gy + 1200))
sleep 1

# A level 1 brick (x y kind) matches its picture enlarged three times, pixel for pixel.
images="$WORK/game/Tessaron Data/Images"
brick_at() {
  shot="$1"; left="$2"; top="$3"
  for brick in "120 60 5" "160 60 2" "80 80 1"; do
    set -- $brick
    convert "$images/$3.bmp" -scale 300% "$WORK/brick$3.png"
    differ=$(region_vs_picture "$shot" "120x60+$((left + 3 * $1))+$((top + 3 * $2))" "$WORK/brick$3.png")
    [ "$differ" = 0 ] || fail "brick of kind $3 at ($1, $2): $differ pixels differ from its 3 x 3 enlargement"
  done
}
screenshot "$WORK/window.png"
brick_at "$WORK/window.png" "$gx" "$gy"
echo "the game window is 2100 x 1650 with 3 x 3 pixel bricks"

xdotool windowactivate --sync "$game" 2>/dev/null || true
xdotool key F11
wait_window 3840x2160 >/dev/null || fail "F11 did not put the game window in full screen"
sleep 0.5
screenshot "$WORK/full1.png"
brick_at "$WORK/full1.png" 870 255
black=$(convert "$WORK/full1.png" -crop 860x2160+0+0 +repage -format '%[fx:maxima.intensity]' info:)
[ "$black" = 0 ] || fail "the full screen is not black beside the picture"
# Paused, the pause text would move: nothing may change while the ball waits.
sleep 0.3
screenshot "$WORK/full2.png"
[ "$(region_diff "$WORK/full1.png" "$WORK/full2.png" 3840x2160+0+0)" = 0 ] || fail "F11 paused the game"
echo "F11 shows the game in full screen without pausing"

xdotool windowactivate --sync "$game" 2>/dev/null || true
xdotool key F11
wait_window 2100x1650 >/dev/null || fail "F11 did not bring the game window back"
echo "F11 brings the window back"
