#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Tessaron developers
# End to end for the Debian packages: tessaron and tessaron-data hold what a desktop needs,
# depend as they should, pass lintian and hardening-check; their desktop files validate, a new
# user plays a game to a record saved in their own data directory, and a purge removes them.
# The Debian source package builds into the same packages. A second build of the same source,
# in another folder, under the other umask (0022 or 0002), later and like the first without
# SOURCE_DATE_EPOCH, gives packages of the same bytes.
# It installs system-wide and adds a user: it runs only when TESSARON_PACKAGE_TEST=1 asks for it
# (test.sh and the CI do), as root, one run at a time on a machine.
if [ "${TESSARON_PACKAGE_TEST:-0}" != 1 ]; then
  echo "skipped: installs system-wide; run with TESSARON_PACKAGE_TEST=1 to test the packages"; exit 77
fi
BIN=$(cd "$1" && pwd); SRC=$(cd "$(dirname "$0")/../.." && pwd)
if [ "$(id -u)" != 0 ]; then echo "needs root to install a package and add a user"; exit 77; fi
for package in tessaron tessaron-data; do
  if dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "ok installed"; then
    echo "$package is already installed on this machine: the test will not replace it"; exit 77
  fi
done
. "$(dirname "$0")/lib/x11_session.sh"
PLAYER="tsr$$"
INSTALLED=0
purge() { apt-get purge -y -qq -o DPkg::Lock::Timeout=120 tessaron tessaron-data >"$WORK/purge.log" 2>&1; }
SECOND=""
finish() { stop_game; [ "$INSTALLED" = 0 ] || purge || true; userdel "$PLAYER" 2>/dev/null || true; rm -rf "$SECOND"; cleanup; }
trap finish EXIT
trap 'exit 143' INT TERM
chmod 755 "$WORK"
unset SOURCE_DATE_EPOCH
# The build's own maintainer if it was given one, else one for this test's packages alone.
maintainer=$(sed -n 's/^set(CPACK_DEBIAN_PACKAGE_MAINTAINER "\(.*\)")$/\1/p' "$(dirname "$BIN")/CPackConfig.cmake" | head -n 1)
[ -n "$maintainer" ] || maintainer="Tessaron package test <package-test@example.org>"
(cd "$(dirname "$BIN")" && cpack -G DEB -B "$WORK/pkg" -D CPACK_DEBIAN_PACKAGE_MAINTAINER="$maintainer" >"$WORK/cpack.log" 2>&1) ||
  fail "cpack: $(tail -n 5 "$WORK/cpack.log")"
deb="$WORK/pkg/tessaron_1.0.0_amd64.deb"; data="$WORK/pkg/tessaron-data_1.0.0_all.deb"; dbgsym="$WORK/pkg/tessaron-dbgsym_1.0.0_amd64.ddeb"
for package in "$deb" "$data" "$dbgsym"; do [ -f "$package" ] || fail "no $package: $(ls "$WORK/pkg")"; done
# field PACKAGE NAME VALUE: the control field NAME of PACKAGE is VALUE.
field() { [ "$(dpkg-deb -f "$1" "$2")" = "$3" ] || fail "$(basename "$1"): $2 is '$(dpkg-deb -f "$1" "$2")', not '$3'"; }
field "$deb" Architecture amd64; field "$data" Architecture all; field "$dbgsym" Architecture amd64; field "$deb" Section games
field "$data" Section games; field "$dbgsym" Depends "tessaron (= 1.0.0)"; field "$data" Multi-Arch foreign
for needed in "tessaron-data (= 1.0.0)" fonts-lato libsdl2-2.0-0 libsdl2-ttf-2.0-0 libsdl2-mixer-2.0-0 libfontconfig1; do
  dpkg-deb -f "$deb" Depends | tr ',' '\n' | grep -q "^ *$needed" || fail "Depends lacks $needed: $(dpkg-deb -f "$deb" Depends)"
