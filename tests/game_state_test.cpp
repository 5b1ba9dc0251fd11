// The resets: level start, new game and a new life.
#include <gtest/gtest.h>

#include <cmath>

#include "game/game_state.h"
#include "tests/fake_platform.h"

TEST(GameState, StartLevelResetsTheLevelAndKeepsTheRun)
{
    resetWorld();
    game.score = 1234;
    game.livesLeft = 3;
    game.shotsLeft = 7;
    game.heldOffset[1] = 9;
    game.gameOverShown = 0;
    game.levelIntroShown = 1;
    game.paused = true;
    game.ballLaunched = true;
    game.ballSpeed = 8;
    game.ballCount = 2;
    game.tickIntervalMs = 12;
    game.paddleWidth = 90;
    game.bricksBroken = 40;
    game.bonusFireBall = true;
    game.bonusMirror = true;
    game.bonusArmed = true;
    game.shotTable[5].active = 1;
    game.bonusTable[3].kind = 4;
    game.balls[0].held = 1;
    game.balls[0].icon = BallIcon::Fire;
    game.currentLevel = 2;

    startLevel();

    EXPECT_EQ(game.score, 1234);
    EXPECT_EQ(game.livesLeft, 3);
    EXPECT_EQ(game.shotsLeft, 7);
    EXPECT_EQ(game.heldOffset[1], 9);
    EXPECT_EQ(game.levelIntroShown, 1);
    EXPECT_EQ(game.heldOffset[0], 0);
    EXPECT_FALSE(game.paused);
    EXPECT_FALSE(game.ballLaunched);
    EXPECT_EQ(game.ballSpeed, 4);
    EXPECT_EQ(game.ballCount, 1);
    EXPECT_EQ(game.tickIntervalMs, 25u);
    EXPECT_EQ(game.speedUpTally, 1);  // the level start's own velocity update
    EXPECT_EQ(game.paddleX, 240);
    EXPECT_EQ(game.paddleWidth, 60);
    EXPECT_EQ(game.bricksBroken, 0);
    EXPECT_FALSE(game.bonusFireBall || game.bonusMirror || game.bonusArmed);
    EXPECT_EQ(game.shotTable[5].active, 0);
    EXPECT_EQ(game.bonusTable[3].kind, 0);
    EXPECT_EQ(game.balls[0].held, 0);
    EXPECT_EQ(game.balls[0].icon, BallIcon::Normal);

    // Ball 1 straight up, ball 2 up and to the right, both at speed 4.
    EXPECT_DOUBLE_EQ(game.balls[0].x, 255.0);
    EXPECT_DOUBLE_EQ(game.balls[0].y, 512.0);
    EXPECT_NEAR(game.balls[0].vx, 0.0, 1e-9);
    EXPECT_NEAR(game.balls[0].vy, -4.0, 1e-12);
    EXPECT_NEAR(game.balls[1].vx, 2.8284271, 1e-6);
    EXPECT_NEAR(game.balls[1].vy, -2.8284271, 1e-6);
}

TEST(GameState, NewGameKeepsTheChosenLevel)
{
    resetWorld();
    game.currentLevel = 7;
    game.score = 99;
    game.livesLeft = 4;
    game.shotsLeft = 3;
    game.gameOverShown = 1;
    newGameReset();
    EXPECT_EQ(game.currentLevel, 7);
    EXPECT_EQ(game.score, 0);
    EXPECT_EQ(game.livesLeft, 1);
    EXPECT_EQ(game.shotsLeft, 0);
    EXPECT_EQ(game.gameOverShown, 0);
}

TEST(GameState, LifeLostResetKeepsAWidenedOrNarrowedPaddleOnly)
{
    struct Case {
        bool wide, narrow;
        int width, expected;
    };
    const Case cases[] = {{true, false, 90, 90}, {false, true, 30, 30}, {false, false, 90, 60}};
    for (const Case& c : cases) {
        resetWorld();
        startLevel();
        game.livesLeft = 2;
        game.bonusWidePaddle = c.wide;
        game.bonusNarrowPaddle = c.narrow;
        game.bonusSticky = true;
        game.paddleWidth = c.width;
        game.paddleX = 100;
        game.ballLaunched = true;
        game.tickIntervalMs = 14;
        game.balls[0] = Ball{40, 530, 1, 1, 0.7, BallIcon::Fire, 0};
        game.heldOffset[0] = 12;
        lifeLostReset();
        EXPECT_EQ(game.paddleWidth, c.expected);
        EXPECT_EQ(game.livesLeft, 1);
        EXPECT_EQ(game.paddleX, 240);
        EXPECT_EQ(game.tickIntervalMs, 25u);
        EXPECT_FALSE(game.ballLaunched);
        EXPECT_TRUE(game.bonusSticky);  // every effect flag stays
        EXPECT_EQ(game.heldOffset[0], 0);
        EXPECT_DOUBLE_EQ(game.balls[0].x, 255.0);
        EXPECT_DOUBLE_EQ(game.balls[0].y, 512.0);
        EXPECT_NEAR(game.balls[0].vy, -4.0, 1e-12);
        EXPECT_FALSE(fake.timerRunning);
        EXPECT_EQ(game.speedUpTally, 1);
    }
}
