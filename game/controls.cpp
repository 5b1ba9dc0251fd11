// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// The game window's behaviour and the game tick.
#include "game/controls.h"

#include "game/ball.h"
#include "game/bonuses.h"
#include "game/brick_kinds.h"
#include "game/flow.h"
#include "game/game_state.h"
#include "game/replay.h"
#include "game/shots.h"

namespace {

constexpr std::uint32_t kPausedTickMs = 20;

bool waitingScreenShown() { return game.gameOverShown != 0 || game.levelIntroShown != 0 || game.victoryShown != 0; }

// A click or key on a waiting screen leaves it.
void leaveWaitingScreen()
{
    if (game.gameOverShown == 1) {
        closeGameWindow();
    } else if (game.levelIntroShown != 0) {
        startNextLevel();
    } else {
        victoryEnd();
    }
}

// The F12 and Escape questions hold the game while they are open: no tick runs, so the ball,
// the capsules and the shots stand still, and a No goes on from exactly there.
bool askHoldingTheGame(const char* text)
{
    game.questionOpen = true;
    const bool yes = seamAnswer(text);
    game.questionOpen = false;
    return yes;
}

void releaseHeldBall(Ball& ball)
{
    ball.held = 0;
    playCue("balle decolle");
}

}  // namespace

void placePaddle(int pointerX)
{
    const int half = game.paddleWidth / 2;
    game.paddleX = pointerX;
    if (game.paddleX < half) game.paddleX = half;
    if (game.paddleX > kPlayfieldRight - half) game.paddleX = kPlayfieldRight - half;
    if (game.bonusMirror) game.paddleX = kPlayfieldRight - game.paddleX;

    Ball& first = game.balls[0];
    Ball& second = game.balls[1];
    if (!game.ballLaunched) first.x = game.paddleX + game.heldOffset[0];
    if (first.held == 1) first.x = game.paddleX + game.heldOffset[0];
    if (second.held == 1 && game.ballCount == 2) second.x = game.paddleX + game.heldOffset[1];

    for (Ball& ball : game.balls) {
        if (ball.x >= kBallRightWall) ball.x = kBallRightWall - 1;
    }
    for (Ball& ball : game.balls) {
        if (ball.x <= kBallLeftWall) ball.x = kBallLeftWall + 1;
    }
}

int countBricksLeft()
{
    int left = 0;
    for (const Brick& brick : game.brickTable) {
        if (brickKindRow(brick.kind).breakable) ++left;
    }
    return left;
}

void dropCapsules()
{
    // Only capsules fall: a free entry keeps its place, so its y never grows without end.
    for (FallingBonus& capsule : game.bonusTable) {
        if (capsule.kind == kNoCapsule) continue;
        capsule.y += kCapsuleFall;
        if (capsule.y > kCapsuleGone) capsule.kind = kNoCapsule;
    }
}

void gameTick()
{
    stepBall(1);
    if (game.ballCount == 2) stepBall(2);
    dropCapsules();
    catchCapsules();
    moveShots();
    if (countBricksLeft() == 0) levelComplete();
    game.cursorPos = seamPointer();
    placePaddle(game.cursorPos.x);
}

void gamePointerMoved()
{
    if (game.ballLaunched || game.paused || game.levelIntroShown != 0 || game.gameOverShown != 0) {
        return;
    }
    game.cursorPos = seamPointer();
    placePaddle(game.cursorPos.x);
    requestRepaint();
}

void gameLeftButtonDown()
{
    if (waitingScreenShown()) {
        leaveWaitingScreen();
        return;
    }
    if (!game.ballLaunched) {
        startGameTimer(game.tickIntervalMs);
        game.ballLaunched = true;
        playCue("balle decolle");
    }
    if (game.bonusArmed && !game.paused) fireShot();
    if (game.balls[0].held == 1 && !game.paused) releaseHeldBall(game.balls[0]);
    if (game.balls[1].held == 1 && game.ballCount == 2 && !game.paused) {
        releaseHeldBall(game.balls[1]);
    }
}

void gameKeyDown(int virtualKey)
{
    // Under an open question only the pause key acts (the focus gone to another program).
    if (game.questionOpen && (virtualKey == kKeyF12 || virtualKey == kKeyEscape)) return;
    if (waitingScreenShown()) {
        leaveWaitingScreen();
        return;
    }
    if (virtualKey == kKeyF12) {
        if (!askHoldingTheGame("Etes vous sur de vouloir detruire votre(vos) balle(s)?")) return;
        playCue("vieperdu");
        lifeLost();
    } else if (virtualKey == kKeyEscape) {
        if (!askHoldingTheGame("Etes vous sur de vouloir quitter la partie?")) return;
        playCue("vieperdu");
        game.livesLeft = 0;
        lifeLost();
    } else if (game.paused) {
        game.paused = false;
        stopGameTimer();
        startGameTimer(game.tickIntervalMs);
    } else {
        game.paused = true;
        stopGameTimer();
        startGameTimer(kPausedTickMs);
    }
}

void gameTimerElapsed()
{
    if (game.questionOpen) return;
    if (game.ballLaunched && !game.paused) gameTick();
    requestRepaint();
}

void gameCloseRequested() { closeGameWindow(); }
