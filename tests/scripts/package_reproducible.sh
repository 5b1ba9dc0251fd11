#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Tessaron developers
# The Debian packages reproduce: this build's packages, and those of a second build of the same
# source in another folder, under the other umask (0022 or 0002), made later and without
# SOURCE_DATE_EPOCH, are the same bytes. The second build is a whole one: it runs only when
# TESSARON_PACKAGE_TEST=1 asks for the package tests (test.sh and the CI do).
if [ "${TESSARON_PACKAGE_TEST:-0}" != 1 ]; then
  echo "skipped: builds the game a second time; run with TESSARON_PACKAGE_TEST=1 to test the packages"; exit 77
fi
set -eu
BUILD=$(cd "$1/.." && pwd)
SRC=$(cd "$(dirname "$0")/../.." && pwd)
fail() { echo "FAIL: $*"; exit 1; }
cached() { sed -n "s/^$1:[A-Z]*=//p" "$BUILD/CMakeCache.txt"; }
# The second build beside the first (at the same depth, so that a compiler launcher that makes
# paths relative, as ccache's base_dir does, writes the same debug paths), with its type and
# launcher; no tests are needed to make the packages. Both builds' packages are kept in it.
WORK=$(mktemp -d "$BUILD-reproducible.XXXXXX")
trap 'rm -rf "$WORK"' EXIT
unset SOURCE_DATE_EPOCH
first=$(umask); other=0002; [ "$first" = 0022 ] || other=0022
# package BUILD DIR: cpack of BUILD into DIR, timed.
package() {
  start=$(date +%s)
  (cd "$1" && cpack -G DEB -B "$2" -D CPACK_DEBIAN_PACKAGE_MAINTAINER="Tessaron package test <package-test@example.org>") \
    >"$2.log" 2>&1 || fail "cpack: $(tail -n 5 "$2.log")"
  echo "$(basename "$2"): cpack in $(($(date +%s) - start)) s under umask $(umask)"
}
package "$BUILD" "$WORK/first"
(umask "$other"
  cmake -S "$SRC" -B "$WORK" -DCMAKE_BUILD_TYPE="$(cached CMAKE_BUILD_TYPE)" -DBUILD_TESTING=OFF \
    -DCMAKE_CXX_COMPILER_LAUNCHER="$(cached CMAKE_CXX_COMPILER_LAUNCHER)" >"$WORK/configure.log" 2>&1 ||
    fail "configure: $(tail -n 5 "$WORK/configure.log")"
  nice cmake --build "$WORK" -j"$(nproc)" >"$WORK/build.log" 2>&1 || fail "build: $(tail -n 5 "$WORK/build.log")"
  package "$WORK" "$WORK/second")
count=0
for made in "$WORK"/first/*.deb "$WORK"/first/*.ddeb; do
  again="$WORK/second/$(basename "$made")"
  if ! cmp "$made" "$again" >"$WORK/cmp" 2>&1; then
    dpkg-deb -c "$made" >"$WORK/a"; dpkg-deb -c "$again" >"$WORK/b"
    fail "$(cat "$WORK/cmp"); their contents: $(diff "$WORK/a" "$WORK/b" | head -n 8)"
  fi
  ! dpkg-deb -c "$made" | grep -q '^d....w' || fail "$(basename "$made") has group-writable folders"
  count=$((count + 1))
done
[ "$count" = 3 ] || fail "$count packages made, not 3"
echo "the $count packages are the same bytes from two builds (umask $first and $other, two folders)"
