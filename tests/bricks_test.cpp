// Brick strikes: points, cues and kind changes per kind, strikes at a joint, the bounce
// decided by the summed gaps, the fire ball, the capsule chance, and vanishing groups.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "game/ball.h"
#include "game/bricks.h"
#include "game/game_state.h"
#include "game/random.h"
#include "tests/fake_platform.h"

namespace {

// An empty board with sounds on and the generator seeded with `seed`.
void emptyBoard(std::uint32_t seed = 1)
{
    resetWorld(seed);
    game.soundEnabled = 1;
}

void ballAt(int n, double x, double y, double angle)
{
    Ball& ball = game.balls[n - 1];
    ball.x = x;
    ball.y = y;
    ball.angle = angle;
    updateVelocities();
}

// The generator's values after seeding with `seed`.
struct Draws {
    int values[4];
};

Draws drawsFor(std::uint32_t seed)
{
    seedRandom(seed);
    Draws draws{};
    for (int& value : draws.values) value = nextRandom();
    return draws;
}

// The first seed from 1 on whose first draws satisfy `wanted`.
template <typename Wanted>
std::uint32_t seedWhere(Wanted wanted)
{
    for (std::uint32_t seed = 1;; ++seed) {
        if (wanted(drawsFor(seed))) return seed;
    }
}

struct KindRule {
    int kind;
    int points;
    const char* cue;
    int kindAfter;
    int broken;
};

constexpr KindRule kRules[] = {
    {1, 500, "brique", 0, 1}, {2, 500, "brique", 0, 1},      {3, 500, "brique", 0, 1},
    {4, 500, "brique", 0, 1}, {5, 500, "brique", 0, 1},      {6, 300, "casse", 7, 0},
    {7, 300, "casse", 0, 1},  {8, 10, "briquedure", 8, 0},
};

}  // namespace

TEST(BrickStrike, EachKindScoresPlaysItsCueAndChangesByTheRules)
{
    for (const KindRule& rule : kRules) {
        for (int n = 0; n <= 1; ++n) {  // a shot, then the first ball
            SCOPED_TRACE("kind " + std::to_string(rule.kind) + (n == 0 ? " by a shot" : " by a ball"));
            emptyBoard();
            game.brickTable[5] = Brick{100, 100, rule.kind, 0};
            ballAt(1, 120, 130, -kPi / 2);
            game.score = 1000;
            // The box around (120, 126) reaches the brick's bottom edge at 120.
            EXPECT_TRUE(brickHit(120, 126, n));
            EXPECT_EQ(game.score, 1000 + rule.points);
            EXPECT_EQ(fake.sounds.size(), 1u);
            EXPECT_EQ(cueCount(rule.cue), 1);
            EXPECT_EQ(game.brickTable[5].kind, rule.kindAfter);
            EXPECT_EQ(game.bricksBroken, rule.broken);
        }
    }
}

TEST(BrickStrike, BoxEdgesTouchingCountAsAStrike)
{
    emptyBoard();
    game.brickTable[0] = Brick{100, 100, 8, 0};  // covers 100..140 by 100..120, edges included
    const struct {
        int x, y;
        bool struck;
    } points[] = {
        {94, 110, true},  {93, 110, false},  // left edge
        {146, 110, true}, {147, 110, false},  // right edge
        {120, 94, true},  {120, 93, false},  // top edge
        {120, 126, true}, {120, 127, false},  // bottom edge
        {146, 126, true}, {147, 127, false},  // corner
    };
    for (const auto& point : points) {
        game.score = 0;
        EXPECT_EQ(brickHit(point.x, point.y, 0), point.struck) << point.x << "," << point.y;
        EXPECT_EQ(game.score, point.struck ? 10 : 0);
    }
}

