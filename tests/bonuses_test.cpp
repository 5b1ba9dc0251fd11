// Bonus capsules: the kind drawn on release, the full table, the catch by the paddle, and the
// thirteen effects with their toggles, caps and floors.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <string>

#include "game/ball.h"
#include "game/bonuses.h"
#include "game/game_state.h"
#include "game/random.h"
#include "tests/fake_platform.h"

namespace {

// A level in play with no bricks: the paddle at 240, width 60, sounds on.
void inPlay(std::uint32_t seed = 1)
{
    resetWorld(seed);
    game.soundEnabled = 1;
    game.ballLaunched = true;
    game.balls[0] = Ball{200, 300, 0, 0, -1.0, BallIcon::Normal, 0};
    game.balls[1] = Ball{260, 300, 0, 0, -2.0, BallIcon::Normal, 0};
    updateVelocities();
}

// Drops a capsule of `kind` onto the middle of the paddle and lets the paddle catch it.
void catchKind(int kind)
{
    game.bonusTable[0] = FallingBonus{game.paddleX - 10, 521, kind};
    catchCapsules();
}

// The first seed from 1 on whose first draw modulo `m` is `r`.
std::uint32_t seedDrawing(int m, int r)
{
    for (std::uint32_t seed = 1;; ++seed) {
        seedRandom(seed);
        if (nextRandom() % m == r) return seed;
    }
}

double speedOf(const Ball& ball) { return std::hypot(ball.vx, ball.vy); }

}  // namespace

TEST(Release, TheKindFollowsTheSixtyEightWayTableAtEveryBoundary)
{
    const struct {
        int r;
        int kind;
    } bounds[] = {
        {0, 1},   {5, 1},   {6, 2},   {10, 2},  {11, 3},  {17, 3},  {18, 4},  {20, 4},  {21, 5},
        {22, 5},  {23, 6},  {32, 6},  {33, 7},  {34, 7},  {35, 8},  {40, 8},  {41, 9},  {45, 9},
        {46, 10}, {50, 10}, {51, 11}, {57, 11}, {58, 12}, {61, 12}, {62, 13}, {67, 13},
    };
    for (const auto& bound : bounds) {
        resetWorld(seedDrawing(68, bound.r));
        EXPECT_EQ(releaseCapsule(50, 60), bound.kind) << "r = " << bound.r;
        EXPECT_EQ(game.bonusTable[0].kind, bound.kind) << "r = " << bound.r;
        EXPECT_EQ(game.bonusTable[0].x, 50);
        EXPECT_EQ(game.bonusTable[0].y, 60);
    }
}

TEST(Release, TakesTheFirstFreeEntryAndOverwritesNothingWhenFull)
{
    resetWorld();
    for (int i = 0; i < kBonusCount; ++i) game.bonusTable[i] = FallingBonus{i, 2 * i, 1 + i % 13};
    game.shotTable[0] = Shot{11, 22, 1};  // the record that follows the capsules
    EXPECT_EQ(releaseCapsule(300, 300), 0);
    for (int i = 0; i < kBonusCount; ++i) {
        EXPECT_EQ(game.bonusTable[i].x, i);
        EXPECT_EQ(game.bonusTable[i].kind, 1 + i % 13);
    }
    EXPECT_EQ(game.shotTable[0].x, 11);
    EXPECT_EQ(game.shotTable[0].active, 1);

    game.bonusTable[2].kind = 0;
    game.bonusTable[3].kind = 0;
    const int kind = releaseCapsule(70, 80);
    EXPECT_EQ(game.bonusTable[2].kind, kind);
    EXPECT_EQ(game.bonusTable[2].x, 70);
    EXPECT_EQ(game.bonusTable[3].kind, 0);
}

TEST(Catch, CapsuleEdgesAgainstThePaddle)
{
    // Paddle 240, width 60: it spans 210..270, its top edge at 520, the catch stops at 535.
    const struct {
        int x, y;
        bool caught;
    } cases[] = {
        {190, 521, false},  // right edge exactly at the paddle's left edge
        {191, 521, true},  {270, 521, false},  // left edge exactly at the paddle's right edge
        {269, 521, true},  {230, 510, false},  // bottom edge exactly at the paddle's top
        {230, 511, true},  {230, 534, true},   {230, 535, false},
    };
    for (const auto& c : cases) {
        inPlay();
        game.livesLeft = 2;
        game.bonusTable[5] = FallingBonus{c.x, c.y, 7};
        catchCapsules();
        SCOPED_TRACE(std::to_string(c.x) + "," + std::to_string(c.y));
        EXPECT_EQ(game.bonusTable[5].kind, c.caught ? 0 : 7);
        EXPECT_EQ(game.score, c.caught ? 500 : 0);
        EXPECT_EQ(cueCount("bonus"), c.caught ? 1 : 0);
        EXPECT_EQ(game.livesLeft, c.caught ? 3 : 2);
    }
}

