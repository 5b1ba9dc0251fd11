// Shots of the armed paddle: firing and disarming, the entries they take, their climb and end,
// their strikes on bricks, and their pushes on the two balls.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "game/ball.h"
#include "game/controls.h"
#include "game/game_state.h"
#include "game/random.h"
#include "game/shots.h"
#include "tests/fake_platform.h"

namespace {

// A launched level with no bricks: the paddle at 240, both balls far from the paddle's column.
void armed(int shots)
{
    resetWorld();
    game.soundEnabled = 1;
    game.ballLaunched = true;
    game.bonusArmed = true;
    game.shotsLeft = shots;
    game.balls[0] = Ball{40, 100, 0, 0, -kPi / 2, BallIcon::Normal, 0};
    game.balls[1] = Ball{440, 100, 0, 0, -kPi / 2, BallIcon::Normal, 0};
    updateVelocities();
}

int activeShots()
{
    int active = 0;
    for (const Shot& shot : game.shotTable) active += shot.active != 0 ? 1 : 0;
    return active;
}

// A shot at (x, y) meets ball n, placed just below the shot point, moving at `angle`; returns
// the ball's angle afterwards.
double pushedAngle(int n, double angle)
{
    armed(0);
    if (n == 2) game.ballCount = 2;
    Ball& ball = game.balls[n - 1];
    ball.x = 240;
    ball.y = 300;
    ball.angle = angle;
    updateVelocities();
    game.shotTable[10] = Shot{240, 303, 1};
    moveShots();
    EXPECT_EQ(game.shotTable[10].active, 0);
    EXPECT_EQ(ball.y, 292);
    return ball.angle;
}

}  // namespace

TEST(Firing, TheFifteenthShotDisarmsThePaddle)
{
    armed(15);
    game.paddleX = 200;
    for (int click = 1; click <= 14; ++click) gameLeftButtonDown();
    EXPECT_TRUE(game.bonusArmed);
    EXPECT_EQ(game.shotsLeft, 1);
    gameLeftButtonDown();
    EXPECT_FALSE(game.bonusArmed);
    EXPECT_EQ(game.shotsLeft, 0);
    EXPECT_EQ(activeShots(), 15);
    EXPECT_EQ(cueCount("tir"), 15);
    EXPECT_EQ(game.paddleWidth, 60);

    gameLeftButtonDown();  // no longer armed: nothing more is fired
    EXPECT_EQ(activeShots(), 15);
    EXPECT_EQ(game.shotsLeft, 0);
}

TEST(Firing, TakesTheHighestFreeEntryAndWhenAllSixtyFlyOnlyCounts)
{
    armed(30);
    fireShot();
    EXPECT_EQ(game.shotTable[59].active, 1);
    EXPECT_EQ(game.shotTable[59].y, 516);

    for (int i = 1; i < kShotCount; ++i) game.shotTable[i] = Shot{i, 2 * i, 1};
    game.paddleX = 123;
    fireShot();
    EXPECT_EQ(game.shotTable[0].active, 1);
    EXPECT_EQ(game.shotTable[0].x, 123);
    EXPECT_EQ(game.shotTable[0].y, 516);

    // All sixty in flight: the shot is counted, nothing is fired or overwritten.
    game.shotTable[0] = Shot{0, 0, 1};
    game.shotsLeft = 2;
    const int cues = cueCount("tir");
    fireShot();
    EXPECT_EQ(game.shotsLeft, 1);
    EXPECT_TRUE(game.bonusArmed);
    EXPECT_EQ(cueCount("tir"), cues);
    for (int i = 0; i < kShotCount; ++i) EXPECT_EQ(game.shotTable[i].y, 2 * i);
    EXPECT_FALSE(game.bonusWidePaddle);  // the flags that follow the shots in the record
    fireShot();
    EXPECT_EQ(game.shotsLeft, 0);
    EXPECT_FALSE(game.bonusArmed);
}

TEST(Climb, AShotMeetingNothingIsSpentInItsHundredAndFifthPassAtMinusFour)
{
    armed(15);
    fireShot();
    moveShots();
    EXPECT_EQ(game.shotTable[59].y, 511);
    for (int pass = 2; pass <= 104; ++pass) moveShots();
    EXPECT_EQ(game.shotTable[59].active, 1);
    EXPECT_EQ(game.shotTable[59].y, -4);
    moveShots();
    EXPECT_EQ(game.shotTable[59].active, 0);
}

