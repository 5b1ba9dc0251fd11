// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// The autopilot: reads the board, the balls and the capsules, foresees where each ball meets
// the paddle line, aims the bounce at breakable bricks, and moves the pointer and clicks.
#include "tools/lab/autopilot.h"

#include <array>
#include <cmath>
#include <cstdlib>

#include "game/ball.h"
#include "game/bonuses.h"
#include "game/brick_kinds.h"
#include "game/capsule_kinds.h"
#include "game/controls.h"
#include "game/game_state.h"
#include "game/random.h"
#include "game/replay_recorder.h"
#include "game/shots.h"
#include "tools/lab/null_platform.h"

namespace {

constexpr double kFar = 1e18;
constexpr double kMissCost = 100000;
// After this many ticks without a change on the board the player varies its aim a little,
// and after the second figure it aims at random: the ball is caught in a loop.
constexpr long kCalmBeforeWandering = 2500;
constexpr long kCalmBeforeRoaming = 6000;
// A ball that has neither changed a brick nor come down to the paddle for this long circles
// among indestructible bricks for good: the player gives it up with F12 while a life is spare.
constexpr long kCalmBeforeGivingUp = 20000;

// The player's own dice: an LCG of its own, so that looking never draws from the game's.
int roll(Autopilot& pilot, int n)
{
    pilot.dice = pilot.dice * 1103515245u + 12345u;
    return static_cast<int>((pilot.dice >> 16) % static_cast<std::uint32_t>(n));
}

bool breakable(int kind) { return brickKindRow(kind).breakable; }

struct Board {
    std::array<Brick, kBrickCount> bricks;  // the bricks on the board, in index order
    int count;
};

Board readBoard()
{
    Board board{};
    for (const Brick& brick : game.brickTable) {
        if (brick.kind != kNoBrick) board.bricks[board.count++] = brick;
    }
    return board;
}

long boardSignature()
{
    long sum = 0;
    for (const Brick& brick : game.brickTable) sum += brick.kind;
    return sum;
}

// What the coming tick will leave of the paddle and the ball speed, from the capsules that
// the paddle as it now stands will catch in it.
struct PaddleForecast {
    int width;
    bool mirror;
    int ballSpeed;
    bool randomBounce;
};

bool capsuleCaught(int capsuleX, int capsuleY, int paddleX, int width)
{
    return capsuleX + kCapsuleWidth > paddleX - width / 2 && capsuleX < paddleX + width / 2 &&
           capsuleY + kCapsuleHeight > kPaddleTop && capsuleY < static_cast<int>(kLossLine);
}

// Each capsule's own effect is applied to the game as it stands, then the game and the
// generator are put back: the forecast cannot drift from the effects.
PaddleForecast forecastPaddle()
{
    PaddleForecast next{game.paddleWidth, game.bonusMirror, game.ballSpeed, game.bonusRandomBounce};
    const GameState kept = game;
    const std::uint32_t generator = currentRandomState();
    bool changed = false;
    for (const FallingBonus& capsule : kept.bonusTable) {
        if (capsule.kind == kNoCapsule) continue;
        const int y = capsule.y + kCapsuleFall;
        if (y > kCapsuleGone || !capsuleCaught(capsule.x, y, kept.paddleX, game.paddleWidth)) continue;
        applyBonus(capsule.kind);
        changed = true;
    }
    if (!changed) return next;
    next = PaddleForecast{game.paddleWidth, game.bonusMirror, game.ballSpeed, game.bonusRandomBounce};
    game = kept;
    seedRandom(generator);
    return next;
}

// A ball's flight as the player foresees it: the game's own flight of a ball through a tick
// (step and walls) at the ball speed it expects; the sweep below adds the bricks.
struct Flight {
    Ball ball;
    int speed;
};

// The brick sweep as the ball motion makes it: the points of this tick's path are tested
// from near its start; on the first that strikes a brick the ball bounces by the gaps one step
// back and is put back along its path. Strikes do not change the board here.
void sweep(Flight& flight, const Board& board)
{
    const Ball start = flight.ball;
    for (double t = 0.95; t >= 0; t -= 0.05) {
        const int x = static_cast<int>(start.x - t * start.vx);
        const int y = static_cast<int>(start.y - t * start.vy);
        bool bounce = false;
        double sumX = 0;
        double sumY = 0;
        for (int i = 0; i < board.count; ++i) {
            const Brick& brick = board.bricks[i];
            if (x + kBallRadius < brick.x || x - kBallRadius > brick.x + kBrickWidth || y + kBallRadius < brick.y ||
                y - kBallRadius > brick.y + kBrickHeight) {
                continue;
            }
            if (game.bonusFireBall && breakable(brick.kind)) continue;
            const double left = x - kBallRadius - start.vx;
            const double right = x + kBallRadius - start.vx;
            const double top = y - kBallRadius - start.vy;
            const double bottom = y + kBallRadius - start.vy;
            double gapX = 0;
            if (brick.x > right) gapX = brick.x - right;
            else if (brick.x + kBrickWidth < left) gapX = left - (brick.x + kBrickWidth);
            double gapY = 0;
            if (brick.y > bottom) gapY = brick.y - bottom;
            else if (brick.y + kBrickHeight < top) gapY = top - (brick.y + kBrickHeight);
            bounce = true;
            if (gapX > 0) sumX += gapX;
            if (gapY > 0) sumY += gapY;
        }
        if (bounce) {
            flight.ball.angle = sumY > sumX ? -start.angle : kPi - start.angle;
            aimBall(flight.ball, flight.speed);
            flight.ball.x = start.x - (t + 0.1) * start.vx;
            flight.ball.y = start.y - (t + 0.1) * start.vy;
            return;
        }
    }
}

// A ball that will be below the paddle line in the tick after the coming one, where the
// paddle placed now will meet it.
struct Landing {
    bool due;
    int ball;  // 0 or 1
    double x;  // centre x in that tick
    double y;
    double angle;       // direction with which it meets the paddle
    bool lostIfMissed;  // it falls below the loss line in that tick
};

Landing forecastLanding(int ball, const Board& board, const PaddleForecast& next)
{
    const Ball& b = game.balls[ball];
    Landing landing{false, ball, 0, 0, 0, false};
    if (b.held == 1) return landing;
    Flight flight{b, game.ballSpeed};
    flyBall(flight.ball, flight.speed);
    if (flight.ball.y > kPaddleLine) {
        const int d = static_cast<int>(flight.ball.x - game.paddleX);
        if (std::abs(d) <= game.paddleWidth / 2 + kBallRadius) return landing;  // met where it stands
        if (flight.ball.y > kLossLine) return landing;                          // too late
    }
    sweep(flight, board);
    if (next.ballSpeed != game.ballSpeed) {
        flight.speed = next.ballSpeed;
        aimBall(flight.ball, flight.speed);
    }
    flyBall(flight.ball, flight.speed);
    if (flight.ball.y <= kPaddleLine) return landing;
    landing.due = true;
    landing.x = flight.ball.x;
    landing.y = flight.ball.y;
    landing.angle = flight.ball.angle;
    landing.lostIfMissed = flight.ball.y > kLossLine;
    return landing;
}

// Where a straight path from a point first meets a breakable brick, reflecting off the walls
// and off indestructible bricks; it ends without a hit when it comes back to the paddle line.
struct PathEnd {
    bool reachesBrick;
    double length;
    int hardBounces;
};

PathEnd followPath(const Board& board, double x, double y, double angle)
{
    double dx = std::cos(angle);
    double dy = std::sin(angle);
    PathEnd end{false, 0, 0};
    for (int leg = 0; leg < 24 && end.length < 5000; ++leg) {
        double best = kFar;
        enum { None, Side, Top, Floor, Hard } what = None;
        bool sideFace = false;
        const double toSide = dx < -1e-9 ? (kBallLeftWall - x) / dx : dx > 1e-9 ? (kBallRightWall - x) / dx : kFar;
        const double toTop = dy < -1e-9 ? (kBallTopWall - y) / dy : kFar;
        const double toFloor = dy > 1e-9 ? (kPaddleLine - y) / dy : kFar;
        if (toSide < best) {
            best = toSide;
            what = Side;
        }
        if (toTop < best) {
            best = toTop;
            what = Top;
        }
        if (toFloor < best) {
            best = toFloor;
            what = Floor;
        }
        for (int i = 0; i < board.count; ++i) {
            const Brick& brick = board.bricks[i];
            // Aim well inside a breakable brick; an indestructible one is met wherever the
            // ball's box touches it.
            const double margin = breakable(brick.kind) ? 3 : 6;
            const double lowX = brick.x - margin;
            const double highX = brick.x + kBrickWidth + margin;
            const double lowY = brick.y - margin;
            const double highY = brick.y + kBrickHeight + margin;
            double enterX = -kFar;
            double leaveX = kFar;
            if (std::fabs(dx) > 1e-9) {
                enterX = ((dx > 0 ? lowX : highX) - x) / dx;
                leaveX = ((dx > 0 ? highX : lowX) - x) / dx;
            } else if (x < lowX || x > highX) {
                continue;
            }
            double enterY = -kFar;
            double leaveY = kFar;
            if (std::fabs(dy) > 1e-9) {
                enterY = ((dy > 0 ? lowY : highY) - y) / dy;
                leaveY = ((dy > 0 ? highY : lowY) - y) / dy;
            } else if (y < lowY || y > highY) {
                continue;
            }
            const double enter = enterX > enterY ? enterX : enterY;
            const double leave = leaveX < leaveY ? leaveX : leaveY;
            if (enter > leave || leave < 1e-6 || enter >= best) continue;
            if (enter < 1e-6) {
                if (breakable(brick.kind)) continue;  // already touching: struck, then left behind
                return end;                           // already against an indestructible brick
            }
            if (breakable(brick.kind)) {
                best = enter;
                what = None;
                end.reachesBrick = true;
            } else {
                best = enter;
                what = Hard;
                end.reachesBrick = false;
                sideFace = enterX > enterY;
            }
        }
        if (end.reachesBrick) {
            end.length += best;
            return end;
        }
        if (what == None) return end;
        end.length += best;
        x += dx * best;
        y += dy * best;
        if (what == Floor) return end;
        if (what == Side || (what == Hard && sideFace)) dx = -dx;
        else dy = -dy;
        if (what == Hard) end.hardBounces += 1;
    }
    return end;
}

// How far (in radians) a direction passes from the nearest breakable brick seen from a point.
double bearingMiss(const Board& board, double x, double y, double angle)
{
    double best = kPi;
    for (int i = 0; i < board.count; ++i) {
        const Brick& brick = board.bricks[i];
        if (!breakable(brick.kind)) continue;
        const double toward = std::atan2(brick.y + 10 - y, brick.x + 20 - x);
        const double off = std::fabs(std::remainder(angle - toward, 2.0 * kPi));
        if (off < best) best = off;
    }
    return best;
}

// The cost of sending a ball from a point in a direction: short paths to a breakable brick
// are cheap, paths that only come back are dear, near-flat paths waste time.
double aimCost(const Board& board, double x, double y, double angle)
{
    const PathEnd end = followPath(board, x, y, angle);
    double cost =
        end.reachesBrick ? end.length + 120.0 * end.hardBounces : kMissCost + 1000.0 * bearingMiss(board, x, y, angle);
    const double rise = std::fabs(std::sin(angle));
    if (rise < 0.3) cost += (0.3 - rise) * 3000.0;
    return cost;
}

// How much the player wants the capsule of a kind, from what it would do now.
int capsuleWish(const Autopilot& pilot, int kind)
{
    return pilot.habit == CapsuleHabit::Greedy ? 1 : capsuleKindRow(kind).wish(game);
}

// The capsules that will be low enough for the paddle in the tick after the coming one.
struct CapsuleSight {
    std::array<FallingBonus, kBonusCount> capsules;  // y as it will be in that tick
    int count;
};

CapsuleSight sightCapsules()
{
    CapsuleSight sight{};
    for (const FallingBonus& capsule : game.bonusTable) {
        if (capsule.kind == kNoCapsule) continue;
        const int comingY = capsule.y + kCapsuleFall;
        if (comingY <= kCapsuleGone && capsuleCaught(capsule.x, comingY, game.paddleX, game.paddleWidth)) {
            continue;  // caught in the coming tick already
        }
        const int y = capsule.y + 12;
        if (y > kCapsuleGone || y + kCapsuleHeight <= kPaddleTop || y >= static_cast<int>(kLossLine)) {
            continue;
        }
        sight.capsules[sight.count++] = FallingBonus{capsule.x, y, capsule.kind};
    }
    return sight;
}

// The capsules the paddle, centred at paddleX in the tick after the coming one, would catch,
// valued: negative costs are wanted capsules.
double capsuleCost(const Autopilot& pilot, const CapsuleSight& sight, int paddleX, const PaddleForecast& next)
{
    double cost = 0;
    for (int i = 0; i < sight.count; ++i) {
        const FallingBonus& capsule = sight.capsules[i];
        if (!capsuleCaught(capsule.x, capsule.y, paddleX, next.width)) continue;
        cost -= 200.0 * capsuleWish(pilot, capsule.kind);
    }
    return cost;
}

// The brick a shot fired from paddleX would strike first: true when it is breakable.
bool shotFindsBrick(const Board& board, int paddleX)
{
    int lowest = -1;
    int bottom = -100000;
    for (int i = 0; i < board.count; ++i) {
        const Brick& brick = board.bricks[i];
        if (paddleX + kBallRadius < brick.x || paddleX - kBallRadius > brick.x + kBrickWidth) continue;
        if (brick.y > kShotStartY + kBallRadius) continue;
        if (brick.y + kBrickHeight > bottom) {
            bottom = brick.y + kBrickHeight;
            lowest = i;
        }
    }
    return lowest >= 0 && breakable(board.bricks[lowest].kind);
}

// Where shots find breakable bricks, worked out again whenever the board has changed.
void updateShotMap(Autopilot& pilot, const Board& board)
{
    if (pilot.shotFindsSignature == pilot.boardSignature) return;
    pilot.shotFindsSignature = pilot.boardSignature;
    for (int paddleX = 0; paddleX < kPlayfieldWidth; ++paddleX) {
        pilot.shotFinds[paddleX] = shotFindsBrick(board, paddleX);
    }
}

// Adds the player's own variation when the board has been still for long.
double wander(Autopilot& pilot, double cost)
{
    if (pilot.calmTicks > kCalmBeforeRoaming) return roll(pilot, 100000);
    if (pilot.calmTicks > kCalmBeforeWandering) return cost + roll(pilot, 600);
    return cost;
}

struct Choice {
    int paddleX;
    double cost;
};

// The paddle centre that meets one or two landing balls and sends them towards bricks.
Choice catchBalls(Autopilot& pilot, const Board& board, const CapsuleSight& sight, const Landing* landings, int count,
                  const PaddleForecast& next)
{
    const int half = next.width / 2;
    const int reach = half + static_cast<int>(kBallRadius);
    Choice best{-1, kFar};
    for (int paddleX = half; paddleX <= kPlayfieldRight - half; ++paddleX) {
        double cost = 0;
        int met = 0;
        for (int i = 0; i < count; ++i) {
            const Landing& landing = landings[i];
            const int d = static_cast<int>(landing.x - paddleX);
            if (std::abs(d) > reach) continue;
            met += 1;
            // Keep off the very end of the paddle, where the least misjudgement misses.
            if (std::abs(d) >= reach - 1) cost += 400;
            if (next.randomBounce) {
                cost += 10.0 * std::abs(d);
            } else {
                const double angle = paddleBounceAngle(landing.angle, d, landing.ball + 1);
                cost += wander(pilot, aimCost(board, landing.x, kBounceCeiling, angle));
            }
        }
        if (met == 0) continue;
        // A ball left out costs dearly when it would be lost at once.
        for (int i = 0; i < count; ++i) {
            const int d = static_cast<int>(landings[i].x - paddleX);
            if (std::abs(d) > reach) cost += (landings[i].lostIfMissed ? 10 : 3) * kMissCost;
        }
        cost += capsuleCost(pilot, sight, paddleX, next);
        if (cost < best.cost) best = Choice{paddleX, cost};
    }
    return best;
}

// The paddle centre from which a ball held on the sticky paddle, released, goes to a brick.
Choice aimHeldBall(Autopilot& pilot, const Board& board, const CapsuleSight& sight, int ball,
                   const PaddleForecast& next)
{
    const int half = next.width / 2;
    const Ball& b = game.balls[ball];
    Choice best{-1, kFar};
    for (int paddleX = half; paddleX <= kPlayfieldRight - half; ++paddleX) {
        double x = paddleX + game.heldOffset[ball];
        if (x >= kBallRightWall) x = kBallRightWall - 1;
        if (x <= kBallLeftWall) x = kBallLeftWall + 1;
        double cost = wander(pilot, aimCost(board, x, kPaddleLine, b.angle));
        cost += capsuleCost(pilot, sight, paddleX, next);
        if (cost < best.cost) best = Choice{paddleX, cost};
    }
    return best;
}

// With no ball to meet: catch wanted capsules, dodge the others, stand under a brick when
// armed, and otherwise stay where the paddle is.
Choice freeSpot(Autopilot& pilot, const Board& board, const CapsuleSight& sight, const PaddleForecast& next)
{
    const int half = next.width / 2;
    const bool firing = game.bonusArmed && game.shotsLeft > 0;
    int stay = game.paddleX;
    if (stay < half) stay = half;
    if (stay > kPlayfieldRight - half) stay = kPlayfieldRight - half;
    if (sight.count == 0 && !firing) return Choice{stay, 0};
    if (firing) updateShotMap(pilot, board);
    Choice best{-1, kFar};
    for (int paddleX = half; paddleX <= kPlayfieldRight - half; ++paddleX) {
        double cost = capsuleCost(pilot, sight, paddleX, next) + 0.5 * std::abs(paddleX - stay);
        if (firing && pilot.shotFinds[paddleX]) cost -= 150;
        if (cost < best.cost) best = Choice{paddleX, cost};
    }
    return best;
}

// The launch spot: the ball leaves the paddle straight up from its centre.
int launchSpot(Autopilot& pilot, const Board& board)
{
    const int half = game.paddleWidth / 2;
    Choice best{half, kFar};
    for (int paddleX = half; paddleX <= kPlayfieldRight - half; ++paddleX) {
        double x = paddleX + game.heldOffset[0];
        if (x >= kBallRightWall) x = kBallRightWall - 1;
        if (x <= kBallLeftWall) x = kBallLeftWall + 1;
        const double cost = wander(pilot, aimCost(board, x, kBounceCeiling, -kPi / 2) + roll(pilot, 20));
        if (cost < best.cost) best = Choice{paddleX, cost};
    }
    return best.paddleX;
}

// Puts the pointer where the paddle placement turns it into paddleX.
void pointAt(int paddleX, bool mirror)
{
    nullPlatform.pointer.x = mirror ? kPlayfieldRight - paddleX : paddleX;
    runHandler(Handler::PointerMoved, 0, nullPlatform.clockMs);
}

bool ballHeld(int ball) { return game.balls[ball].held == 1 && (ball == 0 || game.ballCount == 2); }

// A shot rising from the paddle would meet a ball about to land there.
bool ballOverPaddle()
{
    for (int ball = 0; ball < game.ballCount; ++ball) {
        const Ball& b = game.balls[ball];
        if (b.y > 430 && std::fabs(b.x - game.paddleX) < 16) return true;
    }
    return false;
}

}  // namespace

