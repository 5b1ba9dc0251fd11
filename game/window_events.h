// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// The game window's entry points: a platform opens each new game with the first and hands
// each event of the game window to one of the others, and has nothing else to do for replays.
// Each event is recorded first while a game is recorded (timed by the seam's inputTimeMs), then
// handled as runHandler handles it.
#pragma once

// A new game from the menu, as its window opens: the new-game values, its recording begun at
// the seam's pointerPosition, its first level laid.
void gameWindowNewGame();

// The pointer moved over the game window (the seam's pointerPosition already tells where).
void gameWindowPointerMoved();

// The left button went down in the game window (or a control that acts as it).
void gameWindowLeftButton();

// A key went down, as a virtual-key code (see controls.h).
void gameWindowKey(int virtualKey);

// The game timer elapsed; held (no tick, no record) while a question is open.
void gameWindowTick();

// The desktop asked the game window to close.
void gameWindowCloseRequest();
