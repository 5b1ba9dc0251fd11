// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// Watching a replay in the game window.
#include "shell/sdl_replay_watch.h"

#include <algorithm>
#include <cstdio>
#include <string>

#include "game/flow.h"
#include "game/platform.h"
#include "game/replay_player.h"
#include "screens/game_screen.h"
#include "screens/screen_state.h"
#include "screens/translation.h"
#include "shell/game_requests.h"
#include "shell/menu_navigation.h"
#include "shell/replay_file.h"
#include "shell/score_file.h"
#include "shell/sdl_dialogs.h"
#include "shell/sdl_platform.h"
#include "shell/sdl_windows.h"
#include "shell/settings_file.h"
#include "shell/shell_state.h"

namespace {

constexpr int kFastSpeed = 4;

struct Watch {
    int speed = 1;                 // 1, or kFastSpeed while Tab holds it
    std::uint64_t lastPlayed = 0;  // SDL_GetTicks64 time the previous record was played
    bool ended = false;            // the last record was played: the final screen stays
    bool leave = false;            // the watcher left
};
Watch watch;

// When the next record is due: a tick at the game timer's deadline, a wait after its (sped)
// duration, anything else at once.
std::uint64_t dueTime(const ReplayEvent& next)
{
    if (next.kind == Record::Ticks && sdl.timerRunning) return sdl.timerDeadline;
    if (next.kind == Record::Wait) return watch.lastPlayed + static_cast<std::uint64_t>(next.value) / watch.speed;
    return 0;
}

// The watcher's input (watchCommandOf): Escape, B or Back stop, Tab, X or Y toggle the speed;
// once the replay has ended any key, click or button leaves its final screen. Closing the
// window leaves too. Gamepads plugged in or out are opened or closed here.
void watcherEvent(const SDL_Event& event)
{
    const bool closing = event.type == SDL_WINDOWEVENT && event.window.event == SDL_WINDOWEVENT_CLOSE;
    const bool padOn = shellState.playerSettings.values.gamepad;
    if (event.type == SDL_CONTROLLERDEVICEADDED || event.type == SDL_CONTROLLERDEVICEREMOVED) {
        takeInputEvent(windows.input, event, shellState.playerSettings.values);
    }
    const WatchCommand command = watchCommandOf(event, watch.ended, padOn);
    if (closing || command == WatchCommand::Leave) {
        watch.leave = true;
        stopReplay();
    } else if (command == WatchCommand::SwitchSpeed) {
        watch.speed = watch.speed == 1 ? kFastSpeed : 1;
    } else if (event.type == SDL_WINDOWEVENT && windowMayShowNothing(event.window.event)) {
        repaintWindowWithId(event.window.windowID);
        repaintAnswerWindows();
    }
    // A signal or a logout ends the watching at any moment.
    if (event.type == SDL_QUIT) watch.leave = true;
}

}  // namespace

namespace {

// Whether the next record may be played now: an input waits while the game waits for time (a
// pause, the applause, a slide) and plays once that has passed, as it did in the recorded game.
bool playableNow(const ReplayEvent& next)
{
    if (replay.stopped || watch.leave) return false;
    return !(flowWaitsForTime() && isCall(next.kind) && next.kind != Record::Best);
}

// One step of the watched replay: waits for the next record's time, the time the game waits for
// or the watcher's input, then plays the record when it is due.
void watchReplayStep()
{
    paintWantedWindows();
    const ReplayEvent next = peekReplay();
    const bool playable = playableNow(next);
    const std::uint64_t due = playable ? dueTime(next) : 0;
    const std::uint64_t now = SDL_GetTicks64();
    std::uint64_t until = playable ? std::max(due, now) : now + 100;
    const std::uint64_t flow = flowDeadline(now);
    if (flow != 0 && flow < until) until = flow;
    SDL_Event event;
    if (SDL_WaitEventTimeout(&event, static_cast<int>(until > now ? until - now : 0)) == 1) {
        watcherEvent(event);
        while (SDL_PollEvent(&event) == 1) watcherEvent(event);
    }
    advanceGameFlow();
    if (playable && !watch.leave && playableNow(next) && SDL_GetTicks64() >= due) {
        if (next.kind == Record::Ticks) {
            // The next tick comes one interval later, a quarter of it at the fast speed.
            sdl.timerDeadline = SDL_GetTicks64() + sdl.timerIntervalMs / watch.speed;
        }
        watch.lastPlayed = SDL_GetTicks64();
        playNextRecord();
    }
    performGameRequests();
    syncAnswerWindows();
}

}  // namespace

int watchReplay(const char* path)
{
    ReplayStart start;
    std::string stream;
    std::string reason;
    if (!loadReplay(path, start, stream, reason)) {
        std::fprintf(stderr, tr("tessaron : %s : %s\n"), path, reason.c_str());
        return 2;
    }
    watch = Watch{};
    screenState.watchingReplay = true;
    windows.pointer = SDL_Point{start.pointer.x, start.pointer.y};
    openWindow(WindowKind::Game);
    if (windows.game.window == nullptr) return 1;
    beginPlayback(start, stream, false);
    // The watched game may set a record: the player's own score file is not touched.
    replay.keepsNoRecord = true;
    watch.lastPlayed = SDL_GetTicks64();
    while (!watch.leave) {
        watchReplayStep();
        // The end record was played, or the game departed from it: the screen stays until the
        // watcher leaves it, and says at once that the replay stopped.
        if (replay.stopped && !watch.leave && !watch.ended) {
            watch.ended = true;
            if (!replay.failure.empty()) requestRepaint();
        }
    }
    closeAnswerWindows();
    closeWindow(WindowKind::Game);
    // A replay that departs from its game (a crafted one among them) stops there: one line, status 1.
    if (!replay.failure.empty()) {
        std::fprintf(stderr, tr("tessaron : %s : lecture arrêtée : %s\n"), path, replay.failure.c_str());
        return 1;
    }
    return 0;
}
