#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Tessaron developers
# The start-up figures, under one private Xvfb (1024 x 768): the floor program (a bare SDL
# window, bench/start_floor.cpp), Tessaron and a peer brick game when it is installed
# (lbreakout2, run as a black box), started in turn, RUNS times each, the order rotating from
# one run to the next. For each: window mapped and first pixel (ms from launch), CPU used by
# the first pixel (ms, every thread of the process); for Tessaron also the time from its first
# pixel until "Credits, Aide" lights up under the pointer, and the resident memory at the menu.
# Prints the median and the spread (lowest - highest) of each figure; one warm-up start of
# each program comes first and is not counted. Figures only: nothing here passes or fails.
# Usage: bench/measure-start.sh [BIN] [RUNS]   (BIN: the build's bin directory; RUNS >= 7)
set -eu
BIN=$(cd "${1:-build/bin}" && pwd)
RUNS="${2:-9}"
PATH="$PATH:/usr/games"
WORK=$(mktemp -d /tmp/tessaron-start.XXXXXX)
XVFB=""
trap '[ -n "$XVFB" ] && kill "$XVFB" 2>/dev/null; rm -rf "$WORK"' EXIT

for n in $(seq 201 249); do
  { [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ]; } && continue
  Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp -noreset >/dev/null 2>&1 &
  XVFB=$!
  export DISPLAY=":$n"
  for _ in $(seq 1 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
  xdpyinfo >/dev/null 2>&1 && break
  kill "$XVFB" 2>/dev/null || true; XVFB=""
done
[ -n "$XVFB" ] || { echo "no X server" >&2; exit 1; }

# Every program runs in a scratch home, current directory and cache, warmed by the first start.
mkdir -p "$WORK/home" "$WORK/run"
export HOME="$WORK/home" XDG_CACHE_HOME="$WORK/home/.cache" XDG_CONFIG_HOME="$WORK/home/.config"
export XDG_DATA_HOME="$WORK/home/.local/share" SDL_AUDIODRIVER=dummy
cd "$WORK/run"

programs="floor tessaron"
command -v lbreakout2 >/dev/null && programs="$programs peer"
command_of() {
  case "$1" in
    floor) echo "$BIN/start-floor" ;;
    # "Credits, Aide", 129 x 25 points at (40, 180): "Commencer" is lit from the start.
    tessaron) echo "--hover 40 180 129 25 $BIN/tessaron" ;;
    peer) echo "lbreakout2" ;;
  esac
}
rss_mb() { awk '/VmRSS/ {printf "%.1f", $2 / 1024}' "/proc/$1/status"; }

# One start: appends "mapped pixel cpu [answer]" to $WORK/NAME and stops the program.
start_one() {
  # shellcheck disable=SC2046
  out=$("$BIN/window-start-timer" $(command_of "$1")) || true
  pid=$(echo "$out" | awk '{print $2}')
  echo "$out" | awk '{print $4, $6, $8, ($10 == "" ? "-" : $10)}' >>"$WORK/$1"
  if [ "$2" = count ] && [ ! -e "$WORK/$1.rss" ]; then sleep 1; rss_mb "$pid" >"$WORK/$1.rss"; fi
  kill "$pid" 2>/dev/null || true
  while kill -0 "$pid" 2>/dev/null; do sleep 0.05; done
  sleep 0.2
}

for p in $programs; do start_one "$p" warm; done
: >"$WORK/floor"; : >"$WORK/tessaron"; : >"$WORK/peer"
run=0
while [ "$run" -lt "$RUNS" ]; do
  run=$((run + 1))
  # Rotate the order so that no program always follows the same one.
  set -- $programs
  shift $(( (run - 1) % $# ))
  order="$*"
  for p in $programs; do case " $order " in *" $p "*) ;; *) order="$order $p" ;; esac; done
  for p in $order; do start_one "$p" count; done
done

# "median (lowest - highest)" of column $2 of file $1, with $3 decimals.
stat_of() {
  awk -v c="$2" '$c != "-" && $c >= 0 {print $c}' "$1" | sort -n |
    awk '{v[NR] = $1} END {if (NR == 0) {print "-"; exit}
         m = NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2
         printf "%.1f (%.1f - %.1f)", m, v[1], v[NR]}'
}
median_of() { stat_of "$1" "$2" | awk '{print $1}'; }
name_of() { case "$1" in floor) echo "floor (bare SDL window)" ;; tessaron) echo "Tessaron" ;; peer) echo "lbreakout2" ;; esac; }

echo "start-up, $RUNS runs each, interleaved under one Xvfb; median (lowest - highest), ms"
echo "| program | window mapped | first pixel | CPU at first pixel | CPU over the floor | menu answers the pointer | memory at the menu |"
echo "|---|---|---|---|---|---|---|"
floor_cpu=$(median_of "$WORK/floor" 3)
for p in $programs; do
  over=$(median_of "$WORK/$p" 3 | awk -v f="$floor_cpu" '{printf "%+.1f", $1 - f}')
  answer="-"; [ "$p" = tessaron ] && answer=$(stat_of "$WORK/$p" 4)
  printf '| %s | %s | %s | %s | %s | %s | %s MB |\n' "$(name_of "$p")" "$(stat_of "$WORK/$p" 1)" \
    "$(stat_of "$WORK/$p" 2)" "$(stat_of "$WORK/$p" 3)" "$over" "$answer" "$(cat "$WORK/$p.rss")"
done
