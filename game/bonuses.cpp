// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// Bonus capsules: the kind draw, the catch by the paddle, and each kind's effect.
#include "game/bonuses.h"

#include <array>

#include "game/ball.h"
#include "game/capsule_kinds.h"
#include "game/flow.h"
#include "game/game_state.h"
#include "game/random.h"

namespace {

// Turns of 0.08 that bring any direction round the whole circle.
constexpr int kMaxFlatTurns = 80;

// rand() % kCapsuleDrawWays, each kind taking as many ways as its row's weight, in kind order.
int drawCapsuleKind()
{
    const int r = nextRandom() % kCapsuleDrawWays;
    int kind = kWiderPaddleCapsule;
    int bound = kCapsuleKindRows[kWiderPaddleCapsule].drawWeight - 1;
    while (r > bound) bound += kCapsuleKindRows[static_cast<std::size_t>(++kind)].drawWeight;
    return kind;
}

void releaseHeldBalls()
{
    game.balls[0].held = 0;
    game.balls[1].held = 0;
}

// The paddle modes (sticky, armed, random bounces) replace one another and any width bonus:
// the paddle is back to its normal width and lets its held balls go.
void leavePaddleModes()
{
    game.paddleWidth = kPaddleStartWidth;
    releaseHeldBalls();
    game.bonusNarrowPaddle = false;
    game.bonusWidePaddle = false;
    game.bonusSticky = false;
    game.bonusArmed = false;
    game.bonusRandomBounce = false;
}

// A mode that can be caught again: on, it ends the others; caught again, it switches off.
void togglePaddleMode(bool GameState::*mode)
{
    const bool on = !(game.*mode);
    leavePaddleModes();
    game.*mode = on;
}

// A random direction for one ball. A direction so flat that the ball's vertical step truncates
// to nothing is turned by 0.08 until it has one: a single turn can leave it flat (from k = 3,
// 3 - pi turns to -0.06), and a ball crawling sideways would take minutes to come down.
void randomDirection(Ball& ball)
{
    ball.angle = static_cast<double>((nextRandom() % 62) / 10) - kPi;
    updateVelocities();
    for (int turns = 0; static_cast<int>(ball.vy) == 0 && turns < kMaxFlatTurns; ++turns) {
        ball.angle += 0.08;
        updateVelocities();
    }
}

}  // namespace

int releaseCapsule(int x, int y)
{
    for (FallingBonus& capsule : game.bonusTable) {
        if (capsule.kind != 0) continue;
        const int kind = drawCapsuleKind();
        capsule.x = x;
        capsule.y = y;
        capsule.kind = kind;
        return kind;
    }
    return 0;
}

// Every kind has its case: a kind left out does not compile.
#pragma GCC diagnostic push
#pragma GCC diagnostic error "-Wswitch-enum"
void applyBonus(int kind)
{
    switch (static_cast<CapsuleKind>(kind)) {
    case kNoCapsule: break;
    case kWiderPaddleCapsule:
        game.paddleWidth += 30;
        game.bonusArmed = false;
        game.bonusSticky = false;
        releaseHeldBalls();
        game.bonusRandomBounce = false;
        if (game.paddleWidth > 90) game.paddleWidth = 90;
        if (game.bonusNarrowPaddle) game.bonusNarrowPaddle = false;
        else game.bonusWidePaddle = true;
        break;
    case kNarrowerPaddleCapsule:
        game.paddleWidth -= 30;
        game.bonusSticky = false;
        game.bonusArmed = false;
        releaseHeldBalls();
        game.bonusRandomBounce = false;
        if (game.paddleWidth < 30) game.paddleWidth = 30;
        if (game.bonusWidePaddle) game.bonusWidePaddle = false;
        else game.bonusNarrowPaddle = true;
        break;
    case kFasterBallCapsule:
        game.ballSpeed *= 2;
        if (game.ballSpeed > 8) game.ballSpeed = 8;
        if (game.ballSpeed == 8) game.bonusFastBall = true;
        game.bonusSlowBall = false;
        updateVelocities();
        break;
    case kSlowerBallCapsule:
        game.ballSpeed /= 2;
        if (game.ballSpeed < 2) game.ballSpeed = 2;
        if (game.ballSpeed == 2) game.bonusSlowBall = true;
        game.bonusFastBall = false;
        updateVelocities();
        break;
    case kFireBallCapsule:
        game.bonusFireBall = !game.bonusFireBall;
        game.bonusTwoBalls = false;
        game.ballCount = 1;
        game.balls[0].icon = game.bonusFireBall ? BallIcon::Fire : BallIcon::Normal;
        break;
    case kRandomDirectionsCapsule:
        randomDirection(game.balls[0]);
        randomDirection(game.balls[1]);
        break;
    case kExtraLifeCapsule:
        if (game.livesLeft < kMaxLives) game.livesLeft += 1;
        break;
    case kLostLifeCapsule:
        if (game.livesLeft > 0) game.livesLeft -= 1;
        break;
    case kMirroredPaddleCapsule: game.bonusMirror = !game.bonusMirror; break;
    case kStickyPaddleCapsule: togglePaddleMode(&GameState::bonusSticky); break;
    case kArmedPaddleCapsule:
        game.shotsLeft += 15;
        leavePaddleModes();
        game.bonusArmed = true;
        break;
    case kSecondBallCapsule:
        game.bonusFireBall = false;
        if (!game.bonusTwoBalls) {
            game.bonusTwoBalls = true;
            game.ballCount = 2;
            Ball& first = game.balls[0];
            Ball& second = game.balls[1];
            first.icon = BallIcon::Normal;
            first.angle += 0.2;
            second.angle = first.angle - 0.4;
            second.x = first.x;
            second.y = first.y;
            updateVelocities();
        }
        break;
    case kRandomBounceCapsule: togglePaddleMode(&GameState::bonusRandomBounce); break;
    }
}
#pragma GCC diagnostic pop

void catchCapsules()
{
    for (FallingBonus& capsule : game.bonusTable) {
        if (capsule.kind == kNoCapsule) continue;
        // An effect may change the paddle's width, so each capsule sees the paddle as it is now.
        // The paddle catches from its top edge down to the line below which balls are lost.
        const int left = game.paddleX - game.paddleWidth / 2;
        const int right = game.paddleX + game.paddleWidth / 2;
        const bool caught = capsule.x + kCapsuleWidth > left && capsule.x < right &&
                            capsule.y + kCapsuleHeight > kPaddleTop && capsule.y < static_cast<int>(kLossLine);
        if (!caught) continue;
        game.score += 500;
        playCue("bonus");
        applyBonus(capsule.kind);
        capsule.kind = kNoCapsule;
    }
}
