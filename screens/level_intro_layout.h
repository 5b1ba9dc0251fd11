// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// Where the level intro of a player's set names the set: a card centred under the intro's lines,
// which make-data draws in place of the built-in set's code card, and on which the game writes
// the set's name and the level's rank in the set.
#pragma once
#include <SDL_rect.h>

#include <cstdint>

#include "screens/translation.h"

// A line the game writes centred on the card: its cell's top and height, its weight, its colour (0xRRGGBB).
struct CardLine {
    int y;
    int height;
    int weight;
    std::uint32_t colour;
};

constexpr int kLevelIntroCentreX = 350;
constexpr SDL_Rect kSetCard{110, 300, 480, 140};
constexpr CardLine kSetNameLine{322, 42, 700, 0x1E2A48};
constexpr CardLine kSetRankLine{388, 26, 700, 0x7A2E18};
// A long name is written smaller down to this height, then cut to the room clear of the card's rosettes.
constexpr int kSetNameSmallest = 30;
constexpr int kSetNameRoom = kSetCard.w - 2 * 32;
// The rank's French text: the level's number and the set's number of levels.
constexpr const char* kSetRankText = drawnTextId("Niveau %d sur %d");
