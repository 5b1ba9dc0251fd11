// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// The game's one pseudo-random generator: a linear congruential generator giving 0..32767.
#pragma once
#include <cstdint>

// Seeds the process-wide generator; called once at start-up (and by tests and tessaron-lab).
void seedRandom(std::uint32_t seed);

// Next value, 0..32767: state = state * 214013 + 2531011, result bits 16 to 30.
int nextRandom();

// The generator's state as it stands: seeding with it continues the same sequence.
std::uint32_t currentRandomState();
