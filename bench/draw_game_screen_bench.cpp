// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// How long one paint of the play screen takes on a full board: level 4 with two balls, ten
// capsules, twenty shots, the armed paddle and the side panel, with make-data's pictures when
// they are built beside the benchmark: drawn whole, and as the game window paints it after a
// tick (balls, capsules and shots moved; only what changed redrawn). Target for the game
// window's paint: median under 0.25 ms.
#include <SDL.h>
#include <benchmark/benchmark.h>

#include <array>
#include <cstdio>

#include "game/game_state.h"
#include "game/level_codes.h"
#include "screens/game_screen.h"
#include "screens/game_window_paint.h"
#include "screens/pictures.h"
#include "screens/screen_state.h"
#include "shell/data_paths.h"
#include "shell/picture_files.h"
#include "shell/shell_state.h"

namespace {

SDL_Surface* solid(int width, int height, Uint8 r, Uint8 g, Uint8 b, bool icon)
{
    SDL_Surface* picture = SDL_CreateRGBSurfaceWithFormat(0, width, height, 32, SDL_PIXELFORMAT_ARGB8888);
    SDL_FillRect(picture, nullptr, SDL_MapRGBA(picture->format, r, g, b, 255));
    SDL_SetSurfaceBlendMode(picture, icon ? SDL_BLENDMODE_BLEND : SDL_BLENDMODE_NONE);
    return picture;
}

// Pictures of the game's sizes and kinds (bitmaps copied, icons blended), for a build
// without its data directory.
void makeSyntheticPictures()
{
    screenState.pictures.gameBackground = solid(700, 550, 20, 30, 60, false);
    for (int kind = 1; kind <= kBrickKinds; ++kind) {
        screenState.pictures.brickBitmaps[static_cast<std::size_t>(kind)] = solid(40, 20, 200, 20 * kind, 40, false);
    }
    for (int kind = 1; kind <= kCapsuleKinds; ++kind) {
        screenState.pictures.bonusBitmaps[static_cast<std::size_t>(kind)] = solid(20, 10, 10, 15 * kind, 200, false);
    }
    for (int entry = 1; entry <= 3; ++entry) {
        screenState.pictures.paddleIcons[static_cast<std::size_t>(entry)] = solid(30 * entry, 15, 220, 220, 220, true);
    }
    screenState.pictures.armedPaddleIcon = solid(60, 15, 250, 60, 60, true);
    screenState.pictures.stickyPaddleIcon = solid(60, 15, 60, 250, 60, true);
    screenState.pictures.bouncePaddleIcon = solid(60, 15, 60, 60, 250, true);
    screenState.pictures.ballIconNormal = solid(12, 12, 255, 255, 255, true);
    screenState.pictures.ballIconFire = solid(12, 12, 255, 120, 0, true);
}

SDL_Surface* loadBuilt(const char* name, int width, int height)
{
    std::snprintf(pathBuffer.data(), pathBuffer.size(), "%s%s", shellState.imageDir.data(), name);
    return loadPictureFile(pathBuffer.data(), width, height);
}

// The play screen's pictures from the data directory beside the benchmark. False when the
// directory is not there.
bool loadBuiltPictures()
{
    findExeDir();
    composeDataDirs();
    screenState.pictures.gameBackground = loadBuilt("fond.bmp", 700, 550);
    if (screenState.pictures.gameBackground == nullptr) return false;
    std::array<char, 32> name{};
    for (int kind = 1; kind <= kBrickKinds; ++kind) {
        std::snprintf(name.data(), name.size(), "%d.bmp", kind);
        screenState.pictures.brickBitmaps[static_cast<std::size_t>(kind)] = loadBuilt(name.data(), 40, 20);
    }
    for (int kind = 1; kind <= kCapsuleKinds; ++kind) {
        std::snprintf(name.data(), name.size(), "bonus%d.bmp", kind);
        screenState.pictures.bonusBitmaps[static_cast<std::size_t>(kind)] = loadBuilt(name.data(), 20, 10);
    }
    for (int entry = 1; entry <= 3; ++entry) {
        std::snprintf(name.data(), name.size(), "raquette%d.ico", entry);
        screenState.pictures.paddleIcons[static_cast<std::size_t>(entry)] = loadBuilt(name.data(), 30 * entry, 15);
    }
    screenState.pictures.armedPaddleIcon = loadBuilt("raquettearme.ico", 60, 15);
    screenState.pictures.stickyPaddleIcon = loadBuilt("raquettegolf.ico", 60, 15);
    screenState.pictures.bouncePaddleIcon = loadBuilt("raquetteRebonds.ico", 60, 15);
    screenState.pictures.ballIconNormal = loadBuilt("ball.ico", 12, 12);
    screenState.pictures.ballIconFire = loadBuilt("ballr.ico", 12, 12);
    return true;
}

// Level 4 in play, as full as a board gets on screen.
void fillBoard()
{
    game.currentLevel = 4;
    startLevel();
    std::snprintf(levelCodes[4].data(), levelCodes[4].size(), "PIXEL4");
    game.score = 123456;
    game.livesLeft = 5;
    game.bricksBroken = 12;
    game.ballCount = 2;
    game.balls[0].x = 200.5;
    game.balls[0].y = 400.25;
    game.balls[1].x = 320.0;
    game.balls[1].y = 300.75;
    game.bonusArmed = true;
    game.bonusFireBall = true;
    game.bonusMirror = true;
    game.shotsLeft = 11;
    for (int i = 0; i < 10; ++i) {
        game.bonusTable[static_cast<std::size_t>(i)] = FallingBonus{30 + 40 * i, 200 + 25 * i, 1 + i};
    }
    for (int i = 0; i < 20; ++i) {
        game.shotTable[static_cast<std::size_t>(i)] = Shot{20 + 22 * i, 250 + 9 * i, 1};
    }
}

void drawPlayScreen(benchmark::State& state)
{
    const bool built = loadBuiltPictures();
    if (!built) makeSyntheticPictures();
    state.SetLabel(built ? "make-data pictures" : "synthetic pictures");
    fillBoard();
    SDL_Surface* window = SDL_CreateRGBSurfaceWithFormat(0, 700, 550, 32, SDL_PIXELFORMAT_ARGB8888);
    for (auto _ : state) {
        drawGameScreen(window);
        benchmark::DoNotOptimize(window->pixels);
    }
    SDL_FreeSurface(window);
}
BENCHMARK(drawPlayScreen)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

// What one tick changes on the full board: the balls, the capsules and the shots move.
void moveTheBoard(int step)
{
    const int way = (step / 40) % 2 == 0 ? 1 : -1;
    for (Ball& ball : game.balls) {
        ball.x += 2.5 * way;
        ball.y -= 2.0 * way;
    }
    for (int i = 0; i < 10; ++i) game.bonusTable[static_cast<std::size_t>(i)].y += way;
    for (int i = 0; i < 20; ++i) game.shotTable[static_cast<std::size_t>(i)].y -= 3 * way;
}

void paintGameWindowAfterATick(benchmark::State& state)
{
    if (!loadBuiltPictures()) makeSyntheticPictures();
    fillBoard();
    SDL_Surface* window = SDL_CreateRGBSurfaceWithFormat(0, 700, 550, 32, SDL_PIXELFORMAT_ARGB8888);
    ChangedAreas changed;
    forgetGameWindowPaint();
    paintGameWindow(window, changed);
    int step = 0;
    for (auto _ : state) {
        moveTheBoard(step++);
        paintGameWindow(window, changed);
        benchmark::DoNotOptimize(window->pixels);
    }
    SDL_FreeSurface(window);
}
BENCHMARK(paintGameWindowAfterATick)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace

BENCHMARK_MAIN();
