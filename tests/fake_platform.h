// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// The recording fake of the platform: every call is logged, the pointer, the answers to
// questions and the text typed into dialogs are set by the test, and sleeps advance a clock.
#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "game/platform.h"

struct FakePlatform {
    std::vector<std::string> log;            // every call in order, e.g. "timer 25", "cue <path>"
    std::vector<std::uint32_t> timerStarts;  // intervals passed to startGameTimer
    bool timerRunning = false;
    std::vector<std::string> sounds;  // paths played once
    std::vector<std::string> loops;   // paths looped
    int soundStops = 0;
    std::vector<std::uint32_t> sleeps;     // sleep durations
    std::int64_t clockMs = 0;              // advanced by sleeps (and by clockStepMs per reading)
    std::int64_t clockStepMs = 0;          // added at every time reading
    std::vector<std::string> questions;    // texts of Yes/No questions
    bool answer = true;                    // answer to every question
    std::function<void()> duringQuestion;  // runs while a question is open (the game holds)
    int repaints = 0;
    int keepAlives = 0;      // calls of keepWindowsAlive
    bool quitAsked = false;  // what keepWindowsAlive reports: a quit request stops waits
    int lockRefusal = 0;     // errno of every lock call (ENOLCK: a file system without locks); 0: flock
    int windowCloses = 0;
    Point pointer{0, 0};
    std::vector<TextDialog> dialogs;     // dialogs run, in order
    std::string dialogInitialText;       // pathBuffer when the last dialog opened
    std::string typedText;               // text the player types (replaces the field)
    bool typeText = false;               // whether typedText replaces the field at all
    std::string replayNotSaved;          // what saving a finished run's replay tells ("" saved)
    std::function<void()> duringSave;    // runs as a finished run's replay is saved
    std::function<void()> duringDialog;  // runs while a dialog is open
};

// How many times a cue was played (with sounds on), by its word: "murs", "balle pause", ...
int cueCount(const char* cue);

// The one fake the tests share; resetFakePlatform() clears it and every global of the screens and shell.
extern FakePlatform fake;
void resetFakePlatform();

// Resets the fake and the game to program-start values (sounds on) and the pathBuffer, with the generator
// seeded with `seed`.
void resetWorld(std::uint32_t seed = 1);

// The fake game window: a 700 x 550 surface made at first use, and the count of its presents.
struct SDL_Surface;
SDL_Surface* fakeWindowSurface();
extern int fakeWindowPresents;
