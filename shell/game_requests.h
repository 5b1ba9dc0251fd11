// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// What the game world asked of the shell during its last call (game.requests), performed after
// the call: the cues, the music, the record read again and saved, the run's replay saved.
#pragma once
#include <string>

// Performs and clears game.requests, in order, until none is left: a record read again or kept
// by the save goes back to the game as a record-read input when it differs from the game's.
// While a replay plays, the record comes from the replay instead and nothing is saved.
void performGameRequests();

// Saves the run's replay while its end screen shows (the platform's, which knows where): "" when
// it was saved or nothing was recorded; else one French line (UTF-8) that names what was and was
// not saved, for the end screen.
std::string saveRunReplay();
