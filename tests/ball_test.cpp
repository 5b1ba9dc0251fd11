// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// Ball motion: velocities and the timer speed-up, walls, the paddle, losing balls, the sweep.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <tuple>
#include <vector>

#include "game/ball.h"
#include "game/game_state.h"
#include "game/random.h"
#include "tests/fake_platform.h"

namespace {
// A level with no bricks: ball n in flight at (x, y) with the given angle.
void launchAt(double x, double y, double angle, int n = 1)
{
    resetWorld();
    startLevel();
    game.brickTable = BrickTable{};
    game.ballLaunched = true;
    game.ballCount = n;
    game.balls[n - 1].x = x;
    game.balls[n - 1].y = y;
    game.balls[n - 1].angle = angle;
    updateVelocities();
}

}  // namespace

// Angles fold once into -pi..pi; every tenth update shortens the tick by 1 ms, down to 10 ms.
TEST(Velocities, NormaliseOnceAndSpeedTheTimerUp)
{
    for (const double angle : {3.3, -3.3, kPi, -kPi}) {
        launchAt(100, 100, angle);
        EXPECT_NEAR(game.balls[0].angle, std::fabs(angle) > kPi ? angle - std::copysign(2 * kPi, angle) : angle, 1e-12);
        EXPECT_NEAR(game.balls[0].vy, 4 * std::sin(angle), 1e-9);
    }
    resetWorld();
    startLevel();
    for (int i = 0; i < 8; ++i) updateVelocities();
    EXPECT_TRUE(fake.timerStarts.empty());
    updateVelocities();  // the ninth after the level start's own
    EXPECT_EQ(game.speedUpTally, 0);
    EXPECT_EQ(std::vector<std::string>(fake.log.end() - 2, fake.log.end()),
              (std::vector<std::string>{"stop timer", "timer 24"}));
    for (int i = 0; i < 1000; ++i) updateVelocities();
    EXPECT_EQ(fake.timerStarts.back(), 10u);
    EXPECT_GT(game.speedUpTally, 10);  // keeps counting at the floor
}

// Side walls set the ball back, the top wall turns only a rising ball (one more step, no set-back); each bounce
// scores 1 with its cue. A copy flown by flyBall (as the autopilot foresees a ball) ends exactly where the game's
// tick puts the ball, and the flight alone scores, sounds and counts nothing.
TEST(Walls, WallsBounceScoreAndSetBackAndAFlownCopyMatchesTheTick)
{
    // The ball's place and angle, whether it is held; the walls met; where it ends (NAN: not checked here).
    const std::tuple<double, double, double, int, int, double, double, double> cases[] = {
        {472, 200, 0.0, 0, 1, 474, 200, kPi},      {8, 200, kPi, 0, 1, 6, 200, 0},
        {200, 7, -kPi / 2, 0, 1, 200, 7, kPi / 2}, {200, -2, kPi / 2, 0, 0, 200, 2, kPi / 2},
        {472, 7, -0.3, 0, 2, NAN, NAN, NAN},       {9, 7, -2.5, 0, 2, NAN, NAN, NAN},
        {240, 300, -1.0, 0, 0, NAN, NAN, NAN},     {3, 3, -2.0, 1, 2, NAN, NAN, NAN}};
    for (const auto& [x, y, angle, held, contacts, endX, endY, endAngle] : cases) {
        launchAt(x, y, angle);
        game.balls[0].held = held;
        Ball copy = game.balls[0];
        const int tally = game.speedUpTally;
        const WallContacts met = flyBall(copy, game.ballSpeed);
        EXPECT_TRUE(game.score == 0 && cueCount("murs") == 0 && game.speedUpTally == tally) << x << "," << y;
        stepBall(1);
        const Ball& ball = game.balls[0];
        EXPECT_EQ(
            std::tuple(copy.x, copy.y, copy.angle, copy.vx, copy.vy, int(met.side) + int(met.top), cueCount("murs")),
            std::tuple(ball.x, ball.y, ball.angle, ball.vx, ball.vy, contacts, game.score))
            << x << "," << y;
        for (auto [got, want] : {std::pair(ball.x, endX), std::pair(ball.y, endY), std::pair(ball.angle, endAngle)})
            EXPECT_TRUE(std::isnan(want) || std::abs(got - want) < 1e-9) << x << "," << y << ": " << got;
    }
}

