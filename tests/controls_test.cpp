// The game window's controls and the tick: paddle placement, launching, pausing, the F12 and
// Escape questions, waiting screens, capsules falling, and the end of a level.
#include <gtest/gtest.h>

#include <algorithm>

#include "game/ball.h"
#include "game/controls.h"
#include "game/game_state.h"
#include "tests/fake_platform.h"

namespace {

void newGameAtLevel(int level)
{
    resetWorld();
    game.currentLevel = level;
    newGameReset();
    startLevel();
}

int count(const std::vector<std::string>& log, const std::string& entry)
{
    return static_cast<int>(std::count(log.begin(), log.end(), entry));
}

}  // namespace

TEST(PlacePaddle, ClampsToThePlayfieldAndMirrors)
{
    const struct {
        int x, width;
        bool mirror;
        int expected;
    } cases[] = {
        {100, 60, false, 100}, {-50, 60, false, 30}, {900, 60, false, 449}, {100, 60, true, 379},
        {-50, 60, true, 449},  {0, 90, false, 45},   {479, 90, false, 434},
    };
    for (const auto& c : cases) {
        newGameAtLevel(1000);
        game.bonusMirror = c.mirror;
        game.paddleWidth = c.width;
        placePaddle(c.x);
        EXPECT_EQ(game.paddleX, c.expected) << c.x << (c.mirror ? " mirrored" : "") << ", width " << c.width;
    }
}

TEST(PlacePaddle, CarriesWaitingAndHeldBallsAndKeepsBallsOffTheWalls)
{
    newGameAtLevel(1000);
    EXPECT_EQ(game.balls[0].x, 255);  // before the first pointer move
    placePaddle(100);
    EXPECT_EQ(game.balls[0].x, 100);

    game.ballLaunched = true;
    game.ballCount = 2;
    game.balls[0].held = 1;
    game.heldOffset[0] = -7;
    game.balls[1].held = 1;
    game.heldOffset[1] = 12;
    placePaddle(200);
    EXPECT_EQ(game.balls[0].x, 193);
    EXPECT_EQ(game.balls[1].x, 212);

    game.balls[0].held = 0;
    game.balls[1].held = 0;
    game.balls[0].x = 474;
    game.balls[1].x = 6;
    placePaddle(200);
    EXPECT_EQ(game.balls[0].x, 473);
    EXPECT_EQ(game.balls[1].x, 7);
}

TEST(Controls, PointerMovesThePaddleOnlyBeforeTheLaunch)
{
    newGameAtLevel(1000);
    fake.pointer = {120, 300};
    gamePointerMoved();
    EXPECT_EQ(game.paddleX, 120);
    EXPECT_EQ(game.cursorPos.x, 120);
    EXPECT_EQ(fake.repaints, 1);

    game.paused = true;
    fake.pointer = {300, 300};
    gamePointerMoved();
    EXPECT_EQ(game.paddleX, 120);
    game.paused = false;

    gameLeftButtonDown();
    gamePointerMoved();
    EXPECT_EQ(game.paddleX, 120);
    EXPECT_EQ(fake.repaints, 1);
}

TEST(Controls, ClickLaunchesEvenWhilePausedButFiresAndReleasesNothing)
{
    newGameAtLevel(1000);
    game.soundEnabled = 1;
    gameKeyDown('P');
    ASSERT_TRUE(game.paused);
    EXPECT_EQ(fake.timerStarts.back(), 20u);

    game.bonusArmed = true;
    game.shotsLeft = 5;
    game.balls[0].held = 1;
    gameLeftButtonDown();
    EXPECT_TRUE(game.ballLaunched);
    EXPECT_EQ(fake.timerStarts.back(), 25u);
    EXPECT_EQ(game.shotsLeft, 5);
    EXPECT_EQ(game.balls[0].held, 1);
    EXPECT_EQ(fake.sounds.size(), 1u);  // the launch cue only

    // The tick does nothing while paused; the repaint still comes.
    const double y = game.balls[0].y;
    gameTimerElapsed();
    EXPECT_EQ(game.balls[0].y, y);
    EXPECT_EQ(fake.repaints, 1);

    gameKeyDown('P');
    EXPECT_FALSE(game.paused);
    EXPECT_EQ(fake.timerStarts.back(), game.tickIntervalMs);
    gameTimerElapsed();
    EXPECT_EQ(game.balls[0].y, y);  // still held on the paddle
    gameLeftButtonDown();
    EXPECT_EQ(game.balls[0].held, 0);
    gameTimerElapsed();
    EXPECT_LT(game.balls[0].y, y);
}

TEST(Controls, ClickReleasesEachHeldBallWithItsCue)
{
    newGameAtLevel(1000);
    game.soundEnabled = 1;
    game.ballLaunched = true;
    game.ballCount = 2;
    game.balls[0].held = 1;
    game.balls[1].held = 1;
    gameLeftButtonDown();
    EXPECT_EQ(game.balls[0].held, 0);
    EXPECT_EQ(game.balls[1].held, 0);
    EXPECT_EQ(fake.sounds.size(), 2u);
    EXPECT_TRUE(fake.timerStarts.empty());  // already launched

    // A second ball out of play stays held.
    game.ballCount = 1;
    game.balls[1].held = 1;
    gameLeftButtonDown();
    EXPECT_EQ(game.balls[1].held, 1);
}

