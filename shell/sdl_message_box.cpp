// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// A message box of SDL's own, which needs no window of the game and no SDL_Init.
#include "shell/sdl_message_box.h"

#include <SDL.h>

bool showMessageBox(const char* text)
{
    return SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_INFORMATION, "Tessaron", text, nullptr) == 0;
}
