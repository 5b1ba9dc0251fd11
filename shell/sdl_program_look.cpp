// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// The program's icon and cursors on its windows.
#include "shell/sdl_program_look.h"

#include "resources/cursors.h"
#include "resources/program_icon.h"
#include "shell/resource_pictures.h"

namespace {

struct Look {
    SDL_Cursor* gameCursor = nullptr;
    SDL_Cursor* menuCursor = nullptr;
    SDL_Surface* icon = nullptr;
};
Look look;

SDL_Cursor* cursorOf(const PixelArt& art)
{
    SDL_Surface* surface = surfaceFromPixelArt(art);
    if (surface == nullptr) return nullptr;
    SDL_Cursor* cursor = SDL_CreateColorCursor(surface, art.hotX, art.hotY);
    SDL_FreeSurface(surface);
    return cursor;
}

}  // namespace

void setProgramLook(SDL_Window* window, WindowKind kind)
{
    if (look.icon == nullptr) look.icon = surfaceFromPixelArt(kProgramIcon32);
    if (look.gameCursor == nullptr) look.gameCursor = cursorOf(kGameCursor);
    if (look.menuCursor == nullptr) look.menuCursor = cursorOf(kMenuCursor);
    if (look.icon != nullptr) SDL_SetWindowIcon(window, look.icon);
    SDL_Cursor* cursor = kind == WindowKind::Menu ? look.menuCursor : look.gameCursor;
    if (cursor != nullptr) SDL_SetCursor(cursor);
}

void releaseProgramLook()
{
    if (look.gameCursor != nullptr) SDL_FreeCursor(look.gameCursor);
    if (look.menuCursor != nullptr) SDL_FreeCursor(look.menuCursor);
    if (look.icon != nullptr) SDL_FreeSurface(look.icon);
    look = Look{};
}
