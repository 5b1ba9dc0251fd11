// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// The bricks ("tessas"): five ordinary colours, the hard one, the same cracked, and the
// indestructible one of brushed steel.
#pragma once
#include <SDL_surface.h>

// Draws the brick of kind 1..8 at `scale` times its 40 x 20 size (1 for the game's files,
// more for the credits' legend). Opaque, as the game's bitmaps are.
SDL_Surface* drawBrick(int kind, int scale = 1);
