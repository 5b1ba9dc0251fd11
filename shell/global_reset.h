// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// The one place that knows every global of the screens and the shell and puts each back to its
// program-start value, so that nothing one run (or one test) leaves behind reaches the next.
#pragma once

// The screens' texts, slide and pause-text state, chosen level text, menu buttons and the game
// window's paint memory, and the shell's directories and score-file path, all as at program
// start; the loaded pictures are freed and their slots emptied. The game record, the replay
// session and the level codes belong to the game world and are left to it. The font cache and
// the kept frames are not state: they hold nothing a screen reads back, only what it would
// make again.
void resetScreenAndShellGlobals();
