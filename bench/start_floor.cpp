// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// The floor of a start-up: a bare SDL program that maps a 222 x 300 window, fills it once and
// waits to be closed. Whatever a game spends at start beyond this program is its own.
// It shows its window the way the game does (the window's own surface, no GL stack).
#include <SDL.h>

int main(int, char**)
{
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    if (SDL_Init(SDL_INIT_VIDEO) != 0) return 1;
    SDL_Window* window =
        SDL_CreateWindow("floor", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, 222, 300, SDL_WINDOW_BORDERLESS);
    SDL_Surface* surface = window != nullptr ? SDL_GetWindowSurface(window) : nullptr;
    if (surface == nullptr) return 1;
    SDL_FillRect(surface, nullptr, SDL_MapRGB(surface->format, 0x3A, 0x6E, 0xA5));
    SDL_UpdateWindowSurface(window);
    SDL_Event event;
    while (SDL_WaitEvent(&event) == 1 && event.type != SDL_QUIT) {
        if (event.type == SDL_WINDOWEVENT && event.window.event == SDL_WINDOWEVENT_EXPOSED)
            SDL_UpdateWindowSurface(window);
    }
    SDL_Quit();
    return 0;
}
