// The level boards: counts and groups of every level, the five drawn maps, the placement
// helpers, the random board, the playfield bounds, and that a ball can reach every brick.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <functional>
#include <sstream>
#include <string>
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
    board(1);
    EXPECT_EQ(game.brickTable[0].kind, 0);
    EXPECT_NE(game.brickTable[1].kind, 0);
    EXPECT_NE(game.brickTable[68].kind, 0);
    EXPECT_EQ(game.brickTable[69].kind, 0);
    board(4);
    EXPECT_NE(game.brickTable[227].kind, 0);
    for (int i = 228; i < kBrickCount; ++i) EXPECT_EQ(game.brickTable[i].kind, 0) << i;
}

// The maps of levels 1 to 5: each line is a row at the y on its left; between the bars,
// character p stands for x = 20p, and a brick of kind k is the digit k written twice.
const char* const kMaps[5] = {
    R"(
 60 |      552233332255      |
 80 |    1155223333225511    |
100 |    1155223333225511    |
120 |    1155223333225511    |
140 |    1155223333225511    |
160 |    1155223333225511    |
180 |    1155223333225511    |
200 |    1155223333225511    |
220 |      552233332255      |
)",
    R"(
 30 | 6666666666             |
 50 | 66      66             |
 70 | 66  88  66             |
 90 | 66  88  66             |
110 | 66      66             |
130 | 6666666666             |
200 |        1111111111111111|
220 |        2222222222222222|
240 |        3333333333333333|
260 |        4444444444444444|
280 |        5555555555555555|
300 |        6666666666666666|
320 |        7777777777777777|
)",
    R"(
100 |666666666666666666666666|
120 |666666666666666666666666|
140 |661111111111111111111166|
160 |6622222222    2222222266|
180 |66333333        33333366|
200 |664444            444466|
220 |6655                5566|
240 |6655                5566|
260 |664444            444466|
280 |66333333        33333366|
300 |6622222222    2222222266|
320 |666666666611116666666666|
340 |666666666611116666666666|
)",
    R"(
  0 |888888888888888888888888|
 20 |888888888888888888888888|
 40 |888888888888888888888888|
 60 |888888888888888888888888|
 80 |888888888888888888888888|
100 |888888888888888888888888|
120 |888822222222222222228888|
122 |    3333333333333333    |
140 |8888                8888|
160 |8888                8888|
180 |888844444444444444448888|
200 |888855555555555555558888|
220 |888844444444444444448888|
240 |8888                8888|
260 |8888                8888|
280 |8888                8888|
300 |888811111111111111118888|
320 |888822222222222222228888|
340 |888833333333333333338888|
360 |8888                8888|
380 |8888                8888|
400 |888866666666666666668888|
420 |888866666666666666668888|
440 |8888                8888|
460 |8888                8888|
480 |8888                8888|
)",
    R"(
 20 |          1155          |
 40 |        11551155        |
 60 |      115511551155      |
 80 |    1155115511551155    |
100 |    5511551155115511    |
120 |    1155115511551155    |
140 |    5511551155115511    |
160 |      551155115511      |
180 |        55115511        |
200 |          5511          |
260 |          6666          |
280 |        66777766        |
300 |      667766667766      |
320 |    6677667777667766    |
340 |  66776677666677667766  |
360 |    6677667777667766    |
380 |          8888          |
)",
};

using Cell = std::tuple<int, int, int>;  // y, x, kind: sorts into reading order

std::vector<Cell> parseMap(const char* map)
{
    std::vector<Cell> cells;
    std::istringstream lines(map);
    std::string line;
    while (std::getline(lines, line)) {
        const std::size_t open = line.find('|');
        if (open == std::string::npos) continue;
        const int y = std::atoi(line.substr(0, open).c_str());
        const std::string body = line.substr(open + 1, 24);
        EXPECT_EQ(line.size(), open + 26) << line;
        for (std::size_t p = 0; p < body.size(); ++p) {
            if (body[p] == ' ') continue;
            EXPECT_LT(p + 1, body.size()) << line;
            EXPECT_EQ(body[p + 1], body[p]) << line;
            cells.emplace_back(y, static_cast<int>(p) * 20, body[p] - '0');
            ++p;
        }
    }
    return cells;
}

