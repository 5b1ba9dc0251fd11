// Ball motion: velocity updates and the timer speed-up, walls, the paddle rule, the sticky
// catch, losing balls, and the sweep against the bricks.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "game/ball.h"
#include "game/random.h"
#include "game/game_state.h"
#include "tests/fake_platform.h"

namespace {

// A level with no bricks: the first ball in flight at (x, y) with the given angle.
void launchAt(double x, double y, double angle, int n = 1)
{
    resetWorld();
    game.currentLevel = 1000;
    startLevel();
    for (Brick& brick : game.brickTable) brick.kind = 0;
    game.ballLaunched = true;
    Ball& ball = game.balls[n - 1];
    ball.x = x;
    ball.y = y;
    ball.angle = angle;
    if (n == 2) game.ballCount = 2;
    updateVelocities();
    game.score = 0;
    game.soundEnabled = 1;
    fake.sounds.clear();
}

// Sends ball n straight into the paddle line with offset d from the paddle's centre and
// returns its angle after the bounce.
double bounceAngle(int d, int n = 1, double angle = kPi / 2)
{
    // Half a pixel further out, so the offset truncates to d whatever the sign.
    launchAt(240 + d + (d < 0 ? -0.5 : 0.5), 514, angle, n);
    game.paddleX = 240;
    stepBall(n);
    return game.balls[n - 1].angle;
}

bool cuePlayed(const char* cue) { return cueCount(cue) > 0; }

}  // namespace

TEST(Velocities, NormaliseOnceAndRecompute)
{
    launchAt(100, 100, 3.3);
    EXPECT_NEAR(game.balls[0].angle, 3.3 - 2 * kPi, 1e-12);
    game.balls[0].angle = -3.3;
    updateVelocities();
    EXPECT_NEAR(game.balls[0].angle, -3.3 + 2 * kPi, 1e-12);
    game.balls[0].angle = kPi;
    updateVelocities();
    EXPECT_EQ(game.balls[0].angle, kPi);
    game.balls[0].angle = -kPi;
    updateVelocities();
    EXPECT_EQ(game.balls[0].angle, -kPi);
    game.ballSpeed = 8;
    game.balls[0].angle = 0.5;
    updateVelocities();
    EXPECT_NEAR(game.balls[0].vx, 8 * std::cos(0.5), 1e-12);
    EXPECT_NEAR(game.balls[0].vy, 8 * std::sin(0.5), 1e-12);
}

TEST(Velocities, TimerSpeedsUpEveryTenUpdatesDownToTenMs)
{
    resetWorld();
    startLevel();
    ASSERT_EQ(game.speedUpTally, 1);
    for (int i = 0; i < 8; ++i) updateVelocities();
    EXPECT_EQ(game.tickIntervalMs, 25u);
    EXPECT_TRUE(fake.timerStarts.empty());
    updateVelocities();  // the ninth after the level start
    EXPECT_EQ(game.tickIntervalMs, 24u);
    EXPECT_EQ(game.speedUpTally, 0);
    ASSERT_EQ(fake.timerStarts.size(), 1u);
    EXPECT_EQ(fake.timerStarts.back(), 24u);
    EXPECT_EQ(fake.log.back(), "timer 24");
    EXPECT_EQ(fake.log[fake.log.size() - 2], "stop timer");

    for (int i = 0; i < 1000; ++i) updateVelocities();
    EXPECT_EQ(game.tickIntervalMs, 10u);
    EXPECT_EQ(fake.timerStarts.back(), 10u);
    EXPECT_GT(game.speedUpTally, 10);  // keeps counting at the floor
}