TEST(BrickStrike, AShotStrikesOnlyTheFirstBrickByIndex)
{
    emptyBoard();
    game.brickTable[2] = Brick{100, 100, 3, 0};
    game.brickTable[4] = Brick{140, 100, 1, 0};  // shares the joint at x 140
    EXPECT_TRUE(brickHit(140, 110, 0));
    EXPECT_EQ(game.brickTable[2].kind, 0);
    EXPECT_EQ(game.brickTable[4].kind, 1);
    EXPECT_EQ(game.score, 500);
    EXPECT_EQ(game.bricksBroken, 1);
}

TEST(BrickStrike, TwoBricksAtAJointBothScoreWithOneCueAndOneReversalBySummedGaps)
{
    emptyBoard();
    game.ballSpeed = 8;
    ballAt(1, 200, 200, -kPi / 4);  // up and to the right, about 5.66 per axis
    // One step back the box spans 188.3..200.3 by 199.7..211.7.
    game.brickTable[3] = Brick{163, 178, 6, 0};  // gaps: x 0, y 1.66
    game.brickTable[7] = Brick{203, 178, 1, 0};  // gaps: x 2.66, y 1.66
    EXPECT_TRUE(brickHit(200, 200, 1));
    EXPECT_EQ(game.score, 300 + 500);
    EXPECT_EQ(game.brickTable[3].kind, 7);
    EXPECT_EQ(game.brickTable[7].kind, 0);
    EXPECT_EQ(game.bricksBroken, 1);
    // Only the first brick by index plays its cue.
    EXPECT_EQ(fake.sounds.size(), 1u);
    EXPECT_EQ(cueCount("casse"), 1);
    // Summed, y (3.31) beats x (2.66): one vertical reversal, although the second brick on its
    // own would have turned the ball horizontally.
    EXPECT_NEAR(game.balls[0].angle, kPi / 4, 1e-12);
    EXPECT_GT(game.balls[0].vy, 0);
}

TEST(BrickStrike, NoGapOrEqualGapsReverseHorizontally)
{
    emptyBoard();
    ballAt(1, 120, 110, -kPi / 4);
    game.brickTable[0] = Brick{100, 100, 8, 0};  // the box already overlapped it one step back
    EXPECT_TRUE(brickHit(120, 110, 1));
    EXPECT_NEAR(game.balls[0].angle, -3 * kPi / 4, 1e-12);  // pi - angle, folded back

    emptyBoard();
    Ball& ball = game.balls[0];
    ball.angle = -kPi / 4;
    ball.vx = 2;
    ball.vy = -2;
    // One step back the box spans 192..204 by 196..208: both gaps are exactly 1.
    game.brickTable[0] = Brick{205, 175, 8, 0};
    EXPECT_TRUE(brickHit(200, 200, 1));
    EXPECT_NEAR(game.balls[0].angle, -3 * kPi / 4, 1e-12);
}

TEST(BrickStrike, NoBounceWithoutAStruckBrickOrForAShotThatMissed)
{
    emptyBoard();
    ballAt(1, 300, 300, -kPi / 4);
    game.brickTable[0] = Brick{100, 100, 1, 0};
    EXPECT_FALSE(brickHit(300, 300, 1));
    EXPECT_FALSE(brickHit(300, 300, 0));
    EXPECT_NEAR(game.balls[0].angle, -kPi / 4, 1e-12);
    EXPECT_EQ(game.score, 0);
    EXPECT_TRUE(fake.sounds.empty());
    // An emptied entry keeps stale coordinates and is never struck.
    game.brickTable[0].kind = 0;
    EXPECT_FALSE(brickHit(120, 110, 0));
}