// 1.5 degrees a pixel off centre outside the dead zone, 0.06 from horizontal, within half the width + 6.
TEST(Paddle, BounceAngleFollowsTheOffsetOutsideTheDeadZone)
{
    // The offset from the paddle's centre, the ball, the paddle's width, the angles before and after.
    const std::tuple<double, int, int, double, double> cases[] = {
        {5, 1, 60, kPi / 2, -kPi / 2},  {6, 1, 60, kPi / 2, -kPi / 2 + degToRad(9)},
        {-3, 1, 60, kPi / 2, -kPi / 2}, {-4, 1, 60, kPi / 2, -kPi / 2 - degToRad(6)},
        {2, 2, 60, kPi / 2, -kPi / 2},  {-3, 2, 60, kPi / 2, -kPi / 2 - degToRad(4.5)},
        {37, 1, 60, kPi / 2, kPi / 2},  {36, 1, 60, kPi / 2, degToRad(-36)},
        {-22, 1, 30, kPi / 2, kPi / 2}, {-21, 1, 30, kPi / 2, degToRad(-121.5)},
        {52, 1, 90, kPi / 2, kPi / 2},  {51, 1, 90, kPi / 2, degToRad(-13.5)},
        {30, 1, 60, 0.3, -0.06},        {-30, 1, 60, kPi - 0.3, -kPi + 0.06},
        {0, 1, 60, 0.02, -0.06},
    };
    for (const auto& [d, ball, width, incoming, after] : cases) {
        // Half a pixel further out, so the offset truncates to d whatever the sign.
        launchAt(240 + d + (d < 0 ? -0.5 : 0.5), 514, incoming, ball);
        game.paddleWidth = width;
        stepBall(ball);
        EXPECT_NEAR(game.balls[ball - 1].angle, after, 1e-12) << "d " << d << ", ball " << ball;
        EXPECT_EQ(game.score, 1);
    }
    launchAt(240, 512, kPi / 2);
    game.bonusRandomBounce = true;
    seedRandom(1);
    nextRandom();  // the second draw, 18467, gives the offset 18467 % 60 - 30 = 17
    stepBall(1);
    EXPECT_NEAR(game.balls[0].angle, -kPi / 2 + degToRad(1.5 * 17), 1e-12);
    EXPECT_EQ(game.balls[0].y, 512);  // lifted back to the bounce line
    EXPECT_EQ(cueCount("murs"), 1);
}

TEST(Paddle, StickyPaddleHoldsTheBallAtItsOffset)
{
    launchAt(250, 512, kPi / 2);
    game.bonusSticky = true;
    stepBall(1);
    EXPECT_EQ(std::tie(game.balls[0].held, game.heldOffset[0]), std::make_tuple(1, 10));
    EXPECT_EQ(std::make_pair(cueCount("balle pause"), cueCount("murs")), std::make_pair(1, 0));
    stepBall(1);  // a held ball rests on the paddle line: it neither moves nor scores again
    EXPECT_EQ(std::tie(game.balls[0].x, game.balls[0].y), std::make_tuple(250.0, 514.0));
    EXPECT_EQ(game.score, 1);
}

// The last ball waits 1.5 s and costs a life; a first of two gives way to the second, silently.
TEST(Loss, LostBalls)
{
    launchAt(100, 534, kPi / 2);
    game.livesLeft = 2;
    stepBall(1);
    EXPECT_EQ(cueCount("vieperdu"), 1);
    EXPECT_EQ(std::pair(game.mode, game.waitLeftMs), std::pair(GameMode::LostBallPause, std::int64_t{1500}));
    EXPECT_EQ(game.livesLeft, 1);
    EXPECT_FALSE(game.ballLaunched);
    launchAt(100, 534, kPi / 2);
    game.ballCount = 2;
    game.bonusTwoBalls = true;
    game.balls[1] = Ball{300, 200, 1.5, -2.5, -1.0, BallIcon::Fire, 0};
    stepBall(1);
    EXPECT_TRUE(game.ballCount == 1 && !game.bonusTwoBalls);
    EXPECT_EQ(std::tie(game.balls[0].vx, game.balls[0].icon), std::make_tuple(1.5, BallIcon::Fire));
    EXPECT_TRUE(soundsPlayed() == 0 && game.mode == GameMode::Playing);
    launchAt(100, 534, kPi / 2, 2);
    game.bonusTwoBalls = true;
    stepBall(2);
    EXPECT_TRUE(game.ballCount == 1 && !game.bonusTwoBalls);
    EXPECT_EQ(cueCount("vieperdu"), 1);
    EXPECT_EQ(game.mode, GameMode::Playing);
}

// The sweep stops at the first brick on the path and puts the ball back along it.
TEST(Sweep, BallStopsBeforeTheFirstBrickOnItsPath)
{
    launchAt(220, 152, -kPi / 2);
    game.brickTable[0] = Brick{200, 120, 1, 0};  // bottom edge at 140
    stepBall(1);                                 // points down to y 148: the box top stays at 142
    EXPECT_EQ(game.brickTable[0].kind, 1);
    launchAt(220, 150, -kPi / 2);
    game.brickTable[0] = Brick{200, 120, 1, 0};
    stepBall(1);  // the point y 146 puts the box top on the brick's bottom edge
    EXPECT_EQ(game.brickTable[0].kind, 0);
    EXPECT_GT(game.balls[0].vy, 0);
    EXPECT_GT(game.balls[0].y, 144);
}
