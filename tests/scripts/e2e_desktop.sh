#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Tessaron developers
# End to end under a window manager (openbox): a pause when the game window is minimised or
# loses the focus; on a
# 3840 x 2160 screen, windows three times larger and F11's full screen, filling the screen's
# height on black, without pausing.
BIN="$1"
. "$(dirname "$0")/lib/x11_session.sh"
start_desktop
prepare_game
# The ball rises towards the bricks and reaches them in under 2 s: paused, the side panel
# (which the pause text never crosses) keeps its score and bricks broken for 3 s.
xmessage -geometry +0+0 "ailleurs" &
OTHERS="$OTHERS $!"
for way in minimise focus; do
  start_game; open_menu; open_game
  xdotool sleep 0.5 click 1 sleep 0.15
  if [ $way = minimise ]; then xdotool windowminimize "$gamewin" sleep 0.5; wmctrl -i -a "$gamewin"
  else wmctrl -i -a "$(xdotool search --onlyvisible --class xmessage | head -n 1)"; fi
  panel="190x100+$((gx + 505))+$((gy + 135))"
  sleep 0.3; screenshot "$WORK/away-1.miff"; sleep 3; screenshot "$WORK/away-2.miff"
  [ "$(region_diff "$WORK/away-1.miff" "$WORK/away-2.miff" "$panel")" = 0 ] || fail "$way: play went on while away"
  [ "$(region_diff "$WORK/away-1.miff" "$WORK/away-2.miff" "480x550+$gx+$gy")" -gt 200 ] || fail "$way: no pause text"
  wmctrl -i -a "$gamewin"
  xdotool sleep 0.3 key p sleep 2.5
  screenshot "$WORK/away-3.miff"
  [ "$(region_diff "$WORK/away-2.miff" "$WORK/away-3.miff" "$panel")" -gt 0 ] || fail "$way: a key did not resume play"
  stop_game
done
start_desktop 3840x2160
start_game; open_menu 666x930
click_at $((mx + 300)) $((my + 276))   # "Commencer", at three times its place
game=$(wait_window 2100x1650) || fail "the game window is not 2100 x 1650"
set -- $(window_origin "$game"); gx=$1; gy=$2
xdotool mousemove $((gx + 720)) $((gy + 1200)) sleep 1
screenshot "$WORK/window.miff"
bricks_drawn "$WORK/window.miff" "$gx" "$gy" 1 3
# F11 turns the game window into a full screen of the size $1, or back.
f11() { xdotool windowactivate --sync "$game" 2>/dev/null || true; xdotool key F11; wait_window "$1" >/dev/null || fail "F11 did not make the game window $1"; }
f11 3840x2160
sleep 0.5; screenshot "$WORK/full1.miff"
fills_height "$WORK/full1.miff" 3840 2160
# Paused, the pause text would move for good: once the switch has settled, two pictures in a row
# must agree while the ball waits (a loaded machine may catch the first repaint half done).
settled() {
  sleep 0.3; screenshot "$WORK/full2.miff"
  [ "$(region_diff "$WORK/full1.miff" "$WORK/full2.miff" 3840x2160+0+0)" = 0 ] && return 0
  mv "$WORK/full2.miff" "$WORK/full1.miff"; return 1
}
WAIT=8 until_true settled || fail "F11 paused the game"
f11 2100x1650
echo "three times larger on a 3840 x 2160 screen; F11 fills the screen and back without a pause"