TEST(Levels, FirstFiveLevelsAreTheirMapsBrickByBrick)
{
    for (int level = 1; level <= 5; ++level) {
        std::vector<Cell> expected = parseMap(kMaps[level - 1]);
        std::vector<Cell> laid;
        for (const Placed& p : board(level)) {
            laid.emplace_back(p.brick.y, p.brick.x, p.brick.kind);
            EXPECT_EQ(p.brick.group, 0);
        }
        EXPECT_EQ(laid.size(), static_cast<std::size_t>(kExpected[level].bricks));
        // Levels 1, 3, 4 and 5 are laid in reading order of their maps.
        if (level != 2) {
            EXPECT_TRUE(std::is_sorted(laid.begin(), laid.end())) << level;
        }
        std::sort(expected.begin(), expected.end());
        std::sort(laid.begin(), laid.end());
        EXPECT_EQ(laid, expected) << "level " << level;
    }
}

TEST(Levels, LevelTwoBlockIsLaidColumnByColumnFromTheTop)
{
    const std::vector<Placed> bricks = board(2);
    std::vector<Placed> block;
    for (const Placed& p : bricks) {
        if (p.brick.y >= 200) block.push_back(p);
    }
    ASSERT_EQ(block.size(), 56u);
    for (std::size_t i = 0; i < block.size(); ++i) {
        const int column = static_cast<int>(i) / 7;
        const int row = static_cast<int>(i) % 7;
        EXPECT_EQ(block[i].brick.x, 160 + 40 * column);
        EXPECT_EQ(block[i].brick.y, 200 + 20 * row);
        EXPECT_EQ(block[i].brick.kind, row + 1);
    }
    EXPECT_EQ(block.front().index, 20);  // after the 20 bricks of the frame
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
    // The same seed lays the same board; another seed another one.
    const std::vector<Placed> a = board(26, 5);
    const std::vector<Placed> b = board(26, 5);
    const std::vector<Placed> c = board(26, 6);
    ASSERT_EQ(a.size(), 144u);
    ASSERT_EQ(c.size(), 144u);
    int same = 0, differ = 0;
    for (std::size_t i = 0; i < a.size(); ++i) {
        same += a[i].brick.kind == b[i].brick.kind;
        differ += a[i].brick.kind != c[i].brick.kind;
    }
    EXPECT_EQ(same, 144);
    EXPECT_GT(differ, 0);
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
    for (const Placed& p : board(14)) {
        if (p.brick.y + kBrickHeight > 500) {
            EXPECT_EQ(p.brick.y, 525);
            EXPECT_EQ(p.brick.kind, 8);
            EXPECT_TRUE(p.brick.x <= 80 || p.brick.x >= 360) << p.brick.x;
        }
    }
}

bool overlap(const Brick& a, const Brick& b)
{
    return a.x < b.x + kBrickWidth && b.x < a.x + kBrickWidth && a.y < b.y + kBrickHeight &&
           b.y < a.y + kBrickHeight;
}