// A fire ball goes through breakable bricks, a hard one in one strike, playing each cue; an
// indestructible brick turns it back and silences the cues after it.
TEST(FireBall, GoesThroughBreakableBricksAndBouncesOffIndestructibleOnes)
{
    const struct {
        int first, second;
        bool bounced;
        int score, broken, sounds;
    } cases[] = {{6, 1, false, 300 + 500, 2, 2}, {8, 3, true, 10 + 500, 1, 1}};
    for (const auto& c : cases) {
        SCOPED_TRACE("kinds " + std::to_string(c.first) + ", " + std::to_string(c.second));
        emptyBoard();
        game.bonusFireBall = true;
        ballAt(1, 140, 130, -kPi / 2);
        game.brickTable[0] = Brick{100, 100, c.first, 0};
        game.brickTable[1] = Brick{140, 100, c.second, 0};
        EXPECT_EQ(brickHit(140, 126, 1), c.bounced);
        EXPECT_EQ(game.brickTable[0].kind, c.first == 8 ? 8 : 0);
        EXPECT_EQ(game.brickTable[1].kind, 0);
        EXPECT_EQ(game.score, c.score);
        EXPECT_EQ(game.bricksBroken, c.broken);
        EXPECT_EQ(fake.sounds.size(), static_cast<size_t>(c.sounds));
        EXPECT_EQ(cueCount(c.bounced ? "briquedure" : "casse"), 1);
        EXPECT_EQ(game.balls[0].vy > 0, c.bounced);
    }
}

TEST(FireBall, ClimbsThroughAColumnOfBricksUntilAnIndestructibleOne)
{
    emptyBoard();
    game.bonusFireBall = true;
    ballAt(1, 120, 260, -kPi / 2);
    game.brickTable[0] = Brick{100, 200, 6, 0};
    game.brickTable[1] = Brick{100, 180, 1, 0};
    game.brickTable[2] = Brick{100, 160, 7, 0};
    game.brickTable[3] = Brick{100, 100, 8, 0};
    int turnedAt = -1;
    for (int tick = 0; tick < 40 && turnedAt < 0; ++tick) {
        stepBall(1);
        if (game.balls[0].vy > 0) turnedAt = tick;
    }
    EXPECT_EQ(game.brickTable[0].kind, 0);
    EXPECT_EQ(game.brickTable[1].kind, 0);
    EXPECT_EQ(game.brickTable[2].kind, 0);
    EXPECT_EQ(game.brickTable[3].kind, 8);
    EXPECT_EQ(game.bricksBroken, 3);
    // It turned only at the indestructible brick, whose bottom edge is at 120.
    ASSERT_GE(turnedAt, 0);
    EXPECT_LT(game.balls[0].y, 140);
}

TEST(CapsuleChance, DrawnOnceForEachBrickABallDestroys)
{
    const std::uint32_t lucky = seedWhere([](const Draws& d) { return d.values[0] % 2 == 1; });
    const std::uint32_t unlucky = seedWhere([](const Draws& d) { return d.values[0] % 2 == 0; });

    emptyBoard(unlucky);
    const Draws unluckyDraws = drawsFor(unlucky);
    seedRandom(unlucky);
    ballAt(1, 120, 130, -kPi / 2);
    game.brickTable[0] = Brick{100, 100, 2, 0};
    brickHit(120, 126, 1);
    for (const FallingBonus& capsule : game.bonusTable) EXPECT_EQ(capsule.kind, 0);
    EXPECT_EQ(nextRandom(), unluckyDraws.values[1]);  // exactly one draw

    emptyBoard(lucky);
    const Draws luckyDraws = drawsFor(lucky);
    seedRandom(lucky);
    ballAt(1, 120, 130, -kPi / 2);
    game.brickTable[0] = Brick{100, 100, 2, 0};
    brickHit(120, 126, 1);
    EXPECT_EQ(game.bonusTable[0].x, 110);  // centred on the brick
    EXPECT_EQ(game.bonusTable[0].y, 105);
    EXPECT_NE(game.bonusTable[0].kind, 0);
    EXPECT_EQ(game.bonusTable[1].kind, 0);
    EXPECT_EQ(nextRandom(), luckyDraws.values[2]);  // the chance, then the capsule's kind
}

