// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// The running game's record and the resets at a new game, a new level and a new life.
#include "game/game_state.h"

#include "game/ball.h"
#include "game/capsule_kinds.h"
#include "game/levels.h"

GameState game;
std::array<char, 1000> pathBuffer{};

void startLevel()
{
    game.ballLaunched = false;
    game.heldOffset[0] = 0;

    game.tickIntervalMs = kStartTickIntervalMs;
    game.ballSpeed = 4;
    game.paused = false;
    game.ballCount = 1;
    game.speedUpTally = 0;

    for (const CapsuleKindRow& row : kCapsuleKindRows)
        if (row.lasting != nullptr) game.*row.lasting = false;

    for (Shot& shot : game.shotTable) shot.active = 0;

    Ball& first = game.balls[0];
    first.x = kBallStartX;
    first.y = kBallStartY;
    first.angle = -kPi / 2;
    first.held = 0;
    Ball& second = game.balls[1];
    second.x = kBallStartX;
    second.y = kBallStartY;
    second.angle = -kPi / 4;
    second.held = 0;
    first.icon = BallIcon::Normal;
    second.icon = BallIcon::Normal;

    updateVelocities();

    game.paddleX = kPaddleStartX;
    game.paddleWidth = kPaddleStartWidth;
    game.bricksBroken = 0;

    for (FallingBonus& capsule : game.bonusTable) capsule.kind = kNoCapsule;
    // x and y stay: an entry of kind 0 is ignored everywhere.
    for (Brick& brick : game.brickTable) {
        brick.kind = kNoBrick;
        brick.group = 0;
    }

    layLevel(game.currentLevel);
}

void newGameReset()
{
    // A game left on a level's intro or on the final picture leaves it for the next game, which
    // opens on it; any other screen is gone.
    if (game.mode != GameMode::LevelIntro && game.mode != GameMode::FinalPicture) game.mode = GameMode::Playing;
    game.slideOffset = 0;
    game.score = 0;
    game.livesLeft = 1;
    game.shotsLeft = 0;
}

void lifeLostReset()
{
    game.livesLeft -= 1;
    game.tickIntervalMs = kStartTickIntervalMs;
    stopGameTimer();
    game.ballLaunched = false;
    game.speedUpTally = 0;

    Ball& first = game.balls[0];
    first.x = kBallStartX;
    first.y = kBallStartY;
    game.heldOffset[0] = 0;
    first.angle = -kPi / 2.0;
    updateVelocities();

    game.paddleX = kPaddleStartX;
    if (!game.bonusNarrowPaddle && !game.bonusWidePaddle) game.paddleWidth = kPaddleStartWidth;
}
