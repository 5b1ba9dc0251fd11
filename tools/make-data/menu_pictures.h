// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// The menu's pictures: its background with the game's name, and the button at rest and
// under the pointer.
#pragma once
#include <SDL_surface.h>

// Draws fondmenu.bmp, 285 x 445, of which the menu window shows the top-left 222 x 310.
SDL_Surface* drawMenuBackground();

// Draws a menu button, 128 x 24 (bouton.ico at rest, boutonSurvolé.ico under the pointer),
// light enough for its black label, at `scale` times its size.
SDL_Surface* drawButton(bool hovered, int scale = 1);
