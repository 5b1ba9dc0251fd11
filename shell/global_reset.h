// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// The one reset of the screens' and the shell's state, so that nothing one run (or one test)
// leaves behind reaches the next.
#pragma once

// screenState and shellState as at program start, by assignment from their defaults; the
// loaded pictures are freed first. The game record, the replay session and the level codes
// belong to the game world and are left to it. The open fonts and the kept frames are not
// state: they hold nothing a screen reads back, only what it would make again.
void resetScreenAndShellGlobals();
