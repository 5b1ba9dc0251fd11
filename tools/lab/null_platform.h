// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// The null platform of tessaron-lab: no window, no sound, no waiting. The autopilot sets the
// pointer; sleeps advance a counted clock; questions get the answer the autopilot sets (No unless
// it gives up a ball caught in a loop).
#pragma once
#include <cstdint>

#include "game/platform.h"

struct NullPlatform {
    Point pointer{240, 500};     // where the autopilot holds the pointer
    std::int64_t clockMs = 0;    // advanced by sleeps
    bool gameWindowOpen = true;  // cleared when the game closes its window
    bool answerYes = false;      // the answer to the next Yes/No question
    std::uint32_t timerInterval = 0;
    bool timerRunning = false;
};

extern NullPlatform nullPlatform;
