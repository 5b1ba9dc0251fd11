// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// Brick strikes: points and cues by kind, hard bricks cracking, the fire ball, the bounce
// decided by the gaps one step back, capsules, and vanishing groups.
#include "game/bricks.h"

#include "game/ball.h"
#include "game/bonuses.h"
#include "game/brick_kinds.h"
#include "game/flow.h"
#include "game/game_state.h"
#include "game/random.h"

namespace {

constexpr int kBallHalf = 6;
constexpr int kGroupCount = 5;

bool breakable(int kind) { return brickKindRow(kind).breakable; }

// How far the ball's box, one step back, lay from the brick along one axis; 0 if overlapping.
double gapBetween(double boxLow, double boxHigh, int brickLow, int brickHigh)
{
    if (brickLow > boxHigh) return brickLow - boxHigh;
    if (brickHigh < boxLow) return boxLow - brickHigh;
    return 0;
}

}  // namespace

bool brickHit(int x, int y, int n)
{
    bool bounce = false;
    double sumX = 0;
    double sumY = 0;

    for (Brick& brick : game.brickTable) {
        if (brick.kind == kNoBrick) continue;
        const bool struck = x + kBallHalf >= brick.x && x - kBallHalf <= brick.x + kBrickWidth &&
                            y + kBallHalf >= brick.y && y - kBallHalf <= brick.y + kBrickHeight;
        if (!struck) continue;

        const BrickKindRow& hit = brickKindRow(brick.kind);
        game.score += hit.points;
        if (!bounce) playCue(hit.cue);
        brick.kind = hit.afterStrike;

        if (n == 0) {
            if (brick.kind == kNoBrick) game.bricksBroken += 1;
            return true;
        }

        if (game.bonusFireBall && hit.breakable) {
            brick.kind = kNoBrick;
        } else {
            const Ball& ball = game.balls[n - 1];
            const double gapX =
                gapBetween(x - kBallHalf - ball.vx, x + kBallHalf - ball.vx, brick.x, brick.x + kBrickWidth);
            const double gapY =
                gapBetween(y - kBallHalf - ball.vy, y + kBallHalf - ball.vy, brick.y, brick.y + kBrickHeight);
            bounce = true;
            if (gapY > 0) sumY += gapY;
            if (gapX > 0) sumX += gapX;
        }

        if (brick.kind == kNoBrick) {
            game.bricksBroken += 1;
            if (nextRandom() % 2 == 1) releaseCapsule(brick.x + 10, brick.y + 5);
            clearEmptiedGroups();
        }
    }

    if (n == 0 || !bounce) return false;
    Ball& ball = game.balls[n - 1];
    ball.angle = sumY > sumX ? -ball.angle : kPi - ball.angle;
    updateVelocities();
    return true;
}

void clearEmptiedGroups()
{
    for (int group = 1; group <= kGroupCount; ++group) {
        int remaining = 0;
        bool present = false;
        for (const Brick& brick : game.brickTable) {
            if (brick.group != group) continue;
            present = true;
            if (breakable(brick.kind)) ++remaining;
        }
        if (remaining != 0) continue;
        for (Brick& brick : game.brickTable) {
            if (brick.group != group) continue;
            brick.kind = kNoBrick;
            brick.group = 0;
        }
        if (present) playCue("disparition");
    }
}
