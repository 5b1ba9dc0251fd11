// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// The credits window's picture.
#pragma once

struct SDL_Surface;

// Paints the credits picture on a 740 x 700 frame and copies it to `target` at (0, 0).
// A null target draws nothing.
void drawCredits(SDL_Surface* target);
