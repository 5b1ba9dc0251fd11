// The program's three windows on SDL: creation at their places, their events, their paints,
// and the game and credits windows run from the menu with loops of their own.
#pragma once
#include <SDL.h>

#include <cstdint>

#include "shell/sdl_platform.h"

// Hands one event of a window's loop to that window's behaviour.
void dispatchWindowEvent(WindowKind kind, const SDL_Event& event);

// The id of the window an event belongs to, or 0 for events of no window.
std::uint32_t eventWindowId(const SDL_Event& event);

// Repaints the program window with that SDL id, if it is one of ours.
void repaintWindowWithId(std::uint32_t windowId);

// The game timer's tick, delivered by a loop.
void gameWindowTimer();

// Hides the menu, starts a new game in the game window, runs its loop, shows the menu again.
void openGameWindow();

// Hides the menu, shows the credits until closed, shows the menu again.
void openCreditsWindow();
