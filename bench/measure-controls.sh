#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Tessaron developers
# Keyboard and full-screen play under a private Xvfb of 1920 x 1080 with openbox: the lag from a
# key press and from a pointer move to the paddle's move on screen (before the launch and in
# play), and the CPU of the game and of the X server in play at a 10 ms interval, steered with
# the mouse or the arrow keys, in the window and in the full screen.
# Usage: bench/measure-controls.sh [BIN] [SECONDS] [COUNT]
set -eu
BIN=$(cd "${1:-build/bin}" && pwd)
SAMPLE="${2:-10}"
COUNT="${3:-30}"
WORK=$(mktemp -d /tmp/tessaron-bench.XXXXXX)
export XDG_CONFIG_HOME="$WORK/config" XDG_STATE_HOME="$WORK/state" XDG_DATA_HOME="$WORK/data" SDL_AUDIODRIVER=dummy
XVFB=""; WM=""; GAME=""
trap 'for p in $GAME $WM $XVFB; do kill "$p" 2>/dev/null || true; done; rm -rf "$WORK"' EXIT
HZ=$(getconf CLK_TCK)
for n in $(seq 151 199); do
  [ -e "/tmp/.X11-unix/X$n" ] && continue
  Xvfb ":$n" -screen 0 1920x1080x24 -nolisten tcp >/dev/null 2>&1 &
  XVFB=$!
  export DISPLAY=":$n"
  for _ in $(seq 1 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
  xdpyinfo >/dev/null 2>&1 && break
done
HOME="$WORK" openbox --sm-disable >/dev/null 2>&1 & WM=$!
sleep 1
cpu_ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }
window_of() { for id in $(xdotool search --onlyvisible --name '^> Tessaron$' 2>/dev/null); do
  [ "$(xdotool getwindowgeometry "$id" | awk '/Geometry/ {print $2}')" = "$1" ] && echo "$id" && return 0; done; return 1; }
wait_window() { for _ in $(seq 1 100); do window_of "$1" && return 0; sleep 0.1; done; return 1; }
origin() { xwininfo -id "$1" | awk '/Absolute upper-left X/ {x = $NF} /Absolute upper-left Y/ {print x, $NF}'; }

# The lag: the real game, its menu's "Commencer", then the paddle timed against each input.
mkdir -p "$WORK/run"; cd "$WORK/run"
"$BIN/tessaron" >"$WORK/game.log" 2>&1 & GAME=$!
menu=$(wait_window 222x310); set -- $(origin "$menu")
xdotool mousemove $(($1 + 100)) $(($2 + 92)) sleep 0.3 click 1
game=$(wait_window 700x550); set -- $(origin "$game"); gx=$1; gy=$2
xdotool mousemove $((gx + 240)) $((gy + 400)) sleep 0.5
echo "before the launch:"
"$BIN/input-lag" pointer "$COUNT" "$gx" "$gy"
"$BIN/input-lag" key "$COUNT" "$gx" "$gy"
# In play the paddle moves at the ticks (every 25 ms at first). A ball lasts a few seconds, so
# the samples come in short turns, each right after a launch with Space, mouse and keys in turn.
echo "in play, turns of 5 moves right after a launch:"
for turn in 1 2 3; do
  for way in pointer key; do
    xdotool key space sleep 0.2
    "$BIN/input-lag" "$way" 5 "$gx" "$gy"
  done
done
kill "$GAME"; wait "$GAME" 2>/dev/null || true; GAME=""

# The CPU in play, ball kept in play at the fastest interval.
for mode in "mouse window" "keys window" "mouse full" "keys full"; do
  set -- $mode
  x0=$(cpu_ticks "$XVFB")
  out=$("$BIN/sdl-game-pace" "$SAMPLE" "$1" "$2")
  x1=$(cpu_ticks "$XVFB")
  echo "$out" | awk -v m="$1, $2" -v x="$(( (x1 - x0) * 1000 / (HZ * SAMPLE) ))" '
    /^seconds/ {gsub(/\(/, ""); printf "%-14s game %s %% of a core (CPU time), X server %.1f %%, %s ticks/s", m ":", $14, x / 10, $5}
    /^window/ {print ", window " $2}'
done
