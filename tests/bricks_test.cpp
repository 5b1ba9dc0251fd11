// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// Brick strikes: points and cues by kind, the strike box, the bounce, the fire ball, capsules, groups.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <string>
#include <tuple>

#include "game/ball.h"
#include "game/bricks.h"
#include "game/game_state.h"
#include "game/random.h"
#include "tests/fake_platform.h"

namespace {
// An empty board, the generator seeded with `seed`, the first ball at (x, y).
void ballAt(double x, double y, double angle, std::uint32_t seed = 1)
{
    resetWorld(seed);
    game.balls[0].x = x;
    game.balls[0].y = y;
    game.balls[0].angle = angle;
    updateVelocities();
}

// The generator's first five draws after seeding with `seed`.
std::array<int, 5> drawsFor(std::uint32_t seed)
{
    seedRandom(seed);
    std::array<int, 5> draws{};
    for (int& draw : draws) draw = nextRandom();
    return draws;
}

}  // namespace

// Points, cue and kind after a strike, by shot or ball; only a brick a ball destroys draws a chance.
TEST(BrickStrike, EachKindScoresPlaysItsCueAndChangesByTheRules)
{
    // The kind struck, the points, the cue, the kind after and the bricks broken.
    const std::tuple<int, int, const char*, int, int> rules[] = {
        {1, 500, "brique", 0, 1}, {5, 500, "brique", 0, 1},    {6, 300, "casse", 7, 0},
        {7, 300, "casse", 0, 1},  {8, 10, "briquedure", 8, 0},
    };
    const std::array<int, 5> draws = drawsFor(1);
    for (const auto& [kind, points, cue, kindAfter, broken] : rules) {
        for (int n = 0; n <= 1; ++n) {
            SCOPED_TRACE("kind " + std::to_string(kind) + (n == 0 ? " by a shot" : " by a ball"));
            ballAt(120, 130, -kPi / 2);
            game.brickTable[5] = Brick{100, 100, kind, 0};
            game.score = 1000;
            EXPECT_TRUE(brickHit(120, 126, n));  // the box reaches the brick's bottom edge at 120
            EXPECT_EQ(game.score, 1000 + points);
            EXPECT_EQ(soundsPlayed(), 1u);
            EXPECT_EQ(cueCount(cue), 1);
            EXPECT_EQ(game.brickTable[5].kind, kindAfter);
            EXPECT_EQ(game.bricksBroken, broken);
            const bool capsule = n == 1 && broken == 1;
            EXPECT_EQ(game.bonusTable[0].kind != 0, capsule);
            EXPECT_EQ(nextRandom(), draws[capsule ? 2 : 0]);
        }
    }
}

// The 12 x 12 box strikes a brick its edges touch; a shot strikes only the first brick by index.
TEST(BrickStrike, BoxEdgesTouchingCountAsAStrike)
{
    ballAt(300, 300, -kPi / 4);
    game.brickTable[0] = Brick{100, 100, 8, 0};  // 100..140 by 100..120, edges included
    const int points[][3] = {{94, 110, 1}, {93, 110, 0}, {146, 110, 1}, {147, 110, 0},
                             {120, 94, 1}, {120, 93, 0}, {120, 126, 1}, {120, 127, 0}};
    for (const auto& point : points) {
        game.score = 0;
        EXPECT_EQ(brickHit(point[0], point[1], 0), point[2] == 1) << point[0] << "," << point[1];
        EXPECT_EQ(game.score, 10 * point[2]);
    }
    EXPECT_FALSE(brickHit(300, 300, 1));  // a ball that strikes nothing keeps its course
    EXPECT_NEAR(game.balls[0].angle, -kPi / 4, 1e-12);
    game.brickTable[0].kind = 0;
    game.brickTable[2] = Brick{100, 100, 3, 0};
    game.brickTable[4] = Brick{140, 100, 1, 0};  // shares the joint at x 140
    game.score = 0;
    EXPECT_TRUE(brickHit(140, 110, 0));
    EXPECT_EQ(std::tie(game.brickTable[2].kind, game.brickTable[4].kind), std::make_tuple(0, 1));
    EXPECT_EQ(game.score, 500);
}

