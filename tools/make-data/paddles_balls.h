// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// The paddles, their three overlays (armed, sticky, random bounce) and the two balls: icons
// with soft, anti-aliased transparent edges.
#pragma once
#include <SDL_surface.h>

// The paddle, `width` x 15 (30, 60 or 90), at `scale` times its size.
SDL_Surface* drawPaddle(int width, int scale = 1);

// Drawn over the paddle while it is armed: two cannons, 60 x 15.
SDL_Surface* drawArmedOverlay(int scale = 1);

// Drawn over the paddle while it is sticky: a coat of green glue, 60 x 15.
SDL_Surface* drawStickyOverlay(int scale = 1);

// The paddle while balls bounce off it at random: a springy rubber bumper, 60 x 15.
SDL_Surface* drawBouncePaddle(int scale = 1);

// A ball, 12 x 12: polished steel, or burning while the fire ball is on.
SDL_Surface* drawBall(bool fire, int scale = 1);
