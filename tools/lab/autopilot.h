// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// The autopilot: a player that watches the game as a player watches the screen and plays it
// only through the game window's own handlers (pointer moves, clicks, timer events).
#pragma once
#include <array>
#include <cstdint>

#include "game/game_state.h"

// What the player does with falling capsules: choosy catches the helpful ones and dodges the
// harmful ones; greedy catches every capsule it can (the soak uses it to reach every effect).
enum class CapsuleHabit { Choosy, Greedy };

// The player's memory between turns. It never writes the game state.
struct Autopilot {
    std::uint32_t dice = 1;  // the player's own generator, apart from the game's
    CapsuleHabit habit = CapsuleHabit::Choosy;
    int missOneIn = 0;                              // lets about one landing ball in this many fall (0: none)
    long droppingUntil = 0;                         // the paddle keeps away from landing balls until this tick
    long ticks = 0;                                 // game ticks played so far
    long calmTicks = 0;                             // ticks since a brick last changed
    long boardSignature = 0;                        // sum of the brick kinds when last looked at
    long ticksAloft = 0;                            // ticks since a ball was last down at the paddle
    long livesLost = 0;                             // last balls lost (given up ones included)
    long ballsGivenUp = 0;                          // balls given up with F12, caught in a loop
    int releaseSpot = -1;                           // paddle centre wanted before releasing a held ball
    int heldTurns = 0;                              // turns a ball has waited on the sticky paddle
    std::array<bool, kPlayfieldWidth> shotFinds{};  // per paddle centre: a shot from there breaks a brick
    long shotFindsSignature = -1;                   // the board those were worked out on
};

// How the game being played stands.
enum class PlayState { Playing, Cleared, Over };

// A new game at `level` with `lives` spare balls and the game's generator seeded with
// `seed`, as the menu would start it; returns the player for it (its dice seeded alike). A
// recorded game is recorded as a replay from its first level on.
Autopilot startAutopilotGame(int level, int lives, std::uint32_t seed, CapsuleHabit habit, bool recorded = false);

// Cleared once the level-complete step has shown the next intro or the final picture;
// over once the end screen is shown.
PlayState playState();

// One turn: looks at the game, moves the pointer, clicks when it wants to (launch, release,
// fire), then lets the game timer elapse once. Returns true when that event ran a tick.
bool autopilotTurn(Autopilot& pilot);