TEST(Walls, SideWallsBounceScoreAndSetBack)
{
    launchAt(472, 200, 0.0);
    stepBall(1);
    EXPECT_EQ(game.balls[0].x, 474);
    EXPECT_NEAR(game.balls[0].angle, kPi, 1e-12);
    EXPECT_EQ(game.score, 1);
    EXPECT_TRUE(cuePlayed("murs"));

    launchAt(8, 200, kPi);
    stepBall(1);
    EXPECT_EQ(game.balls[0].x, 6);
    EXPECT_NEAR(game.balls[0].angle, 0.0, 1e-9);
}

TEST(Walls, TopWallReversesAndStepsOnceMoreButLetsAFallingBallFall)
{
    launchAt(200, 7, -kPi / 2);  // vy = -4: y reaches 3, then one step down to 7
    stepBall(1);
    EXPECT_NEAR(game.balls[0].y, 7, 1e-9);
    EXPECT_NEAR(game.balls[0].angle, kPi / 2, 1e-12);
    EXPECT_EQ(game.score, 1);

    // A slow ball lifted above the wall, already on its way down, keeps falling.
    launchAt(200, 2, kPi / 2);
    game.ballSpeed = 2;
    updateVelocities();
    for (int tick = 0; tick < 4; ++tick) stepBall(1);
    EXPECT_NEAR(game.balls[0].y, 10, 1e-9);
    EXPECT_NEAR(game.balls[0].angle, kPi / 2, 1e-12);
    EXPECT_EQ(game.score, 0);
}

// Outside its dead zone (-3..5 for the first ball, -2..2 for the second) a ball turns 1.5
// degrees per pixel from the paddle's centre, never closer than 0.06 to the horizontal.
TEST(Paddle, BounceAngleFollowsTheOffsetOutsideTheDeadZone)
{
    const struct {
        int d, ball;
        double incoming, after;
    } cases[] = {
        {0, 1, kPi / 2, -kPi / 2}, {5, 1, kPi / 2, -kPi / 2}, {6, 1, kPi / 2, -kPi / 2 + degToRad(9)},
        {-3, 1, kPi / 2, -kPi / 2}, {-4, 1, kPi / 2, -kPi / 2 - degToRad(6)},
        {2, 2, kPi / 2, -kPi / 2}, {3, 2, kPi / 2, -kPi / 2 + degToRad(4.5)}, {-3, 2, kPi / 2, -kPi / 2 - degToRad(4.5)},
        {0, 1, 0.02, -0.06}, {30, 1, 0.3, -0.06}, {-30, 1, kPi - 0.3, -kPi + 0.06},
    };
    for (const auto& c : cases) {
        EXPECT_NEAR(bounceAngle(c.d, c.ball, c.incoming), c.after, 1e-12) << "d " << c.d << ", ball " << c.ball;
    }
}

TEST(Paddle, ReachFollowsTheWidth)
{
    const int widths[] = {30, 60, 90};
    const int reaches[] = {21, 36, 51};
    for (int i = 0; i < 3; ++i) {
        for (int sign : {-1, 1}) {
            launchAt(240 + sign * (reaches[i] + 0.5), 512, kPi / 2);
            game.paddleWidth = widths[i];
            stepBall(1);
            EXPECT_LT(game.balls[0].vy, 0) << widths[i] << " at the reach";

            launchAt(240 + sign * (reaches[i] + 1.5), 512, kPi / 2);
            game.paddleWidth = widths[i];
            stepBall(1);
            EXPECT_GT(game.balls[0].vy, 0) << widths[i] << " beyond the reach";
            EXPECT_EQ(game.score, 1);  // below the line scores even when missed
        }
    }
}

TEST(Paddle, BounceLiftsTheBallAndPlaysTheWallCue)
{
    launchAt(240, 513, kPi / 2);  // y 517 after the step
    stepBall(1);
    EXPECT_EQ(game.balls[0].y, 512);
    EXPECT_TRUE(cuePlayed("murs"));
    EXPECT_EQ(game.balls[0].held, 0);
}

