#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Tessaron developers
# The screenshots a software centre shows: the menu, a level in play and the end screen, taken
# from the real game under a private Xvfb, each window as the player sees it, with a caption.
#   tools/make-screenshots.sh BINDIR [OUTDIR]   (default OUTDIR: dist/screenshots)
# BINDIR is a build's bin directory (build/bin). Needs Xvfb, xdotool and ImageMagick.
set -eu
[ $# -ge 1 ] || { echo "usage: $0 BINDIR [OUTDIR]" >&2; exit 2; }
BIN=$(cd "$1" && pwd)
OUT=$(mkdir -p "${2:-$(dirname "$0")/../dist/screenshots}" && cd "${2:-$(dirname "$0")/../dist/screenshots}" && pwd)
. "$(dirname "$0")/../tests/scripts/lib/x11_session.sh"
# shot NAME WINDOW: the window's picture as OUT/NAME.png, without time stamps (the same game
# drawn the same way gives the same file).
shot() { import -window "$2" -strip -define png:exclude-chunks=date,time "$OUT/$1.png"; }
# A record out of reach: the end screen shows the rating, and no name is asked for.
prepare_game "" "Zed SCORE= 999999"
start_display
start_game
open_menu
# The pointer over "Commencer": the menu as it answers the player.
xdotool mousemove $((mx + 100)) $((my + 92)) sleep 0.6
shot menu "$menu"
open_game
# Level 1 in play: the ball launched and followed by the paddle for a while.
xdotool click 1 sleep 0.3
for x in 240 200 160 200 240 280 320 280 240 200 240 260; do xdotool mousemove $((gx + x)) $((gy + 400)) sleep 0.25; done
shot level "$gamewin"
end_run_with_escape
sleep 1.5
shot end "$gamewin"
leave_end_screen
quit_from_menu
cat >"$OUT/captions.txt" <<'EOF'
menu.png	The menu: start a game, enter a level's code, read the help, switch the sound
level.png	The first level in play, with the score, the lives and the level's code beside it
end.png	The end of a game, with the score and its rating
EOF
echo "screenshots in $OUT: $(cd "$OUT" && ls *.png | tr '\n' ' ')"
