// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// The SDL side of the platform: the game timer kept as a deadline, repaint requests, sounds,
// and the loops that deliver the windows' events one at a time on the one thread.
#pragma once
#include <SDL.h>

#include <cstdint>

#include "shell/sdl_mixer_library.h"
#include "shell/sdl_windows.h"

struct SdlPlatform {
    bool timerRunning = false;  // the game window's timer
    std::uint32_t timerIntervalMs = 0;
    std::uint64_t timerDeadline = 0;   // SDL_GetTicks64 time of the next tick
    std::uint64_t timerHeldAt = 0;     // SDL_GetTicks64 time a question began holding it; 0 not held
    std::uint64_t flowSince = 0;       // SDL_GetTicks64 time the game's wait was last counted; 0 none
    bool quitRequested = false;        // the program is ending (quit button, menu closed, signal)
    std::uint64_t ticksDelivered = 0;  // game ticks delivered, for measuring the pace
    bool audioOpen = false;
    MixerCalls mixer;                  // SDL2_mixer, opened with the sound
    int startUpStep = 0;               // how far the start-up behind the menu's first frame has gone
    std::uint64_t loopEndsAt = 0;      // SDL_GetTicks64 time at which loops return; 0 never
    void (*tickObserver)() = nullptr;  // called after every delivered tick (measurements)
    bool tryingLevel = false;          // the game plays a level of the editor, which comes back once it is over
};

extern SdlPlatform sdl;

// Starts SDL's video and events, stops text input and picks the windows' enlargement.
bool initSdlPlatform();
// What the menu does not need for its first frame, done a small step at a time between the
// events of the program's windows: the remaining pictures, then the sound (SDL2_mixer opened,
// falling back to silent audio; sounds asked for before it are not heard). Each call does one
// step; false once everything is done.
bool stepStartUp();
// Finishes what is left of it at once (before a game or the credits need it).
void finishStartUp();
// Starts the gamepads' events: those plugged in now and later are opened as they arrive.
void startGamepads();
void shutdownSdlPlatform();

// Runs the loop of one window until it is closed or the program quits: its events, the game
// timer's ticks (late ones coalesced), the time the game waits for, the game's requests, the
// question or dialog its mode asks for, and its repaints. A quit request ends the game window as
// the desktop's close does.
void runMessageLoop(WindowKind kind);

// A slide frame rests this long once shown before the slide moves on.
constexpr std::uint64_t kSlideFrameRestMs = 5;

// When the game, waiting for time, next moves on (a slide's next frame, a pause's end), on the
// clock of SDL_GetTicks64; 0 when it waits for none.
std::uint64_t flowDeadline(std::uint64_t now);

// Time passed while the game waits for it, measured by the loop: a slide moves one frame once
// its frame has been shown and has rested, by the frame's duration; a pause counts down.
void advanceGameFlow();

// The level editor's wait for its next event, `timeoutMs` at most (-1: as long as it takes);
// whether an event was taken. A quit request is noted as the other loops note it.
bool waitForEditorEvent(SDL_Event& event, int timeoutMs);

// Hides the menu, starts a new game in the game window, runs its loop, shows the menu again.
void openGameWindow();

// Hides the menu, shows the credits until closed, shows the menu again.
void openCreditsWindow();
