// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// The game window's entry points: a platform opens each new game with the first and hands
// each input of the game window to one of the others, and has nothing else to do for replays.
// Each input is recorded first while a game is recorded (timed by the seam's inputTimeMs), then
// handled as runHandler handles it. After each call the platform performs game.requests.
#pragma once
#include <cstdint>

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

// The open question's answer (true: "Oui").
void gameWindowAnswer(bool yes);

// The text a dialog was closed with (Windows-1252): the record's holder, or the menu's code.
void gameWindowText(const char* text);

// The record read again from the score file, or kept there by the save in place of this run's,
// after the shell performed game.requests.reloadRecord or saveRecord.
void gameWindowRecordRead(std::int32_t score, const char* name);

// Time passed while the game waits for it (a pause, the applause, a slide): `elapsedMs` since
// the previous call, one slide frame per call. Not an input: it is not recorded.
void gameWindowTimePassed(std::int64_t elapsedMs);
