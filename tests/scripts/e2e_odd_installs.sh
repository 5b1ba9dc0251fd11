#!/bin/sh
# End to end: the game installed at a path longer than 300 bytes, in a directory named
# "Łódź" and in one whose name holds the byte 0xE9 (not UTF-8) draws its pictures, saves a
# record there and reads it back; FIFOs in place of the score file, a picture, a sound and
# the exit note neither hang the game nor are replaced.
BIN="$1"
. "$(dirname "$0")/lib/x11_session.sh"

# Copies the game and its data to "$1", with a best score of 0 so that any run is a record.
install_at() {
  mkdir -p "$1"
  cp "$BIN/tessaron" "$1/"
  cp -r "$BIN/Tessaron Data" "$1/"
  printf 'Ace SCORE= 0' > "$1/Tessaron Data/Score.sco"
}

# Starts the game installed at "$1" from the scratch run directory; sets mx, my (the menu).
start_installed() {
  (cd "$WORK/run" && SDL_AUDIODRIVER=dummy exec "$1/tessaron" >"$WORK/game.log" 2>&1) &
  GAME_PID=$!
  menu=$(wait_window 222x310) || fail "the menu window did not appear for $1"
  set -- $(window_origin "$menu"); mx=$1; my=$2
  sleep 0.4
}

# Opens a game from the menu; sets gx, gy (the game window).
open_game() {
  click_at $((mx + 100)) $((my + 92))   # "Commencer"
  gamewin=$(wait_window 700x550) || fail "the game window did not appear"
  set -- $(window_origin "$gamewin"); gx=$1; gy=$2
  xdotool mousemove $((gx + 240)) $((gy + 400))
  sleep 0.6
}

start_display
mkdir -p "$WORK/run/Korvel900 data/Sons"
"$BIN/tessaron-lab" level 1 | head -n 4 > "$WORK/level1.txt"
long="$WORK/$(printf '%0100d' 0 | tr 0 a)/$(printf '%0100d' 0 | tr 0 b)/$(printf '%0100d' 0 | tr 0 c)"
for place in "$long" "$WORK/Łódź" "$WORK/$(printf 'caf\351')"; do
  install_at "$place"
  start_installed "$place"
  open_game
  screenshot "$WORK/level1.png"
  while read -r index x y kind group; do
    differ=$(region_vs_picture "$WORK/level1.png" "40x20+$((gx + x))+$((gy + y))" "$place/Tessaron Data/Images/$kind.bmp")
    [ "$differ" = 0 ] || fail "brick $index of kind $kind not drawn from $place ($differ pixels differ)"
  done < "$WORK/level1.txt"

  end_run_with_escape "$gx" "$gy"
  enter_record_name "Zed SCORE= 9"
  for _ in 1 2 3 4 5; do xdotool key BackSpace; done
  xdotool type --delay 40 "Zed SCORE= 9"
  xdotool key Return
  wait_window_gone 227x24 || fail "the name dialog stayed open"
  sleep 0.3
  click_at $((gx + 300)) $((gy + 300))
  wait_window_gone 700x550 || fail "the end screen did not close"
  wait_window 222x310 >/dev/null || fail "the menu did not come back"
  quit_from_menu "$mx" "$my"
  read_back=$("$BIN/tessaron-lab" score "$place/Tessaron Data/Score.sco")
  # The marker typed in the name is kept with a no-break space before its '=' (UTF-8 here).
  [ "$read_back" = "$(printf '[ Zed SCORE\302\240= 9] 0')" ] || fail "the record read back from $place is '$read_back'"
  echo "installed at a path of ${#place} bytes: pictures drawn, record saved and read back"
done

# FIFOs in place of the score file, the game's background, the launch's sound and the exit note.
place="$WORK/fifos"
install_at "$place"
data="$place/Tessaron Data"
for file in "$data/Score.sco" "$data/Images/fond.bmp" "$data/Sons/balle decolle.wav" \
            "$WORK/run/Korvel900 data/Sons/MusicCfg.cfg"; do
  rm -f "$file"
  mkfifo "$file"
done
started=$(date +%s)
start_installed "$place"
open_game
click_at $((gx + 240)) $((gy + 400))   # launches the ball: its sound is the FIFO
sleep 0.5
close_game_window "$gamewin"
quit_from_menu "$mx" "$my"
[ $(($(date +%s) - started)) -le 10 ] || fail "the game with FIFOs took more than 10 s"
for file in "$data/Score.sco" "$data/Images/fond.bmp" "$data/Sons/balle decolle.wav" \
            "$WORK/run/Korvel900 data/Sons/MusicCfg.cfg"; do
  [ -p "$file" ] || fail "$file is no longer a FIFO"
done
echo "FIFOs in place of files: no hang, none replaced"
