#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Tessaron developers
# The layer check on planted trees: one include per case, in the layer it is planted in, and
# whether the check must pass or fail on it.
check="$(dirname "$0")/check_layers.sh"
tree=$(mktemp -d)
trap 'rm -rf "$tree"' EXIT
failures=0
while IFS='|' read -r layer line expected; do
  [ -z "$layer" ] && continue
  rm -rf "$tree/game" "$tree/screens" "$tree/shell"
  mkdir -p "$tree/game" "$tree/screens" "$tree/shell"
  printf '%s\n' "$line" > "$tree/$layer/planted.cpp"
  if "$check" "$tree" >/dev/null 2>&1; then got=pass; else got=fail; fi
  if [ "$got" != "$expected" ]; then
    echo "$layer/planted.cpp with '$line': the check should $expected, it did $got"
    failures=$((failures + 1))
  fi
done <<'CASES'
game|#include "game/ball.h"|pass
game|#include <cmath>|pass
game|#include "shell/score_file.h"|fail
game|#include "screens/pictures.h"|fail
game|#include "tools/lab/autopilot.h"|fail
game|#include <SDL_surface.h>|fail
game|#include "../shell/assets.h"|fail
screens|#include "game/game_state.h"|pass
screens|#include <SDL_surface.h>|pass
screens|#include "screens/fonts.h"|pass
screens|#include "shell/data_paths.h"|fail
screens|#include "tools/make-data/drawing.h"|fail
screens|#include <SDL_mixer.h>|fail
screens|  SDL_Delay(5);|fail
shell|#include "screens/pictures.h"|pass
CASES
[ $failures -eq 0 ] && echo "layer check ok on every planted tree"
exit $failures
