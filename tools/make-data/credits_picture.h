// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// The credits window's picture: how to play, what each capsule does, and who made the game.
#pragma once
#include <SDL_surface.h>

// Draws credits.bmp, 700 x 550.
SDL_Surface* drawCreditsBackground();
