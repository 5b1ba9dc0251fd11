// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// Bonus capsules: their release from destroyed bricks and their catch by the paddle.
#pragma once

// The most lives a player can hold; the extra-life capsule adds none beyond.
constexpr int kMaxLives = 5;

// Releases a capsule of a randomly drawn kind with its top-left corner at (x, y), in the
// first free entry of game.bonusTable. Returns the kind, or 0 when every entry is in use
// (nothing is released then).
int releaseCapsule(int x, int y);

// Catches every capsule touching the paddle: 500 points, the cue "bonus", its effect.
void catchCapsules();

// The effect of a caught capsule of `kind` (1 to kCapsuleKinds) on the paddle, balls, lives or rules.
void applyBonus(int kind);
