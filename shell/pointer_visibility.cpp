// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// The pointer hidden over a ball in play.
#include "shell/pointer_visibility.h"

#include "shell/window_places.h"

bool pointerShownOverGame(const GameState& state, Point pointer, bool pointerInWindow, bool keptInPlay)
{
    if (keptInPlay || !pointerInWindow) return true;
    const bool overPlayfield =
        pointer.x >= 0 && pointer.x < kPlayfieldWidth && pointer.y >= 0 && pointer.y < kGameWindowHeight;
    const bool ballInPlay = state.ballLaunched && !state.paused && state.mode == GameMode::Playing;
    return !(overPlayfield && ballInPlay);
}
