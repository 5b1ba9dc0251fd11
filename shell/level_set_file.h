// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// Reading a .tessaron-levels file from disk: only a regular file that is not a link, read in
// full up to the reader's limit, and then read strictly (game/level_set.h).
#pragma once
#include <string>

#include "game/level_set.h"

// Why a set's file could not be read, from the errno readRegularFileNotLink left: a link, not
// a regular file, or the system's words; in the player's language.
std::string levelSetFileReadFault(int error);

// Reads the set at `path`. On any fault `set` is left empty and `refusal` holds one line:
// the path, then what is wrong (with its line number when it lies in the text).
bool loadLevelSetFile(const std::string& path, LevelSet& set, std::string& refusal);
