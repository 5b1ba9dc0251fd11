// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// Which of SDL's video drivers show the game to a player, and how the windows name themselves
// to the desktop.
#pragma once

// The application id: the class of the windows on X11 and their app id on Wayland, the name of
// the desktop entry (with .desktop), of the icons and of the metainfo, so that docks, task bars
// and software centres match the windows to them.
constexpr const char* kDesktopAppId = "io.github.tessaron.tessaron";

// True when `driver` (SDL's current video driver) shows windows to a player, or was asked for
// by `requested` (SDL_VIDEODRIVER: a driver name or a comma-separated list, null when unset).
// SDL falls back to its offscreen or dummy driver when no display is reachable; the game would
// then run unseen.
bool videoDriverShowsGame(const char* driver, const char* requested);

// Whether SDL major.minor.patch may draw the windows' title bars on Wayland with libdecor. SDL
// 2.24 to 2.27 never releases a closed window's libdecor frame: a later click on another
// window's title bar calls back into the freed window, and the game crashes. With those, the
// windows go without client-drawn title bars (a desktop that draws its own still does).
bool waylandTitleBarsAreSafe(int major, int minor, int patch);
