#!/bin/sh
# End to end for the Debian package: it holds what a desktop needs, its desktop files validate,
# a new user plays a game to a record saved in their own data directory, and a purge removes
# it. Needs root (apt, useradd); one run at a time on a machine.
BIN=$(cd "$1" && pwd)
if [ "$(id -u)" != 0 ]; then echo "needs root to install a package and add a user"; exit 77; fi
if dpkg-query -W -f='${Status}' tessaron 2>/dev/null | grep -q "ok installed"; then
  echo "tessaron is already installed on this machine: the test will not replace it"; exit 77
fi
. "$(dirname "$0")/lib/x11_session.sh"
PLAYER="tsr$$"
INSTALLED=0
purge() { apt-get purge -y -qq -o DPkg::Lock::Timeout=120 tessaron >"$WORK/purge.log" 2>&1; }
finish() { stop_game; [ "$INSTALLED" = 0 ] || purge || true; ! id "$PLAYER" >/dev/null 2>&1 || userdel "$PLAYER" 2>/dev/null || true; cleanup; }
trap finish EXIT
trap 'exit 143' INT TERM
chmod 755 "$WORK"
(cd "$(dirname "$BIN")" && cpack -G DEB -B "$WORK/pkg" >"$WORK/cpack.log" 2>&1) || fail "cpack: $(tail -n 5 "$WORK/cpack.log")"
deb="$WORK/pkg/tessaron_1.0.0_amd64.deb"
[ -f "$deb" ] || fail "no $deb: $(ls "$WORK/pkg")"
[ "$(dpkg-deb -f "$deb" Section)" = games ] || fail "section $(dpkg-deb -f "$deb" Section)"
for needed in fonts-lato libsdl2-2.0-0 libsdl2-ttf-2.0-0 libsdl2-mixer-2.0-0 libfontconfig1; do
  dpkg-deb -f "$deb" Depends | grep -q "$needed" || fail "Depends lacks $needed: $(dpkg-deb -f "$deb" Depends)"
done
# Files that a desktop and a player need, by path in the package.
dpkg-deb -c "$deb" | awk '{print $6}' | sed 's|^\.||' >"$WORK/files"
icons=$(for size in 16 24 32 48 64 128 256; do echo "/usr/share/icons/hicolor/${size}x$size/apps/tessaron.png"; done)
for file in /usr/games/tessaron /usr/games/tessaron-lab \
    /usr/share/games/tessaron/Images/fond.bmp /usr/share/games/tessaron/Images/boutonSurvolé.ico \
    /usr/share/games/tessaron/Sons/musique.wav /usr/share/applications/tessaron.desktop \
    /usr/share/metainfo/io.github.tessaron.tessaron.metainfo.xml \
    /usr/share/man/man6/tessaron.6.gz /usr/share/man/man6/tessaron-lab.6.gz $icons; do
  grep -qxF "$file" "$WORK/files" || fail "the package lacks $file"
done
! grep -q 'Score.sco\|\.made' "$WORK/files" || fail "the package carries a record or a build stamp"
apt-get install -y -qq -o DPkg::Lock::Timeout=120 "$deb" >"$WORK/apt.log" 2>&1 || fail "apt: $(tail -n 5 "$WORK/apt.log")"
INSTALLED=1
desktop-file-validate /usr/share/applications/tessaron.desktop || fail "desktop-file-validate"
appstreamcli validate --no-net --pedantic /usr/share/metainfo/io.github.tessaron.tessaron.metainfo.xml \
  >"$WORK/appstream.log" 2>&1 || fail "appstreamcli: $(cat "$WORK/appstream.log")"
! grep -q '^[EW]:' "$WORK/appstream.log" || fail "appstreamcli: $(cat "$WORK/appstream.log")"
for icon in $icons; do size=${icon#*hicolor/}; [ "$(identify -format %wx%h "$icon")" = "${size%%/*}" ] || fail "$icon: wrong size"; done
# A new player, whose data directory already holds a record of 0: any game beats it.
home="$WORK/home"; record_file="$home/.local/share/tessaron/Score.sco"
useradd -M -d "$home" -s /bin/sh "$PLAYER"
mkdir -p "$home/.local/share/tessaron"; printf 'Zed SCORE= 0' >"$record_file"; chown -R "$PLAYER" "$home"
start_display
(cd "$home" && exec setpriv --reuid="$PLAYER" --regid="$PLAYER" --init-groups \
  env -i HOME="$home" DISPLAY="$DISPLAY" PATH=/usr/games:/usr/bin:/bin SDL_AUDIODRIVER=dummy \
  tessaron >"$WORK/game.log" 2>&1) &
GAME_PID=$!
open_menu
# The menu's picture is drawn: its region differs from a blank one in most pixels.
screenshot "$WORK/menu.miff"
convert -size 222x310 xc:black "$WORK/black.png"
drawn=$(region_vs_picture "$WORK/menu.miff" "222x310+$mx+$my" "$WORK/black.png")
[ "$drawn" -gt 30000 ] || fail "the menu looks empty ($drawn pixels drawn): $(cat "$WORK/game.log")"
open_game; end_run_with_escape
type_into 227x24 "Nouvelle"
record=$(cat "$record_file")
[ "$record" = "Nouvelle SCORE= 0" ] || fail "the player's record holds '$record': $(cat "$WORK/game.log")"
[ "$(stat -c %U "$record_file")" = "$PLAYER" ] || fail "the record is not the player's"
stop_game
purge || fail "purge: $(cat "$WORK/purge.log")"
INSTALLED=0
[ ! -e /usr/games/tessaron ] && [ ! -e /usr/share/games/tessaron ] || fail "files remain after the purge"
echo "the package installs, validates, saves the player's record ($record) and purges"
