// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// Shots of the armed paddle: firing, and their climb through bricks and balls.
#pragma once

// The height a shot starts from, its top at the paddle's centre.
constexpr int kShotStartY = 516;

// Fires one shot straight up from the paddle's centre (called by a click while armed and not
// paused). Counts the shot even when all 60 entries are in flight, but then fires nothing.
void fireShot();

// One tick of every shot: brick strikes, pushes on the balls, the climb; then the test of the
// vanishing groups, which therefore runs every tick.
void moveShots();
