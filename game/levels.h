// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// The boards of levels 1..kLevelCount and the random board, laid into game.brickTable.
#pragma once

#include "game/game_state.h"

// Lays the board of `level` of game.levelSet (the built-in boards when it is nullptr) into
// game.brickTable, whose entries the level-start reset has emptied (kind and group 0). Any
// number outside the set's levels gets the random board, drawn from the game's generator.
// Never writes outside the table.
void layLevel(int level);

// How many levels `set` holds; kLevelCount for the built-in boards (nullptr).
int levelCountOf(const LevelSet* set);

// Lays `count` entries from `entries` into the first entries of the table, with their groups;
// an entry of kind 0 is left as the reset left it. Entries past the table are ignored.
void layBoard(const Brick* entries, int count);

// Sets entry `index` to the given kind and top-left corner; its group is left as it is.
void placeBrick(int index, int kind, int x, int y);