Autopilot startAutopilotGame(int level, int lives, std::uint32_t seed, CapsuleHabit habit, bool recorded)
{
    seedRandom(seed);
    newGameReset();
    game.currentLevel = level;
    game.livesLeft = lives;
    game.mode = GameMode::Playing;
    if (recorded) beginRecording(nullPlatform.pointer);
    startLevel();
    nullPlatform.pointer = Point{240, 500};
    Autopilot pilot;
    pilot.dice = seed;
    pilot.habit = habit;
    pilot.boardSignature = boardSignature();
    return pilot;
}

PlayState playState()
{
    switch (game.mode) {
    case GameMode::Playing:
    case GameMode::Question: return PlayState::Playing;
    case GameMode::LostBallPause: return game.runEnding ? PlayState::Over : PlayState::Playing;
    case GameMode::Slide:
        if (game.slide == SlideKind::BoardRises) return PlayState::Playing;
        if (game.slide == SlideKind::IntroUncovered || game.slide == SlideKind::FinalUncovered) {
            return PlayState::Cleared;
        }
        return PlayState::Over;
    case GameMode::Applause:
    case GameMode::SlideHold:
    case GameMode::LevelIntro:
    case GameMode::FinalPicture: return PlayState::Cleared;
    default: return PlayState::Over;
    }
}

