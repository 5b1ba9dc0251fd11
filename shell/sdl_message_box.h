// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// A message for a player who started the game from the desktop and has no terminal to read.
#pragma once

// Shows `text` in a box titled "Tessaron" with an OK button and waits until it is closed. False
// when no box could be shown (no display reachable): the caller's line on standard error is
// then all the player gets.
bool showMessageBox(const char* text);
