// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// Flood fill of the places a ball's centre can take, pixel by pixel over the playfield.
#include "game/level_reach.h"

#include <array>
#include <cstddef>

#include "game/brick_kinds.h"

namespace {

constexpr int kHalfBall = 6;
constexpr int kLowestCentre = static_cast<int>(kBallStartY);   // a ball lower than it resting on the paddle is lost
constexpr int kColumns = kPlayfieldWidth - 2 * kHalfBall + 1;  // centres x 6 to 474
constexpr int kRows = kLowestCentre - kHalfBall + 1;           // centres y 6 to 512

bool breakable(const Brick& brick) { return brickKindRow(brick.kind).breakable; }

// Calls visit(cell) for every centre whose ball box touches the brick (the strike test of the
// game's brick sweep: closed edges).
template <typename Visit>
void forCentresTouching(const Brick& brick, Visit visit)
{
    for (int y = brick.y - kHalfBall; y <= brick.y + kBrickHeight + kHalfBall; ++y) {
        for (int x = brick.x - kHalfBall; x <= brick.x + kBrickWidth + kHalfBall; ++x) {
            const int row = y - kHalfBall, column = x - kHalfBall;
            if (row >= 0 && row < kRows && column >= 0 && column < kColumns) visit(row * kColumns + column);
        }
    }
}

// The centres reached with the walls of `open` groups gone; marks the bricks they touch.
void fill(const std::vector<Brick>& entries, const std::array<bool, 6>& open, std::vector<bool>& reached)
{
    std::vector<bool> blocked(static_cast<std::size_t>(kColumns * kRows), false);
    for (const Brick& brick : entries) {
        if (brick.kind != kIndestructibleBrick || open[static_cast<std::size_t>(brick.group)]) continue;
        forCentresTouching(brick, [&](int cell) { blocked[static_cast<std::size_t>(cell)] = true; });
    }
    std::vector<bool> seen(blocked.size(), false);
    std::vector<int> todo;
    const int start = (kRows - 1) * kColumns + static_cast<int>(kBallStartX) - kHalfBall;
    if (!blocked[static_cast<std::size_t>(start)]) {
        todo.push_back(start);
        seen[static_cast<std::size_t>(start)] = true;
    }
    while (!todo.empty()) {
        const int cell = todo.back();
        todo.pop_back();
        const int row = cell / kColumns, column = cell % kColumns;
        const int next[4][2] = {{row - 1, column}, {row + 1, column}, {row, column - 1}, {row, column + 1}};
        for (const auto& n : next) {
            if (n[0] < 0 || n[0] >= kRows || n[1] < 0 || n[1] >= kColumns) continue;
            const auto index = static_cast<std::size_t>(n[0] * kColumns + n[1]);
            if (blocked[index] || seen[index]) continue;
            seen[index] = true;
            todo.push_back(static_cast<int>(index));
        }
    }
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (!breakable(entries[i])) continue;
        forCentresTouching(entries[i],
                           [&](int cell) { reached[i] = reached[i] || seen[static_cast<std::size_t>(cell)]; });
    }
}

}  // namespace

std::vector<int> unreachableBricks(const std::vector<Brick>& entries)
{
    std::array<bool, 6> open{};
    std::vector<bool> reached(entries.size(), false);
    for (bool opened = true; opened;) {
        fill(entries, open, reached);
        opened = false;
        for (int group = 1; group <= 5; ++group) {
            bool all = true;
            for (std::size_t i = 0; i < entries.size(); ++i) {
                if (entries[i].group == group && breakable(entries[i]) && !reached[i]) all = false;
            }
            if (all && !open[static_cast<std::size_t>(group)]) opened = open[static_cast<std::size_t>(group)] = true;
        }
    }
    std::vector<int> unreachable;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (breakable(entries[i]) && !reached[i]) unreachable.push_back(static_cast<int>(i));
    }
    return unreachable;
}
