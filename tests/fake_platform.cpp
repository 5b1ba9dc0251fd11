// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// The recording fake of the platform seam.
#include "tests/fake_platform.h"

#include <sys/file.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "game/controls.h"
#include "game/flow.h"
#include "game/game_state.h"
#include "game/random.h"
#include "game/replay.h"
#include "shell/file_lock.h"
#include "shell/game_requests.h"
#include "shell/global_reset.h"
#include "shell/sound_cues.h"

FakePlatform fake;

void resetFakePlatform()
{
    fake = FakePlatform{};
    resetScreenAndShellGlobals();
}

int cueCount(const char* cue)
{
    performGameRequests();
    const std::string file = std::string(cue) + ".wav";
    int played = 0;
    for (const std::string& path : fake.sounds) {
        if (path.size() < file.size()) continue;
        const std::size_t start = path.size() - file.size();
        if (path.compare(start, file.size(), file) == 0 && (start == 0 || path[start - 1] == '/')) ++played;
    }
    return played;
}

std::size_t soundsPlayed()
{
    performGameRequests();
    return fake.sounds.size();
}

void resetWorld(std::uint32_t seed)
{
    resetFakePlatform();
    game = GameState{};
    replay = ReplaySession{};
    pathBuffer.fill('\0');
    seedRandom(seed);
}

void startGameTimer(std::uint32_t ms)
{
    fake.timerStarts.push_back(ms);
    fake.timerRunning = true;
    fake.log.push_back("timer " + std::to_string(ms));
}

void stopGameTimer()
{
    fake.timerRunning = false;
    fake.log.push_back("stop timer");
}

Point pointerPosition() { return fake.pointer; }

void requestRepaint()
{
    fake.repaints += 1;
    fake.log.push_back("repaint");
}

// In place of the shell's: a file system that refuses locks, when the test asks for one.
int lockFileCall(int fd, int operation)
{
    if (fake.lockRefusal == 0) return flock(fd, operation);
    errno = fake.lockRefusal;
    return -1;
}

bool keepWindowsAlive()
{
    fake.keepAlives += 1;
    return !fake.quitAsked;
}

std::int64_t inputTimeMs() { return fake.clockMs; }

void playSoundFile(const char* path)
{
    fake.sounds.emplace_back(path);
    fake.log.push_back(std::string("sound ") + path);
}

void loopSoundFile(const char* path)
{
    fake.loops.emplace_back(path);
    fake.log.push_back(std::string("loop ") + path);
}

void stopSounds()
{
    fake.soundStops += 1;
    fake.log.push_back("stop sounds");
}

void closeGameWindow()
{
    fake.windowCloses += 1;
    fake.log.push_back("close game window");
}

std::string saveRunReplay()
{
    fake.log.push_back("save replay");
    if (fake.duringSave) fake.duringSave();
    return fake.replayNotSaved;
}

void input(Handler handler, int argument, const char* text)
{
    runHandler(handler, argument, fake.clockMs, text);
    performGameRequests();
}

void endRun()
{
    game.mode = GameMode::Playing;
    input(Handler::Key, kKeyEscape);
    input(Handler::Answer, 1);
    finishTimedModes();
    performGameRequests();
}