TEST(Climb, ShotsStrikeOneBrickEachWithoutCapsulesAndAreSpent)
{
    armed(15);
    seedRandom(3);
    const int firstDraw = nextRandom();
    seedRandom(3);
    game.brickTable[0] = Brick{220, 300, 1, 0};
    game.brickTable[1] = Brick{220, 280, 1, 0};
    game.brickTable[2] = Brick{100, 300, 8, 0};
    game.shotTable[5] = Shot{240, 325, 1};  // its box reaches the lower brick only
    game.shotTable[6] = Shot{120, 325, 1};
    moveShots();
    EXPECT_EQ(game.shotTable[5].active, 0);
    EXPECT_EQ(game.shotTable[6].active, 0);
    EXPECT_EQ(game.brickTable[0].kind, 0);
    EXPECT_EQ(game.brickTable[1].kind, 1);
    EXPECT_EQ(game.brickTable[2].kind, 8);
    EXPECT_EQ(game.score, 500 + 10);
    EXPECT_EQ(game.bricksBroken, 1);
    for (const FallingBonus& capsule : game.bonusTable) EXPECT_EQ(capsule.kind, 0);
    EXPECT_EQ(nextRandom(), firstDraw);
}

TEST(Climb, EveryPassClearsEmptiedGroupsEvenWithoutShots)
{
    armed(0);
    game.brickTable[4] = Brick{100, 100, 8, 3};
    game.brickTable[9] = Brick{140, 100, 8, 3};
    moveShots();
    EXPECT_EQ(game.brickTable[4].kind, 0);
    EXPECT_EQ(game.brickTable[9].kind, 0);
    EXPECT_EQ(cueCount("disparition"), 1);
}

// A pushed ball is lifted and turned 0.3 towards straight up, unless it goes down and left or
// straight down; within 0.06 of straight up the first ball keeps its angle, the second turns right.
TEST(Push, BallsAreTurnedTowardsStraightUpUnlessGoingDownLeft)
{
    const struct {
        int ball;
        double before, after;
    } cases[] = {
        {1, -kPi / 2, -kPi / 2}, {1, -kPi / 2 + 0.05, -kPi / 2 + 0.05},
        {2, -kPi / 2, -kPi / 2 + 0.3}, {2, -kPi / 2 + 0.05, -kPi / 2 + 0.35},
        {1, 0.5, 0.2}, {1, -0.5, -0.8}, {1, -kPi / 2 + 0.07, -kPi / 2 - 0.23}, {1, -2.5, -2.2},
        {1, 2.5, 2.5}, {1, kPi / 2, kPi / 2},
        {2, 0.5, 0.2}, {2, -0.5, -0.8}, {2, -kPi / 2 + 0.07, -kPi / 2 - 0.23}, {2, -2.5, -2.2},
        {2, 2.5, 2.5}, {2, kPi / 2, kPi / 2},
    };
    for (const auto& c : cases) {
        EXPECT_NEAR(pushedAngle(c.ball, c.before), c.after, 1e-12) << "ball " << c.ball << " at " << c.before;
    }
}

TEST(Push, AShotThatStrikesABrickStillPushesTheFirstBallAndOnlyIt)
{
    armed(0);
    game.ballCount = 2;
    game.brickTable[0] = Brick{220, 280, 2, 0};  // bottom edge at 300
    game.balls[0].x = 240;
    game.balls[0].y = 300;
    game.balls[1].x = 240;
    game.balls[1].y = 300;
    game.shotTable[0] = Shot{240, 303, 1};
    const int tally = game.speedUpTally;
    moveShots();
    EXPECT_EQ(game.brickTable[0].kind, 0);
    EXPECT_EQ(game.balls[0].y, 292);
    EXPECT_EQ(game.balls[1].y, 300);
    EXPECT_EQ(game.shotTable[0].active, 0);
    EXPECT_EQ(game.speedUpTally, tally + 1);
}

TEST(Push, TheShotPointMustLieStrictlyInsideTheBallsBox)
{
    armed(0);
    game.balls[0].x = 240;
    game.balls[0].y = 300;
    game.shotTable[0] = Shot{246, 300, 1};  // on the box's right edge
    game.shotTable[1] = Shot{240, 306, 1};  // on its bottom edge
    moveShots();
    EXPECT_EQ(game.balls[0].y, 300);
    EXPECT_EQ(game.shotTable[0].active, 1);
    EXPECT_EQ(game.shotTable[1].active, 1);
}
