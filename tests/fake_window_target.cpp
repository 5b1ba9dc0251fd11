// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// The fake game window surface the screens' transitions draw on.
#include <SDL.h>

#include "screens/window_target.h"
#include "tests/fake_platform.h"

int fakeWindowPresents = 0;

SDL_Surface* fakeWindowSurface()
{
    static SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormat(0, 700, 550, 32, SDL_PIXELFORMAT_ARGB8888);
    return surface;
}

SDL_Surface* gameWindowSurface() { return fakeWindowSurface(); }

void presentGameWindow() { fakeWindowPresents += 1; }
