# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Tessaron developers
# Shared steps of the end-to-end tests (tests/scripts/e2e_*.sh, which set BIN, the build's bin
# directory): a private X server, copies of the game, windows found, screenshots compared.
set -eu
# Without Xvfb there is no display to play on: the test is skipped (ctest's SKIP), not failed.
if ! command -v Xvfb >/dev/null 2>&1; then echo "skipped: Xvfb is not installed (Debian: xvfb)"; exit 77; fi
WORK=$(mktemp -d /tmp/tessaron-e2e.XXXXXX)
# The game keeps its fonts' paths in the player's cache: a scratch one here.
export XDG_CACHE_HOME="$WORK/cache"
# The game's settings and replays are the run's own: nothing is read from or written to the
# player's home.
export XDG_CONFIG_HOME="$WORK/config" XDG_STATE_HOME="$WORK/state"
IMAGES="$BIN/Tessaron Data/Images"
XVFB_PID=""; GAME_PID=""; OTHERS=""   # OTHERS: the window manager, compositor, other programs
stop_game() { if [ -n "$GAME_PID" ]; then kill "$GAME_PID" 2>/dev/null || true; wait "$GAME_PID" 2>/dev/null || true; GAME_PID=""; fi; }
# The X server is waited for: the next one must not find its display number still held.
stop_display() {
  for pid in $OTHERS $XVFB_PID; do kill "$pid" 2>/dev/null && wait "$pid" 2>/dev/null || true; done
  OTHERS=""; XVFB_PID=""
}
cleanup() { stop_game; stop_display; if [ "${KEEP_E2E:-0}" = 1 ]; then echo "kept $WORK"; else rm -rf "$WORK"; fi; }
trap cleanup EXIT
fail() { echo "FAIL: $*"; exit 1; }
# Starts a private X server (after stopping the last one); its screen is 1024x768 or $1.
start_display() {
  stop_display
  for n in $(seq 91 140); do
    { [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ]; } && continue
    # -noreset: a server that resets when its last client leaves refuses the next game a moment.
    Xvfb ":$n" -screen 0 "${1:-1024x768}x24" -nolisten tcp -noreset >/dev/null 2>&1 &
    XVFB_PID=$!
    export DISPLAY=":$n"
    for _ in $(seq 1 50); do
      # Another test may have taken the same number a moment before: ours must be the one up.
      kill -0 "$XVFB_PID" 2>/dev/null || break
      xdpyinfo >/dev/null 2>&1 && kill -0 "$XVFB_PID" 2>/dev/null && return 0
      sleep 0.1
    done
    kill "$XVFB_PID" 2>/dev/null || true
  done
  fail "no X server could be started"
}
# A private X server (of the size $1, if given) with a window manager.
start_desktop() {
  start_display "$@"
  HOME="$WORK" openbox --sm-disable >"$WORK/openbox.log" 2>&1 &
  OTHERS="$OTHERS $!"
  for _ in $(seq 1 300); do wmctrl -m >/dev/null 2>&1 && return 0; sleep 0.1; done
  fail "openbox did not start: $(cat "$WORK/openbox.log")"
}
# A copy of the game beside its own data directory at $1 (default $WORK/game), with the score
# file's text $2 if given (else none).
prepare_game() {
  mkdir -p "${1:-$WORK/game}" "$WORK/run/Korvel900 data/Sons"
  cp -r "$BIN/tessaron" "$BIN/Tessaron Data" "${1:-$WORK/game}/"
  rm -f "${1:-$WORK/game}/Tessaron Data/Score.sco"
  [ -z "${2:-}" ] || printf '%s' "$2" >"${1:-$WORK/game}/Tessaron Data/Score.sco"
}
# Starts the game $GAME (default the copy) from the scratch directory with arguments "$@".
start_game() { (cd "$WORK/run" && SDL_AUDIODRIVER=dummy exec "${GAME:-$WORK/game/tessaron}" "$@" >"$WORK/game.log" 2>&1) & GAME_PID=$!; }
# Prints the id of a visible window titled "> Tessaron" of the size $1, if there is one; waits
# for one, or for none to be left.
window_of() {
  for id in $(xdotool search --onlyvisible --name '^> Tessaron$' 2>/dev/null); do
    [ "$(xdotool getwindowgeometry "$id" 2>/dev/null | awk '/Geometry/ {print $2}')" = "$1" ] && echo "$id" && return 0
  done
  return 1
}
wait_window() { for _ in $(seq 1 100); do window_of "$1" && return 0; sleep 0.1; done; return 1; }
# Runs "$@" until it succeeds, $WAIT times at most (100 unless given), a tenth of a second apart.
until_true() { for _ in $(seq 1 "${WAIT:-100}"); do "$@" && return 0; sleep 0.1; done; return 1; }
wait_window_gone() { for _ in $(seq 1 100); do window_of "$1" >/dev/null || return 0; sleep 0.1; done; return 1; }
# Prints "X Y" of a window's client area on the screen (asked of the server: xdotool's
# position is off by the frame under a window manager).
window_origin() { xwininfo -id "$1" | awk '/Absolute upper-left X/ {x = $NF} /Absolute upper-left Y/ {print x, $NF}'; }
# Waits for the menu of the game just started; sets menu, mx, my (its corner).
open_menu() {
  menu=$(wait_window "${1:-222x310}") || fail "no menu window: $(cat "$WORK/game.log")"
  set -- $(window_origin "$menu"); mx=$1; my=$2
  sleep 0.5
}
# "Commencer" in the menu; sets gamewin, gx, gy (its corner) with the pointer resting over it.
open_game() {
  click_at $((mx + 100)) $((my + 92))
  gamewin=$(wait_window 700x550) || fail "the game window did not appear"
  set -- $(window_origin "$gamewin"); gx=$1; gy=$2
  xdotool mousemove $((gx + 240)) $((gy + 400)) sleep 0.6
}
# Waits for the Yes/No question window "app"; sets question, qx, qy, qw, qh.
wait_question() {
  for _ in $(seq 1 50); do
    question=$(xdotool search --onlyvisible --name '^app$' 2>/dev/null | head -n 1) && [ -n "$question" ] && break
    sleep 0.1
  done
  [ -n "$question" ] || fail "no question window"
  set -- $(window_origin "$question") $(xdotool getwindowgeometry "$question" | awk '/Geometry/ {sub("x", " "); print $2, $3}')
  qx=$1; qy=$2; qw=$3; qh=$4
}
# Clicks "Oui" or "Non" in the question that wait_question found.
answer_question() { if [ "$1" = Oui ]; then click_at $((qx + qw - 148)) $((qy + qh - 22)); else click_at $((qx + qw - 56)) $((qy + qh - 22)); fi; }
screenshot() { import -window root "miff:$1"; }   # uncompressed: quicker to write and crop than PNG
# Number of pixels differing between a WxH+X+Y region of a screenshot and a picture file.
region_vs_picture() { convert "$1" -crop "$2" +repage "$WORK/region.png"; compare -metric AE "$WORK/region.png" "$3" null: 2>&1 || true; }
# Number of pixels differing between the same region of two screenshots.
region_diff() { convert "$2" -crop "$3" +repage "$WORK/b.png"; region_vs_picture "$1" "$3" "$WORK/b.png"; }
# Every eighth brick of level $4 in the screenshot $1 must be its picture enlarged ${5:-1}
# times, pixel for pixel, the game picture's corner at ($2, $3).
bricks_drawn() {
  s=${5:-1}
  "$BIN/tessaron-lab" level "$4" | awk 'NR % 8 == 1' >"$WORK/bricks.txt"
  convert "$1" "$WORK/shot.mpc"   # read once: a crop of it is then immediate
  while read -r index x y kind group; do
    convert "$IMAGES/$kind.bmp" -scale "${s}00%" "$WORK/brick.png"
    differ=$(region_vs_picture "$WORK/shot.mpc" "$((40 * s))x$((20 * s))+$(($2 + s * x))+$(($3 + s * y))" "$WORK/brick.png")
    [ "$differ" = 0 ] || fail "level $4's brick $index of kind $kind at ($x, $y): $differ pixels differ"
  done <"$WORK/bricks.txt"
}
# The full screen's screenshot $1 (of $2 x $3 pixels, wider than 700:550) shows the picture
# filling the height, centred, on black beside it.
fills_height() {
  shown=$(($3 * 700 / 550)); left=$((($2 - shown) / 2))
  black=$(convert "$1" -crop "$((left - 4))x$3+0+0" +repage -format '%[fx:maxima.intensity]' info:)
  [ "$black" = 0 ] || fail "the full screen is not black beside the picture"
  for row in 0 $(($3 - 1)); do
    lit=$(convert "$1" -crop "$((shown - 60))x1+$((left + 30))+$row" +repage -format '%[fx:mean.intensity > 0.05]' info:)
    [ "$lit" = 1 ] || fail "the full screen's picture does not reach row $row"
  done
}
click_at() { xdotool mousemove "$1" "$2" sleep 0.15 click 1; }
# Sends the game window a desktop's close request, which must lead back to the menu.
close_game_window() { "$BIN/send-close-request" "$1" || fail "could not send the close request"; back_to_menu "a close request"; }
# Clicks "QUITTER" in the menu at ($mx, $my); the game must exit with status 0.
quit_from_menu() { sleep 0.4; click_at $((mx + 100)) $((my + 272)); game_exits "QUITTER"; }
game_exits() { status=0; wait "$GAME_PID" || status=$?; GAME_PID=""; [ "$status" = 0 ] || fail "the game exited with status $status after $1"
  ! grep -q 'erreur X' "$WORK/game.log" || fail "an X error after $1: $(grep 'erreur X' "$WORK/game.log")"; }
# In the game window: Escape, then "Oui" in the question, which ends the run.
end_run_with_escape() { xdotool mousemove $((gx + 240)) $((gy + 400)) sleep 0.3 key Escape; wait_question; answer_question Oui; }
# Types $2 into the text dialog of the size $1 (227x24 the record's name, 106x24 a level's
# code) in place of what it opens on, and confirms it with Enter; the dialog must close.
type_into() {
  dialog=$(wait_window "$1") || fail "the $1 dialog did not open"
  set -- "$1" "$2" $(window_origin "$dialog")
  xdotool mousemove $(($3 + 30)) $(($4 + 12)) sleep 0.3 key BackSpace BackSpace BackSpace BackSpace BackSpace BackSpace BackSpace BackSpace
  xdotool type --delay 50 "$2"
  xdotool key Return
  wait_window_gone "$1" || fail "the $1 dialog stayed open after Return"
  sleep 0.4
}
back_to_menu() {
  wait_window_gone 700x550 || fail "the game window stayed after $1"
  wait_window 222x310 >/dev/null || fail "the menu did not come back after $1"
}
# From the end screen, a click leads back to the menu.
leave_end_screen() { click_at $((gx + 300)) $((gy + 300)); back_to_menu "a click on the end screen"; }
