// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// Where the side panel shows the running effects: one slot per slot number the capsule rows
// use, left to right. The game screen draws the marks there and make-data the slots' frames.
#pragma once

#include "game/capsule_kinds.h"

constexpr int kEffectMarkY = 330;           // the marks' top edge
constexpr int kFirstEffectMarkX = 520;      // the first slot's left edge
constexpr int kEffectMarkSlotSpacing = 40;  // from one slot's left edge to the next

// The left edge of a slot's mark, 0 to kEffectMarkSlotCount - 1.
constexpr int effectMarkX(int slot) { return kFirstEffectMarkX + kEffectMarkSlotSpacing * slot; }
