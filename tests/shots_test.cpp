// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// Shots of the armed paddle: firing, climbing, striking bricks and pushing the balls.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <tuple>

#include "game/ball.h"
#include "game/controls.h"
#include "game/game_state.h"
#include "game/random.h"
#include "game/shots.h"
#include "tests/fake_platform.h"

namespace {
// A launched level with no bricks: the paddle at 240, both balls far from the paddle's column.
void armed(int shots)
{
    resetWorld();
    game.ballLaunched = true;
    game.bonusArmed = true;
    game.shotsLeft = shots;
    game.balls[0] = Ball{40, 100, 0, 0, -kPi / 2, BallIcon::Normal, 0};
    game.balls[1] = Ball{440, 100, 0, 0, -kPi / 2, BallIcon::Normal, 0};
    updateVelocities();
}

long activeShots()
{
    return std::count_if(game.shotTable.begin(), game.shotTable.end(),
                         [](const Shot& shot) { return shot.active != 0; });
}

}  // namespace

// Shots take the highest free entry; the fifteenth disarms; with all sixty flying a shot is only counted.
TEST(Firing, ShotsTakeTheHighestFreeEntryAndTheLastOneDisarms)
{
    armed(15);
    game.paddleX = 200;
    for (int click = 1; click <= 14; ++click) gameLeftButtonDown();
    EXPECT_TRUE(game.bonusArmed);
    EXPECT_EQ(std::tie(game.shotTable[59].y, game.shotTable[46].x, game.shotTable[45].active),
              std::make_tuple(516, 200, 0));
    gameLeftButtonDown();
    gameLeftButtonDown();  // no longer armed: nothing more is fired
    EXPECT_FALSE(game.bonusArmed);
    EXPECT_EQ(std::tie(game.shotsLeft, game.shotTable[45].active, game.shotTable[44].active), std::make_tuple(0, 1, 0));
    EXPECT_EQ(cueCount("tir"), 15);
    for (int i = 0; i < kShotCount; ++i) game.shotTable[i] = Shot{i, 2 * i, 1};
    game.shotsLeft = 2;
    game.bonusArmed = true;
    fireShot();
    EXPECT_TRUE(game.shotsLeft == 1 && game.bonusArmed);
    EXPECT_EQ(cueCount("tir"), 15);
    for (int i = 0; i < kShotCount; ++i) EXPECT_EQ(game.shotTable[i].y, 2 * i);
    EXPECT_FALSE(game.bonusWidePaddle);  // the flags that follow the shots in the record
}

// A shot climbs 5 a pass until spent past the top or on one brick, releasing no capsule.
TEST(Climb, ShotsClimbStrikeOneBrickEachWithoutCapsulesAndAreSpent)
{
    armed(15);
    fireShot();
    for (int pass = 1; pass <= 104; ++pass) moveShots();
    EXPECT_EQ(game.shotTable[59].y, -4);
    moveShots();
    EXPECT_EQ(game.shotTable[59].active, 0);
    armed(0);
    const int firstDraw = nextRandom();
    seedRandom(1);
    game.brickTable[0] = Brick{220, 300, 1, 0};
    game.brickTable[1] = Brick{220, 280, 1, 0};
    game.brickTable[2] = Brick{100, 300, 8, 0};
    game.brickTable[4] = Brick{300, 100, 8, 3};
    game.shotTable[5] = Shot{240, 325, 1};  // its box reaches the lower brick only
    game.shotTable[6] = Shot{120, 325, 1};
    moveShots();
    EXPECT_EQ(activeShots(), 0);
    EXPECT_EQ(std::tie(game.brickTable[0].kind, game.brickTable[1].kind, game.brickTable[2].kind),
              std::make_tuple(0, 1, 8));
    EXPECT_EQ(game.score, 500 + 10);
    EXPECT_EQ(game.bricksBroken, 1);
    for (const FallingBonus& capsule : game.bonusTable) EXPECT_EQ(capsule.kind, 0);
    EXPECT_EQ(nextRandom(), firstDraw);
    EXPECT_EQ(game.brickTable[4].kind, 0);
    EXPECT_EQ(cueCount("disparition"), 1);
}

// A shot inside a ball's box lifts it 8 and turns it 0.3 towards straight up unless it falls leftwards.
TEST(Push, BallsAreTurnedTowardsStraightUpUnlessGoingDownLeft)
{
    // The ball, its angle before and after.
    const double cases[][3] = {
        {1, 0.5, 0.2},           {1, -2.5, -2.2},       {1, -kPi / 2 + 0.05, -kPi / 2 + 0.05},
        {1, 2.5, 2.5},           {1, kPi / 2, kPi / 2}, {1, -kPi / 2 + 0.07, -kPi / 2 - 0.23},
        {1, -kPi / 2, -kPi / 2}, {2, 0.5, 0.2},         {2, -kPi / 2, -kPi / 2 + 0.3},
        {2, -2.5, -2.2},         {2, 2.5, 2.5},         {2, -kPi / 2 + 0.05, -kPi / 2 + 0.35},
    };
    for (const auto& c : cases) {
        armed(0);
        game.ballCount = static_cast<int>(c[0]);
        Ball& ball = game.balls[game.ballCount - 1];
        ball = Ball{240, 300, 0, 0, c[1], BallIcon::Normal, 0};
        updateVelocities();
        game.shotTable[10] = Shot{240, 303, 1};
        moveShots();
        EXPECT_EQ(game.shotTable[10].active, 0);
        EXPECT_EQ(ball.y, 292);
        EXPECT_NEAR(ball.angle, c[2], 1e-12) << "ball " << c[0] << " at " << c[1];
    }
}

// A shot that strikes a brick still pushes the first ball; box edges and an out-of-play ball are missed.
TEST(Push, AShotPushesOneBallInPlayWhoseBoxHoldsItsPoint)
{
    armed(0);
    game.ballCount = 2;
    game.brickTable[0] = Brick{220, 280, 2, 0};  // bottom edge at 300
    game.balls[0].x = game.balls[1].x = 240;
    game.balls[0].y = game.balls[1].y = 300;
    game.shotTable[0] = Shot{240, 303, 1};
    const int tally = game.speedUpTally;
    moveShots();
    EXPECT_EQ(std::tie(game.brickTable[0].kind, game.balls[0].y, game.balls[1].y), std::make_tuple(0, 292.0, 300.0));
    EXPECT_EQ(game.speedUpTally, tally + 1);
    armed(0);
    game.balls[0] = Ball{240, 300, 0, 0, -1.0, BallIcon::Normal, 0};
    game.balls[1] = Ball{100, 300, 0, 0, -1.0, BallIcon::Normal, 0};
    game.shotTable[0] = Shot{246, 300, 1};  // on the box's right edge
    game.shotTable[1] = Shot{240, 306, 1};  // on its bottom edge
    game.shotTable[2] = Shot{100, 303, 1};  // inside the second ball, out of play
    moveShots();
    EXPECT_EQ(std::tie(game.balls[0].y, game.balls[1].y), std::make_tuple(300.0, 300.0));
    EXPECT_EQ(activeShots(), 3);
}