// Gaps one step back, summed over struck bricks: y wider turns the ball in y, else in x.
TEST(BrickStrike, TwoBricksAtAJointBothScoreWithOneCueAndOneReversalBySummedGaps)
{
    ballAt(200, 200, -kPi / 4);  // up and to the right
    game.ballSpeed = 8;
    updateVelocities();
    // One step back the box spans 188.3..200.3 by 199.7..211.7.
    game.brickTable[3] = Brick{163, 178, 6, 0};  // gaps: x 0, y 1.66
    game.brickTable[7] = Brick{203, 178, 1, 0};  // gaps: x 2.66, y 1.66
    EXPECT_TRUE(brickHit(200, 200, 1));
    EXPECT_EQ(game.score, 300 + 500);
    EXPECT_EQ(std::tie(game.brickTable[3].kind, game.brickTable[7].kind), std::make_tuple(7, 0));
    EXPECT_EQ(game.bricksBroken, 1);
    EXPECT_EQ(soundsPlayed(), 1u);  // only the first brick by index plays its cue
    EXPECT_EQ(cueCount("casse"), 1);
    // Summed, y (3.31) beats x (2.66), although the second brick alone would turn the ball in x.
    EXPECT_NEAR(game.balls[0].angle, kPi / 4, 1e-12);
    ballAt(120, 110, -kPi / 4);
    game.brickTable[0] = Brick{100, 100, 8, 0};  // the box already overlapped it one step back
    EXPECT_TRUE(brickHit(120, 110, 1));
    EXPECT_NEAR(game.balls[0].angle, -3 * kPi / 4, 1e-12);
    ballAt(0, 0, -kPi / 4);
    game.balls[0].vx = 2;
    game.balls[0].vy = -2;
    game.brickTable[0] = Brick{205, 175, 8, 0};  // one step back both gaps are exactly 1
    EXPECT_TRUE(brickHit(200, 200, 1));
    EXPECT_NEAR(game.balls[0].angle, -3 * kPi / 4, 1e-12);
}

// A fire ball goes through breakable bricks with each cue; an indestructible one turns it back.
TEST(FireBall, GoesThroughBreakableBricksAndBouncesOffIndestructibleOnes)
{
    // The two kinds, whether the ball turned back, the score, the bricks broken, the cues.
    const int cases[][6] = {{6, 1, 0, 300 + 500, 2, 2}, {8, 3, 1, 10 + 500, 1, 1}};
    for (const auto& c : cases) {
        ballAt(140, 130, -kPi / 2);
        game.bonusFireBall = true;
        game.brickTable[0] = Brick{100, 100, c[0], 0};
        game.brickTable[1] = Brick{140, 100, c[1], 0};
        EXPECT_EQ(brickHit(140, 126, 1), c[2] == 1) << "kinds " << c[0] << ", " << c[1];
        EXPECT_EQ(std::tie(game.brickTable[0].kind, game.brickTable[1].kind, game.score, game.bricksBroken),
                  std::make_tuple(c[0] == 8 ? 8 : 0, 0, c[3], c[4]));
        EXPECT_EQ(soundsPlayed(), static_cast<size_t>(c[5]));
        EXPECT_EQ(cueCount(c[2] ? "briquedure" : "casse"), 1);
        EXPECT_EQ(game.balls[0].vy > 0, c[2] == 1);
    }
}

// Each brick a ball destroys draws its own chance, and a capsule its kind, centred on the brick.
TEST(CapsuleChance, DrawnOnceForEachBrickABallDestroys)
{
    for (const bool lucky : {false, true}) {
        std::uint32_t seed = 0;
        std::array<int, 5> draws{};
        do draws = drawsFor(++seed);
        while (lucky ? draws[0] % 2 == 0 || draws[2] % 2 == 0 : draws[0] % 2 == 1 || draws[1] % 2 == 1);
        ballAt(140, 130, -kPi / 2, seed);
        game.brickTable[0] = Brick{100, 100, 1, 0};
        game.brickTable[1] = Brick{140, 100, 5, 0};
        EXPECT_TRUE(brickHit(140, 126, 1));
        EXPECT_EQ(game.bricksBroken, 2);
        for (int i = 0; i < 3; ++i) EXPECT_EQ(game.bonusTable[i].kind != 0, lucky && i < 2) << i;
        EXPECT_EQ(nextRandom(), draws[lucky ? 4 : 2]);
    }
    EXPECT_EQ(std::tie(game.bonusTable[1].x, game.bonusTable[1].y), std::make_tuple(150, 105));
}

// A group vanishes with its last breakable brick, with one cue and no points of its own.
TEST(Groups, AGroupVanishesWithItsLastBreakableBrick)
{
    ballAt(120, 130, -kPi / 2);
    game.brickTable[0] = Brick{100, 100, 1, 2};
    game.brickTable[1] = Brick{300, 100, 8, 2};
    game.brickTable[2] = Brick{100, 300, 7, 2};
    game.brickTable[3] = Brick{140, 300, 8, 2};  // at the joint with the cracked brick
    game.brickTable[4] = Brick{200, 200, 8, 0};
    game.brickTable[5] = Brick{400, 400, 1, 3};
    brickHit(120, 126, 1);
    EXPECT_EQ(game.brickTable[1].kind, 8);  // the cracked brick still holds the group
    EXPECT_EQ(cueCount("disparition"), 0);
    game.balls[0].y = 330;
    EXPECT_TRUE(brickHit(140, 326, 1));
    EXPECT_EQ(std::make_pair(cueCount("disparition"), cueCount("briquedure")), std::make_pair(1, 0));
    for (int i = 0; i <= 3; ++i) EXPECT_EQ(game.brickTable[i].kind + game.brickTable[i].group, 0) << i;
    EXPECT_EQ(std::tie(game.brickTable[4].kind, game.brickTable[5].group, game.score, game.bricksBroken),
              std::make_tuple(8, 3, 500 + 300, 2));
    clearEmptiedGroups();  // a vanished group plays its cue once
    EXPECT_EQ(cueCount("disparition"), 1);
}
