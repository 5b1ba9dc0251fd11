// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// The boards of levels 1..kLevelCount and the random board, laid into game.brickTable.
#pragma once

#include "game/game_state.h"

// Lays the board of `level` into game.brickTable, whose entries the level-start reset has
// emptied (kind and group 0). Any number outside 1..kLevelCount gets the random board, drawn from
// the game's generator. Never writes outside the table.
void layLevel(int level);

// Sets entry `index` to the given kind and top-left corner; its group is left as it is.
void placeBrick(int index, int kind, int x, int y);

// Lays `topKind` at (x, y) and `bottomKind` at (x, y + 20) in entries brickIndexCounter and
// brickIndexCounter + 1, then advances brickIndexCounter by two.
void placeBrickPair(int& brickIndexCounter, int x, int y, int topKind, int bottomKind);

// Lays four bricks in the next four entries: `tipKind` at (x, y) and (x, y + 40), then
// `sideKind` at (x - 20, y + 20) and (x + 20, y + 20); advances brickIndexCounter by four.
void placeBrickDiamond(int& brickIndexCounter, int x, int y, int tipKind, int sideKind);
