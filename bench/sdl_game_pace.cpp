// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// Measures the running game in its window: ticks and repaints per second at the fastest
// interval (10 ms) and the CPU the game process spends, over 10 seconds of play on level 1.
// The pointer follows the ball, as a player's hand would; run it under Xvfb.
// Usage: sdl-game-pace [SECONDS] [mouse|keys] [full]: "keys" steers with held arrow keys
// instead of the mouse, "full" plays in the full screen.
#include <SDL.h>
#include <sys/resource.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "bench/process_usage.h"
#include "game/controls.h"
#include "game/game_state.h"
#include "game/random.h"
#include "shell/assets.h"
#include "shell/data_paths.h"
#include "shell/sdl_platform.h"
#include "shell/sdl_presentation.h"
#include "shell/sdl_windows.h"

namespace {

bool steerWithKeys = false;

// After every tick the hand moves under the first ball, and clicks when a new ball waits. With
// the keys it holds the arrow towards the ball, as a player would.
void followBall()
{
    const int x = static_cast<int>(game.balls[0].x);
    if (steerWithKeys) {
        PaddleSteering& steering = windows.input.steering;
        steering.leftKey = x < game.paddleX - 8;
        steering.rightKey = x > game.paddleX + 8;
    } else if ((SDL_GetWindowFlags(windows.game.window) & SDL_WINDOW_FULLSCREEN) != 0) {
        windows.pointer.x = x;  // the full screen's picture is not at the window's corner
    } else {
        SDL_WarpMouseInWindow(windows.game.window, x * windowScale(), 400 * windowScale());
    }
    if (!game.ballLaunched) gameLeftButtonDown();
}

}  // namespace

int main(int argc, char** argv)
{
    const int seconds = argc > 1 ? std::atoi(argv[1]) : 10;
    steerWithKeys = argc > 2 && std::strcmp(argv[2], "keys") == 0;
    const bool fullScreen = argc > 3 && std::strcmp(argv[3], "full") == 0;
    findExeDir();
    loadAssets();
    seedRandom(1);
    if (!initSdlPlatform()) return 1;
    finishStartUp();
    game.soundEnabled = 0;

    newGameReset();
    game.livesLeft = 5;
    game.currentLevel = 1;
    startLevel();
    openWindow(WindowKind::Game);
    if (fullScreen) {
        toggleFullScreen(windows.game.window);
        // The full screen is in place once the window manager has answered.
        for (int i = 0; i < 50; ++i) {
            SDL_PumpEvents();
            SDL_Delay(10);
        }
        paintWindow(WindowKind::Game);
    }
    SDL_WarpMouseInWindow(windows.game.window, 255 * windowScale(), 400 * windowScale());
    SDL_PumpEvents();
    game.tickIntervalMs = kFastestTickIntervalMs;  // the pace the game reaches after its speed-ups
    gameLeftButtonDown();
    sdl.tickObserver = followBall;

    const std::uint64_t start = SDL_GetTicks64();
    const double cpuStart = cpuSeconds();
    const std::uint64_t framesStart = windows.framesPresented;
    sdl.loopEndsAt = start + static_cast<std::uint64_t>(seconds) * 1000;
    runMessageLoop(WindowKind::Game);
    const double elapsed = static_cast<double>(SDL_GetTicks64() - start) / 1000.0;
    const double cpu = cpuSeconds() - cpuStart;

    std::printf(
        "seconds %.2f ticks %llu (%.1f a second) repaints %llu (%.1f a second) cpu %.1f %% of a core "
        "interval %u ms level-bricks-broken %d\n",
        elapsed, static_cast<unsigned long long>(sdl.ticksDelivered), sdl.ticksDelivered / elapsed,
        static_cast<unsigned long long>(windows.framesPresented - framesStart),
        (windows.framesPresented - framesStart) / elapsed, 100.0 * cpu / elapsed, game.tickIntervalMs,
        game.bricksBroken);
    int width = 0;
    int height = 0;
    SDL_GetWindowSize(windows.game.window, &width, &height);
    std::printf("window %dx%d\n", width, height);
    closeWindow(WindowKind::Game);
    shutdownSdlPlatform();
    return 0;
}
