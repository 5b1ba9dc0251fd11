// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// The resets: level start, new game and a new life.
#include <gtest/gtest.h>

#include <cmath>
#include <tuple>

#include "game/game_state.h"
#include "tests/fake_platform.h"

namespace {
// The first ball waiting straight up at speed 4 on the centred paddle, the timer at 25 ms.
void expectBallsAtTheStart()
{
    EXPECT_EQ(std::tie(game.balls[0].x, game.balls[0].y, game.heldOffset[0]), std::make_tuple(255.0, 512.0, 0));
    EXPECT_NEAR(game.balls[0].vx, 0.0, 1e-9);
    EXPECT_NEAR(game.balls[0].vy, -4.0, 1e-12);
    EXPECT_EQ(std::tie(game.paddleX, game.tickIntervalMs, game.speedUpTally), std::make_tuple(240, 25u, 1));
    EXPECT_FALSE(game.ballLaunched);
}

}  // namespace

// A level start resets the level's play and keeps the run; a new game keeps the chosen level.
TEST(GameState, StartLevelResetsTheLevelAndKeepsTheRun)
{
    resetWorld();
    game.score = 1234;
    game.livesLeft = 3;
    game.shotsLeft = 7;
    game.heldOffset = {9, 9};
    game.mode = GameMode::LevelIntro;
    game.balls[0].held = 1;
    game.paused = game.ballLaunched = game.bonusWidePaddle = game.bonusNarrowPaddle = game.bonusFastBall = true;
    game.bonusSlowBall = game.bonusFireBall = game.bonusMirror = game.bonusSticky = game.bonusArmed = true;
    game.bonusTwoBalls = game.bonusRandomBounce = true;
    game.ballSpeed = 8;
    game.ballCount = 2;
    game.tickIntervalMs = 12;
    game.paddleWidth = 90;
    game.bricksBroken = 40;
    game.shotTable[5].active = 1;
    game.bonusTable[3].kind = 4;
    game.balls[0].icon = BallIcon::Fire;
    game.balls[1] = Ball{1, 1, 0, 0, 0, BallIcon::Fire, 1};
    startLevel();
    EXPECT_EQ(std::tie(game.score, game.livesLeft, game.shotsLeft, game.heldOffset[1], game.mode),
              std::make_tuple(1234, 3, 7, 9, GameMode::LevelIntro));
    expectBallsAtTheStart();
    EXPECT_FALSE(game.paused || game.bonusWidePaddle || game.bonusNarrowPaddle || game.bonusFastBall ||
                 game.bonusSlowBall || game.bonusFireBall || game.bonusMirror || game.bonusSticky || game.bonusArmed ||
                 game.bonusTwoBalls || game.bonusRandomBounce);
    EXPECT_EQ(std::tie(game.ballSpeed, game.ballCount, game.paddleWidth, game.bricksBroken, game.balls[0].held,
                       game.shotTable[5].active, game.bonusTable[3].kind),
              std::make_tuple(4, 1, 60, 0, 0, 0, 0));
    EXPECT_EQ(std::tuple(game.balls[0].icon, game.balls[1].icon, game.balls[1].x, game.balls[1].y, game.balls[1].held),
              std::tuple(BallIcon::Normal, BallIcon::Normal, 255.0, 512.0, 0));
    EXPECT_TRUE(std::fabs(game.balls[1].vx - 2.8284271) < 1e-6 && std::fabs(game.balls[1].vy + 2.8284271) < 1e-6);
    game.currentLevel = 7;
    // A new game leaves the end of a run, and opens on a level's intro or the final picture left by the last one.
    for (const auto& [before, after] :
         {std::pair(GameMode::EndScreen, GameMode::Playing), std::pair(GameMode::NameEntry, GameMode::Playing),
          std::pair(GameMode::LevelIntro, GameMode::LevelIntro),
          std::pair(GameMode::FinalPicture, GameMode::FinalPicture)}) {
        game.mode = before;
        newGameReset();
        EXPECT_EQ(std::tie(game.score, game.livesLeft, game.shotsLeft, game.mode, game.currentLevel),
                  std::make_tuple(0, 1, 0, after, 7));
    }
}

// A lost life puts the first ball back and keeps every effect and a widened or narrowed paddle.
TEST(GameState, LifeLostResetKeepsAWidenedOrNarrowedPaddleOnly)
{
    const int cases[][4] = {{1, 0, 90, 90}, {0, 1, 30, 30}, {0, 0, 90, 60}};  // wide, narrow, width, width after
    for (const auto& c : cases) {
        resetWorld();
        startLevel();
        game.livesLeft = 2;
        game.bonusWidePaddle = c[0] == 1;
        game.bonusNarrowPaddle = c[1] == 1;
        game.bonusSticky = game.ballLaunched = true;
        game.paddleWidth = c[2];
        game.paddleX = 100;
        game.tickIntervalMs = 14;
        game.balls[0] = Ball{40, 530, 1, 1, 0.7, BallIcon::Fire, 0};
        game.heldOffset[0] = 12;
        lifeLostReset();
        EXPECT_EQ(std::tie(game.paddleWidth, game.livesLeft), std::make_tuple(c[3], 1));
        EXPECT_TRUE(game.bonusSticky && !fake.timerRunning);
        expectBallsAtTheStart();
    }
}
