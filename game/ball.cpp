// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// Ball motion: walls, paddle bounce, sticky catch, loss, and the sweep against the bricks.
#include "game/ball.h"

#include <cmath>
#include <cstdlib>

#include "game/bricks.h"
#include "game/flow.h"
#include "game/game_state.h"
#include "game/random.h"

namespace {

// The paddle bounce of a ball whose centre is below the paddle line.
void bounceOnPaddle(Ball& ball, int n)
{
    game.score += 1;  // every tick below the line scores, caught or not
    int d = static_cast<int>(ball.x - game.paddleX);
    if (std::abs(d) > game.paddleWidth / 2 + kBallRadius) return;

    if (game.bonusRandomBounce) d = nextRandom() % 60 - 30;
    ball.angle = paddleBounceAngle(ball.angle, d, n);
    updateVelocities();
    if (ball.y > kBounceCeiling) ball.y = kBounceCeiling;

    if (game.bonusSticky) {
        playCue("balle pause");
        game.heldOffset[n - 1] = d;
        ball.y = kPaddleLine;
        ball.x = game.paddleX + d;
        ball.held = 1;
    } else {
        playCue("murs");
    }
}

// A ball below the loss line leaves play; the last one costs a life.
void loseBall(int n)
{
    if (n == 1 && game.ballCount == 2) {
        game.balls[0] = game.balls[1];
        game.bonusTwoBalls = false;
        game.ballCount = 1;
    } else if (n == 1) {
        lastBallLost();
    } else {
        playCue("vieperdu");
        game.ballCount = 1;
        game.bonusTwoBalls = false;
    }
}

// Tests the points of this tick's path from near its start towards its end; on the first
// bounce the ball is put back along its path, before the struck brick.
void sweepBricks(int n)
{
    const Ball start = game.balls[n - 1];
    for (double t = 0.95; t >= 0; t -= 0.05) {
        const int x = static_cast<int>(start.x - t * start.vx);
        const int y = static_cast<int>(start.y - t * start.vy);
        if (brickHit(x, y, n)) {
            Ball& ball = game.balls[n - 1];
            ball.x = start.x - (t + 0.1) * start.vx;
            ball.y = start.y - (t + 0.1) * start.vy;
            return;
        }
    }
}

}  // namespace

double paddleBounceAngle(double incoming, int d, int n)
{
    double angle = -incoming;
    // The first ball's dead zone leans right of the centre; the second ball's is even.
    const bool deadZone = n == 1 ? (d >= -3 && d <= 5) : (d >= -2 && d <= 2);
    if (!deadZone) angle += degToRad(1.5 * d);
    if (angle > -kAngleMargin) angle = -kAngleMargin;
    if (angle < -kPi + kAngleMargin) angle = -kPi + kAngleMargin;
    return angle;
}

double degToRad(double degrees) { return (kPi / 180.0) * degrees; }

void aimBall(Ball& ball, int speed)
{
    if (ball.angle > kPi) ball.angle -= 2.0 * kPi;
    if (ball.angle < -kPi) ball.angle += 2.0 * kPi;
    ball.vx = std::cos(ball.angle) * static_cast<double>(speed);
    ball.vy = std::sin(ball.angle) * static_cast<double>(speed);
}

void updateVelocities()
{
    for (Ball& ball : game.balls) aimBall(ball, game.ballSpeed);
    game.speedUpTally += 1;
    if (game.tickIntervalMs > kFastestTickIntervalMs && game.speedUpTally >= 10) {
        game.speedUpTally = 0;
        game.tickIntervalMs -= 1;
        stopGameTimer();
        startGameTimer(game.tickIntervalMs);
    }
}

WallContacts flyBall(Ball& ball, int speed)
{
    WallContacts met{false, false};
    if (ball.held == 0) {
        ball.x += ball.vx;
        ball.y += ball.vy;
    }
    if (ball.x < kBallLeftWall || ball.x > kBallRightWall) {
        ball.x = ball.x < kBallLeftWall ? kBallLeftWall : kBallRightWall;
        ball.angle = kPi - ball.angle;
        aimBall(ball, speed);
        met.side = true;
    }
    // Only a rising ball bounces off the top wall. The wall does not set y back, so a ball
    // pushed above it (by a shot, or the extra step) and already falling would otherwise be
    // turned up again every tick, caught there for good.
    if (ball.y < kBallTopWall && ball.vy < 0) {
        ball.angle = -ball.angle;
        aimBall(ball, speed);
        ball.x += ball.vx;
        ball.y += ball.vy;
        met.top = true;
    }
    return met;
}

void stepBall(int n)
{
    Ball& ball = game.balls[n - 1];
    const WallContacts met = flyBall(ball, game.ballSpeed);
    // Each contact scores, sounds and counts as a velocity update, in the order the ball met them.
    if (met.side) {
        game.score += 1;
        playCue("murs");
        updateVelocities();
    }
    if (met.top) {
        game.score += 1;
        updateVelocities();
        playCue("murs");
    }

    if (ball.y > kPaddleLine) bounceOnPaddle(ball, n);

    if (ball.y > kLossLine) loseBall(n);

    sweepBricks(n);
}
