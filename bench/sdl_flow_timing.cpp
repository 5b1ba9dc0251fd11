// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// Measures the game's flow in its window as a player sees it: how long the lost ball's pause, the
// applause, each slide and the hold after it last, and how many frames each slide shows. Run it
// under Xvfb; the figures are printed, never judged.
// Usage: sdl-flow-timing
#include <SDL.h>

#include <cstdio>

#include "game/flow.h"
#include "game/game_state.h"
#include "game/random.h"
#include "shell/assets.h"
#include "shell/data_paths.h"
#include "shell/sdl_platform.h"
#include "shell/sdl_windows.h"

namespace {

const char* modeName(GameMode mode)
{
    switch (mode) {
    case GameMode::Playing: return "playing";
    case GameMode::LostBallPause: return "lost-ball pause";
    case GameMode::Applause: return "applause";
    case GameMode::Slide: return "slide";
    case GameMode::SlideHold: return "hold";
    case GameMode::LevelIntro: return "level intro";
    case GameMode::EndScreen: return "end screen";
    default: return "other";
    }
}

// Runs the game window's loop until the mode is `until`, printing how long each mode lasted and
// the frames presented meanwhile.
void runUntil(GameMode until)
{
    GameMode mode = game.mode;
    std::uint64_t since = SDL_GetTicks64();
    std::uint64_t frames = windows.framesPresented;
    while (game.mode != until && windows.game.window != nullptr) {
        sdl.loopEndsAt = SDL_GetTicks64() + 1;
        runMessageLoop(WindowKind::Game);
        if (game.mode == mode) continue;
        const std::uint64_t now = SDL_GetTicks64();
        std::printf("%-16s %5llu ms %4llu frames\n", modeName(mode), static_cast<unsigned long long>(now - since),
                    static_cast<unsigned long long>(windows.framesPresented - frames));
        mode = game.mode;
        since = now;
        frames = windows.framesPresented;
    }
}

}  // namespace

int main()
{
    findExeDir();
    loadAssets();
    seedRandom(1);
    if (!initSdlPlatform()) return 1;
    finishStartUp();
    game.soundEnabled = 0;
    newGameReset();
    game.livesLeft = 2;
    game.currentLevel = 1;
    startLevel();
    openWindow(WindowKind::Game);
    paintWindow(WindowKind::Game);

    std::printf("a lost ball, a spare left:\n");
    game.ballLaunched = true;
    lastBallLost();
    runUntil(GameMode::Playing);
    std::printf("level 1 cleared:\n");
    game.ballLaunched = true;
    levelCleared();
    runUntil(GameMode::LevelIntro);
    std::printf("the intro left:\n");
    leaveWaitingScreen();
    runUntil(GameMode::Playing);
    std::printf("the last ball lost:\n");
    game.livesLeft = 0;
    game.ballLaunched = true;
    lastBallLost();
    runUntil(GameMode::EndScreen);
    closeWindow(WindowKind::Game);
    shutdownSdlPlatform();
    return 0;
}
