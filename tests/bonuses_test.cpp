// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// Bonus capsules: the kind drawn on release, the catch by the paddle, and the effects of each kind.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <string>
#include <tuple>

#include "game/ball.h"
#include "game/bonuses.h"
#include "game/game_state.h"
#include "game/random.h"
#include "tests/fake_platform.h"

namespace {
// A level in play with no bricks: the paddle at 240, width 60.
void inPlay(std::uint32_t seed = 1)
{
    resetWorld(seed);
    game.ballLaunched = true;
    game.balls[0] = Ball{200, 300, 0, 0, -1.0, BallIcon::Normal, 0};
    game.balls[1] = Ball{260, 300, 0, 0, -2.0, BallIcon::Normal, 0};
    updateVelocities();
}

// Drops a capsule of `kind` onto the middle of the paddle and lets the paddle catch it.
void catchKind(int kind)
{
    game.bonusTable[0] = FallingBonus{game.paddleX - 10, 521, kind};
    catchCapsules();
}

}  // namespace

// A capsule takes the first free entry; with all of them falling it overwrites nothing.
TEST(Release, TakesTheFirstFreeEntryAndOverwritesNothingWhenFull)
{
    resetWorld();
    for (int i = 0; i < kBonusCount; ++i) game.bonusTable[i] = FallingBonus{i, 2 * i, 1 + i % 13};
    game.shotTable[0] = Shot{11, 22, 1};  // the record that follows the capsules
    EXPECT_EQ(releaseCapsule(300, 300), 0);
    for (int i = 0; i < kBonusCount; ++i) EXPECT_EQ(game.bonusTable[i].x, i);
    EXPECT_EQ(game.shotTable[0].x, 11);
    game.bonusTable[2].kind = game.bonusTable[3].kind = 0;
    const int kind = releaseCapsule(70, 80);
    EXPECT_EQ(std::tie(game.bonusTable[2].x, game.bonusTable[2].kind, game.bonusTable[3].kind),
              std::make_tuple(70, kind, 0));
}

// The paddle (210..270, top 520) catches capsules its box overlaps above 535, in index order.
TEST(Catch, CapsuleEdgesAgainstThePaddle)
{
    const int cases[][3] = {{190, 521, 0}, {191, 521, 1}, {270, 521, 0}, {269, 521, 1},
                            {230, 510, 0}, {230, 511, 1}, {230, 534, 1}, {230, 535, 0}};  // x, y, caught
    for (const auto& c : cases) {
        inPlay();
        game.bonusTable[5] = FallingBonus{c[0], c[1], 9};
        catchCapsules();
        EXPECT_EQ(std::tie(game.bonusTable[5].kind, game.bonusMirror), std::make_tuple(c[2] ? 0 : 9, c[2] == 1))
            << c[0] << "," << c[1];
        EXPECT_EQ(std::make_pair(game.score, cueCount("bonus")), std::make_pair(500 * c[2], c[2]));
    }
    inPlay();
    game.livesLeft = 4;
    game.bonusTable[2] = FallingBonus{220, 525, 1};  // wider paddle first
    game.bonusTable[6] = FallingBonus{270, 525, 7};  // then within reach of the wider paddle
    catchCapsules();
    EXPECT_EQ(std::tie(game.paddleWidth, game.bonusTable[6].kind, game.livesLeft), std::make_tuple(90, 0, 5));
    catchKind(7);  // lives are capped at five and floored at zero, never ending the run
    EXPECT_EQ(game.livesLeft, 5);
    game.livesLeft = 1;
    catchKind(8);
    catchKind(8);
    EXPECT_EQ(game.livesLeft, 0);
    EXPECT_TRUE(game.ballLaunched && game.mode == GameMode::Playing);
}

// Width and speed bonuses step one size, capped, and undo each other; speed catches update velocities.
TEST(Effects, WidthAndSpeedBonusesCapAndUndoEachOther)
{
    // The capsule caught, then the paddle's width, the ball's speed and the effect on.
    const std::tuple<int, int, int, std::string> steps[] = {
        {1, 90, 4, "wide"},   {1, 90, 4, "wide"}, {2, 60, 4, ""},     {2, 30, 4, "narrow"},
        {2, 30, 4, "narrow"}, {1, 60, 4, ""},     {3, 60, 8, "fast"}, {3, 60, 8, "fast"},
        {4, 60, 4, ""},       {4, 60, 2, "slow"}, {4, 60, 2, "slow"}, {3, 60, 4, ""},
    };
    inPlay();
    const int tally = game.speedUpTally;
    for (const auto& [kind, width, speed, on] : steps) {
        catchKind(kind);
        EXPECT_EQ(std::tie(game.paddleWidth, game.ballSpeed), std::make_tuple(width, speed));
        EXPECT_EQ(std::tie(game.bonusWidePaddle, game.bonusNarrowPaddle, game.bonusFastBall, game.bonusSlowBall),
                  std::make_tuple(on == "wide", on == "narrow", on == "fast", on == "slow"));
        EXPECT_NEAR(std::hypot(game.balls[1].vx, game.balls[1].vy), speed, 1e-9);
    }
    EXPECT_EQ(game.speedUpTally, tally + 6);  // every speed catch counts, capped or not
}

