// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// Watching a replay in the game window: the recorded game plays at its recorded pace; the
// watcher's input is ignored except Escape, which stops, and Tab, which toggles four times
// the speed.
#pragma once

// Plays the replay at `path` in the game window; returns the process's exit status (2 with
// a one-line reason on stderr when the file is not a readable replay, 1 with one when the
// replay departed from its game and stopped).
int watchReplay(const char* path);
