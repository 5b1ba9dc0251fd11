# Shared steps of the end-to-end tests: a private X server, a copy of the game with its data
# directory, the game started from a scratch directory, windows found, screenshots compared.
# Sourced by tests/scripts/e2e_*.sh, which set BIN (the build's bin directory) first.

set -eu
WORK=$(mktemp -d /tmp/tessaron-e2e.XXXXXX)
XVFB_PID=""
GAME_PID=""

cleanup() {
  [ -n "$GAME_PID" ] && kill "$GAME_PID" 2>/dev/null || true
  # The X server is waited for: the next test must not find its display number still held.
  if [ -n "$XVFB_PID" ]; then kill "$XVFB_PID" 2>/dev/null && wait "$XVFB_PID" 2>/dev/null; fi || true
  if [ "${KEEP_E2E:-0}" = 1 ]; then echo "kept $WORK"; else rm -rf "$WORK"; fi
}
trap cleanup EXIT

fail() { echo "FAIL: $*"; exit 1; }

# Starts a private X server; its screen is 1024x768 unless a size is given ("3840x2160").
start_display() {
  for n in $(seq 91 140); do
    { [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ]; } && continue
    # -noreset: a server that resets when its last client leaves refuses the next game for a
    # moment, and SDL then finds no display.
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

# A copy of the game beside its own data directory, so a test may change the score file.
prepare_game() {
  mkdir -p "$WORK/game" "$WORK/run/Korvel900 data/Sons"
  cp "$BIN/tessaron" "$WORK/game/"
  cp -r "$BIN/Tessaron Data" "$WORK/game/"
  rm -f "$WORK/game/Tessaron Data/Score.sco"
}

start_game() {
  (cd "$WORK/run" && SDL_AUDIODRIVER=dummy exec "$WORK/game/tessaron" >"$WORK/game.log" 2>&1) &
  GAME_PID=$!
}

# Prints the id of the visible window titled "> Tessaron" with the given size, waiting for it.
wait_window() {
  want="$1"
  for _ in $(seq 1 100); do
    for id in $(xdotool search --onlyvisible --name '^> Tessaron$' 2>/dev/null); do
      size=$(xdotool getwindowgeometry "$id" 2>/dev/null | awk '/Geometry/ {print $2}')
      if [ "$size" = "$want" ]; then echo "$id"; return 0; fi
    done
    sleep 0.1
  done
  return 1
}

# Waits until no visible window titled "> Tessaron" has the given size.
wait_window_gone() {
  want="$1"
  for _ in $(seq 1 100); do
    found=0
    for id in $(xdotool search --onlyvisible --name '^> Tessaron$' 2>/dev/null); do
      size=$(xdotool getwindowgeometry "$id" 2>/dev/null | awk '/Geometry/ {print $2}')
      [ "$size" = "$want" ] && found=1
    done
    [ $found = 0 ] && return 0
    sleep 0.1
  done
  return 1
}

# Prints "X Y" of a window's top-left corner on the screen (asked of the server: xdotool's
# position is off by the frame under a window manager).
window_origin() {
  xwininfo -id "$1" | awk '/Absolute upper-left X/ {x = $NF} /Absolute upper-left Y/ {y = $NF} END {print x, y}'
}

# Starts a game from the menu; sets mx, my (the menu's corner), gamewin and gx, gy (its corner).
start_first_game() {
  start_game
  menu=$(wait_window 222x310) || fail "the menu window did not appear"
  set -- $(window_origin "$menu"); mx=$1; my=$2
  sleep 0.5
  click_at $((mx + 100)) $((my + 92))   # "Commencer"
  gamewin=$(wait_window 700x550) || fail "the game window did not appear"
  set -- $(window_origin "$gamewin"); gx=$1; gy=$2
}

# Waits for the Yes/No question window "app"; sets question, qx, qy, qw, qh.
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

# Clicks "Oui" or "Non" in the question that wait_question found.
answer_question() {
  if [ "$1" = Oui ]; then x=$((qx + qw - 2 * 88 - 12 + 40)); else x=$((qx + qw - 88 - 8 + 40)); fi
  click_at "$x" $((qy + qh - 34 + 12))
}

screenshot() { import -window root "png:$1"; }

# Number of pixels differing between a WxH+X+Y region of a screenshot and a picture file.
region_vs_picture() {
  shot="$1"; geometry="$2"; picture="$3"
  convert "$shot" -crop "$geometry" +repage "$WORK/region.png"
  compare -metric AE "$WORK/region.png" "$picture" null: 2>&1 || true
}

# Number of pixels differing between the same region of two screenshots.
region_diff() {
  convert "$1" -crop "$3" +repage "$WORK/a.png"
  convert "$2" -crop "$3" +repage "$WORK/b.png"
  compare -metric AE "$WORK/a.png" "$WORK/b.png" null: 2>&1 || true
}

click_at() { xdotool mousemove "$1" "$2"; sleep 0.15; xdotool click 1; }

# Sends the game window a desktop's close request and waits for the menu to come back.
close_game_window() {
  "$BIN/send-close-request" "$1" || fail "could not send the close request"
  wait_window_gone 700x550 || fail "the game window stayed after a close request"
  wait_window 222x310 >/dev/null || fail "the menu did not come back"
}

# Clicks "QUITTER" in the menu at ($1, $2) and checks that the game exits with status 0.
quit_from_menu() {
  sleep 0.4
  click_at $(($1 + 100)) $(($2 + 272))
  status=0
  wait "$GAME_PID" || status=$?
  GAME_PID=""
  [ "$status" = 0 ] || fail "the game exited with status $status"
}

# In the game window at ($1, $2): Escape, then "Oui" in the question, which ends the run.
end_run_with_escape() {
  xdotool mousemove $(($1 + 240)) $(($2 + 400))
  sleep 0.3
  xdotool key Escape
  wait_question
  answer_question Oui
}

# Types $1 into the name dialog (it opens on the holder's name, selected) and confirms it with
# Enter; the dialog must close.
enter_record_name() {
  dialog=$(wait_window 227x24) || fail "the name dialog did not open"
  set -- "$1" $(window_origin "$dialog")
  xdotool mousemove $(($2 + 50)) $(($3 + 12))
  sleep 0.3
  for _ in 1 2 3 4 5; do xdotool key BackSpace; done
  xdotool type --delay 50 "$1"
  xdotool key Return
  wait_window_gone 227x24 || fail "the name dialog stayed open"
  sleep 0.4
}