TEST(Catch, EveryTouchingCapsuleIsCaughtInIndexOrder)
{
    inPlay();
    game.bonusTable[2] = FallingBonus{220, 525, 1};  // wider paddle first
    game.bonusTable[6] = FallingBonus{270, 525, 7};  // then within reach of the wider paddle
    game.bonusTable[9] = FallingBonus{100, 525, 8};  // far from the paddle
    catchCapsules();
    EXPECT_EQ(game.paddleWidth, 90);
    EXPECT_EQ(game.bonusTable[6].kind, 0);
    EXPECT_EQ(game.bonusTable[9].kind, 8);
    EXPECT_EQ(game.score, 1000);
    EXPECT_EQ(cueCount("bonus"), 2);
}

TEST(Effects, WidthBonusesCapAtNinetyAndThirtyAndUndoEachOther)
{
    const struct {
        int kind, width;
        bool wide, narrow;
    } steps[] = {{1, 90, true, false}, {1, 90, true, false}, {2, 60, false, false}, {2, 30, false, true},
                 {2, 30, false, true}, {1, 60, false, false}};
    inPlay();
    for (const auto& step : steps) {
        catchKind(step.kind);
        EXPECT_EQ(game.paddleWidth, step.width);
        EXPECT_EQ(game.bonusWidePaddle, step.wide);
        EXPECT_EQ(game.bonusNarrowPaddle, step.narrow);
    }
}

TEST(Effects, PaddleBonusesEndThePaddleModesAndReleaseHeldBalls)
{
    for (const int kind : {1, 2, 10, 11, 13}) {
        inPlay();
        game.bonusSticky = true;
        game.bonusArmed = kind != 11;  // the armed bonus sets it again
        game.bonusRandomBounce = kind != 13;  // the random-bounce bonus toggles it
        game.balls[0].held = 1;
        game.balls[1].held = 1;
        catchKind(kind);
        SCOPED_TRACE("kind " + std::to_string(kind));
        EXPECT_EQ(game.balls[0].held, 0);
        EXPECT_EQ(game.balls[1].held, 0);
        EXPECT_FALSE(game.bonusSticky);  // the sticky bonus toggles it off
        EXPECT_EQ(game.bonusArmed, kind == 11);
        EXPECT_EQ(game.bonusRandomBounce, kind == 13);
    }
}

TEST(Effects, PaddleModesResetTheWidthAndReplaceOneAnother)
{
    inPlay();
    catchKind(1);
    catchKind(10);  // sticky
    EXPECT_EQ(game.paddleWidth, 60);
    EXPECT_FALSE(game.bonusWidePaddle);
    EXPECT_TRUE(game.bonusSticky);
    catchKind(10);  // caught again, it switches off
    EXPECT_FALSE(game.bonusSticky);

    catchKind(2);
    catchKind(13);  // random bounce
    EXPECT_EQ(game.paddleWidth, 60);
    EXPECT_FALSE(game.bonusNarrowPaddle);
    EXPECT_TRUE(game.bonusRandomBounce);
    catchKind(10);
    EXPECT_TRUE(game.bonusSticky);
    EXPECT_FALSE(game.bonusRandomBounce);
    catchKind(13);
    EXPECT_TRUE(game.bonusRandomBounce);
    EXPECT_FALSE(game.bonusSticky);
    catchKind(13);
    EXPECT_FALSE(game.bonusRandomBounce);

    catchKind(9);  // the mirror only toggles
    EXPECT_TRUE(game.bonusMirror);
    catchKind(9);
    EXPECT_FALSE(game.bonusMirror);
}

TEST(Effects, ArmedPaddleAddsFifteenShotsEachTime)
{
    inPlay();
    game.shotsLeft = 3;
    game.bonusSticky = true;
    catchKind(2);
    catchKind(11);
    EXPECT_EQ(game.shotsLeft, 18);
    EXPECT_TRUE(game.bonusArmed);
    EXPECT_EQ(game.paddleWidth, 60);
    EXPECT_FALSE(game.bonusNarrowPaddle);
    catchKind(11);
    EXPECT_EQ(game.shotsLeft, 33);
}

TEST(Effects, SpeedBonusesCapAtEightAndTwoAndUpdateTheVelocities)
{
    const struct {
        int kind, speed;
        bool fast, slow;
    } steps[] = {{3, 8, true, false}, {3, 8, true, false}, {4, 4, false, false}, {4, 2, false, true},
                 {4, 2, false, true}, {3, 4, false, false}};
    inPlay();
    const int tally = game.speedUpTally;
    for (const auto& step : steps) {
        catchKind(step.kind);
        EXPECT_EQ(game.ballSpeed, step.speed);
        EXPECT_EQ(game.bonusFastBall, step.fast);
        EXPECT_EQ(game.bonusSlowBall, step.slow);
        EXPECT_NEAR(speedOf(game.balls[0]), step.speed, 1e-9);
        EXPECT_NEAR(speedOf(game.balls[1]), step.speed, 1e-9);
    }
    EXPECT_EQ(game.speedUpTally, tally + 6);  // every catch counts, capped or not
}