TEST(CapsuleChance, TwoBricksDestroyedInOneCallCanReleaseTwoCapsules)
{
    // Chance, kind, chance, kind: both chances come up.
    const std::uint32_t seed =
        seedWhere([](const Draws& d) { return d.values[0] % 2 == 1 && d.values[2] % 2 == 1; });
    emptyBoard(seed);
    ballAt(1, 140, 130, -kPi / 2);
    game.brickTable[0] = Brick{100, 100, 1, 0};
    game.brickTable[1] = Brick{140, 100, 5, 0};
    EXPECT_TRUE(brickHit(140, 126, 1));
    EXPECT_EQ(game.bricksBroken, 2);
    EXPECT_EQ(game.bonusTable[0].x, 110);
    EXPECT_EQ(game.bonusTable[1].x, 150);
    EXPECT_NE(game.bonusTable[0].kind, 0);
    EXPECT_NE(game.bonusTable[1].kind, 0);
    EXPECT_EQ(game.bonusTable[2].kind, 0);

}

TEST(CapsuleChance, NoDrawWithoutADestroyedBrickNorForShots)
{
    const Draws draws = drawsFor(7);
    emptyBoard(7);
    ballAt(1, 140, 130, -kPi / 2);
    game.brickTable[0] = Brick{100, 100, 6, 0};  // cracks only
    game.brickTable[1] = Brick{140, 100, 8, 0};
    brickHit(140, 126, 1);
    game.brickTable[2] = Brick{300, 100, 1, 0};
    EXPECT_TRUE(brickHit(320, 126, 0));  // a shot destroys it
    EXPECT_EQ(game.brickTable[2].kind, 0);
    for (const FallingBonus& capsule : game.bonusTable) EXPECT_EQ(capsule.kind, 0);
    EXPECT_EQ(nextRandom(), draws.values[0]);
}

TEST(Groups, AGroupWithIndestructibleBricksVanishesWithItsLastBreakableBrick)
{
    emptyBoard();
    game.brickTable[0] = Brick{100, 100, 1, 2};
    game.brickTable[1] = Brick{300, 100, 8, 2};
    game.brickTable[2] = Brick{340, 100, 8, 2};
    game.brickTable[3] = Brick{100, 300, 6, 2};
    game.brickTable[4] = Brick{200, 200, 8, 0};
    game.brickTable[5] = Brick{400, 400, 1, 3};
    ballAt(1, 120, 130, -kPi / 2);
    brickHit(120, 126, 1);
    EXPECT_EQ(game.brickTable[1].kind, 8);  // the hard brick still holds the group
    EXPECT_EQ(cueCount("disparition"), 0);

    ballAt(1, 120, 330, -kPi / 2);
    brickHit(120, 326, 1);  // cracks
    EXPECT_EQ(game.brickTable[1].kind, 8);
    const int score = game.score;
    const int broken = game.bricksBroken;
    ballAt(1, 120, 330, -kPi / 2);
    brickHit(120, 326, 1);  // destroys the group's last breakable brick
    EXPECT_EQ(cueCount("disparition"), 1);
    for (int i = 0; i <= 3; ++i) {
        EXPECT_EQ(game.brickTable[i].kind, 0) << i;
        EXPECT_EQ(game.brickTable[i].group, 0) << i;
    }
    EXPECT_EQ(game.brickTable[4].kind, 8);
    EXPECT_EQ(game.brickTable[5].kind, 1);
    EXPECT_EQ(game.brickTable[5].group, 3);
    // The vanished bricks add nothing but the strike itself.
    EXPECT_EQ(game.score, score + 300);
    EXPECT_EQ(game.bricksBroken, broken + 1);

    clearEmptiedGroups();
    EXPECT_EQ(cueCount("disparition"), 1);
}

TEST(Groups, AGroupThatVanishesDuringAStrikeIsNotStruckAfterwards)
{
    emptyBoard();
    ballAt(1, 140, 130, -kPi / 2);
    game.brickTable[0] = Brick{100, 100, 1, 1};
    game.brickTable[1] = Brick{140, 100, 8, 1};  // touched too, but gone before its turn
    EXPECT_TRUE(brickHit(140, 126, 1));
    EXPECT_EQ(game.score, 500);
    EXPECT_EQ(cueCount("briquedure"), 0);
    EXPECT_EQ(cueCount("disparition"), 1);
    EXPECT_EQ(game.brickTable[1].kind, 0);
}
