// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// The game window's paint: the window keeps the picture of its last paint, and the play
// screen is redrawn only where it changed, so that a tick which moves a ball and the paddle
// redraws and sends on a few small areas instead of the whole frame.
#pragma once
#include <SDL_rect.h>

#include <array>
#include <cstdint>

#include "game/game_state.h"

struct SDL_Surface;

// The areas of the window that one paint changed, in the window's pixels, cut to it.
constexpr int kMaxChangedAreas = 24;
struct ChangedAreas {
    std::array<SDL_Rect, kMaxChangedAreas> rects{};
    int count = 0;
};

// One part of the play screen as drawn: where, and a summary of how it looked. A part that
// keeps both since the last paint needs no redrawing.
struct PartLook {
    SDL_Rect box{0, 0, 0, 0};
    std::uint64_t look = 0;
};

constexpr int kPanelLines = 7;  // the side panel's lines of text
// Bricks, paddle, capsules, shots, two balls, two aiming guides, the panel's lines, lives,
// effect marks, shots left, the pause text and a watched replay's card.
constexpr int kPartCount = kBrickCount + 1 + kBonusCount + kShotCount + 2 + 2 + kPanelLines + 5;
using PlayScreenParts = std::array<PartLook, kPartCount>;

// What the last paint of the game window left on its surface.
struct ShownPaint {
    SDL_Surface* target = nullptr;  // the surface the last paint was made on
    bool playScreen = false;        // it showed the play screen at rest: parts are known
    PlayScreenParts parts{};
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
