// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// Shots of the armed paddle.
#include "game/shots.h"

#include "game/ball.h"
#include "game/bricks.h"
#include "game/flow.h"
#include "game/game_state.h"

namespace {

constexpr int kShotClimb = 5;
constexpr int kBallLift = 8;
constexpr double kTurn = 0.3;

bool insideBall(const Shot& shot, const Ball& ball)
{
    return ball.x - kBallRadius < shot.x && shot.x < ball.x + kBallRadius && ball.y - kBallRadius < shot.y &&
           shot.y < ball.y + kBallRadius;
}

// Turns a ball met by a shot 0.3 towards straight up. upperBound is the top of the range in
// which the ball is turned to the right: -0.06 for ball 1, 0.06 for ball 2, so ball 2 is
// turned even when it already rises straight up.
void pushBall(Ball& ball, double upperBound)
{
    const double a = kPi / 2 + ball.angle;  // 0 for a ball rising straight up
    if (kAngleMargin < a && a < kPi - kAngleMargin) {
        ball.angle -= kTurn;
    } else if (-kPi + kAngleMargin < a && a < upperBound) {
        ball.angle += kTurn;
    }
    ball.y -= kBallLift;
}

}  // namespace

void fireShot()
{
    game.shotsLeft -= 1;
    for (int i = kShotCount - 1; i >= 0; --i) {
        Shot& shot = game.shotTable[i];
        if (shot.active != 0) continue;
        playCue("tir");
        shot.active = 1;
        shot.x = game.paddleX;
        shot.y = kShotStartY;
        break;
    }
    if (game.shotsLeft <= 0) game.bonusArmed = false;
}

void moveShots()
{
    for (Shot& shot : game.shotTable) {
        if (shot.active == 0) continue;
        if (brickHit(shot.x, shot.y, 0)) shot.active = 0;

        if (insideBall(shot, game.balls[0])) {
            pushBall(game.balls[0], -kAngleMargin);
            shot.active = 0;
            updateVelocities();
        } else if (game.ballCount == 2 && insideBall(shot, game.balls[1])) {
            pushBall(game.balls[1], kAngleMargin);
            shot.active = 0;
            updateVelocities();
        }

        if (shot.y < 0) shot.active = 0;
        shot.y -= kShotClimb;
    }
    clearEmptiedGroups();
}
