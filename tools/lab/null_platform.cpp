// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// The null platform of tessaron-lab.
#include "tools/lab/null_platform.h"

#include "game/flow.h"
#include "screens/window_target.h"

NullPlatform nullPlatform;

void startGameTimer(std::uint32_t ms)
{
    nullPlatform.timerInterval = ms;
    nullPlatform.timerRunning = true;
}
void stopGameTimer() { nullPlatform.timerRunning = false; }
Point pointerPosition() { return nullPlatform.pointer; }
void requestRepaint() {}
bool askYesNo(const char*) { return nullPlatform.answerYes; }
void sleepMs(std::uint32_t ms) { nullPlatform.clockMs += ms; }
std::int64_t localTimeMs() { return nullPlatform.clockMs; }
std::int64_t inputTimeMs() { return nullPlatform.clockMs; }
void playSoundFile(const char*) {}
void loopSoundFile(const char*) {}
void stopSounds() {}
bool keepWindowsAlive() { return true; }
void closeGameWindow() { nullPlatform.gameWindowOpen = false; }
void runTextDialog(TextDialog) {}
// The lab keeps no replays of the games it plays.
std::string saveRunReplay() { return ""; }

// No window: the screens' transitions draw on nothing.
SDL_Surface* gameWindowSurface() { return nullptr; }
void presentGameWindow() {}
