// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// Laying a board into the brick table: the built-in boards (made from their text at build
// time) and the random board.
#include "game/levels.h"

#include "game/built_in_levels.h"
#include "game/game_state.h"
#include "game/level_set.h"
#include "game/random.h"

namespace {

// 12 columns of 12 rows from y 100, laid column by column, each brick its own draw.
void layRandomBoard()
{
    for (int column = 0; column < 12; ++column) {
        for (int row = 0; row < 12; ++row) {
            placeBrick(column * 12 + row, nextRandom() % 8 + 1, column * 40, 100 + row * 20);
        }
    }
}

}  // namespace

void placeBrick(int index, int kind, int x, int y)
{
    if (index < 0 || index >= kBrickCount) return;
    Brick& brick = game.brickTable[index];
    brick.kind = kind;
    brick.x = x;
    brick.y = y;
}

void layBoard(const Brick* entries, int count)
{
    for (int index = 0; index < count && index < kBrickCount; ++index) {
        const Brick& brick = entries[index];
        if (brick.kind == kNoBrick) continue;  // an entry left empty keeps its stale place
        placeBrick(index, brick.kind, brick.x, brick.y);
        game.brickTable[index].group = brick.group;
    }
}

int levelCountOf(const LevelSet* set) { return set == nullptr ? kLevelCount : static_cast<int>(set->levels.size()); }

void layLevel(int level)
{
    if (level < 1 || level > levelCountOf(game.levelSet)) {
        layRandomBoard();
    } else if (game.levelSet == nullptr) {
        const BuiltInBoard& board = kBuiltInBoards[level - 1];
        layBoard(board.entries, board.count);
    } else {
        const std::vector<Brick>& entries = game.levelSet->levels[static_cast<std::size_t>(level - 1)].entries;
        layBoard(entries.data(), static_cast<int>(entries.size()));
    }
}
