// The level boards: counts and groups of every level, the mirror symmetry of the symmetric
// ones, the placement helpers, the random board, the playfield bounds and overlaps, and that a
// ball can reach every brick.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <tuple>
#include <vector>

#include "game/game_state.h"
#include "game/levels.h"
#include "game/random.h"
#include "tests/fake_platform.h"

namespace {

struct Placed {
    int index;
    Brick brick;
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

bool breakable(const Brick& brick) { return brick.kind >= 1 && brick.kind <= 7; }

// What each level is designed to hold: brick count, count of each kind, groups used.
struct LevelExpectation {
    int bricks;
    std::array<int, 9> kinds;  // index = kind
    std::array<bool, 6> groups;  // index = group number, 1-5
};

constexpr std::array<bool, 6> kNoGroup{};
constexpr std::array<bool, 6> groupsOf(bool g1, bool g2, bool g3, bool g4)
{
    return {false, g1, g2, g3, g4, false};
}

const LevelExpectation kExpected[kLevelCount + 1] = {
    {},
    {68, {0, 14, 18, 18, 0, 18, 0, 0, 0}, kNoGroup},
    {76, {0, 8, 8, 8, 8, 8, 26, 8, 2}, kNoGroup},
    {116, {0, 14, 16, 12, 8, 4, 62, 0, 0}, kNoGroup},
    {228, {0, 8, 16, 16, 16, 8, 16, 0, 148}, kNoGroup},
    {96, {0, 28, 0, 0, 0, 28, 22, 16, 2}, kNoGroup},
    {124, {0, 0, 0, 53, 0, 0, 66, 0, 5}, kNoGroup},
    {129, {0, 26, 26, 0, 26, 26, 12, 0, 13}, kNoGroup},
    {87, {0, 0, 0, 32, 0, 0, 28, 0, 27}, kNoGroup},
    {75, {0, 39, 0, 0, 0, 33, 3, 0, 0}, kNoGroup},
    {73, {0, 0, 39, 0, 0, 0, 25, 0, 9}, kNoGroup},
    {65, {0, 33, 0, 0, 0, 0, 7, 0, 25}, kNoGroup},
    {115, {0, 0, 0, 0, 0, 29, 9, 0, 77}, kNoGroup},
    {45, {0, 0, 0, 9, 19, 0, 0, 0, 17}, kNoGroup},
    {121, {0, 12, 0, 0, 0, 10, 32, 0, 67}, kNoGroup},
    {101, {0, 0, 40, 0, 0, 0, 8, 0, 53}, kNoGroup},
    {131, {0, 16, 18, 8, 44, 0, 0, 0, 45}, groupsOf(true, true, true, true)},
    {81, {0, 15, 0, 0, 0, 28, 21, 0, 17}, kNoGroup},
    {138, {0, 22, 0, 14, 6, 26, 8, 0, 62}, groupsOf(true, true, false, false)},
    {149, {0, 34, 0, 0, 0, 33, 6, 6, 70}, groupsOf(true, true, true, false)},
    {62, {0, 0, 0, 20, 0, 0, 6, 0, 36}, kNoGroup},
    {95, {0, 8, 0, 0, 2, 40, 6, 0, 39}, groupsOf(true, true, false, false)},
    {218, {0, 36, 0, 26, 6, 26, 64, 0, 60}, groupsOf(true, true, true, true)},
    {64, {0, 8, 0, 8, 0, 0, 0, 0, 48}, kNoGroup},
    {113, {0, 0, 0, 0, 0, 0, 15, 0, 98}, groupsOf(true, true, false, false)},
    {54, {0, 15, 0, 0, 0, 4, 2, 0, 33}, kNoGroup},
};

TEST(Levels, EveryLevelHasItsDesignedCountsAndGroups)
{
    for (int level = 1; level <= kLevelCount; ++level) {
        const std::vector<Placed> bricks = board(level);
        std::array<int, 9> kinds{};
        std::array<bool, 6> groups{};
        for (const Placed& p : bricks) {
            ASSERT_GE(p.brick.kind, 1);
            ASSERT_LE(p.brick.kind, 8);
            ASSERT_GE(p.brick.group, 0);
            ASSERT_LE(p.brick.group, 5);
            kinds[p.brick.kind] += 1;
            groups[p.brick.group] = true;
        }
        groups[0] = false;
        EXPECT_EQ(static_cast<int>(bricks.size()), kExpected[level].bricks) << "level " << level;
        EXPECT_EQ(kinds, kExpected[level].kinds) << "level " << level;
        EXPECT_EQ(groups, kExpected[level].groups) << "level " << level;
    }
}

TEST(Levels, BricksFillConsecutiveEntriesFromTheFirst)
{
    for (int level = 1; level <= kLevelCount; ++level) {
        const std::vector<Placed> bricks = board(level);
        const int first = level == 1 ? 1 : 0;
        for (std::size_t i = 0; i < bricks.size(); ++i) {
            ASSERT_EQ(bricks[i].index, first + static_cast<int>(i)) << "level " << level;
        }
    }
}

// Levels drawn as a picture symmetric about the field's centre line lay, for every brick,
// its mirror image: a brick moved, retyped or dropped breaks the symmetry.
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

TEST(Levels, PlacementHelpersFillTheNextEntriesInOrder)
{
    resetWorld();
    game.brickTable[12].group = 3;
    int counter = 10;
    placeBrickDiamond(counter, 220, 30, 1, 8);
    EXPECT_EQ(counter, 14);
    const Brick expected[4] = {{220, 30, 1, 0}, {220, 70, 1, 0}, {200, 50, 8, 0}, {240, 50, 8, 0}};
    for (int i = 0; i < 4; ++i) {
        const Brick& brick = game.brickTable[10 + i];
        EXPECT_EQ(brick.x, expected[i].x) << i;
        EXPECT_EQ(brick.y, expected[i].y) << i;
        EXPECT_EQ(brick.kind, expected[i].kind) << i;
    }
    EXPECT_EQ(game.brickTable[12].group, 3);  // placing leaves the group alone
    EXPECT_EQ(game.brickTable[14].kind, 0);

    placeBrickPair(counter, 100, 200, 4, 8);
    EXPECT_EQ(counter, 16);
    EXPECT_EQ(game.brickTable[14].kind, 4);
    EXPECT_EQ(game.brickTable[14].y, 200);
    EXPECT_EQ(game.brickTable[15].kind, 8);
    EXPECT_EQ(game.brickTable[15].x, 100);
    EXPECT_EQ(game.brickTable[15].y, 220);
}

TEST(Levels, PlacingOutsideTheTableWritesNothing)
{
    resetWorld();
    const BrickTable before = game.brickTable;
    const GameState copy = game;
    placeBrick(-1, 5, 1, 2);
    placeBrick(kBrickCount, 5, 1, 2);
    placeBrick(1 << 30, 5, 1, 2);
    int counter = kBrickCount - 1;  // a pair running off the end keeps only its first brick
    placeBrickPair(counter, 7, 8, 3, 3);
    EXPECT_EQ(counter, kBrickCount + 1);
    EXPECT_EQ(game.brickTable[kBrickCount - 1].kind, 3);
    for (int i = 0; i < kBrickCount - 1; ++i) EXPECT_EQ(game.brickTable[i].kind, before[i].kind);
    EXPECT_EQ(game.bonusTable[0].kind, copy.bonusTable[0].kind);
}

TEST(Levels, NumbersOutsideOneToTwentyFiveGetTheRandomBoard)
{
    for (const int level : {0, -5, 26, 1000}) {
        const std::uint32_t seed = 77u + static_cast<std::uint32_t>(level);
        seedRandom(seed);
        std::array<int, 144> draws{};
        for (int& kind : draws) kind = nextRandom() % 8 + 1;

        resetWorld(seed);
        game.currentLevel = level;
        startLevel();
        std::array<bool, 9> seen{};
        for (int c = 0; c < 12; ++c) {
            for (int r = 0; r < 12; ++r) {
                const Brick& brick = game.brickTable[c * 12 + r];
                EXPECT_EQ(brick.x, 40 * c);
                EXPECT_EQ(brick.y, 100 + 20 * r);
                EXPECT_EQ(brick.kind, draws[c * 12 + r]) << "level " << level;
                EXPECT_EQ(brick.group, 0);
                seen[brick.kind] = true;
            }
        }
        for (int i = 144; i < kBrickCount; ++i) EXPECT_EQ(game.brickTable[i].kind, 0);
        for (int kind = 1; kind <= 8; ++kind) EXPECT_TRUE(seen[kind]) << "kind " << kind;
    }
}

TEST(Levels, ALevelLeavesNothingOfTheBoardBeforeIt)
{
    board(4);  // the fullest board, every entry up to 227 in use
    game.currentLevel = 1;
    startLevel();
    EXPECT_EQ(game.brickTable[0].kind, 0);
    for (int i = 69; i < kBrickCount; ++i) {
        EXPECT_EQ(game.brickTable[i].kind, 0) << i;
        EXPECT_EQ(game.brickTable[i].group, 0) << i;
    }
    board(22);  // groups everywhere, then a level without any
    game.currentLevel = 6;
    startLevel();
    for (const Brick& brick : game.brickTable) EXPECT_EQ(brick.group, 0);
}

TEST(Levels, EveryBrickLiesInThePlayfieldAbovePaddleLine)
{
    for (int level = 1; level <= kLevelCount; ++level) {
        int low = 0;
        for (const Placed& p : board(level)) {
            const Brick& b = p.brick;
            EXPECT_GE(b.x, 0) << "level " << level;
            EXPECT_LE(b.x, 440) << "level " << level;
            EXPECT_GE(b.y, 0) << "level " << level;
            EXPECT_LE(b.y, 525) << "level " << level;
            if (b.y + kBrickHeight > 500) ++low;
        }
        // Only the two rows meant to lie beside the paddle reach below y 500.
        const int expectedLow = level == 14 ? 6 : level == 25 ? 12 : 0;
        EXPECT_EQ(low, expectedLow) << "level " << level;
    }
}

bool overlap(const Brick& a, const Brick& b)
{
    return a.x < b.x + kBrickWidth && b.x < a.x + kBrickWidth && a.y < b.y + kBrickHeight &&
           b.y < a.y + kBrickHeight;
}

// Bricks overlap only in levels 4 (a row laid over another), 13 and 20 (bricks hidden under others).
TEST(Levels, BricksOverlapOnlyWhereTheLevelMeansThem)
{
    for (int level = 1; level <= kLevelCount; ++level) {
        const std::vector<Placed> bricks = board(level);
        int overlaps = 0;
        for (std::size_t i = 0; i < bricks.size(); ++i) {
            for (std::size_t j = i + 1; j < bricks.size(); ++j) overlaps += overlap(bricks[i].brick, bricks[j].brick);
        }
        const int expectedOverlaps = level == 4 ? 8 : (level == 13 || level == 20) ? 6 : 0;
        EXPECT_EQ(overlaps, expectedOverlaps) << "level " << level;
    }
}

// Where a ball can go. The grid holds every whole-pixel centre a ball in play can have
// (x 6..474, y 6..514, resting on the paddle at the lowest); a centre is shut when the
// ball's 12 x 12 box would touch a wall, so a gap lets a ball through only when it is at
// least 14 pixels wide. Walls are the indestructible bricks of groups not yet gone;
// breakable bricks do not stop the fill, since a ball that reaches one can break it.
struct Reach {
    static constexpr int kMinX = 6, kMaxX = 474, kMinY = 6, kMaxY = 514;
    static constexpr int kWidth = kMaxX - kMinX + 1, kHeight = kMaxY - kMinY + 1;
    std::vector<bool> open;

