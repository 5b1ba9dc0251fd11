// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// The game's pictures, loaded once at start-up and kept for the whole run. A picture that
// failed to load is null and is simply not drawn.
#pragma once
#include <array>

#include "game/game_state.h"

struct SDL_Surface;

struct Pictures {
    SDL_Surface* buttonIcon = nullptr;                           // a menu button at rest, 128 x 24
    SDL_Surface* buttonHoverIcon = nullptr;                      // a menu button under the pointer
    std::array<SDL_Surface*, kCapsuleKinds + 1> bonusBitmaps{};  // capsules by kind 1..kCapsuleKinds, 20 x 10
    SDL_Surface* menuBackground = nullptr;                       // 285 x 445
    SDL_Surface* creditsBackground = nullptr;                    // 700 x 550, like the four below
    SDL_Surface* lostBackground = nullptr;                       // the end screen
    SDL_Surface* victoryPlate = nullptr;                         // drawn in a won run's black box, 300 x 85
    SDL_Surface* levelBackground = nullptr;                      // the level intro
    SDL_Surface* levelSetBackground = nullptr;                   // the same for a player's set, without a code
    SDL_Surface* finishedBackground = nullptr;                   // after the last level
    SDL_Surface* finishedSetBackground = nullptr;                // the same for a player's set, uncounted
    SDL_Surface* gameBackground = nullptr;                       // playfield and side panel
    std::array<SDL_Surface*, 4> paddleIcons{};                   // paddles 30, 60, 90 wide at 1..3, 15 high
    SDL_Surface* armedPaddleIcon = nullptr;                      // overlay while armed, 60 x 15
    SDL_Surface* stickyPaddleIcon = nullptr;                     // overlay while sticky, 60 x 15
    SDL_Surface* bouncePaddleIcon = nullptr;                     // the paddle while bounces are random, 60 x 15
    SDL_Surface* ballIconNormal = nullptr;                       // 12 x 12
    SDL_Surface* ballIconFire = nullptr;                         // 12 x 12
    std::array<SDL_Surface*, kBrickKinds + 1> brickBitmaps{};    // bricks by kind 1..kBrickKinds, 40 x 20
};
