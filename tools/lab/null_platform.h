// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// The null platform of tessaron-lab: no window, no sound, no waiting. The autopilot sets the
// pointer and a clock it counts, and answers the questions it asks itself.
#pragma once
#include <cstdint>

#include "game/platform.h"

struct NullPlatform {
    Point pointer{240, 500};     // where the autopilot holds the pointer
    std::int64_t clockMs = 0;    // advanced by the autopilot
    bool gameWindowOpen = true;  // cleared when the game closes its window
    std::uint32_t timerInterval = 0;
    bool timerRunning = false;
};

extern NullPlatform nullPlatform;
