// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// Which of SDL's video drivers show the game to a player, and how the windows name themselves
// to the desktop.
#pragma once

// The class of the windows on X11 and their app id on Wayland: the desktop entry's and the
// icons' name, so that docks and task bars match the windows to them.
constexpr const char* kDesktopAppId = "tessaron";

// True when `driver` (SDL's current video driver) shows windows to a player, or was asked for
// by `requested` (SDL_VIDEODRIVER: a driver name or a comma-separated list, null when unset).
// SDL falls back to its offscreen or dummy driver when no display is reachable; the game would
// then run unseen.
bool videoDriverShowsGame(const char* driver, const char* requested);