    bool at(int x, int y) const
    {
        if (x < kMinX || x > kMaxX || y < kMinY || y > kMaxY) return false;
        return open[(y - kMinY) * kWidth + (x - kMinX)];
    }

    // True when some reachable centre puts the ball's box against `brick`.
    bool touches(const Brick& brick) const
    {
        for (int y = brick.y - 6; y <= brick.y + kBrickHeight + 6; ++y) {
            for (int x = brick.x - 6; x <= brick.x + kBrickWidth + 6; ++x) {
                if (at(x, y)) return true;
            }
        }
        return false;
    }
};

Reach fill(const std::vector<Placed>& bricks, unsigned goneGroups)
{
    std::vector<bool> shut(Reach::kWidth * Reach::kHeight, false);
    for (const Placed& p : bricks) {
        const Brick& b = p.brick;
        if (b.kind != 8 || (b.group != 0 && (goneGroups & (1u << b.group)) != 0)) continue;
        for (int y = std::max(b.y - 6, Reach::kMinY); y <= std::min(b.y + 26, Reach::kMaxY); ++y) {
            for (int x = std::max(b.x - 6, Reach::kMinX); x <= std::min(b.x + 46, Reach::kMaxX); ++x) {
                shut[(y - Reach::kMinY) * Reach::kWidth + (x - Reach::kMinX)] = true;
            }
        }
    }
    Reach reach{std::vector<bool>(shut.size(), false)};
    const int start = (512 - Reach::kMinY) * Reach::kWidth + (255 - Reach::kMinX);
    if (shut[start]) return reach;
    std::vector<int> queue{start};
    reach.open[start] = true;
    while (!queue.empty()) {
        const int cell = queue.back();
        queue.pop_back();
        const int x = cell % Reach::kWidth, y = cell / Reach::kWidth;
        const int next[4][2] = {{x - 1, y}, {x + 1, y}, {x, y - 1}, {x, y + 1}};
        for (const auto& n : next) {
            if (n[0] < 0 || n[0] >= Reach::kWidth || n[1] < 0 || n[1] >= Reach::kHeight) continue;
            const int k = n[1] * Reach::kWidth + n[0];
            if (shut[k] || reach.open[k]) continue;
            reach.open[k] = true;
            queue.push_back(k);
        }
    }
    return reach;
}

// Plays a level out on the grid: whenever every breakable brick of a group can be reached,
// the group vanishes and the fill runs again. Returns, for each group, the round in which it
// went (0: never), and whether every breakable brick was reached in the end.
struct Clearing {
    std::array<int, 6> roundGone{};
    bool everyBrickReached = false;
};

Clearing clearLevel(const std::vector<Placed>& bricks)
{
    Clearing clearing;
    unsigned gone = 0;  // bit g: group g has vanished
    for (int round = 1;; ++round) {
        const Reach reach = fill(bricks, gone);
        unsigned newlyGone = 0;
        for (int g = 1; g <= 5; ++g) {
            if ((gone & (1u << g)) != 0) continue;
            bool used = false, allReached = true;
            for (const Placed& p : bricks) {
                if (p.brick.group != g) continue;
                used = true;
                if (breakable(p.brick) && !reach.touches(p.brick)) allReached = false;
            }
            if (used && allReached) {
                newlyGone |= 1u << g;
                clearing.roundGone[g] = round;
            }
        }
        if (newlyGone == 0) {
            clearing.everyBrickReached = true;
            for (const Placed& p : bricks) {
                if (breakable(p.brick) && !reach.touches(p.brick)) {
                    clearing.everyBrickReached = false;
                    ADD_FAILURE() << "brick " << p.index << " at (" << p.brick.x << ", "
                                  << p.brick.y << ") cannot be reached";
                }
            }
            return clearing;
        }
        gone |= newlyGone;
    }
}

TEST(Levels, ABallCanReachEveryBreakableBrick)
{
    for (int level = 1; level <= kLevelCount; ++level) {
        const Clearing clearing = clearLevel(board(level));
        EXPECT_TRUE(clearing.everyBrickReached) << "level " << level;
    }
}

TEST(Levels, GroupsOpenTheirLevelsInOrder)
{
    struct Order {
        int level;
        std::array<int, 6> roundGone;
    };
    const Order orders[] = {
        // The kind-4 block goes only once the corner's kind-3 bricks have opened its walls.
        {16, {0, 1, 1, 1, 2, 0}},
        // The kind-4 block opens the right half of the row at y 400, the pocket the left half.
        {18, {0, 1, 2, 0, 0, 0}},
        // Bottom rows, then the rows under y 260-280, then the ladder and the stem.
        {19, {0, 1, 2, 3, 0, 0}},
        {21, {0, 1, 1, 0, 0, 0}},
        // The shaft opens when the kind-5 wedge takes the shaft's right wall with it.
        {22, {0, 1, 2, 1, 1, 0}},
        // The bricks below the box open it, and what it holds lets the vase go.
        {24, {0, 2, 1, 0, 0, 0}},
    };
    for (const Order& order : orders) {
        const Clearing clearing = clearLevel(board(order.level));
        EXPECT_EQ(clearing.roundGone, order.roundGone) << "level " << order.level;
    }
}

}  // namespace
