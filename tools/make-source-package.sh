#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Tessaron developers
# The Debian source package: the release tarball as tessaron_VERSION.orig.tar.xz, dist/debian
# of that same tarball as debian/ (with the maintainer filled in, the changelog and copyright
# made from dist/), and dpkg-source's .dsc and .debian.tar.xz, all in OUTDIR. The source tree
# itself is left as it is. Whoever makes the package signs it: give the maintainer as
# TESSARON_MAINTAINER="Name <address>" (or DEBFULLNAME and DEBEMAIL).
#   tools/make-source-package.sh OUTDIR
# then, to build it: dpkg-source -x OUTDIR/tessaron_VERSION-1.dsc && dpkg-buildpackage -us -uc
set -eu
[ $# = 1 ] || { echo "usage: $0 OUTDIR" >&2; exit 2; }
umask 022
maintainer=${TESSARON_MAINTAINER:-}
[ -n "$maintainer" ] || [ -z "${DEBFULLNAME:-}${DEBEMAIL:-}" ] || maintainer="${DEBFULLNAME:-} <${DEBEMAIL:-}>"
if ! printf '%s' "$maintainer" | grep -Eqx '[^<>|&\\]+ <[^<>@ |&\\]+@[^<>@ |&\\]+>'; then
  echo "make-source-package: the package needs a maintainer, as \"Name <address>\"; give yours:" >&2
  echo "  TESSARON_MAINTAINER=\"Jeanne Martin <jeanne.martin@example.org>\" $0 $1" >&2
  exit 2
fi
SRC=$(cd "$(dirname "$0")/.." && pwd)
tarball=$("$SRC/tools/make-release-tarball.sh" "$1")
OUT=$(dirname "$tarball")
name=$(basename "$tarball" .tar.xz); version=${name#tessaron-}
orig="$OUT/tessaron_$version.orig.tar.xz"
mv "$tarball" "$orig"
rm -rf "${OUT:?}/$name"
tar -xf "$orig" -C "$OUT"
tree="$OUT/$name"
cp -r "$tree/dist/debian" "$tree/debian"
mkdir "$tree/debian/source"
echo "3.0 (quilt)" >"$tree/debian/source/format"
fill() { sed -e "s|@TESSARON_MAINTAINER@|$maintainer|" -e "s|^tessaron (@PROJECT_VERSION@)|tessaron ($version-1)|" "$1"; }
fill "$tree/debian/control" >"$tree/debian/control.filled" && mv "$tree/debian/control.filled" "$tree/debian/control"
fill "$tree/dist/changelog.in" >"$tree/debian/changelog"
fill "$tree/dist/copyright.in" >"$tree/debian/copyright"
(cd "$OUT" && dpkg-source -b "$name" >"$name.source.log" 2>&1) || { cat "$OUT/$name.source.log" >&2; exit 1; }
rm -rf "${tree:?}" "$OUT/$name.source.log"
ls "$OUT/tessaron_$version.orig.tar.xz" "$OUT/tessaron_$version-1.debian.tar.xz" "$OUT/tessaron_$version-1.dsc"
