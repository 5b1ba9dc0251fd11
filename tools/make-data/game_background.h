// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// The game screen's background: the playfield of dark tesserae and the light side panel.
#pragma once
#include <SDL_surface.h>

// Draws fond.bmp, 700 x 550: the playfield on the left 480 pixels, the side panel on the right
// with room for the level, score, bricks broken, lives, active bonuses and the level's code.
SDL_Surface* drawGameBackground();
