#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Tessaron developers
# End to end on the game's start: "Commencer" clicked the moment the menu appears (the pointer
# already there) opens the same first game screen as a click a second later, and that game is
# heard: its launching click's cue reaches the sound output (the disk driver's file).
BIN="$1"
. "$(dirname "$0")/lib/x11_session.sh"
start_display
prepare_game
cx=$((401 + 100)); cy=$((217 + 92))   # Commencer, in the menu's place on a 1024 x 768 screen
# play WAIT: clicks Commencer WAIT seconds after the menu shows; keeps the game's first screen.
play() {
  xdotool mousemove "$cx" "$cy"
  (cd "$WORK/run" && SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$WORK/sound.raw" exec "$WORK/game/tessaron" \
    >"$WORK/game.log" 2>&1) &
  GAME_PID=$!
  until window_of 222x310 >/dev/null; do kill -0 "$GAME_PID" 2>/dev/null || fail "the game ended"; done
  [ "$1" = 0 ] || xdotool mousemove 1000 700 sleep "$1" mousemove "$cx" "$cy" sleep 0.15
  xdotool click 1
  gamewin=$(wait_window 700x550) || fail "no game window after a click $1 s after the menu showed"
  set -- "$1" $(window_origin "$gamewin")
  xdotool mousemove $(($2 + 240)) $(($3 + 400)) sleep 1
  import -window root -crop "700x550+$2+$3" +repage "png:$WORK/game-$1.png"
  before=$(tr -d '\000' <"$WORK/sound.raw" | wc -c)
  click_at $(($2 + 240)) $(($3 + 400)) sleep 1
  [ "$before" = 0 ] || fail "sound before the launching click ($before bytes)"
  [ "$(tr -d '\000' <"$WORK/sound.raw" | wc -c)" -gt 1000 ] || fail "no sound after the launching click"
  end_run_with_escape
  kill "$GAME_PID" 2>/dev/null || true; wait "$GAME_PID" 2>/dev/null || true; GAME_PID=""
}
play 1
play 0
differ=$(compare -metric AE "$WORK/game-1.png" "$WORK/game-0.png" null: 2>&1 || true)
[ "$differ" = 0 ] || fail "the game opened at once differs from the game opened later ($differ pixels)"
bricks_drawn "$WORK/game-0.png" 0 0 1
[ -s "$XDG_CACHE_HOME/tessaron/font-paths" ] || fail "no font paths kept in $XDG_CACHE_HOME/tessaron"
echo "a click at the menu's first frame opens the full game, and it is heard"
