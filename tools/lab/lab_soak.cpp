// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// tessaron-lab soak: the autopilot plays every level and the random board with many seeds and
// checks the game's invariants after every tick.
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "game/ball.h"
#include "game/bonuses.h"
#include "game/game_state.h"
#include "game/levels.h"
#include "tools/lab/autopilot.h"
#include "tools/lab/lab_commands.h"

namespace {

// The level number that gets the random board.
constexpr int kRandomBoard = 0;
// Faults printed in full; the rest are only counted.
constexpr long kFaultsShown = 20;

struct SoakRun {
    int level;
    std::uint32_t seed;
    long tick;
};

long faults = 0;

void fault(const SoakRun& run, const char* what, double value)
{
    faults += 1;
    if (faults <= kFaultsShown) {
        std::printf("fault: level %d seed %u tick %ld: %s (%g)\n", run.level, run.seed, run.tick, what, value);
    }
}

bool within(double value, double low, double high) { return value >= low && value <= high; }

// What the game guarantees at the end of every tick.
void checkInvariants(const SoakRun& run)
{
    if (game.ballCount != 1 && game.ballCount != 2) fault(run, "ballCount", game.ballCount);
    const int half = game.paddleWidth / 2;
    if (game.paddleX - half < 0) fault(run, "paddle past the left edge", game.paddleX);
    if (game.paddleX + half > kPlayfieldRight) fault(run, "paddle past the right edge", game.paddleX);
    if (game.paddleWidth != 30 && game.paddleWidth != 60 && game.paddleWidth != 90) {
        fault(run, "paddleWidth", game.paddleWidth);
    }
    if (game.ballSpeed != 2 && game.ballSpeed != 4 && game.ballSpeed != 8) {
        fault(run, "ballSpeed", game.ballSpeed);
    }
    if (game.tickIntervalMs < kFastestTickIntervalMs || game.tickIntervalMs > kStartTickIntervalMs) {
        fault(run, "tickIntervalMs", game.tickIntervalMs);
    }
    for (const Ball& ball : game.balls) {
        // Every change of an angle is followed by a velocity update, which folds it back.
        if (!within(ball.angle, -kPi, kPi)) fault(run, "angle outside [-pi, pi]", ball.angle);
        // The paddle placement that ends every tick keeps both centres off the side walls.
        if (!(ball.x > kBallLeftWall && ball.x < kBallRightWall)) fault(run, "ball centre x", ball.x);
        if (!std::isfinite(ball.y) || !std::isfinite(ball.vx) || !std::isfinite(ball.vy)) {
            fault(run, "ball position or velocity not finite", ball.y);
        }
    }
    if (game.livesLeft < 0 || game.livesLeft > kMaxLives) fault(run, "livesLeft", game.livesLeft);
    for (const Brick& brick : game.brickTable) {
        if (!within(brick.kind, kNoBrick, kBrickKinds)) fault(run, "brick kind", brick.kind);
        if (!within(brick.group, 0, 5)) fault(run, "brick group", brick.group);
    }
    for (const FallingBonus& capsule : game.bonusTable) {
        if (!within(capsule.kind, kNoCapsule, kCapsuleKinds)) fault(run, "capsule kind", capsule.kind);
    }
    for (const Shot& shot : game.shotTable) {
        if (shot.active != 0 && shot.active != 1) fault(run, "shot active", shot.active);
    }
}

}  // namespace

int runSoakCommand(int argc, char** argv)
{
    const long seeds = optionValue(argc, argv, "--seeds", 20);
    const long maxTicks = optionValue(argc, argv, "--ticks", 500000);
    long totalTicks = 0;
    long runs = 0;
    long cleared = 0;
    long over = 0;
    long lost = 0;
    long givenUp = 0;
    // Levels 1 to 25, then the random board. Odd seeds catch every capsule, so that every
    // effect comes into play, and let a ball fall now and then, so that lost balls and ends
    // of runs come too; even seeds play as the play command does.
    for (int board = 1; board <= kLevelCount + 1; ++board) {
        const int level = board <= kLevelCount ? board : kRandomBoard;
        for (long seed = 1; seed <= seeds; ++seed) {
            const CapsuleHabit habit = seed % 2 == 1 ? CapsuleHabit::Greedy : CapsuleHabit::Choosy;
            Autopilot pilot = startAutopilotGame(level, 5, static_cast<std::uint32_t>(seed), habit);
            if (habit == CapsuleHabit::Greedy) pilot.missOneIn = 40;
            SoakRun run{level, static_cast<std::uint32_t>(seed), 0};
            while (pilot.ticks < maxTicks && playState() == PlayState::Playing) {
                if (!autopilotTurn(pilot)) continue;
                run.tick = pilot.ticks;
                checkInvariants(run);
            }
            totalTicks += pilot.ticks;
            lost += pilot.livesLost;
            givenUp += pilot.ballsGivenUp;
            runs += 1;
            if (playState() == PlayState::Cleared) cleared += 1;
            if (playState() == PlayState::Over) over += 1;
        }
    }
    std::printf("soak: %ld runs, %ld cleared, %ld over, %ld balls lost (%ld given up in a loop)\n", runs, cleared, over,
                lost, givenUp);
    std::printf("%ld ticks, %ld faults\n", totalTicks, faults);
    return faults == 0 ? 0 : 1;
}
