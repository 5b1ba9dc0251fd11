// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// The program's icon and cursors on its windows.
#pragma once
#include <SDL.h>

#include "shell/sdl_windows.h"

// Gives a window the program's icon and the cursor of its kind (the menu's own arrow, the
// two-colour arrow over the game and the credits).
void setProgramLook(SDL_Window* window, WindowKind kind);

// Frees the cursors at the end of the run.
void releaseProgramLook();