done
[ -z "$(dpkg-deb -f "$data" Depends)" ] || fail "tessaron-data depends on $(dpkg-deb -f "$data" Depends)"
# Files that a desktop and a player need, by path in their package; nothing else in the game's.
files_of() { dpkg-deb -c "$1" | awk '$1 !~ /^d/ {print $6}' | sed 's|^\.||' >"$2"; }
files_of "$deb" "$WORK/files"; files_of "$data" "$WORK/data-files"; files_of "$dbgsym" "$WORK/dbgsym-files"
icons=$(for size in 16 24 32 48 64 128 256; do echo "/usr/share/icons/hicolor/${size}x$size/apps/io.github.tessaron.tessaron.png"; done)
printf '%s\n' /usr/games/tessaron /usr/lib/games/tessaron/tessaron-lab /usr/share/applications/io.github.tessaron.tessaron.desktop \
  /usr/share/metainfo/io.github.tessaron.tessaron.metainfo.xml /usr/share/man/man6/tessaron.6.gz \
  /usr/share/man/man6/tessaron-lab.6.gz /usr/share/man/fr/man6/tessaron.6.gz /usr/share/man/fr/man6/tessaron-lab.6.gz /usr/share/doc/tessaron/copyright /usr/share/doc/tessaron/changelog.gz \
  | sort >"$WORK/expected"
sort "$WORK/files" | cmp -s - "$WORK/expected" || fail "tessaron's files differ: $(sort "$WORK/files" | diff "$WORK/expected" -)"
for file in /usr/share/games/tessaron/Images/fond.bmp /usr/share/games/tessaron/Images/boutonSurvolé.ico \
    /usr/share/games/tessaron/Sons/musique.wav /usr/share/doc/tessaron-data/copyright \
    /usr/share/doc/tessaron-data/changelog.gz $icons; do
  grep -qxF "$file" "$WORK/data-files" || fail "tessaron-data lacks $file"
done
! grep -v '^/usr/share/' "$WORK/data-files" | grep -q . || fail "tessaron-data holds files outside /usr/share"
! grep -q 'Score.sco\|\.made' "$WORK/data-files" || fail "the package carries a record or a build stamp"
[ "$(grep -c '^/usr/lib/debug/.build-id/.*\.debug$' "$WORK/dbgsym-files")" = 2 ] || fail "tessaron-dbgsym: $(cat "$WORK/dbgsym-files")"
# The source package, made from the tracked files and built by debhelper (its suites are run
# by ctest: nocheck), gives the same packages holding the same files (but for documentation and
# lintian overrides), which pass their autopkgtests here and are purged again.
TESSARON_MAINTAINER="$maintainer" "$SRC/tools/make-source-package.sh" "$WORK/source" >"$WORK/source.log" 2>&1 ||
  fail "make-source-package: $(cat "$WORK/source.log")"
(cd "$WORK/source" && dpkg-source -x tessaron_1.0.0-1.dsc tree && cd tree &&
  DEB_BUILD_OPTIONS="nocheck parallel=$(nproc)" DEB_BUILD_PROFILES=nocheck dpkg-buildpackage -us -uc) >"$WORK/dpkg-build.log" 2>&1 ||
  fail "dpkg-buildpackage: $(tail -n 15 "$WORK/dpkg-build.log")"