TEST(Levels, BricksOverlapOnlyWhereTheLevelMeansThem)
{
    for (int level = 1; level <= kLevelCount; ++level) {
        const std::vector<Placed> bricks = board(level);
        int overlaps = 0;
        for (std::size_t i = 0; i < bricks.size(); ++i) {
            for (std::size_t j = i + 1; j < bricks.size(); ++j) {
                const Brick& a = bricks[i].brick;
                const Brick& b = bricks[j].brick;
                if (!overlap(a, b)) continue;
                ++overlaps;
                if (level == 4) {
                    EXPECT_TRUE(a.y == 122 || b.y == 122);  // the kind-3 row over the kind-2 row
                } else if (level == 13) {
                    EXPECT_EQ(b.kind, 3);  // kind 3 at x 220 over the kind-4 block
                    EXPECT_EQ(b.x, 220);
                    EXPECT_EQ(a.kind, 4);
                } else if (level == 20) {
                    EXPECT_EQ(a.kind, 6);  // the hidden column lies under the block
                    EXPECT_EQ(b.kind, 3);
                    EXPECT_EQ(a.x, 220);
                    EXPECT_EQ(b.x, 220);
                    EXPECT_EQ(a.y, b.y);
                } else {
                    ADD_FAILURE() << "level " << level << ": bricks " << bricks[i].index
                                  << " and " << bricks[j].index << " overlap";
                }
            }
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

TEST(Levels, TheWallFillRespectsAFourteenPixelGap)
{
    // A wall across the field with one gap: a 14-pixel gap lets a ball up to the brick
    // behind it, a 13-pixel one does not.
    for (const int gap : {13, 14}) {
        std::vector<Placed> bricks;
        for (int x = 200 - kBrickWidth; x > -kBrickWidth; x -= kBrickWidth) {
            bricks.push_back({0, Brick{x, 300, 8, 0}});
        }
        for (int x = 200 + gap; x < kPlayfieldWidth; x += kBrickWidth) {
            bricks.push_back({0, Brick{x, 300, 8, 0}});
        }
        bricks.push_back({0, Brick{180, 100, 3, 0}});
        const Reach reach = fill(bricks, 0);
        EXPECT_EQ(reach.touches(bricks.back().brick), gap == 14) << "gap " << gap;
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

TEST(Levels, SealedBricksOpenWithTheirWalls)
{
    // Level 16: the kind-4 block behind the walls of group 3.
    std::vector<Placed> bricks = board(16);
    Reach closed = fill(bricks, 0), opened = fill(bricks, 1u << 3);
    for (const Placed& p : bricks) {
        if (p.brick.group != 4) continue;
        EXPECT_FALSE(closed.touches(p.brick)) << p.index;
        EXPECT_TRUE(opened.touches(p.brick)) << p.index;
    }
    // Level 24: the hard brick in the foot comes free only when the vase goes.
    bricks = board(24);
    const Brick* hidden = nullptr;
    for (const Placed& p : bricks) {
        if (p.brick.x == 220 && p.brick.y == 400) hidden = &p.brick;
    }
    ASSERT_NE(hidden, nullptr);
    EXPECT_EQ(hidden->kind, 6);
    EXPECT_EQ(hidden->group, 0);
    EXPECT_FALSE(fill(bricks, 1u << 2).touches(*hidden));
    EXPECT_TRUE(fill(bricks, 1u << 1).touches(*hidden));
}

TEST(Levels, GroupsHoldTheBricksOfTheirPictures)
{
    struct Rule {
        int level;
        const char* what;
        std::function<bool(const Brick&)> selects;
        int group;
    };
    const Rule rules[] = {
        {16, "kind-3 corner", [](const Brick& b) { return b.kind == 3; }, 3},
        {16, "kind 2 and its shield", [](const Brick& b) { return b.kind == 2 || (b.kind == 8 && b.x < 160 && b.y < 280); }, 2},
        {16, "kind-8 column at x 160", [](const Brick& b) { return b.kind == 8 && b.x == 160 && b.y <= 160; }, 1},
        {16, "kind-8 rows at y 180-200", [](const Brick& b) { return b.kind == 8 && (b.y == 180 || b.y == 200); }, 1},
        {16, "kind-1 wedge", [](const Brick& b) { return b.kind == 1; }, 1},
        {16, "kind-4 block", [](const Brick& b) { return b.kind == 4 && b.y >= 280; }, 4},
        {16, "walls round the block", [](const Brick& b) { return b.kind == 8 && b.y >= 280; }, 3},
        {18, "row at y 400, left half", [](const Brick& b) { return b.y == 400 && b.x < 240; }, 2},
        {18, "row at y 400, right half", [](const Brick& b) { return b.y == 400 && b.x >= 240; }, 1},
        {18, "kind-4 block", [](const Brick& b) { return b.kind == 4; }, 1},
        {18, "kind-1 rows, right half", [](const Brick& b) { return b.kind == 1 && b.x >= 240; }, 2},
        {18, "kind-1 rows, left half", [](const Brick& b) { return b.kind == 1 && b.x < 240; }, 0},
        {18, "hard bricks of the cup", [](const Brick& b) { return b.kind == 6 && b.x < 200; }, 0},
        {18, "pocket", [](const Brick& b) { return b.kind >= 5 && b.kind <= 6 && b.x > 280 && b.y < 280; }, 2},
        {19, "stem", [](const Brick& b) { return b.kind == 8 && b.x == 220 && b.y >= 100 && b.y < 260; }, 3},
        {19, "ladder", [](const Brick& b) { return (b.kind == 1 || b.kind == 5) && b.y < 260; }, 3},
        {19, "rows at y 260-280, right half", [](const Brick& b) { return (b.y == 260 || b.y == 280) && b.x >= 240; }, 2},
        {19, "rows at y 260-280, left half", [](const Brick& b) { return (b.y == 260 || b.y == 280) && b.x < 240; }, 0},
        {19, "rows at y 300-380", [](const Brick& b) { return b.y >= 300 && b.y <= 380; }, 2},
        {19, "bottom", [](const Brick& b) { return b.y >= 440; }, 1},
        {21, "kind-5 ring", [](const Brick& b) { return b.kind == 5; }, 2},
        {21, "kind-1 row", [](const Brick& b) { return b.kind == 1; }, 1},
        {21, "pillar", [](const Brick& b) { return b.x == 80 && b.y <= 360; }, 0},
        {21, "kind 4 at the centre", [](const Brick& b) { return b.kind == 4; }, 0},
        {21, "cross", [](const Brick& b) { return b.kind == 8 && b.x > 160 && b.y > 100 && b.y < 280; }, 2},
        {22, "kind-5 wedge", [](const Brick& b) { return b.kind == 5 && b.y < 240; }, 3},
        {22, "kind-3 wedge", [](const Brick& b) { return b.kind == 3 && b.y < 240; }, 4},
        {22, "shaft's left wall", [](const Brick& b) { return b.kind == 8 && b.x == 160 && b.y < 240; }, 2},
        {22, "shaft's right wall", [](const Brick& b) { return b.kind == 8 && b.x == 280 && b.y < 240; }, 3},
        {22, "inside the shaft", [](const Brick& b) { return b.kind != 8 && b.x > 160 && b.x < 280 && b.y < 240; }, 2},
        {22, "walls at y 240-260", [](const Brick& b) { return b.y == 240 || b.y == 260; }, 0},
        {22, "bottom rows", [](const Brick& b) { return b.y >= 280; }, 1},
        {24, "rim", [](const Brick& b) { return b.y == 40; }, 1},
        {24, "waist", [](const Brick& b) { return b.kind == 6 && (b.y == 280 || b.y == 300); }, 1},
        {24, "below the box", [](const Brick& b) { return b.kind == 6 && (b.y == 240 || b.y == 260); }, 2},
    };
    int level = 0;
    std::vector<Placed> bricks;
    for (const Rule& rule : rules) {
        if (rule.level != level) bricks = board(level = rule.level);
        int selected = 0;
        for (const Placed& p : bricks) {
            if (!rule.selects(p.brick)) continue;
            ++selected;
            EXPECT_EQ(p.brick.group, rule.group) << "level " << level << ", " << rule.what;
        }
        EXPECT_GT(selected, 0) << "level " << level << ", " << rule.what;
    }
}

TEST(Levels, LevelTwentyFourVaseHoldsEightyEightIndestructibleBricks)
{
    std::array<int, 6> indestructible{};
    std::array<int, 6> hard{};
    for (const Placed& p : board(24)) {
        if (p.brick.kind == 8) indestructible[p.brick.group] += 1;
        if (p.brick.kind == 6) hard[p.brick.group] += 1;
    }
    EXPECT_EQ(indestructible[1], 88);
    EXPECT_EQ(indestructible[2], 10);
    EXPECT_EQ(indestructible[0], 0);
    EXPECT_EQ(hard[0], 1);
}

TEST(Levels, PairsAndDiamondsShapeTheirLevels)
{
    // Level 11: six diamonds of kinds 1 and 8, laid as top, bottom, left, right.
    const std::vector<Placed> level11 = board(11);
    int diamonds = 0;
    for (std::size_t i = 0; i + 3 < level11.size(); ++i) {
        const Brick& top = level11[i].brick;
        const Brick& bottom = level11[i + 1].brick;
        const Brick& left = level11[i + 2].brick;
        const Brick& right = level11[i + 3].brick;
        if (bottom.x == top.x && bottom.y == top.y + 40 && bottom.kind == top.kind &&
            left.x == top.x - 20 && right.x == top.x + 20 && left.y == top.y + 20 &&
            right.y == left.y && left.kind == right.kind && left.kind + top.kind == 9) {
            ++diamonds;
            i += 3;
        }
    }
    EXPECT_EQ(diamonds, 6);

    // Levels 13 and 23: pairs are two entries, the second straight below the first.
    const std::vector<Placed> level13 = board(13);
    for (int i = 0; i < 18; i += 2) {
        const Brick& top = level13[i].brick;
        const Brick& bottom = level13[i + 1].brick;
        EXPECT_TRUE(top.kind == 3 || top.kind == 4) << i;
        EXPECT_EQ(bottom.kind, 8) << i;
        EXPECT_EQ(bottom.x, top.x) << i;
        EXPECT_EQ(bottom.y, top.y + 20) << i;
    }
    const std::vector<Placed> level23 = board(23);
    for (std::size_t i = 16; i < level23.size(); i += 2) {
        EXPECT_EQ(level23[i].brick.kind, 8);
        EXPECT_EQ(level23[i + 1].brick.x, level23[i].brick.x);
        EXPECT_EQ(level23[i + 1].brick.y, level23[i].brick.y + 20);
        EXPECT_GE(level23[i].brick.y, 200);
        EXPECT_LE(level23[i + 1].brick.y + kBrickHeight, 480);
    }
}

}  // namespace
