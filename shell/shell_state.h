// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// Everything the shell keeps from one call to the next, in one global that goes back to its
// program-start value by assignment from its defaults, so that a field added here cannot be
// missed by the reset (shell/global_reset.cpp). ctest `state_in_structs` fails on a variable of
// the shell kept anywhere else.
#pragma once
#include <string>

#include "shell/assets.h"
#include "shell/level_sets.h"
#include "shell/settings_file.h"

struct ShellState {
    // Directory of the running executable, without a trailing separator, of any length and in
    // the bytes the file system gave (never converted: only text drawn on screen is).
    std::string exeDir;
    // The data directory (it holds Images/ and Sons/), then "<dataDir>/Images/" and
    // "<dataDir>/Sons/": a file name is appended directly.
    std::string dataDir;
    std::string imageDir;
    std::string soundDir;

    // Path of the score file as the file system spells it; "" when there is nowhere to keep it.
    // composeScoreFilePath sets it; tools and tests may point it at any other file.
    std::string scoreFilePath;
    // Set when the score file exists but could not be read: the record it may hold is not
    // known, so no save replaces it for the rest of the run.
    bool scoreFileUnreadable = false;

    AssetLoading assetLoading;      // how far the pictures the menu does not show have loaded
    StoredSettings playerSettings;  // this run's settings, read at start-up, written when changed
    LevelSetChoice levelSetChoice;  // the sets of levels offered and the one played
};

// The shell's state; the reset assigns ShellState{}.
extern ShellState shellState;
