// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// The game screen's background: the playfield of dark tesserae and the light side panel.
#pragma once
#include <SDL_surface.h>

#include "game/game_state.h"
#include "screens/side_panel_layout.h"
#include "tools/make-data/picture_layout.h"

// The side panel's inner right edge, inside its mosaic border.
constexpr int kSidePanelRight = 690;

// Whether `slots` slots for the running effects' marks, each framed 4 pixels round its mark,
// stay inside the panel, as faults named for make-data.
inline LayoutFaults effectSlotFaults(int slots)
{
    LayoutFaults faults;
    checkSpan(faults, "fond.bmp", std::to_string(slots) + " effect mark slots", effectMarkX(0) - 4,
              effectMarkX(slots - 1) + kCapsuleWidth + 4, kFirstEffectMarkX - 4, kSidePanelRight, "the side panel");
    return faults;
}

// Draws fond.bmp, 700 x 550: the playfield on the left 480 pixels, the side panel on the right
// with room for the level, score, bricks broken, lives, active bonuses and the level's code.
SDL_Surface* drawGameBackground();
