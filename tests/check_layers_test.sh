#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Tessaron developers
# The layer check on planted trees: one line planted in one layer per case, and whether the check passes.
tree=$(mktemp -d) failures=0
trap 'rm -rf "$tree"' EXIT
while IFS='|' read -r layer line expected; do
  rm -rf "$tree"/* && mkdir "$tree/game" "$tree/screens" "$tree/shell"
  printf '%s\n' "$line" >"$tree/$layer/planted.cpp"
  if "$(dirname "$0")/check_layers.sh" "$tree" >/dev/null; then got=pass; else got=fail; fi
  [ "$got" = "$expected" ] || { echo "$layer: '$line' should $expected, did $got"; failures=$((failures + 1)); }
done <<'CASES'
game|#include "game/ball.h"|pass
game|#include "shell/score_file.h"|fail
game|#include "screens/pictures.h"|fail
game|#include "tools/lab/autopilot.h"|fail
game|#include <SDL_surface.h>|fail
game|#include "../shell/assets.h"|fail
screens|#include "game/game_state.h"|pass
screens|#include "shell/data_paths.h"|fail
screens|#include "tools/make-data/drawing.h"|fail
shell|#include "screens/pictures.h"|pass
shell|#include "shell/sdl_windows.h"|fail
shell|#include "sdl_platform.h"|fail
shell|#include <SDL.h>|pass
CASES
[ $failures -eq 0 ] && echo "the layer check passes and fails as it must on every planted tree"
exit $failures
