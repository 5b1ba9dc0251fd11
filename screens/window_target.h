// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// The game window as the screens' transitions see it: a persistent surface of the window's
// client size to draw frames on, and the copy of that surface to the screen. The shell
// implements them on SDL; the tests and tessaron-lab link their own.
#pragma once

struct SDL_Surface;

// The game window's surface; what is drawn there stays until drawn over. May be null (no
// window): drawing on null does nothing.
SDL_Surface* gameWindowSurface();

// Shows the game window's surface on the screen now (used by slide frames, which run without
// the window's loop).
void presentGameWindow();