TEST(Effects, FireBallTogglesAndTakesTheSecondBallOutOfPlay)
{
    inPlay();
    game.ballCount = 2;
    game.bonusTwoBalls = true;
    catchKind(5);
    EXPECT_TRUE(game.bonusFireBall);
    EXPECT_FALSE(game.bonusTwoBalls);
    EXPECT_EQ(game.ballCount, 1);
    EXPECT_EQ(game.balls[0].icon, BallIcon::Fire);
    catchKind(5);
    EXPECT_FALSE(game.bonusFireBall);
    EXPECT_EQ(game.ballCount, 1);
    EXPECT_EQ(game.balls[0].icon, BallIcon::Normal);
}

TEST(Effects, SecondBallSplitsTheFirstAndEndsTheFireBall)
{
    inPlay();
    game.bonusFireBall = true;
    game.balls[0].icon = BallIcon::Fire;
    const double angle = game.balls[0].angle;
    catchKind(12);
    EXPECT_FALSE(game.bonusFireBall);
    EXPECT_TRUE(game.bonusTwoBalls);
    EXPECT_EQ(game.ballCount, 2);
    EXPECT_EQ(game.balls[0].icon, BallIcon::Normal);
    EXPECT_NEAR(game.balls[0].angle, angle + 0.2, 1e-12);
    EXPECT_NEAR(game.balls[1].angle, angle - 0.2, 1e-12);
    EXPECT_EQ(game.balls[1].x, game.balls[0].x);
    EXPECT_EQ(game.balls[1].y, game.balls[0].y);
    EXPECT_NEAR(game.balls[1].vy, 4 * std::sin(angle - 0.2), 1e-12);

    // With two balls already in play it only ends a fire ball.
    game.bonusFireBall = true;
    const Ball first = game.balls[0];
    const Ball second = game.balls[1];
    catchKind(12);
    EXPECT_FALSE(game.bonusFireBall);
    EXPECT_EQ(game.ballCount, 2);
    EXPECT_EQ(game.balls[0].angle, first.angle);
    EXPECT_EQ(game.balls[1].angle, second.angle);
    EXPECT_EQ(game.balls[1].x, second.x);
}

TEST(Effects, LivesAreCappedAtFiveAndFlooredAtZeroWithoutEndingTheRun)
{
    inPlay();
    game.livesLeft = 4;
    catchKind(7);
    EXPECT_EQ(game.livesLeft, 5);
    catchKind(7);
    EXPECT_EQ(game.livesLeft, 5);

    game.livesLeft = 1;
    catchKind(8);
    EXPECT_EQ(game.livesLeft, 0);
    catchKind(8);
    EXPECT_EQ(game.livesLeft, 0);
    EXPECT_TRUE(game.ballLaunched);
    EXPECT_EQ(game.gameOverShown, 0);
    EXPECT_TRUE(fake.sleeps.empty());
    EXPECT_EQ(cueCount("vieperdu"), 0);
}

// Each ball gets a new direction; whatever the draw and the speed, it moves along it at its
// speed with a vertical step, so that no ball is left circling between the side walls.
TEST(Effects, RandomDirectionsNeverLeaveABallWithoutVerticalMotion)
{
    int changed = 0;
    for (const int speed : {2, 4, 8}) {
        for (std::uint32_t seed = 1; seed <= 300; ++seed) {
            inPlay(seed);
            game.ballSpeed = speed;
            const double before[2] = {game.balls[0].angle, game.balls[1].angle};
            catchKind(6);
            for (int ball = 0; ball < 2; ++ball) {
                const Ball& b = game.balls[ball];
                EXPECT_NE(static_cast<int>(b.vy), 0) << "seed " << seed << ", ball " << ball + 1;
                // The velocity is the one of the final direction, at the ball's speed.
                EXPECT_NEAR(b.vx, speed * std::cos(b.angle), 1e-9) << "seed " << seed;
                EXPECT_NEAR(b.vy, speed * std::sin(b.angle), 1e-9) << "seed " << seed;
                EXPECT_TRUE(b.angle > -kPi - 1e-9 && b.angle <= kPi + 1e-9) << b.angle;
                changed += b.angle != before[ball];
            }
        }
    }
    EXPECT_GT(changed, 3 * 300 * 2 * 3 / 4);  // most draws turn the ball
}
