// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// How a window's picture reaches its window: the pixels that differ from what the window
// shows already, found row by row, and their copy enlarged a whole number of times.
#pragma once
#include <SDL_rect.h>
#include <SDL_surface.h>

#include "shell/window_places.h"

// Finds where `picture` differs from `shown` (a surface of the same size and 32-bit pixels)
// inside `area`, and copies those pixels into `shown`. Puts rectangles that hold every
// differing pixel into `out` (at most `max`; rows a few apart share one) and returns their
// number, 0 when nothing differs.
int takeChangedRects(const SDL_Surface* picture, SDL_Surface* shown, SDL_Rect area, SDL_Rect* out, int max);

// Copies `area` of `picture` onto `window`, each pixel as a square of place.scale pixels with
// the picture's corner at (place.x, place.y): nearest neighbour, never blurred; what falls
// outside the window is cut. A place between two whole factors (a full screen filled) is
// enlarged `place.scale` times and reduced smoothly to its size, sharp inside each picture
// pixel; the window pixels the area's edges share with its neighbours are redrawn too.
// Returns the window's rectangle that received it.
SDL_Rect copyEnlarged(const SDL_Surface* picture, SDL_Rect area, SDL_Surface* window, const PicturePlace& place);