TEST(Controls, F12AsksAndOnYesGivesUpTheFirstBallOnly)
{
    newGameAtLevel(1000);
    game.soundEnabled = 1;
    game.livesLeft = 2;
    game.ballLaunched = true;
    game.ballCount = 2;
    game.bonusTwoBalls = true;
    game.balls[1] = Ball{300, 200, 1, -2, -1.1, BallIcon::Normal, 0};
    game.balls[0].x = 50;

    fake.answer = false;
    gameKeyDown(kKeyF12);
    ASSERT_EQ(fake.questions.size(), 1u);
    EXPECT_EQ(fake.questions[0], "Etes vous sur de vouloir detruire votre(vos) balle(s)?");
    EXPECT_EQ(game.livesLeft, 2);
    EXPECT_TRUE(game.ballLaunched);

    fake.answer = true;
    gameKeyDown(kKeyF12);
    EXPECT_EQ(game.livesLeft, 1);
    EXPECT_FALSE(game.ballLaunched);
    EXPECT_EQ(game.balls[0].x, 255);
    EXPECT_EQ(game.ballCount, 2);
    EXPECT_TRUE(game.bonusTwoBalls);
    EXPECT_EQ(game.balls[1].x, 300);
    EXPECT_FALSE(game.paused);
}

TEST(Controls, EscapeAsksAndOnYesEndsTheRunWhateverTheLives)
{
    newGameAtLevel(1000);
    game.livesLeft = 3;
    fake.answer = false;
    gameKeyDown(kKeyEscape);
    EXPECT_EQ(fake.questions.back(), "Etes vous sur de vouloir quitter la partie?");
    EXPECT_EQ(game.livesLeft, 3);
    EXPECT_EQ(game.gameOverShown, 0);

    fake.answer = true;
    gameKeyDown(kKeyEscape);
    EXPECT_EQ(game.livesLeft, 0);
    EXPECT_EQ(game.gameOverShown, 1);
}

TEST(Controls, WaitingScreensTakeAnyKeyOrClickAsLeaving)
{
    newGameAtLevel(1000);
    game.gameOverShown = 1;
    gameKeyDown(kKeyEscape);
    EXPECT_TRUE(fake.questions.empty());
    EXPECT_EQ(fake.windowCloses, 1);
    gameLeftButtonDown();
    EXPECT_EQ(fake.windowCloses, 2);

    newGameAtLevel(3);
    game.currentLevel = 4;
    game.levelIntroShown = 1;
    game.bricksBroken = 12;
    game.ballLaunched = true;
    gameLeftButtonDown();
    EXPECT_EQ(game.levelIntroShown, 0);
    EXPECT_EQ(game.bricksBroken, 0);  // the next level was laid
    EXPECT_FALSE(game.ballLaunched);
    EXPECT_TRUE(fake.timerStarts.empty());
}

TEST(Controls, AYesAfterTheRunEndedChangesNothing)
{
    for (int key : {kKeyF12, kKeyEscape}) {
        newGameAtLevel(1000);
        game.livesLeft = 0;
        game.ballLaunched = true;
        game.balls[0].x = 100;
        game.balls[0].y = 534;
        game.balls[0].angle = kPi / 2;
        updateVelocities();
        fake.answer = true;
        // While the question is open the last ball falls out and the run ends.
        fake.duringQuestion = [] { gameTimerElapsed(); };
        gameKeyDown(key);
        ASSERT_EQ(game.gameOverShown, 1);
        fake.duringQuestion = nullptr;
        EXPECT_EQ(count(fake.log, "stop timer"), 1) << "the run ended once";
        EXPECT_EQ(fake.windowCloses, 0);
    }
}

TEST(Tick, CapsulesFallAndFreeThemselvesBelow540)
{
    newGameAtLevel(1000);
    game.bonusTable[0] = FallingBonus{100, 105, 3};
    game.bonusTable[1] = FallingBonus{100, 535, 0};
    game.bonusTable[2] = FallingBonus{0, 534, 5};
    dropCapsules();
    EXPECT_EQ(game.bonusTable[0].y, 111);
    EXPECT_EQ(game.bonusTable[1].y, 535);  // a free entry stays put: its y never overflows
    EXPECT_EQ(game.bonusTable[1].kind, 0);
    EXPECT_EQ(game.bonusTable[2].y, 540);
    EXPECT_EQ(game.bonusTable[2].kind, 5);
    dropCapsules();
    EXPECT_EQ(game.bonusTable[2].kind, 0);
}

TEST(Tick, LevelEndsWhenOnlyIndestructibleBricksRemain)
{
    newGameAtLevel(1000);
    for (Brick& brick : game.brickTable) brick.kind = 0;
    game.brickTable[10] = Brick{0, 0, 8, 0};
    game.brickTable[11] = Brick{40, 0, 6, 0};
    EXPECT_EQ(countBricksLeft(), 1);
    game.ballLaunched = true;
    gameTick();
    EXPECT_EQ(game.levelIntroShown, 0);

    game.brickTable[11].kind = 0;
    const int level = game.currentLevel;
    gameTick();
    EXPECT_EQ(countBricksLeft(), 0);
    EXPECT_EQ(game.currentLevel, level + 1);
}

TEST(Tick, EndsWithThePaddleAtThePointer)
{
    newGameAtLevel(1000);
    for (Brick& brick : game.brickTable) brick.kind = 0;
    game.brickTable[0] = Brick{0, 0, 1, 0};
    fake.pointer = {333, 10};
    gameLeftButtonDown();
    gameTimerElapsed();
    EXPECT_EQ(game.paddleX, 333);
    EXPECT_EQ(game.cursorPos.y, 10);
    EXPECT_EQ(count(fake.log, "repaint"), 1);
}
