// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// The boards of levels 1..kLevelCount, made at build time from resources/built-in.tessaron-levels
// by tools/built-in-levels, so that the text is their one source and start-up reads no file.
#pragma once

#include "game/game_state.h"

// A level's entries in the order the game lays them; an entry of kind 0 is left empty.
struct BuiltInBoard {
    const Brick* entries;
    int count;
};

// Level 1 first.
extern const BuiltInBoard kBuiltInBoards[kLevelCount];
