// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// The recording fake of the platform: every call is logged, and the pointer and the clock are
// set by the test.
#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "game/platform.h"
#include "game/replay.h"

struct FakePlatform {
    std::vector<std::string> log;            // every call in order, e.g. "timer 25", "cue <path>"
    std::vector<std::uint32_t> timerStarts;  // intervals passed to startGameTimer
    bool timerRunning = false;
    std::vector<std::string> sounds;  // paths played once
    std::vector<std::string> loops;   // paths looped
    int soundStops = 0;
    std::int64_t clockMs = 0;  // the input time, set by the test
    int repaints = 0;
    int keepAlives = 0;      // calls of keepWindowsAlive
    bool quitAsked = false;  // what keepWindowsAlive reports: a quit request stops waits
    int lockRefusal = 0;     // errno of every lock call (ENOLCK: a file system without locks); 0: flock
    int windowCloses = 0;
    Point pointer{0, 0};
    std::string replayNotSaved;        // what saving a finished run's replay tells ("" saved)
    std::function<void()> duringSave;  // runs as a finished run's replay is saved
};

// How many times a cue was played (with sounds on), by its word: "murs", "balle pause", ...; and how many sounds
// were played in all. Both perform what the game asked first.
int cueCount(const char* cue);
std::size_t soundsPlayed();

// The one fake the tests share; resetFakePlatform() clears it and every global of the screens and shell.
extern FakePlatform fake;
void resetFakePlatform();

// Resets the fake and the game to program-start values (sounds on) and the pathBuffer, with the generator
// seeded with `seed`.
void resetWorld(std::uint32_t seed = 1);

// Hands the game one input as the platform does (runHandler at the fake's clock), then performs
// what the game asked of the shell.
void input(Handler handler, int argument = 0, const char* text = "");

// Ends the run being played as the Escape question's Yes does, and lets its end screen slide in:
// the record read again, the run's score compared with it. The game is then at its end screen
// (its replay saved) or at the record's name entry.
void endRun();