// Paddle bonuses end the other paddle modes and release held balls; sticky, random bounce, mirror toggle.
TEST(Effects, PaddleBonusesEndThePaddleModesAndReleaseHeldBalls)
{
    for (const int kind : {1, 2, 10, 11, 13}) {
        inPlay();
        game.bonusSticky = true;
        game.bonusArmed = kind != 11;
        game.bonusRandomBounce = kind != 13;
        game.balls[0].held = game.balls[1].held = 1;
        catchKind(kind);
        EXPECT_EQ(
            std::tie(game.balls[0].held, game.balls[1].held, game.bonusSticky, game.bonusArmed, game.bonusRandomBounce),
            std::make_tuple(0, 0, false, kind == 11, kind == 13))
            << "kind " << kind;
    }
    game.shotsLeft = 3;
    catchKind(1);
    catchKind(11);
    EXPECT_EQ(std::tie(game.shotsLeft, game.paddleWidth, game.bonusWidePaddle), std::make_tuple(18, 60, false));
    catchKind(10);
    EXPECT_TRUE(game.bonusSticky && !game.bonusArmed);
    catchKind(2);
    catchKind(13);
    EXPECT_TRUE(game.bonusRandomBounce && !game.bonusNarrowPaddle && !game.bonusSticky);
    EXPECT_EQ(game.paddleWidth, 60);
    catchKind(13);
    catchKind(9);
    EXPECT_TRUE(!game.bonusRandomBounce && game.bonusMirror);
    catchKind(9);
    EXPECT_FALSE(game.bonusMirror);
}

// The fire ball ends the second ball; the second ball splits the first 0.4 apart and ends a fire ball.
TEST(Effects, FireBallAndSecondBallEndEachOther)
{
    inPlay();
    game.ballCount = 2;
    game.bonusTwoBalls = true;
    catchKind(5);
    EXPECT_EQ(std::tie(game.bonusFireBall, game.bonusTwoBalls, game.ballCount, game.balls[0].icon),
              std::make_tuple(true, false, 1, BallIcon::Fire));
    catchKind(5);
    EXPECT_EQ(std::tie(game.bonusFireBall, game.balls[0].icon), std::make_tuple(false, BallIcon::Normal));
    game.bonusFireBall = true;
    game.balls[0].icon = BallIcon::Fire;
    const double angle = game.balls[0].angle;
    catchKind(12);
    EXPECT_EQ(std::tie(game.bonusFireBall, game.bonusTwoBalls, game.ballCount, game.balls[0].icon),
              std::make_tuple(false, true, 2, BallIcon::Normal));
    EXPECT_NEAR(game.balls[0].angle, angle + 0.2, 1e-12);
    EXPECT_EQ(std::tie(game.balls[1].x, game.balls[1].y), std::tie(game.balls[0].x, game.balls[0].y));
    EXPECT_NEAR(game.balls[1].vy, 4 * std::sin(angle - 0.2), 1e-12);
    game.bonusFireBall = true;
    catchKind(12);
    EXPECT_FALSE(game.bonusFireBall);
    EXPECT_NEAR(game.balls[0].angle, angle + 0.2, 1e-12);
    EXPECT_NEAR(game.balls[1].angle, angle - 0.2, 1e-12);
}

// Random directions always leave a ball a vertical step, so none circles between the side walls.
TEST(Effects, RandomDirectionsNeverLeaveABallWithoutVerticalMotion)
{
    int turned = 0;
    for (std::uint32_t seed = 1; seed <= 400; ++seed) {
        inPlay(seed);
        game.ballSpeed = seed % 2 == 0 ? 2 : 8;
        catchKind(6);
        for (const Ball& b : game.balls) {
            EXPECT_NE(static_cast<int>(b.vy), 0) << "seed " << seed;
            EXPECT_NEAR(b.vx, game.ballSpeed * std::cos(b.angle), 1e-9) << "seed " << seed;
            EXPECT_TRUE(b.angle > -kPi - 1e-9 && b.angle <= kPi + 1e-9) << b.angle;
        }
        turned += game.balls[0].angle != -1.0;
    }
    EXPECT_GT(turned, 300);  // most draws turn the ball
}
