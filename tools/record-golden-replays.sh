#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Tessaron developers
# Records the golden replays again: one autopilot game per level (seed 1) and two games played
# through the window (tools/record-played-replay.sh), each with the final
# line `tessaron-lab replay --check` gives for it. Run it after changing a rule on purpose (and
# raising kRulesVersion in game/rules_version.h), then commit the files it wrote with the change.
#   tools/record-golden-replays.sh [BUILD_DIR]   (default: build; tessaron-lab is built there first)
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
here="$top/tests/golden"
build=${1:-"$top/build"}
cmake --build "$build" --target tessaron tessaron-lab game-data >/dev/null
lab="$build/bin/tessaron-lab"
rm -f "$here"/level-*.replay "$here"/level-*.expected
levels=$("$lab" codes | wc -l)
for level in $(seq 1 "$levels"); do
  name=$(printf 'level-%02d' "$level")
  "$lab" play "$level" --seed 1 --record "$here/$name.replay" >/dev/null
  "$lab" replay "$here/$name.replay" --check >"$here/$name.expected"
  echo "$name: $(cat "$here/$name.expected")"
done
# The game played through the window needs an X server and a window manager.
if command -v Xvfb >/dev/null && command -v openbox >/dev/null; then
  "$(dirname "$0")/record-played-replay.sh" "$build/bin"
else
  echo "played-*: not recorded again (Xvfb and openbox are needed)"
fi
