#!/bin/sh
# End to end on SDL's Wayland driver: weston runs nested in the test's X server (its x11
# backend: the headless one gives SDL no input seat) and the game is its client. The menu is
# drawn as on X11, and "Commencer" opens the game window with level 1's bricks in place.
BIN="$1"
. "$(dirname "$0")/lib/x11_session.sh"
WESTON_PID=""
trap '[ -n "$WESTON_PID" ] && kill "$WESTON_PID" 2>/dev/null; cleanup' EXIT

start_display
prepare_game
images="$WORK/game/Tessaron Data/Images"

# The menu's upper part as the X11 driver draws it, away from the buttons and the pointer.
xdotool mousemove 1000 700
start_game
menu=$(wait_window 222x310) || fail "the menu did not appear on X11"
set -- $(window_origin "$menu"); mx=$1; my=$2
sleep 0.5
screenshot "$WORK/x11.png"
convert "$WORK/x11.png" -crop "222x70+$mx+$my" +repage "$WORK/menu-top.png"
quit_from_menu "$mx" "$my"

export XDG_RUNTIME_DIR="$WORK/xdg"
mkdir -m 700 "$XDG_RUNTIME_DIR"
# No panel: a click that weston places wrongly cannot start its terminal over the game.
printf '[shell]\npanel-position=none\n' > "$WORK/weston.ini"
weston --backend=x11-backend.so --socket=tessaron-e2e --width=1000 --height=740 \
  --config="$WORK/weston.ini" --idle-time=0 >"$WORK/weston.log" 2>&1 &
WESTON_PID=$!
for _ in $(seq 1 100); do [ -S "$XDG_RUNTIME_DIR/tessaron-e2e" ] && break; sleep 0.1; done
[ -S "$XDG_RUNTIME_DIR/tessaron-e2e" ] || fail "weston did not start: $(cat "$WORK/weston.log")"

(cd "$WORK/run" && SDL_VIDEODRIVER=wayland WAYLAND_DISPLAY=tessaron-e2e SDL_AUDIODRIVER=dummy \
  exec "$WORK/game/tessaron" >"$WORK/game.log" 2>&1) &
GAME_PID=$!

# find_on_screen PICTURE [TRIES]: waits until PICTURE shows on the screen; prints its places.
find_on_screen() {
  for _ in $(seq 1 "${2:-50}"); do
    screenshot "$WORK/screen.png"
    "$BIN/find-picture" "$WORK/screen.png" "$1" && return 0
    kill -0 "$GAME_PID" 2>/dev/null || fail "the game ended: $(cat "$WORK/game.log")"
    sleep 0.2
  done
  return 1
}

places=$(find_on_screen "$WORK/menu-top.png") || fail "the menu is not drawn on Wayland: $(cat "$WORK/game.log")"
set -- $places; mx=$1; my=$2
echo "menu drawn at $mx,$my as on X11"
[ -z "${SCREENSHOT_TO:-}" ] || cp "$WORK/screen.png" "$SCREENSHOT_TO"

# weston learns of the pointer from its own window's motion events, and a busy weston may not
# have seen it arrive when the click comes: the pointer goes there in small steps and rests,
# and the click is given again only while the menu is still on the screen (a game window that
# opened but shows nothing fails the test).
for attempt in 1 2 3; do
  for step in 80 90 100; do xdotool mousemove $((mx + step)) $((my + 92)); sleep 0.3; done
  xdotool click 1   # "Commencer"
  xdotool mousemove 1000 700
  sleep 1
  find_on_screen "$WORK/menu-top.png" 1 >/dev/null || break
done
# Level 1's first brick of kind 5 sits at (120, 60) in the game window: it places the window.
places=$(find_on_screen "$images/5.bmp") || fail "no brick drawn after Commencer"
set -- $places; gx=$(($1 - 120)); gy=$(($2 - 60))
for brick in "160 60 2" "200 60 3" "320 60 5" "80 80 1" "360 80 1" "120 220 5" "280 220 2"; do
  set -- $brick
  differ=$(region_vs_picture "$WORK/screen.png" "40x20+$((gx + $1))+$((gy + $2))" "$images/$3.bmp")
  [ "$differ" = 0 ] || fail "brick of kind $3 at ($1, $2): $differ pixels differ from $3.bmp"
done
echo "the game window shows level 1's bricks at $gx,$gy"