bool autopilotTurn(Autopilot& pilot)
{
    if (playState() != PlayState::Playing) return false;
    const Board board = readBoard();

    const bool looping = pilot.calmTicks > kCalmBeforeGivingUp && pilot.ticksAloft > kCalmBeforeGivingUp;
    if (game.ballLaunched && looping && game.livesLeft >= 1) {
        runHandler(Handler::Key, kKeyF12, nullPlatform.clockMs);
        runHandler(Handler::Answer, 1, nullPlatform.clockMs);
        pilot.ballsGivenUp += 1;
        pilot.livesLost += 1;
        pilot.calmTicks = 0;
        pilot.ticksAloft = 0;
    }
    if (!game.ballLaunched) {
        pointAt(launchSpot(pilot, board), game.bonusMirror);
        runHandler(Handler::LeftButton, 0, nullPlatform.clockMs);
    } else if (ballHeld(0) || ballHeld(1)) {
        pilot.heldTurns += 1;
        if (game.paddleX == pilot.releaseSpot || pilot.heldTurns > 6) {
            runHandler(Handler::LeftButton, 0, nullPlatform.clockMs);
            pilot.releaseSpot = -1;
            pilot.heldTurns = 0;
        }
    } else if (game.bonusArmed && game.shotsLeft > 0 && shotFindsBrick(board, game.paddleX) && !ballOverPaddle()) {
        runHandler(Handler::LeftButton, 0, nullPlatform.clockMs);
    }

    const PaddleForecast next = forecastPaddle();
    const CapsuleSight sight = sightCapsules();
    std::array<Landing, 2> landings{};
    int due = 0;
    for (int ball = 0; ball < game.ballCount; ++ball) {
        const Landing landing = forecastLanding(ball, board, next);
        if (landing.due) landings[due++] = landing;
    }
    Choice choice{-1, kFar};
    if (due > 0 && pilot.missOneIn > 0 && pilot.ticks >= pilot.droppingUntil && roll(pilot, pilot.missOneIn) == 0) {
        pilot.droppingUntil = pilot.ticks + 12;  // long enough for the ball to fall past
    }
    if (due > 0 && pilot.ticks < pilot.droppingUntil) {
        const int half = next.width / 2;
        choice = Choice{landings[0].x < kPlayfieldWidth / 2 ? kPlayfieldRight - half : half, 0};
    } else if (due > 0) {
        choice = catchBalls(pilot, board, sight, landings.data(), due, next);
    } else if (ballHeld(0) || ballHeld(1)) {
        choice = aimHeldBall(pilot, board, sight, ballHeld(0) ? 0 : 1, next);
        pilot.releaseSpot = choice.paddleX;
    }
    if (choice.paddleX < 0) choice = freeSpot(pilot, board, sight, next);
    pointAt(choice.paddleX, next.mirror);

    const bool ticking = game.ballLaunched && !game.paused;
    runHandler(Handler::Timer, 0, nullPlatform.clockMs);
    if (!ticking) return false;
    pilot.ticks += 1;
    if (!game.ballLaunched || playState() == PlayState::Over) pilot.livesLost += 1;  // the last ball fell
    const long signature = boardSignature();
    if (signature != pilot.boardSignature) {
        pilot.boardSignature = signature;
        pilot.calmTicks = 0;
    } else {
        pilot.calmTicks += 1;
    }
    bool down = false;
    for (int ball = 0; ball < game.ballCount; ++ball) down = down || game.balls[ball].y >= kBounceCeiling;
    pilot.ticksAloft = down ? 0 : pilot.ticksAloft + 1;
    return true;
}
