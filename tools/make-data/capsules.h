// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// The bonus capsules: a glossy pill per bonus kind, each with its own colour and sign.
#pragma once
#include <SDL_surface.h>

// Draws the capsule of bonus kind 1..kCapsuleKinds at `scale` times its 20 x 10 size (1 for
// the game's files). Opaque: the corners around the pill take the playfield's colour.
SDL_Surface* drawCapsule(int kind, int scale = 1);
