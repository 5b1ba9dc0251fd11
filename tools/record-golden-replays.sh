#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Tessaron developers
# Records the golden replays again: one autopilot game per level (seed 1), each with the final
# line `tessaron-lab replay --check` gives for it. Run it after changing a rule on purpose (and
# raising kRulesVersion in game/rules_version.h), then commit the files it wrote with the change.
#   tools/record-golden-replays.sh [BUILD_DIR]   (default: build; tessaron-lab is built there first)
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
here="$top/tests/golden"
build=${1:-"$top/build"}
cmake --build "$build" --target tessaron-lab game-data >/dev/null
lab="$build/bin/tessaron-lab"
rm -f "$here"/*.replay "$here"/*.expected
levels=$("$lab" codes | wc -l)
for level in $(seq 1 "$levels"); do
  name=$(printf 'level-%02d' "$level")
  "$lab" play "$level" --seed 1 --record "$here/$name.replay" >/dev/null
  "$lab" replay "$here/$name.replay" --check >"$here/$name.expected"
  echo "$name: $(cat "$here/$name.expected")"
done
