// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// The game window's behaviour and the game tick.
#include "game/controls.h"

#include <array>

#include "game/ball.h"
#include "game/bonuses.h"
#include "game/brick_kinds.h"
#include "game/flow.h"
#include "game/game_state.h"
#include "game/replay.h"
#include "game/shots.h"
#include "game/text_ids.h"

namespace {

constexpr std::uint32_t kPausedTickMs = 20;

bool waitingScreenShown()
{
    return game.mode == GameMode::EndScreen || game.mode == GameMode::LevelIntro || game.mode == GameMode::FinalPicture;
}

// The F12 and Escape questions hold the game while they are open: no tick runs, so the ball,
// the capsules and the shots stand still, and a No goes on from exactly there.
void ask(QuestionKind question)
{
    game.mode = GameMode::Question;
    game.question = question;
}

void releaseHeldBall(Ball& ball)
{
    ball.held = 0;
    playCue("balle decolle");
}

void togglePause()
{
    game.paused = !game.paused;
    stopGameTimer();
    startGameTimer(game.paused ? kPausedTickMs : game.tickIntervalMs);
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
    if (countBricksLeft() == 0 && game.mode == GameMode::Playing) levelCleared();
    game.cursorPos = seamPointer();
    placePaddle(game.cursorPos.x);
}

void gamePointerMoved()
{
    // The paddle is not moved under a question, on the intro or at the end of a run (the final
    // picture still moves it, unseen).
    const bool held = game.mode != GameMode::Playing && game.mode != GameMode::FinalPicture;
    if (game.ballLaunched || game.paused || held) return;
    game.cursorPos = seamPointer();
    placePaddle(game.cursorPos.x);
    requestRepaint();
}

void gameLeftButtonDown()
{
    if (game.mode == GameMode::Question || game.mode == GameMode::NameEntry) {
        return;
    }
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
    if (game.mode == GameMode::Question) {
        if (virtualKey != kKeyF12 && virtualKey != kKeyEscape) togglePause();
        return;
    }
    if (game.mode == GameMode::NameEntry) return;
    if (waitingScreenShown()) {
        leaveWaitingScreen();
        return;
    }
    if (virtualKey == kKeyF12) {
        ask(QuestionKind::GiveUpBalls);
    } else if (virtualKey == kKeyEscape) {
        ask(QuestionKind::QuitGame);
    } else {
        togglePause();
    }
}

void gameTimerElapsed()
{
    if (game.ballLaunched && !game.paused && game.mode == GameMode::Playing) gameTick();
    requestRepaint();
}

void gameCloseRequested()
{
    // The screens a close interrupts are finished first, so that what they settle (a level's
    // intro shown, the record and its holder, the replay) is settled as if the player had waited;
    // a name being typed is kept as the dialog opened it.
    finishTimedModes();
    const std::array<char, 64> shownName = game.bestScoreName;
    if (game.mode == GameMode::NameEntry) textEntered(shownName.data());
    closeGameWindow();
}

const char* questionText(QuestionKind question)
{
    return question == QuestionKind::GiveUpBalls ? drawnTextId("Etes vous sur de vouloir detruire votre(vos) balle(s)?")
                                                 : drawnTextId("Etes vous sur de vouloir quitter la partie?");
}
