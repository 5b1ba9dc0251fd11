#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Tessaron developers
# End to end on the game's start: "Commencer" clicked the moment the menu appears opens a game
# whose first screen is, pixel for pixel, the one opened from a menu that had all the time it
# wanted, and whose sounds are heard (the sound library is opened after the menu's first frame);
# the menu looks the same whether the fonts were found by fontconfig or by the cache.
BIN="$1"
. "$(dirname "$0")/lib/x11_session.sh"
start_display
prepare_game
# The menu's place on a 1024 x 768 screen, and Commencer's middle in it.
cx=$((401 + 100)); cy=$((217 + 92))
# play WAIT NAME: starts the game, clicks Commencer WAIT seconds after the menu shows, and keeps
# the game's first screen and the menu as NAME; the click at once is made with the pointer
# already there, and that game's sound goes to the file $WORK/sound.raw.
play() {
  xdotool mousemove 1000 700
  if [ "$1" = 0 ]; then
    xdotool mousemove "$cx" "$cy"
    (cd "$WORK/run" && SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$WORK/sound.raw" exec "$WORK/game/tessaron" \
      >"$WORK/game.log" 2>&1) &
    GAME_PID=$!
  else
    start_game
  fi
  until menu=$(window_of 222x310); do
    kill -0 "$GAME_PID" 2>/dev/null || fail "the game ended: $(cat "$WORK/game.log")"
  done
  if [ "$1" = 0 ]; then
    xdotool click 1
  else
    sleep "$1"
    import -window root -crop 222x310+401+217 +repage "png:$WORK/$2-menu.png"
    click_at "$cx" "$cy"
  fi
  gamewin=$(wait_window 700x550) || fail "no game window after a click $1 s after the menu showed"
  set -- "$1" "$2" $(window_origin "$gamewin")
  xdotool mousemove $(($3 + 240)) $(($4 + 400)) sleep 1
  import -window root -crop "700x550+$3+$4" +repage "png:$WORK/$2-game.png"
  if [ "$1" = 0 ]; then
    # The launching click plays its cue: the sound written out is silent before it, not after.
    sleep 0.5; before=$(tr -d '\000' <"$WORK/sound.raw" | wc -c)
    click_at $(($3 + 240)) $(($4 + 400)) sleep 1
    [ "$before" = 0 ] || fail "sound before the launching click ($before bytes)"
    [ "$(tr -d '\000' <"$WORK/sound.raw" | wc -c)" -gt 1000 ] || fail "no sound after the launching click"
  fi
  end_run_with_escape
  kill "$GAME_PID" 2>/dev/null || true; wait "$GAME_PID" 2>/dev/null || true; GAME_PID=""
}
play 1 settled        # the first start: fontconfig finds the fonts, the cache keeps them
play 0 early
play 1 cached         # the fonts opened by the paths kept in the cache
[ -s "$XDG_CACHE_HOME/tessaron/font-paths" ] || fail "no font paths kept in $XDG_CACHE_HOME/tessaron"
differ=$(compare -metric AE "$WORK/settled-game.png" "$WORK/early-game.png" null: 2>&1 || true)
[ "$differ" = 0 ] || fail "the game opened at once differs from the game opened later ($differ pixels)"
bricks_drawn "$WORK/early-game.png" 0 0 1
differ=$(compare -metric AE "$WORK/settled-menu.png" "$WORK/cached-menu.png" null: 2>&1 || true)
[ "$differ" = 0 ] || fail "the menu drawn through the font cache differs ($differ pixels)"
echo "a click at the menu's first frame opens the full game; the font cache keeps the menu's pixels"
