#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Tessaron developers
# What a desktop and a software centre read of the game, as written in dist/: the desktop entry
# and the metainfo validate, name the game by one application id (files, icons, window class),
# keep their summaries short enough for a store, and the screenshots each have a caption; the
# manual pages, in every language, format without a warning and give whatis their NAME line.
set -eu
export LC_ALL=C.UTF-8   # characters counted as characters
BIN=$1
SRC=$(cd "$(dirname "$0")/../.." && pwd)
fail() { echo "FAIL: $*"; exit 1; }
id=io.github.tessaron.tessaron
metainfo="$SRC/dist/$id.metainfo.xml"; desktop="$SRC/dist/$id.desktop"
[ -f "$metainfo" ] && [ -f "$desktop" ] || fail "dist/ lacks $id.metainfo.xml or $id.desktop"
out=$(desktop-file-validate "$desktop" 2>&1) && [ -z "$out" ] || fail "desktop-file-validate: $out"
out=$(appstreamcli validate --no-net --pedantic --explain "$metainfo" 2>&1) || fail "appstreamcli: $out"
! printf '%s\n' "$out" | grep -q '^[EW]:' || fail "appstreamcli: $out"
# value FILE SED-PATTERN: the first match's group.
value() { sed -n "s|$2|\1|p" "$1" | head -n 1; }
for pair in "$(value "$metainfo" '^ *<id>\(.*\)</id>$')=$id" \
    "$(value "$metainfo" '.*<launchable type="desktop-id">\(.*\)</launchable>.*')=$id.desktop" \
    "$(value "$desktop" '^Icon=\(.*\)$')=$id" "$(value "$desktop" '^StartupWMClass=\(.*\)$')=$id" \
    "$(value "$SRC/shell/video_driver.h" '.*kDesktopAppId = "\(.*\)";$')=$id" \
    "$(value "$metainfo" '.*<developer id="\([^"]*\)">.*')=io.github.tessaron"; do
  [ "${pair%%=*}" = "${pair#*=}" ] || fail "'${pair%%=*}' where '${pair#*=}' belongs"
done
! grep -q '<developer_name>' "$metainfo" || fail "the metainfo still has <developer_name>"
grep -q '^    <name>The Tessaron developers</name>$' "$metainfo" || fail "the developer has no name"
# A store shows at most 35 characters of a summary, in every language.
summaries=$(sed -n 's|.*<summary[^>]*>\(.*\)</summary>.*|\1|p' "$metainfo")
long=$(printf '%s\n' "$summaries" | grep -E '^.{36}' || true)
[ -n "$summaries" ] && [ -z "$long" ] || fail "no summary, or one longer than 35 characters: $long"
# The icons the build drew carry the id, in every size.
for size in 16 24 32 48 64 128 256; do
  [ -f "$BIN/../icons/hicolor/${size}x$size/apps/$id.png" ] || fail "no ${size}x$size icon named $id"
done
# Every screenshot has its caption, and every caption its screenshot.
shots="$SRC/dist/screenshots"
for png in "$shots"/*.png; do grep -q "^$(basename "$png")	." "$shots/captions.txt" || fail "no caption for $png"; done
cut -f1 "$shots/captions.txt" | while read -r name; do [ -f "$shots/$name" ] || fail "captions.txt names $name"; done
for page in "$SRC"/dist/*.6; do
  out=$(man --warnings -l "$page" 2>&1 >/dev/null) && [ -z "$out" ] || fail "man --warnings $(basename "$page"): $out"
  out=$(lexgrog "$page" 2>&1) || fail "lexgrog: $out"
done
echo "desktop entry and metainfo valid, named $id; summaries within 35 characters; manual pages clean"
