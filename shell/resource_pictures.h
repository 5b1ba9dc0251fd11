// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// The program's icon and pointers as surfaces, made from the pixel art kept in resources/.
#pragma once
#include <SDL_surface.h>

#include "resources/pixel_art.h"

// A new ARGB8888 surface of the picture (transparent where the art has no colour); the
// caller frees it. nullptr only when the surface cannot be made.
SDL_Surface* surfaceFromPixelArt(const PixelArt& art);
