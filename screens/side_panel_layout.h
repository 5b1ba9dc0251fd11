// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// Where the side panel shows the running effects (one slot per slot number the capsule rows
// use, left to right) and its card. The game screen draws on them and make-data their frames.
#pragma once

#include "game/capsule_kinds.h"

constexpr int kEffectMarkY = 330;           // the marks' top edge
constexpr int kFirstEffectMarkX = 520;      // the first slot's left edge
constexpr int kEffectMarkSlotSpacing = 40;  // from one slot's left edge to the next

// The left edge of a slot's mark, 0 to kEffectMarkSlotCount - 1.
constexpr int effectMarkX(int slot) { return kFirstEffectMarkX + kEffectMarkSlotSpacing * slot; }

// The card under the marks: the level's code, or a player's set's name and the level's rank.
// The texts on it must end before its right edge.
constexpr int kCardLeft = 502;
constexpr int kCardTop = 355;
constexpr int kCardRight = 690;
constexpr int kCardBottom = 411;
