// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// The state check of a replay: the game state reduced to a short list of named values, so
// that a replayed game can be compared with the recorded one and a difference named.
#pragma once
#include <array>
#include <cstdint>

#include "game/game_state.h"

// Scalars are kept as they are (zigzag-coded); tables, balls and the holder's name as a
// 32-bit hash of their live entries (free capsules, idle shots and empty bricks count as
// blanks, whatever their left-over coordinates).
constexpr int kCheckFieldCount = 32;
using StateCheck = std::array<std::uint64_t, kCheckFieldCount>;

StateCheck checkOf(const GameState& state);

// The field's name in GameState, e.g. "score", "balls[0]", "brickTable".
const char* checkFieldName(int field);

// A check value as a player reads it: the number for scalars, the hash in hex otherwise.
void describeCheckValue(int field, std::uint64_t value, char* text, int size);
