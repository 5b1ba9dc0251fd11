#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Tessaron developers
# The release tarball: exactly the files git tracks at HEAD, under tessaron-VERSION/, dated by
# the commit, compressed without time stamps, so the same commit always gives the same bytes.
#   tools/make-release-tarball.sh OUTDIR     writes OUTDIR/tessaron-VERSION.tar.xz, prints its path
# (cmake --build build --target dist runs it with OUTDIR the build directory.)
set -eu
[ $# = 1 ] || { echo "usage: $0 OUTDIR" >&2; exit 2; }
SRC=$(cd "$(dirname "$0")/.." && pwd)
git -C "$SRC" rev-parse --verify -q HEAD >/dev/null ||
  { echo "make-release-tarball: $SRC is not a git checkout: the tarball is made from git's tracked files" >&2; exit 1; }
version=$(sed -n 's/^project(Tessaron VERSION \([0-9.]*\).*/\1/p' "$SRC/CMakeLists.txt")
[ -n "$version" ] || { echo "make-release-tarball: no version in $SRC/CMakeLists.txt" >&2; exit 1; }
mkdir -p "$1"
tarball="$(cd "$1" && pwd)/tessaron-$version.tar.xz"
# What is not committed is not released: say so rather than leave it out unseen.
[ -z "$(git -C "$SRC" status --porcelain --untracked-files=no)" ] ||
  echo "make-release-tarball: changes not committed are left out of $tarball" >&2
git -C "$SRC" archive --format=tar --prefix="tessaron-$version/" HEAD | xz -6 --threads=1 -c >"$tarball.part"
mv "$tarball.part" "$tarball"
echo "$tarball"
