#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Tessaron developers
# Runs the window measurements under a private Xvfb: the game's pace at a 10 ms interval with
# its CPU, and the idle menu (first frame, CPU, resident memory). Usage: measure-windows.sh BIN
set -eu
BIN="${1:-build/bin}"
XDG_CONFIG_HOME=$(mktemp -d /tmp/tessaron-bench-config.XXXXXX); export XDG_CONFIG_HOME
trap 'rm -rf "$XDG_CONFIG_HOME"' EXIT
xvfb-run -a -s "-screen 0 1024x768x24" sh -c "
  echo 'game:'; SDL_AUDIODRIVER=dummy '$BIN/sdl-game-pace' 10
  echo 'menu:'; SDL_AUDIODRIVER=dummy '$BIN/sdl-menu-idle' 10"
