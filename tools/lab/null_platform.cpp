// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// The null platform of tessaron-lab.
#include "tools/lab/null_platform.h"

#include "shell/game_requests.h"
#include "shell/sound_cues.h"

NullPlatform nullPlatform;

void startGameTimer(std::uint32_t ms)
{
    nullPlatform.timerInterval = ms;
    nullPlatform.timerRunning = true;
}
void stopGameTimer() { nullPlatform.timerRunning = false; }
Point pointerPosition() { return nullPlatform.pointer; }
void requestRepaint() {}
std::int64_t inputTimeMs() { return nullPlatform.clockMs; }
void playSoundFile(const char*) {}
void loopSoundFile(const char*) {}
void stopSounds() {}
bool keepWindowsAlive() { return true; }
void closeGameWindow() { nullPlatform.gameWindowOpen = false; }
// The lab keeps no replays of the games it plays.
std::string saveRunReplay() { return ""; }
