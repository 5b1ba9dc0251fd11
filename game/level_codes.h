// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// The level codes: six characters of A-Z and 0-9 for each level, shown in play and typed in
// the menu to choose the level.
#pragma once
#include <array>

#include "game/game_state.h"

// Entries 1 to kLevelCount hold the codes of those levels; entry 0 stays empty.
extern std::array<std::array<char, 9>, kLevelCount + 1> levelCodes;

// Fills levelCodes from the built-in table.
void fillLevelCodes();

// The level whose code equals `text` exactly (case counts); 1 for any other text.
int levelForCode(const char* text);

// In a player's set: the level numbered `text` (digits only) when it is 1 to
// game.levelSetReached; 1 for any other text.
int reachedLevelNumbered(const char* text);
