#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Tessaron developers
# End to end under openbox on a 1920 x 1080 screen: the sound switch survives a restart, the
# arrow keys move the paddle before and after the launch without pausing, F11 fills the
# screen's height (and is remembered), the record's name dialog leaves the score in sight, and
# the game played with the keys replays exactly.
BIN="$1"
. "$(dirname "$0")/lib/x11_session.sh"
CONF="$XDG_CONFIG_HOME/tessaron/tessaron.conf"
start_desktop 1920x1080
prepare_game "" 'Ace SCORE= 0'   # a best score of 0: the run ended with Escape is a record

# The paddle's centre in a screenshot: where row 527 of the game window differs from the background.
paddle_centre() {
  convert "$1" -crop "480x1+$gx+$((gy + 527))" +repage -depth 8 txt:- | sed 1d | awk '{print $1, $3}' >"$WORK/row.txt"
  convert "$IMAGES/fond.bmp" -crop 480x1+0+527 +repage -depth 8 txt:- | sed 1d | awk '{print $1, $3}' >"$WORK/back.txt"
  paste -d' ' "$WORK/row.txt" "$WORK/back.txt" |
    awk '$2 != $4 {split($1, p, ","); x = p[1] + 0; if (lo == "") lo = x; hi = x} END {print int((lo + hi) / 2)}'
}

# The sound switch, turned off, is written at once and read again by the next start.
start_game; open_menu
click_at $((mx + 100)) $((my + 232))
sleep 0.5; screenshot "$WORK/menu-off.miff"
grep -qx 'sound = off' "$CONF" || fail "the sound setting was not written: $(cat "$CONF" 2>&1)"
quit_from_menu
start_game; open_menu
xdotool mousemove $((mx + 100)) $((my + 232)) sleep 0.5   # lit, as it was when clicked
screenshot "$WORK/menu-again.miff"
[ "$(region_diff "$WORK/menu-off.miff" "$WORK/menu-again.miff" "128x24+$((mx + 40))+$((my + 220))")" = 0 ] ||
  fail "the sound button does not read OFF after a restart"

# Held Left carries the paddle and its ball to the left edge before the launch; Space launches;
# held Right then moves it while the ball flies: a pause would hold the paddle still.
open_game
xdotool keydown Left sleep 0.6 keyup Left sleep 0.2
screenshot "$WORK/left.miff"
left=$(paddle_centre "$WORK/left.miff")
[ "$left" -le 40 ] || fail "held Left left the paddle at $left"
xdotool key space sleep 0.1 keydown Right sleep 0.3 keyup Right sleep 0.1
screenshot "$WORK/right.miff"
right=$(paddle_centre "$WORK/right.miff")
[ "$right" -ge $((left + 120)) ] || fail "held Right after the launch moved the paddle from $left to $right only"
sleep 0.3; screenshot "$WORK/flying.miff"
[ "$(region_diff "$WORK/right.miff" "$WORK/flying.miff" "480x500+$gx+$gy")" -gt 0 ] || fail "the ball does not fly: paused?"

# F11 fills the screen's height with the picture, centred on black, and is remembered.
xdotool key F11
wait_window 1920x1080 >/dev/null || fail "F11 did not make the game window 1920 x 1080"
sleep 0.6; screenshot "$WORK/full.miff"
grep -qx 'fullscreen = on' "$CONF" || fail "the full screen setting was not written"
fills_height "$WORK/full.miff" 1920 1080
xdotool key F11
wait_window 700x550 >/dev/null || fail "F11 did not bring the game window back"
grep -qx 'fullscreen = off' "$CONF" || fail "leaving full screen was not written"

# Escape, Oui: the run ends as a record; the name dialog opens below the score lines.
xdotool sleep 0.3 key Escape; wait_question; answer_question Oui
dialog=$(wait_window 227x24) || fail "the name dialog did not open"
set -- $(window_origin "$dialog"); dx=$1; dy=$2
[ "$dy" -ge $((gy + 315)) ] && [ "$((dy + 24))" -le $((gy + 550)) ] && [ "$dx" -ge "$gx" ] && [ "$((dx + 227))" -le $((gx + 700)) ] ||
  fail "the name dialog at ($dx, $dy) is not below the score lines of the game window at ($gx, $gy)"
sleep 0.5; screenshot "$WORK/name.miff"
convert "$IMAGES/Perdu.bmp" -crop 180x30+60+268 +repage "$WORK/score-label.png"
seen=$(region_vs_picture "$WORK/name.miff" "180x30+$((gx + 60))+$((gy + 268))" "$WORK/score-label.png")
[ "$seen" -lt 30 ] || fail "the score line is hidden while the name is typed ($seen pixels differ)"
type_into 227x24 "Zoe"
leave_end_screen; quit_from_menu
# The game steered by keys replays from its pointer readings alone, every state check passing.
file=$(ls "$XDG_STATE_HOME"/tessaron/replays/2*.replay 2>/dev/null | head -n 1)
[ -n "$file" ] || fail "the game was not recorded"
line=$("$BIN/tessaron-lab" replay --check "$file" | tail -n 1) || fail "the keyboard game's replay departs: $line"
echo "sound remembered; arrows steer without pausing; F11 fills 1920 x 1080; the score stays in sight"