listing() { files_of "$1" "$WORK/all"; grep -v '^/usr/share/doc/\|^/usr/share/lintian/' "$WORK/all" | sort; }
for pair in "$deb:tessaron_1.0.0-1_amd64.deb" "$data:tessaron-data_1.0.0-1_all.deb"; do
  [ "$(listing "${pair%%:*}")" = "$(listing "$WORK/source/${pair#*:}")" ] ||
    fail "${pair#*:} and cpack's package hold different files: $(listing "$WORK/source/${pair#*:}")"
done
# lintian on both builds' packages and the source package: no error, no warning (infos allowed);
# the shipped binaries hardened and stripped. Debian 12's C start-up files carry no CET marks, so
# no program of it shows control-flow protection to hardening-check: that check is left out.
changes="$WORK/source/tessaron_1.0.0-1_amd64.changes"
lintian --pedantic --display-info "$deb" "$data" "$dbgsym" "$changes" >"$WORK/lintian.log" 2>&1 || fail "lintian: $(cat "$WORK/lintian.log")"
! grep -q '^[EW]:' "$WORK/lintian.log" || fail "lintian: $(grep '^[EW]:' "$WORK/lintian.log")"
INSTALLED=1
autopkgtest "$changes" -- null >"$WORK/autopkgtest.log" 2>&1 || fail "autopkgtest: $(tail -n 15 "$WORK/autopkgtest.log")"
purge || fail "purge after autopkgtest: $(cat "$WORK/purge.log")"
INSTALLED=0
mkdir "$WORK/unpacked" && dpkg-deb -x "$deb" "$WORK/unpacked"
contact=$(sed -n 's/^Upstream-Contact: //p' "$WORK/unpacked/usr/share/doc/tessaron/copyright")
[ "$contact" = "$maintainer" ] || fail "the copyright's contact is '$contact', not the maintainer '$maintainer'"
for program in games/tessaron lib/games/tessaron/tessaron-lab; do
  hardening-check --nocfprotection "$WORK/unpacked/usr/$program" >"$WORK/hardening.log" 2>&1 ||
    fail "hardening-check: $(cat "$WORK/hardening.log")"
  file "$WORK/unpacked/usr/$program" | grep -q ', stripped' || fail "$program is not stripped"
done
apt-get install -y -qq -o DPkg::Lock::Timeout=120 "$deb" "$data" >"$WORK/apt.log" 2>&1 || fail "apt: $(tail -n 5 "$WORK/apt.log")"
INSTALLED=1
validation=$(desktop-file-validate /usr/share/applications/io.github.tessaron.tessaron.desktop 2>&1) && [ -z "$validation" ] ||
  fail "desktop-file-validate: $validation"
for net in --no-net ""; do
  appstreamcli validate $net --pedantic /usr/share/metainfo/io.github.tessaron.tessaron.metainfo.xml \
    >"$WORK/appstream.log" 2>&1 || fail "appstreamcli $net: $(cat "$WORK/appstream.log")"
  ! grep -q '^[EW]:' "$WORK/appstream.log" || fail "appstreamcli $net: $(cat "$WORK/appstream.log")"
done
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
# The second build: beside the first (at the same depth, so that a compiler launcher that makes
# paths relative, as ccache's base_dir does, writes the same debug paths), with its build type
# and launcher; no tests are needed to make the packages.
cached() { sed -n "s/^$1:[A-Z]*=//p" "$(dirname "$BIN")/CMakeCache.txt"; }
SECOND=$(mktemp -d "$(dirname "$BIN")-reproducible.XXXXXX")
other=0002; [ "$(umask)" = 0022 ] || other=0022
(umask "$other"; cmake -S "$SRC" -B "$SECOND" -DCMAKE_BUILD_TYPE="$(cached CMAKE_BUILD_TYPE)" -DBUILD_TESTING=OFF \
    -DCMAKE_CXX_COMPILER_LAUNCHER="$(cached CMAKE_CXX_COMPILER_LAUNCHER)" && nice cmake --build "$SECOND" -j"$(nproc)" &&
  cd "$SECOND" && cpack -G DEB -B "$SECOND/pkg" -D CPACK_DEBIAN_PACKAGE_MAINTAINER="$maintainer") >"$WORK/second.log" 2>&1 ||
  fail "the second build: $(tail -n 5 "$WORK/second.log")"
for made in "$deb" "$data" "$dbgsym"; do
  cmp "$made" "$SECOND/pkg/${made##*/}" >"$WORK/cmp" 2>&1 || fail "not the same bytes under umask $other: $(cat "$WORK/cmp")"
  ! dpkg-deb -c "$made" | grep -q '^d....w' || fail "${made##*/} has group-writable folders"
done
echo "the packages install, validate, save the player's record ($record), purge and reproduce (umask $other);" \
  "lintian: $(grep -c '^I:' "$WORK/lintian.log") infos; autopkgtest: $(grep -E ' (PASS|FAIL|SKIP)' "$WORK/autopkgtest.log" | tr -s ' ' | sort -u | paste -sd ',')"
