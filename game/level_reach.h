// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// Which bricks of a board a ball can ever reach from the paddle: a brick to break walled in by
// indestructible bricks makes a level that no play can clear.
#pragma once
#include <vector>

#include "game/game_state.h"

// The entries of `entries` (a level's board) that hold a brick to break (kinds 1 to 7) no ball
// can touch: a ball's 12-pixel box, starting on the paddle, moves through every place where it
// touches no indestructible brick, breaking what it touches; an indestructible brick of a group
// opens once every brick to break of its group is reachable. In entry order.
std::vector<int> unreachableBricks(const std::vector<Brick>& entries);
