// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// Whether the mouse pointer is drawn over the game window: it keeps out of the way of a ball
// in play and comes back whenever the player has something to point at.
#pragma once
#include "game/game_state.h"
#include "game/platform.h"

// Whether the pointer is drawn: hidden only while it lies inside the game window over the
// playfield (`pointer` in game pixels) and a ball is in play, that is launched, not paused,
// no question open and no level intro, end screen or final picture shown. With `keptInPlay`
// (pointer_in_play = shown) it is always drawn.
bool pointerShownOverGame(const GameState& state, Point pointer, bool pointerInWindow, bool keptInPlay);
