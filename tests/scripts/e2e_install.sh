#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Tessaron developers
# End to end on installed games: installed under a prefix and moved with its tree, or copied
# to a path over 300 bytes long, to "Łódź" and to a name with the byte 0xE9 (not UTF-8), the
# game draws its menu as the build tree's does, and the copies save a record and read it back.
# FIFOs in place of the score file, a picture, a sound and the exit note hang nothing.
BIN=$(cd "$1" && pwd)
. "$(dirname "$0")/lib/x11_session.sh"
prefix="$WORK/elsewhere/moved"
cmake --install "$(dirname "$BIN")" --prefix "$WORK/first" >"$WORK/install.log" 2>&1 || fail "install: $(tail -n 5 "$WORK/install.log")"
mkdir "$WORK/elsewhere"; mv "$WORK/first" "$prefix"
[ -f "$prefix/share/games/tessaron/Images/fondmenu.bmp" ] || fail "no pictures in $prefix/share/games/tessaron"
[ ! -e "$prefix/games/Tessaron Data" ] || fail "the install put a data directory beside the game"
start_display
mkdir -p "$WORK/run/Korvel900 data/Sons"
# menu_of GAME: starts GAME, whose menu must be drawn as the build tree's ($WORK/build.miff).
menu_of() {
  xdotool mousemove 1000 700   # away from the buttons, which light up under the pointer
  GAME="$1" start_game; open_menu
  screenshot "$WORK/menu.miff"
  [ -f "$WORK/build.miff" ] || { cp "$WORK/menu.miff" "$WORK/build.miff"; menuplace="222x310+$mx+$my"; }
  [ "$menuplace" = "222x310+$mx+$my" ] || fail "$1: the menu stands at $mx,$my, not at $menuplace"
  differ=$(region_diff "$WORK/build.miff" "$WORK/menu.miff" "$menuplace")
  [ "$differ" = 0 ] || fail "$1: the menu differs in $differ pixels: the game did not find its pictures"
}
prepare_game "$WORK/build-tree"   # a copy: the build tree keeps no score file of the test's
menu_of "$WORK/build-tree/tessaron"; quit_from_menu
menu_of "$prefix/games/tessaron"; quit_from_menu
long="$WORK/$(printf '%0100d' 0 | tr 0 a)/$(printf '%0100d' 0 | tr 0 b)/$(printf '%0100d' 0 | tr 0 c)"
for place in "$long" "$WORK/Łódź" "$WORK/$(printf 'caf\351')"; do
  prepare_game "$place" 'Ace SCORE= 0'
  menu_of "$place/tessaron"
  open_game; end_run_with_escape
  # The marker typed in the name is kept with a no-break space before its '=' (UTF-8 here).
  type_into 227x24 "Zed SCORE= 9"
  leave_end_screen; quit_from_menu
  read_back=$("$BIN/tessaron-lab" score "$place/Tessaron Data/Score.sco")
  [ "$read_back" = "$(printf '[ Zed SCORE\302\240= 9] 0')" ] || fail "the record read back from $place is '$read_back'"
done
# FIFOs in place of the score file, the game's background, the launch's sound and the exit note.
place="$WORK/fifos"; prepare_game "$place"
fifos="$place/Tessaron Data/Score.sco|$place/Tessaron Data/Images/fond.bmp|$place/Tessaron Data/Sons/balle decolle.wav|$WORK/run/Korvel900 data/Sons/MusicCfg.cfg"
IFS='|'; for file in $fifos; do rm -f "$file"; mkfifo "$file"; done; unset IFS
started=$(date +%s)
GAME="$place/tessaron" start_game; open_menu; open_game
click_at $((gx + 240)) $((gy + 400)) sleep 0.5   # launches the ball: its sound is the FIFO
close_game_window "$gamewin"; quit_from_menu
[ $(($(date +%s) - started)) -le 10 ] || fail "the game with FIFOs took more than 10 s"
IFS='|'; for file in $fifos; do [ -p "$file" ] || fail "$file is no longer a FIFO"; done; unset IFS
echo "FIFOs in place of files: no hang, none replaced"
