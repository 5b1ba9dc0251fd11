#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Tessaron developers
# The presentation figures, side by side with a peer brick game when it is installed
# (lbreakout2, measured from outside as a black box), under one private Xvfb:
#   start to the first window mapped and to its first drawn pixel (median of RUNS, the two
#   games run turn about), resident memory at the menu, CPU of the game and of the X server
#   idle at the menu and in play (10 s samples), at k = 1 (1024 x 768) and k = 2 (2560 x 1440).
# Usage: bench/measure-presentation.sh [BIN] [RUNS]   (BIN: the build's bin directory)
set -eu
BIN=$(cd "${1:-build/bin}" && pwd)
RUNS="${2:-5}"
SAMPLE=10
PATH="$PATH:/usr/games"
WORK=$(mktemp -d /tmp/tessaron-bench.XXXXXX)
# The game reads and writes its settings here, never in the home of whoever measures.
export XDG_CONFIG_HOME="$WORK/config"
XVFB=""
trap '[ -n "$XVFB" ] && kill "$XVFB" 2>/dev/null; rm -rf "$WORK"' EXIT
HZ=$(getconf CLK_TCK)

start_x() {
  [ -n "$XVFB" ] && kill "$XVFB" 2>/dev/null && wait "$XVFB" 2>/dev/null || true
  for n in $(seq 151 199); do
    [ -e "/tmp/.X11-unix/X$n" ] && continue
    Xvfb ":$n" -screen 0 "$1x24" -nolisten tcp >/dev/null 2>&1 &
    XVFB=$!
    export DISPLAY=":$n"
    for _ in $(seq 1 50); do xdpyinfo >/dev/null 2>&1 && return 0; sleep 0.1; done
    kill "$XVFB" 2>/dev/null || true
  done
  echo "no X server" >&2; exit 1
}

cpu_ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }
# Percent of a core that processes $1 and $2 spend over SAMPLE seconds: "game x-server".
cpu_pair() {
  a0=$(cpu_ticks "$1"); x0=$(cpu_ticks "$2")
  sleep "$SAMPLE"
  a1=$(cpu_ticks "$1"); x1=$(cpu_ticks "$2")
  echo "$(( (a1 - a0) * 1000 / (HZ * SAMPLE) )) $(( (x1 - x0) * 1000 / (HZ * SAMPLE) ))" |
    awk '{printf "%.1f %.1f", $1 / 10, $2 / 10}'
}
rss_mb() { awk '/VmRSS/ {printf "%.1f", $2 / 1024}' "/proc/$1/status"; }
median() { sort -n | awk '{v[NR] = $1} END {print v[int((NR + 1) / 2)]}'; }

# One start of a game: prints "mapped pixel" and leaves its pid in $WORK/pid.
timed_start() {
  out=$("$BIN/window-start-timer" "$@") || true
  echo "$out" | awk '{print $2}' >"$WORK/pid"
  echo "$out" | awk '{print $4, $6}'
}
stop() { kill "$1" 2>/dev/null || true; wait "$1" 2>/dev/null || true; sleep 0.3; }

mkdir -p "$WORK/run"
cd "$WORK/run"
export SDL_AUDIODRIVER=dummy
start_x 1024x768
peer=0
command -v lbreakout2 >/dev/null && peer=1
: >"$WORK/tessaron.start"; : >"$WORK/peer.start"
for run in $(seq 1 "$RUNS"); do
  timed_start "$BIN/tessaron" >>"$WORK/tessaron.start"
  pid=$(cat "$WORK/pid")
  if [ "$run" = 1 ]; then
    sleep 1; echo "$(rss_mb "$pid")" >"$WORK/tessaron.rss"; cpu_pair "$pid" "$XVFB" >"$WORK/tessaron.idle"
  fi
  stop "$pid"
  if [ "$peer" = 1 ]; then
    timed_start lbreakout2 >>"$WORK/peer.start"
    pid=$(cat "$WORK/pid")
    if [ "$run" = 1 ]; then
      sleep 1; echo "$(rss_mb "$pid")" >"$WORK/peer.rss"; cpu_pair "$pid" "$XVFB" >"$WORK/peer.idle"
      # In play: "Local Game", then "Start Original Set"; the ball waits on the paddle.
      xdotool mousemove 180 268 click 1; sleep 1; xdotool mousemove 188 278 click 1; sleep 2
      cpu_pair "$pid" "$XVFB" >"$WORK/peer.play"
    fi
    stop "$pid"
  fi
done

# Tessaron in play at a 10 ms interval on level 1, the ball kept in play, at k = 1 then k = 2.
play() {
  "$BIN/sdl-game-pace" "$SAMPLE" >"$WORK/pace" &
  pace=$!
  sleep 0.5
  x0=$(cpu_ticks "$XVFB"); wait "$pace"; x1=$(cpu_ticks "$XVFB")
  echo "$(awk '{print $14, $5}' "$WORK/pace" | tr -d '(') $(( (x1 - x0) * 1000 / (HZ * SAMPLE) ))" |
    awk '{printf "%.1f %.1f %.1f", $1, $2, $3 / 10}'
}
play >"$WORK/tessaron.play1"
start_x 2560x1440
play >"$WORK/tessaron.play2"

col() { awk -v c="$2" '{print $c}' "$1" | median; }
row() { printf '| %s | %s | %s |\n' "$1" "$2" "$3"; }
peer_or() { [ "$peer" = 1 ] && echo "$1" || echo "not installed"; }
echo "| figure | lbreakout2 | Tessaron |"
echo "|---|---|---|"
row "start to the menu window mapped (median of $RUNS)" "$(peer_or "$(col "$WORK/peer.start" 1) ms")" "$(col "$WORK/tessaron.start" 1) ms"
row "start to its first drawn pixel (median of $RUNS)" "$(peer_or "$(col "$WORK/peer.start" 2) ms")" "$(col "$WORK/tessaron.start" 2) ms"
row "resident memory at the menu" "$(peer_or "$(cat "$WORK/peer.rss" 2>/dev/null) MB")" "$(cat "$WORK/tessaron.rss") MB"
set -- $(cat "$WORK/tessaron.idle")
tidle="$1 % (+$2 % X server)"
pidle="not installed"; pplay="not installed"
if [ "$peer" = 1 ]; then
  set -- $(cat "$WORK/peer.idle"); pidle="$1 % (+$2 % X server)"
  set -- $(cat "$WORK/peer.play"); pplay="$1 % (+$2 % X server), ball waiting"
fi
row "CPU idle at the menu" "$pidle" "$tidle"
set -- $(cat "$WORK/tessaron.play1")
row "CPU in play, k = 1" "$pplay" "$1 % (+$3 % X server) at $2 ticks/s"
set -- $(cat "$WORK/tessaron.play2")
row "CPU in play, k = 2 (2560 x 1440)" "-" "$1 % (+$3 % X server) at $2 ticks/s"
