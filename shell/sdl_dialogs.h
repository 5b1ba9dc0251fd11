// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// The windows that take an answer of the player (the F12 and Escape questions, the name and code
// dialogs), opened and closed as game.mode asks, their answers handed to the game as inputs.
#pragma once
#include <SDL.h>

// Opens the question or dialog game.mode asks for (the question and the name only while the game
// window is open) and closes any other. Called by a loop after each call of the game.
void syncAnswerWindows();

// Whether a question or a dialog is open.
bool answerWindowOpen();

// Hands an event to the open question or dialog: its own events, and keys and gamepad buttons
// from any window of the program (a key or a click elsewhere brings it back in front). True when
// it took the event; an answer given goes to the game.
bool answerWindowEvent(const SDL_Event& event);

// Paints the open question or dialog again (uncovered).
void repaintAnswerWindows();

// A quit or a close while a dialog is open: its text is kept as OK keeps it, and goes to the game.
void confirmOpenDialog();

// The focus gone from the program's windows to another program for a moment while a question or
// a dialog is open pauses the game, as it does without one. Called by the game window's loop.
void pauseIfFocusGoneElsewhere();

// Opens the level editor's Yes/No question, as the game's questions open, with `text` (UTF-8);
// its answer is kept for takeEditorAnswer instead of going to the game.
void openEditorQuestion(const char* text);
// The editor's answer once given (1 "Oui", 2 "Non"; the question has closed), else 0.
int takeEditorAnswer();

// Closes whatever question or dialog is open, without an answer.
void closeAnswerWindows();
