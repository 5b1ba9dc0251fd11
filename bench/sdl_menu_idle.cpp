// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// Measures the menu: the time from the program's start to the menu's first frame, the CPU
// the idle menu spends over 10 seconds, and the resident memory meanwhile. Run under Xvfb.
#include <SDL.h>
#include <sys/resource.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>

#include "bench/process_usage.h"
#include "game/random.h"
#include "shell/assets.h"
#include "shell/data_paths.h"
#include "shell/sdl_platform.h"
#include "shell/sdl_windows.h"

namespace {

double secondsSince(const timespec& start)
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<double>(now.tv_sec - start.tv_sec) + static_cast<double>(now.tv_nsec - start.tv_nsec) / 1e9;
}

}  // namespace

int main(int argc, char** argv)
{
    timespec start{};
    clock_gettime(CLOCK_MONOTONIC, &start);
    const int seconds = argc > 1 ? std::atoi(argv[1]) : 10;

    // The game's own start-up, up to the menu's first frame.
    findExeDir();
    loadAssets();
    const double assetsLoaded = secondsSince(start);
    const long assetsResident = residentKilobytes();
    seedRandom(static_cast<std::uint32_t>(std::time(nullptr)));
    if (!initSdlPlatform()) return 1;
    finishStartUp();
    const double platformUp = secondsSince(start);
    const long platformResident = residentKilobytes();
    openWindow(WindowKind::Menu);
    paintWindow(WindowKind::Menu);
    const double firstFrame = secondsSince(start);
    std::printf("assets %.1f ms (%ld kB), platform %.1f ms (%ld kB), menu painted %.1f ms (%ld kB)\n",
                assetsLoaded * 1000.0, assetsResident, platformUp * 1000.0, platformResident, firstFrame * 1000.0,
                residentKilobytes());

    const double cpuStart = cpuSeconds();
    const std::uint64_t idleStart = SDL_GetTicks64();
    sdl.loopEndsAt = idleStart + static_cast<std::uint64_t>(seconds) * 1000;
    runMessageLoop(WindowKind::Menu);
    const double idle = static_cast<double>(SDL_GetTicks64() - idleStart) / 1000.0;
    const double cpu = cpuSeconds() - cpuStart;

    std::printf("first-frame %.1f ms idle %.1f s cpu %.2f %% of a core resident %ld kB\n", firstFrame * 1000.0, idle,
                100.0 * cpu / idle, residentKilobytes());
    closeWindow(WindowKind::Menu);
    shutdownSdlPlatform();
    return 0;
}
