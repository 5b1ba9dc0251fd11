// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// The game window's controls and the tick: paddle, launch, pause, questions, waiting screens, level end.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>
#include <vector>

#include "game/ball.h"
#include "game/controls.h"
#include "game/flow.h"
#include "game/game_state.h"
#include "game/replay_check.h"
#include "tests/fake_platform.h"

namespace {
// A new game on `level` (1000: the random board).
void newGameAtLevel(int level)
{
    resetWorld();
    game.currentLevel = level;
    newGameReset();
    startLevel();
}

int logged(const char* entry) { return static_cast<int>(std::count(fake.log.begin(), fake.log.end(), entry)); }

}  // namespace

// The paddle stays inside the playfield, then is mirrored; waiting and held balls ride along, off the walls.
TEST(PlacePaddle, ClampsMirrorsAndCarriesBalls)
{
    // The pointer's x, the paddle's width, whether mirrored, the paddle's centre.
    const int cases[][4] = {
        {100, 60, 0, 100}, {-50, 60, 0, 30}, {900, 60, 0, 449}, {100, 60, 1, 379}, {-50, 60, 1, 449}, {479, 90, 0, 434},
    };
    for (const auto& c : cases) {
        newGameAtLevel(1000);
        game.paddleWidth = c[1];
        game.bonusMirror = c[2] == 1;
        game.heldOffset[1] = 5;  // only a held second ball in play uses it
        placePaddle(c[0]);
        EXPECT_EQ(game.paddleX, c[3]) << c[0] << (c[2] ? " mirrored" : "") << ", width " << c[1];
        EXPECT_EQ(game.balls[0].x, c[3]);  // the waiting ball
    }
    game.ballLaunched = true;
    game.ballCount = 2;
    game.balls[0].held = game.balls[1].held = 1;
    game.heldOffset = {-7, 12};
    placePaddle(200);
    EXPECT_EQ(std::tie(game.balls[0].x, game.balls[1].x), std::make_tuple(193.0, 212.0));
    game.ballCount = 1;  // a second ball out of play stays where it is
    placePaddle(100);
    EXPECT_EQ(game.balls[1].x, 212);
    game.balls[0].held = game.balls[1].held = 0;
    game.balls[0].x = 474;
    game.balls[1].x = 6;
    placePaddle(200);
    EXPECT_EQ(std::tie(game.balls[0].x, game.balls[1].x), std::make_tuple(473.0, 7.0));
}

// The pointer moves the paddle, with a repaint, only before the launch and when not paused.
TEST(Controls, PointerMovesThePaddleOnlyBeforeTheLaunchAndUnpaused)
{
    newGameAtLevel(1000);
    fake.pointer = {120, 300};
    gamePointerMoved();
    fake.pointer = {300, 300};
    game.paused = true;
    gamePointerMoved();
    game.paused = false;
    gameLeftButtonDown();
    gamePointerMoved();
    EXPECT_EQ(game.paddleX, 120);
    EXPECT_EQ(fake.repaints, 1);
}

// A click launches even while paused, but fires and releases held balls only while the game goes on.
TEST(Controls, ClickLaunchesEvenWhilePausedButFiresAndReleasesNothing)
{
    newGameAtLevel(1000);
    gameKeyDown('P');
    EXPECT_EQ(fake.timerStarts.back(), 20u);
    game.bonusArmed = true;
    game.shotsLeft = 5;
    game.ballCount = 2;
    game.balls[1].held = 1;
    gameLeftButtonDown();
    EXPECT_TRUE(game.ballLaunched);
    EXPECT_EQ(fake.timerStarts.back(), 25u);
    EXPECT_EQ(std::tie(game.shotsLeft, game.balls[1].held), std::make_tuple(5, 1));
    EXPECT_EQ(soundsPlayed(), 1u);  // the launch cue only
    const double y = game.balls[0].y;
    gameTimerElapsed();  // a paused tick moves nothing, the repaint still comes
    EXPECT_EQ(game.balls[0].y, y);
    EXPECT_EQ(fake.repaints, 1);
    gameKeyDown('P');
    EXPECT_EQ(fake.timerStarts.back(), game.tickIntervalMs);
    const std::size_t starts = fake.timerStarts.size();
    gameLeftButtonDown();
    EXPECT_EQ(std::tie(game.shotsLeft, game.balls[1].held), std::make_tuple(4, 0));
    EXPECT_EQ(cueCount("balle decolle"), 2);
    EXPECT_EQ(fake.timerStarts.size(), starts);  // already launched
    gameTimerElapsed();
    EXPECT_LT(game.balls[0].y, y);
}

