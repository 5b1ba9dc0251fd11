// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// Start-up loading: the best score, the data directories, the level codes, every picture
// and the menu's buttons.
#pragma once

// Called once by the entry point, before any window exists; exeDir must be set. Reads the
// score file, composes imageDir and soundDir, fills levelCodes, loads every picture into
// `pictures` (a missing one stays null), gives the first ball its normal picture and sets
// up menuButtons. A missing data directory is reported once on standard error; the game
// goes on without it. Loading again (tools, tests) releases the pictures loaded before.
void loadAssets();

// The same in two parts, so that the menu shows as soon as it can: first everything but the
// pictures the menu does not show (which also starts the loading of those afresh), then those,
// all at once or one picture a step between the menu's events.
void loadMenuAssets();
void loadRemainingAssets();

// Loads the next picture that the menu does not show, if any is left; true while some are
// still left to load after it.
bool loadNextAsset();

// How far the loading of the pictures the menu does not show has gone.
struct AssetLoading {
    int nextStep = 0;  // the next picture to load, in loading order
};
