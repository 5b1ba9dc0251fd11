// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// The game window's behaviour: pointer, button, key and timer events, and one game tick.
#pragma once

#include "game/game_state.h"

// Virtual-key codes the game window tells apart; any other key pauses.
constexpr int kKeyEscape = 27;
constexpr int kKeyF12 = 123;

// Pointer moved over the game window: before the launch the paddle follows the pointer.
void gamePointerMoved();

// Left button pressed: launch, fire, release held balls, or leave a waiting screen.
void gameLeftButtonDown();

// Key pressed with a virtual-key code: F12 and Escape open their question (to give up the balls,
// to end the game), any other key toggles the pause, also under an open question; on a waiting
// screen any key acts as a click.
void gameKeyDown(int virtualKey);

// The game timer elapsed: a tick while in play, launched and not paused, then a repaint.
void gameTimerElapsed();

// A close request for the game window, as the desktop sends it: a pause, the applause or a slide
// under way is finished at once, a name being typed is kept as the dialog opened on it, and the
// window closes.
void gameCloseRequested();

// The text of a question, Windows-1252, as its window shows it.
const char* questionText(QuestionKind question);

// One tick of the game world: the balls, the capsules, the shots, the level's end, the paddle.
void gameTick();

// Places the paddle from a pointer x in client pixels and carries held balls along.
void placePaddle(int pointerX);

// Bricks of kinds 1 to 7 left on the board.
int countBricksLeft();

// Every capsule entry falls kCapsuleFall pixels a tick; those below kCapsuleGone are freed.
constexpr int kCapsuleFall = 6;
constexpr int kCapsuleGone = 540;
void dropCapsules();