TEST(Paddle, StickyPaddleHoldsTheBallAtItsOffset)
{
    launchAt(250, 512, kPi / 2);
    game.bonusSticky = true;
    stepBall(1);
    EXPECT_EQ(game.balls[0].held, 1);
    EXPECT_EQ(game.heldOffset[0], 10);
    EXPECT_EQ(game.balls[0].x, 250);
    EXPECT_EQ(game.balls[0].y, 514);
    EXPECT_TRUE(cuePlayed("balle pause"));
    EXPECT_FALSE(cuePlayed("murs"));

    // A held ball rests on the paddle line: it neither moves nor scores.
    const int before = game.score;
    stepBall(1);
    EXPECT_EQ(game.balls[0].x, 250);
    EXPECT_EQ(game.balls[0].y, 514);
    EXPECT_EQ(game.score, before);
}

TEST(Paddle, RandomBounceUsesTheDrawnOffset)
{
    launchAt(240, 512, kPi / 2);
    game.bonusRandomBounce = true;
    seedRandom(1);  // first draw 41: 41 % 60 - 30 = 11
    stepBall(1);
    EXPECT_NEAR(game.balls[0].angle, -kPi / 2 + degToRad(1.5 * 11), 1e-12);
}

TEST(Loss, LastBallWaitsThenLosesALife)
{
    launchAt(100, 534, kPi / 2);
    game.livesLeft = 2;
    stepBall(1);
    EXPECT_TRUE(cuePlayed("vieperdu"));
    ASSERT_FALSE(fake.sleeps.empty());
    EXPECT_EQ(fake.sleeps.front(), 1500u);
    EXPECT_EQ(game.livesLeft, 1);
    EXPECT_FALSE(game.ballLaunched);
    EXPECT_DOUBLE_EQ(game.balls[0].x, 255.0);
}

TEST(Loss, FirstOfTwoBallsIsReplacedByTheSecondSilently)
{
    launchAt(100, 534, kPi / 2);
    game.ballCount = 2;
    game.bonusTwoBalls = true;
    game.heldOffset[0] = 3;
    game.heldOffset[1] = 17;
    game.balls[1] = Ball{300, 200, 1.5, -2.5, -1.0, BallIcon::Fire, 0};
    stepBall(1);
    EXPECT_EQ(game.ballCount, 1);
    EXPECT_FALSE(game.bonusTwoBalls);
    EXPECT_EQ(game.balls[0].x, 300);
    EXPECT_EQ(game.balls[0].vx, 1.5);
    EXPECT_EQ(game.balls[0].icon, BallIcon::Fire);
    EXPECT_EQ(game.heldOffset[0], 3);
    EXPECT_TRUE(fake.sounds.empty());
    EXPECT_TRUE(fake.sleeps.empty());

    // The second ball leaves play with a cue and no wait.
    launchAt(100, 534, kPi / 2, 2);
    game.bonusTwoBalls = true;
    stepBall(2);
    EXPECT_EQ(game.ballCount, 1);
    EXPECT_FALSE(game.bonusTwoBalls);
    EXPECT_TRUE(cuePlayed("vieperdu"));
    EXPECT_TRUE(fake.sleeps.empty());
}

TEST(Sweep, BallStopsBeforeTheFirstBrickOnItsPath)
{
    launchAt(220, 152, -kPi / 2);
    game.brickTable[0] = Brick{200, 120, 1, 0};  // bottom edge at 140
    stepBall(1);  // points tested down to y 148: the box top stays at 142, below the brick
    EXPECT_EQ(game.brickTable[0].kind, 1);

    launchAt(220, 150, -kPi / 2);
    game.brickTable[0] = Brick{200, 120, 1, 0};
    stepBall(1);  // the point y 146 puts the box top on the brick's bottom edge: a strike
    EXPECT_EQ(game.brickTable[0].kind, 0);
    EXPECT_GT(game.balls[0].vy, 0);
    // Put back along the path from where the hit point lay, using the old velocity.
    EXPECT_GT(game.balls[0].y, 144);
}
