// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// The brick kinds, one row each: what a strike scores, the cue it plays, what the brick becomes,
// and whether it can be broken at all. Strikes, the fire ball, the count of bricks left and the
// autopilot read these rows.
#pragma once
#include <array>

#include "game/game_state.h"

struct BrickKindRow {
    int kind;          // its kind: row i holds kind i
    int points;        // added to the score by each strike
    const char* cue;   // the cue a strike plays when the ball does not bounce off a group wall
    int afterStrike;   // the kind it becomes once struck: kNoBrick when broken
    bool breakable;    // some strike breaks it: counted among the bricks left, the fire ball goes through it
    const char* name;  // its word in a level file (.tessaron-levels)
};

// clang-format off
inline constexpr std::array<BrickKindRow, kBrickKinds + 1> kBrickKindRows = {{
    {kNoBrick, 0, nullptr, kNoBrick, false, nullptr},
    {1, 500, "brique", kNoBrick, true, "ordinary1"},
    {2, 500, "brique", kNoBrick, true, "ordinary2"},
    {3, 500, "brique", kNoBrick, true, "ordinary3"},
    {4, 500, "brique", kNoBrick, true, "ordinary4"},
    {5, 500, "brique", kNoBrick, true, "ordinary5"},
    {kHardBrick, 300, "casse", kCrackedBrick, true, "hard"},
    {kCrackedBrick, 300, "casse", kNoBrick, true, "cracked"},
    {kIndestructibleBrick, 10, "briquedure", kIndestructibleBrick, false, "indestructible"},
}};
// clang-format on

// The row of a kind, 1 to kBrickKinds; kNoBrick's row for any other value.
constexpr const BrickKindRow& brickKindRow(int kind)
{
    return kBrickKindRows[kind >= 1 && kind <= kBrickKinds ? static_cast<std::size_t>(kind) : 0];
}

// Whether the table is whole: each row at its kind's place, a cue for every kind, a strike that
// leads to a valid kind, and every breakable kind broken by a chain of strikes.
constexpr bool brickKindRowsWhole()
{
    for (std::size_t i = 1; i < kBrickKindRows.size(); ++i) {
        const BrickKindRow& row = kBrickKindRows[i];
        if (static_cast<std::size_t>(row.kind) != i || row.cue == nullptr || row.name == nullptr) return false;
        if (row.afterStrike < kNoBrick || row.afterStrike > kBrickKinds) return false;
        int kind = row.kind;
        for (int strikes = 0; strikes <= kBrickKinds && kind != kNoBrick; ++strikes)
            kind = kBrickKindRows[static_cast<std::size_t>(kind)].afterStrike;
        if (row.breakable != (kind == kNoBrick)) return false;
    }
    return kBrickKindRows[0].kind == kNoBrick && !kBrickKindRows[0].breakable;
}
static_assert(brickKindRowsWhole(), "every brick kind has its row, and a breakable brick breaks");