// F12 and Escape ask; the open question holds the game: open for 100 timer events (and an F12 and an Escape under
// it, which ask nothing), it changes nothing of the balls, capsules or shots. Non goes on from there; Oui gives up
// the first ball (F12: the second and its bonus stay) or ends the run (Escape).
TEST(Controls, F12AndEscapeAskAndTheOpenQuestionHoldsTheGame)
{
    // The key, the answer, then livesLeft and whether the run is ending.
    const std::tuple<int, bool, int, bool> cases[] = {{kKeyF12, false, 2, false},
                                                      {kKeyEscape, false, 2, false},
                                                      {kKeyF12, true, 1, false},
                                                      {kKeyEscape, true, 0, true}};
    for (const auto& [key, yes, lives, over] : cases) {
        newGameAtLevel(1000);
        game.livesLeft = 2;
        input(Handler::LeftButton);
        input(Handler::Timer);
        game.bonusTable[3] = FallingBonus{100, 200, 4};
        game.shotTable[0] = Shot{200, 300, 1};
        game.bonusTwoBalls = true;
        game.ballCount = 2;
        game.balls[1] = Ball{300, 200, 1, -2, -1.1, BallIcon::Normal, 0};
        // The state check keeps no capsule or shot place: their heights are kept beside it.
        const auto looks = [] {
            return std::tuple(checkOf(game), game.balls[0].y, game.bonusTable[3].y, game.shotTable[0].y);
        };
        input(Handler::Key, key);
        const auto before = looks();
        EXPECT_EQ(std::pair(game.mode, std::string(questionText(game.question))),
                  std::pair(GameMode::Question,
                            std::string(key == kKeyF12 ? "Etes vous sur de vouloir detruire votre(vos) balle(s)?"
                                                       : "Etes vous sur de vouloir quitter la partie?")));
        for (int i = 0; i < 100; ++i) input(Handler::Timer);
        input(Handler::Key, kKeyEscape), input(Handler::Key, kKeyF12), input(Handler::LeftButton);
        EXPECT_EQ(looks(), before) << key << yes;
        input(Handler::Answer, yes ? 1 : 0);
        EXPECT_EQ(std::tuple(game.livesLeft, game.mode == GameMode::Slide), std::tuple(lives, over)) << key << yes;
        if (yes) {
            EXPECT_TRUE(key == kKeyEscape || (!game.ballLaunched && game.bonusTwoBalls && game.balls[1].x == 300));
            continue;
        }
        EXPECT_EQ(game.mode, GameMode::Playing);
        input(Handler::Timer);
        EXPECT_NE(game.balls[0].y, std::get<1>(before)) << key << ": the game did not go on after Non";
    }
}

// Any key or click leaves a waiting screen: the end screen closes, a level's intro lays the next level.
TEST(Controls, WaitingScreensTakeAnyKeyOrClickAsLeaving)
{
    newGameAtLevel(1000);
    game.mode = GameMode::EndScreen;
    gameKeyDown(kKeyEscape);
    gameLeftButtonDown();
    EXPECT_EQ(game.mode, GameMode::EndScreen);
    EXPECT_EQ(fake.windowCloses, 2);
    newGameAtLevel(3);
    game.currentLevel = 4;
    game.mode = GameMode::LevelIntro;
    game.bricksBroken = 12;
    game.ballLaunched = true;
    gameLeftButtonDown();
    EXPECT_TRUE(game.mode == GameMode::Slide && game.bricksBroken == 0 && !game.ballLaunched);
    EXPECT_TRUE(fake.timerStarts.empty());
}

// A tick drops capsules 6 (freed below 540), ends a level of indestructible bricks, moves the paddle.
TEST(Tick, CapsulesFallAndTheLevelEndsWhenOnlyIndestructibleBricksRemain)
{
    newGameAtLevel(1000);
    game.brickTable = BrickTable{};
    game.brickTable[10] = Brick{0, 0, 8, 0};
    game.brickTable[11] = Brick{40, 0, 6, 0};
    game.bonusTable[0] = FallingBonus{100, 105, 3};
    game.bonusTable[1] = FallingBonus{100, 535, 0};  // a free entry stays put
    game.bonusTable[2] = FallingBonus{0, 534, 5};
    EXPECT_EQ(countBricksLeft(), 1);
    fake.pointer = {333, 10};
    gameLeftButtonDown();
    gameTimerElapsed();
    EXPECT_EQ(std::tie(game.bonusTable[0].y, game.bonusTable[1].y, game.bonusTable[2].kind),
              std::make_tuple(111, 535, 5));
    EXPECT_EQ(game.mode, GameMode::Playing);
    EXPECT_EQ(std::tie(game.paddleX, game.cursorPos.y), std::make_tuple(333, 10));
    EXPECT_EQ(logged("repaint"), 1);
    dropCapsules();
    EXPECT_EQ(game.bonusTable[2].kind, 0);
    game.brickTable[11].kind = 0;
    gameTick();
    EXPECT_EQ(std::tie(game.mode, game.currentLevel), std::make_tuple(GameMode::Applause, 1000));
    finishTimedModes();
    EXPECT_EQ(std::tie(game.mode, game.currentLevel), std::make_tuple(GameMode::FinalPicture, 1001));
}
