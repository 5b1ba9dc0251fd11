// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// The game's one pseudo-random generator.
#include "game/random.h"

namespace {
std::uint32_t randomState = 1;
}

void seedRandom(std::uint32_t seed) { randomState = seed; }

int nextRandom()
{
    randomState = randomState * 214013u + 2531011u;
    return static_cast<int>((randomState >> 16) & 0x7fffu);
}

std::uint32_t currentRandomState() { return randomState; }
