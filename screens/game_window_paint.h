// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// The game window's paint: the window keeps the picture of its last paint, and the play
// screen is redrawn only where it changed, so that a tick which moves a ball and the paddle
// redraws and sends on a few small areas instead of the whole frame.
#pragma once
#include <SDL_rect.h>

#include <array>

struct SDL_Surface;

// The areas of the window that one paint changed, in the window's pixels, cut to it.
constexpr int kMaxChangedAreas = 24;
struct ChangedAreas {
    std::array<SDL_Rect, kMaxChangedAreas> rects{};
    int count = 0;
};

// Paints the game window's own surface `target`, which keeps what the last paint left on it.
// The play screen is redrawn only where something moved or changed since the last paint of
// the same surface; any other screen, a slid screen or a surface drawn over meanwhile (see
// forgetGameWindowPaint) is painted whole. Either way the surface then shows exactly what
// drawGameScreen would draw on it. `changed` receives the areas that were drawn.
void paintGameWindow(SDL_Surface* target, ChangedAreas& changed);

// The game window's surface was drawn over (a slide frame) or made anew: its next paint is
// whole.
void forgetGameWindowPaint();
