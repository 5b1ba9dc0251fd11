#!/bin/sh
# End to end: the game installed under a prefix, then moved with its whole tree, still finds
# its pictures: its menu is drawn exactly as the build tree's game draws it.
BIN=$(cd "$1" && pwd)
BUILD=$(dirname "$BIN")
. "$(dirname "$0")/lib/x11_session.sh"

cmake --install "$BUILD" --prefix "$WORK/first" >"$WORK/install.log" 2>&1 || fail "install: $(tail -n 5 "$WORK/install.log")"
mkdir "$WORK/elsewhere"
mv "$WORK/first" "$WORK/elsewhere/moved"
prefix="$WORK/elsewhere/moved"
[ -x "$prefix/games/tessaron" ] || fail "no game in $prefix/games"
[ -f "$prefix/share/games/tessaron/Images/fondmenu.bmp" ] || fail "no pictures in $prefix/share/games/tessaron"
[ ! -e "$prefix/games/Tessaron Data" ] || fail "the install put a data directory beside the game"

start_display
mkdir -p "$WORK/run"
xdotool mousemove 1000 700

# menu_of GAME SHOT: starts GAME, screenshots its menu into SHOT, quits it; the menu's place
# is left in $place.
menu_of() {
  xdotool mousemove 1000 700   # away from the buttons, which light up under the pointer
  (cd "$WORK/run" && SDL_AUDIODRIVER=dummy exec "$1" >"$WORK/game.log" 2>&1) &
  GAME_PID=$!
  menu=$(wait_window 222x310) || fail "$1: no menu: $(cat "$WORK/game.log")"
  set -- "$2" $(window_origin "$menu")
  sleep 0.5
  screenshot "$1"
  quit_from_menu "$2" "$3"
  place="222x310+$2+$3"
}

menu_of "$BIN/tessaron" "$WORK/build.png"
reference=$place
menu_of "$prefix/games/tessaron" "$WORK/moved.png"
moved=$place
[ "$reference" = "$moved" ] || fail "the menus stand at different places: $reference, $moved"
differ=$(region_diff "$WORK/build.png" "$WORK/moved.png" "$moved")
[ "$differ" = 0 ] || fail "the moved game's menu differs in $differ pixels: it did not find its pictures"
echo "the moved installation draws its menu as the build tree's game"
