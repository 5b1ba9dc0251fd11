#!/bin/sh
# End to end for the Debian package: cpack builds it, apt installs it, a new user with a fresh
# home plays a game to its end under Xvfb and finds the record in their own data directory;
# the desktop files pass their validators, the package holds what a desktop needs, and a purge
# removes it. Needs root (apt, useradd); one run at a time on a machine.
BIN=$(cd "$1" && pwd)
BUILD=$(dirname "$BIN")
if [ "$(id -u)" != 0 ]; then echo "needs root to install a package and add a user"; exit 77; fi
if dpkg-query -W -f='${Status}' tessaron 2>/dev/null | grep -q "ok installed"; then
  echo "tessaron is already installed on this machine: the test will not replace it"; exit 77
fi
. "$(dirname "$0")/lib/x11_session.sh"
PLAYER="tsr$$"
INSTALLED=0
purge() { apt-get purge -y -qq -o DPkg::Lock::Timeout=120 tessaron >"$WORK/purge.log" 2>&1; }
finish() {
  if [ -n "$GAME_PID" ]; then kill "$GAME_PID" 2>/dev/null; wait "$GAME_PID" 2>/dev/null || true; GAME_PID=""; fi
  if [ "$INSTALLED" = 1 ]; then purge || true; fi
  if id "$PLAYER" >/dev/null 2>&1; then userdel "$PLAYER" 2>/dev/null || true; fi
  cleanup
}
trap finish EXIT
trap 'exit 143' INT TERM
chmod 755 "$WORK"

(cd "$BUILD" && cpack -G DEB -B "$WORK/pkg" >"$WORK/cpack.log" 2>&1) || fail "cpack: $(tail -n 5 "$WORK/cpack.log")"
deb="$WORK/pkg/tessaron_1.0.0_amd64.deb"
[ -f "$deb" ] || fail "no $deb: $(ls "$WORK/pkg")"
echo "package: $(du -k "$deb" | cut -f1) KiB"
[ "$(dpkg-deb -f "$deb" Section)" = games ] || fail "section $(dpkg-deb -f "$deb" Section)"
depends=$(dpkg-deb -f "$deb" Depends)
for needed in fonts-lato libsdl2-2.0-0 libsdl2-ttf-2.0-0 libsdl2-mixer-2.0-0 libfontconfig1; do
  echo "$depends" | grep -q "$needed" || fail "Depends lacks $needed: $depends"
done

# Files that a desktop and a player need, by path in the package.
dpkg-deb -c "$deb" | awk '{print $6}' | sed 's|^\.||' >"$WORK/files"
for file in /usr/games/tessaron /usr/games/tessaron-lab \
    /usr/share/games/tessaron/Images/fond.bmp /usr/share/games/tessaron/Images/boutonSurvolé.ico \
    /usr/share/games/tessaron/Sons/musique.wav /usr/share/applications/tessaron.desktop \
    /usr/share/metainfo/io.github.tessaron.tessaron.metainfo.xml \
    /usr/share/man/man6/tessaron.6.gz /usr/share/man/man6/tessaron-lab.6.gz; do
  grep -qxF "$file" "$WORK/files" || fail "the package lacks $file"
done
for size in 16 24 32 48 64 128 256; do
  grep -qxF "/usr/share/icons/hicolor/${size}x$size/apps/tessaron.png" "$WORK/files" || fail "no $size icon"
done
! grep -q 'Score.sco\|\.made' "$WORK/files" || fail "the package carries a record or a build stamp"

apt-get install -y -qq -o DPkg::Lock::Timeout=120 "$deb" >"$WORK/apt.log" 2>&1 || fail "apt: $(tail -n 5 "$WORK/apt.log")"
INSTALLED=1
desktop-file-validate /usr/share/applications/tessaron.desktop || fail "desktop-file-validate"
appstreamcli validate --no-net --pedantic /usr/share/metainfo/io.github.tessaron.tessaron.metainfo.xml \
  >"$WORK/appstream.log" 2>&1 || fail "appstreamcli: $(cat "$WORK/appstream.log")"
! grep -q '^[EW]:' "$WORK/appstream.log" || fail "appstreamcli: $(cat "$WORK/appstream.log")"
for size in 16 24 32 48 64 128 256; do
  icon="/usr/share/icons/hicolor/${size}x$size/apps/tessaron.png"
  [ "$(identify -format %wx%h "$icon")" = "${size}x$size" ] || fail "$icon is not $size pixels square"
done
echo "installed; the desktop entry and the metainfo validate, the icons have their sizes"

# A new player, whose data directory already holds a record of 0: any game beats it.
home="$WORK/home"
useradd -M -d "$home" -s /bin/sh "$PLAYER"
mkdir -p "$home/.local/share/tessaron"
printf 'Zed SCORE= 0' >"$home/.local/share/tessaron/Score.sco"
chown -R "$PLAYER" "$home"
start_display
(cd "$home" && exec setpriv --reuid="$PLAYER" --regid="$PLAYER" --init-groups \
  env -i HOME="$home" DISPLAY="$DISPLAY" PATH=/usr/games:/usr/bin:/bin SDL_AUDIODRIVER=dummy \
  tessaron >"$WORK/game.log" 2>&1) &
GAME_PID=$!

menu=$(wait_window 222x310) || fail "the menu did not appear: $(cat "$WORK/game.log")"
set -- $(window_origin "$menu"); mx=$1; my=$2
sleep 0.5
screenshot "$WORK/menu.png"
# The menu's picture is drawn: its region differs from a blank one in most pixels.
convert -size 222x310 xc:black "$WORK/black.png"
drawn=$(region_vs_picture "$WORK/menu.png" "222x310+$mx+$my" "$WORK/black.png")
[ "$drawn" -gt 30000 ] || fail "the menu looks empty ($drawn pixels drawn): $(cat "$WORK/game.log")"
click_at $((mx + 100)) $((my + 92))   # "Commencer"
gamewin=$(wait_window 700x550) || fail "the game window did not appear"
set -- $(window_origin "$gamewin")
sleep 0.5
end_run_with_escape "$1" "$2"
enter_record_name "Nouvelle"

record=$(cat "$home/.local/share/tessaron/Score.sco")
[ "$record" = "Nouvelle SCORE= 0" ] || fail "the player's record holds '$record': $(cat "$WORK/game.log")"
[ "$(stat -c %U "$home/.local/share/tessaron/Score.sco")" = "$PLAYER" ] || fail "the record is not the player's"
echo "the record was saved in the player's data directory: $record"

kill "$GAME_PID"; wait "$GAME_PID" 2>/dev/null || true; GAME_PID=""
purge || fail "purge: $(cat "$WORK/purge.log")"
INSTALLED=0
[ ! -e /usr/games/tessaron ] && [ ! -e /usr/share/games/tessaron ] || fail "files remain after the purge"
echo "purged"
