// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// The game's flow from one screen to the next, kept as modes of GameState: the rules that end a
// life, a level and a run, the waits and slides between screens, and the requests (cues, music,
// the record, the replay) the shell performs after each call. Nothing here waits or calls above
// the game world.
#pragma once
#include <cstdint>

#include "game/game_state.h"

// How long the board stands still after the last ball is lost, the applause after a cleared
// level, and the intro or the final picture once slid in before they take a click or a key.
constexpr std::int64_t kLostBallPauseMs = 1500;
constexpr std::int64_t kApplauseMs = 1000;
constexpr std::int64_t kSlideHoldMs = 800;

// How a slide moves: slideOffset starts at `start` and, after each frame, moves up by
// `fixedStep` plus, when `timed`, half the frame's duration in ms (at least 1, at most 1000
// pixels a frame); the slide ends once it is at or below `stopAtOrBelow`.
struct SlideMotion {
    std::int32_t start;
    bool timed;
    std::int32_t fixedStep;
    std::int32_t stopAtOrBelow;
};
SlideMotion slideMotion(SlideKind kind);

// Asks for a sound cue by its word ("brique", "murs", ...); the shell plays it after the call,
// with sounds on.
void playCue(const char* cue);

// The last ball in play fell (within a tick): the lost cue and a pause on the board. A spare
// ball replaces it at once, its cue sounding when the pause ends; without one the run ends
// after the pause.
void lastBallLost();

// The open question answered: F12's Yes gives up the balls in play (a life, or the run's end),
// Escape's Yes ends the run; No goes on from exactly where the game held.
void questionAnswered(bool yes);

// No breakable brick is left (within a tick): the applause, then the next level's intro slides
// in, or, after the last level, the music and the final picture.
void levelCleared();

// A click or a key on the level's intro (the next board rises), the final picture (the end
// screen of a won run slides in) or the end screen (the game window closes).
void leaveWaitingScreen();

// The text a dialog was closed with: the record's holder (NameEntry; at most 63 characters
// kept, then the record is saved) or the menu's level code (CodeEntry: the level it opens).
void textEntered(const char* text);

// The record as the score file holds it, read again as a run ends or kept by its save: it
// becomes the best score shown, and the one the run's score is compared with once the end
// screen is in.
void recordRead(std::int32_t score, const char* name);

// The menu's "Entrer un code": the code dialog opens on the current level's code.
void beginCodeEntry();

// Whether the mode waits for time to pass: a pause, the applause, a slide or a hold.
bool flowWaitsForTime();

// Time passed while the mode waits for it, `elapsedMs` since the previous call: a pause counts
// it down, a slide moves one frame by it. Does nothing in other modes.
void advanceFlow(std::int64_t elapsedMs);

// Runs the modes that wait for time to their end at once (an input handled after them, a
// replay played headless, a window closed midway).
void finishTimedModes();
