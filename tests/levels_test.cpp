// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// The level boards and the random board; that every level can be cleared is the autopilot's check.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "game/game_state.h"
#include "game/level_reach.h"
#include "game/level_set.h"
#include "game/levels.h"
#include "game/random.h"
#include "tests/fake_platform.h"
#include "tests/scratch_files.h"

// Bricks compare whole; internal to this file.
static bool operator==(const Brick& a, const Brick& b)
{
    return std::tie(a.x, a.y, a.kind, a.group) == std::tie(b.x, b.y, b.kind, b.group);
}

namespace {
struct Placed {
    int index;
    Brick brick;
    bool operator==(const Placed& other) const { return index == other.index && brick == other.brick; }
};

// Starts `level` as a game would and returns its bricks in entry order.
std::vector<Placed> board(int level, std::uint32_t seed = 1)
{
    resetWorld(seed);
    game.currentLevel = level;
    startLevel();
    std::vector<Placed> bricks;
    for (int i = 0; i < kBrickCount; ++i) {
        if (game.brickTable[i].kind != 0) bricks.push_back({i, game.brickTable[i]});
    }
    return bricks;
}

bool overlap(const Brick& a, const Brick& b)
{
    return a.x < b.x + kBrickWidth && b.x < a.x + kBrickWidth && a.y < b.y + kBrickHeight && b.y < a.y + kBrickHeight;
}

// Counts in consecutive entries inside the playfield; only 14, 25 reach the paddle; overlaps in 4, 13, 20.
TEST(Levels, EveryBoardFillsItsEntriesInsideThePlayfieldWithoutStrayOverlaps)
{
    const int counts[kLevelCount + 1] = {0,  68,  76,  116, 228, 96,  124, 129, 87, 75,  73, 65,  115,
                                         45, 121, 101, 131, 81,  138, 149, 62,  95, 218, 64, 113, 54};
    for (int level = 1; level <= kLevelCount; ++level) {
        SCOPED_TRACE("level " + std::to_string(level));
        const std::vector<Placed> bricks = board(level);
        ASSERT_EQ(static_cast<int>(bricks.size()), counts[level]);
        int low = 0, overlaps = 0;
        for (std::size_t i = 0; i < bricks.size(); ++i) {
            const Brick& b = bricks[i].brick;
            EXPECT_EQ(bricks[i].index, (level == 1 ? 1 : 0) + static_cast<int>(i));
            EXPECT_TRUE(b.kind <= 8 && b.group >= 0 && b.group <= 5);
            EXPECT_TRUE(b.x >= 0 && b.x <= 440 && b.y >= 0 && b.y <= 525) << b.x << "," << b.y;
            low += b.y + kBrickHeight > 500;
            for (std::size_t j = i + 1; j < bricks.size(); ++j) overlaps += overlap(b, bricks[j].brick);
        }
        EXPECT_EQ(low, level == 14 ? 6 : level == 25 ? 12 : 0);
        EXPECT_EQ(overlaps, level == 4 ? 8 : (level == 13 || level == 20) ? 6 : 0);
    }
}

// Levels drawn symmetric about the field's centre line lay, for every brick, its mirror image.
TEST(Levels, SymmetricLevelsAreTheirOwnMirrorImage)
{
    using Cell = std::tuple<int, int, int, int>;  // x, y, kind, group
    for (const int level : {1, 3, 4, 7, 13, 14, 17, 20, 24}) {
        std::vector<Cell> laid, mirrored;
        for (const Placed& p : board(level)) {
            const Brick& b = p.brick;
            laid.emplace_back(b.x, b.y, b.kind, b.group);
            mirrored.emplace_back(kPlayfieldWidth - kBrickWidth - b.x, b.y, b.kind, b.group);
        }
        std::sort(laid.begin(), laid.end());
        std::sort(mirrored.begin(), mirrored.end());
        EXPECT_EQ(laid, mirrored) << "level " << level;
    }
}

// FNV-1a (64 bits) over one line "LEVEL INDEX X Y KIND GROUP\n" per brick laid, levels 1 to 25
// (the boards there were when they became text) in order and each level's entries in table order,
// of `laid(level)`.
template <typename Laid>
std::uint64_t boardsDigest(Laid laid)
{
    std::uint64_t digest = 14695981039346656037ull;
    for (int level = 1; level <= 25; ++level) {
        for (const Placed& p : laid(level)) {
            std::ostringstream line;
            line << level << ' ' << p.index << ' ' << p.brick.x << ' ' << p.brick.y << ' ' << p.brick.kind << ' '
                 << p.brick.group << '\n';
            for (const unsigned char c : line.str()) digest = (digest ^ c) * 1099511628211ull;
        }
    }
    return digest;
}

// The boards the game lays from the built-in set, and the set's text as the reader reads it, are
// brick for brick the boards it laid before they were text: 6007176675cde1db is this digest of
// the 25 boards laid by the tables that the text replaced, taken with those tables just before
// they were removed.
TEST(Levels, BuiltInBoardsAreTheBoardsLaidBeforeTheyBecameText)
{
    constexpr std::uint64_t kBoardsBeforeText = 0x6007176675cde1dbull;
    EXPECT_EQ(boardsDigest([](int level) { return board(level); }), kBoardsBeforeText);
    LevelSet set;
    std::string refusal;
    ASSERT_TRUE(readLevelSet(readBytes(TESSARON_SOURCE_DIR "/resources/built-in.tessaron-levels"), set, refusal))
        << refusal;
    ASSERT_GE(set.levels.size(), 25u);
    const auto read = [&set](int level) {
        std::vector<Placed> bricks;
        const std::vector<Brick>& entries = set.levels[level - 1].entries;
        for (std::size_t i = 0; i < entries.size(); ++i) {
            if (entries[i].kind != 0) bricks.push_back({static_cast<int>(i), entries[i]});
        }
        return bricks;
    };
    EXPECT_EQ(boardsDigest(read), kBoardsBeforeText);
}

// A board fills the first entries in order with their groups; an empty entry keeps what the
// reset left, and nothing is written past the table.
TEST(Levels, LayBoardFillsTheFirstEntriesInOrder)
{
    resetWorld();
    game.brickTable[1] = Brick{7, 8, 0, 0};
    std::vector<Brick> entries(kBrickCount + 1, Brick{40, 60, 3, 2});
    entries[1] = Brick{0, 0, 0, 0};
    layBoard(entries.data(), static_cast<int>(entries.size()));
    EXPECT_EQ(game.brickTable[0], (Brick{40, 60, 3, 2}));
    EXPECT_EQ(game.brickTable[1], (Brick{7, 8, 0, 0}));
    EXPECT_EQ(game.brickTable[kBrickCount - 1], (Brick{40, 60, 3, 2}));
    EXPECT_EQ(game.bonusTable[0].kind, 0);  // the record that follows the bricks
}

// A brick to break is out of reach behind indestructible bricks, or a gap too narrow for the
// ball's box, unless they belong to a group whose bricks to break are all reachable.
TEST(Levels, BricksWalledInAreOutOfReachUntilTheirWallsGroupOpens)
{
    const auto box = [](int group) {
        std::vector<Brick> b;
        for (const auto& [x, y] : {std::pair{200, 100},
                                   {240, 100},
                                   {280, 100},
                                   {200, 120},
                                   {280, 120},
                                   {200, 140},
                                   {240, 140},
                                   {280, 140}}) {
            b.push_back(Brick{x, y, 8, group});
        }
        b.insert(b.begin() + 4, Brick{240, 120, 1, 0});
        b.push_back(Brick{0, 300, 6, group});
        return b;
    };
    const auto wall = [](int gap) {
        std::vector<Brick> b{{0, 100, 2, 0}};
        for (int x = 0; x <= 200; x += 40) b.push_back(Brick{x, 300, 8, 0});
        for (int x = 240 + gap; x < 440; x += 40) b.push_back(Brick{x, 300, 8, 0});
        b.push_back(Brick{440, 300, 8, 0});
        return b;
    };
    EXPECT_EQ(unreachableBricks(box(0)), (std::vector<int>{4}));
    EXPECT_EQ(unreachableBricks(box(1)), (std::vector<int>{}));
    EXPECT_EQ(unreachableBricks(wall(13)), (std::vector<int>{0}));
    EXPECT_EQ(unreachableBricks(wall(14)), (std::vector<int>{}));
}

// Any other number lays a 12 x 12 random board from y 100 over a cleared table.
TEST(Levels, NumbersOutsideOneToTwentyFiveGetTheRandomBoard)
{
    for (const int level : {0, kLevelCount + 1}) {
        seedRandom(77);
        std::array<int, 144> draws{};
        for (int& kind : draws) kind = nextRandom() % 8 + 1;
        board(22);  // groups everywhere and entries past 144
        seedRandom(77);
        game.currentLevel = level;
        startLevel();
        for (int i = 0; i < kBrickCount; ++i) {
            const Brick& b = game.brickTable[i];
            EXPECT_EQ(b, (i < 144 ? Brick{40 * (i / 12), 100 + 20 * (i % 12), draws[i], 0} : Brick{b.x, b.y, 0, 0}))
                << "level " << level << ", entry " << i;
        }
    }
}

}  // namespace
