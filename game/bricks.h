// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// Brick strikes by balls and shots, and the groups of bricks that vanish together.
#pragma once

// Strikes the bricks touching the 12 x 12 box centred on (x, y). n is the ball number (1 or
// 2), or 0 for a shot, which strikes at most one brick. Scores, plays the brick cues, may
// release capsules. For a ball, returns true when it was made to bounce (its angle and
// velocity are changed); for a shot, true when it struck any brick.
bool brickHit(int x, int y, int n);

// Every group (1 to 5) left with no breakable brick vanishes whole, with one "disparition".
void clearEmptiedGroups();
