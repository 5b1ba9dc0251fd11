// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// The program's windows as pictures of the game's own size, shown enlarged a whole number of
// times: the screens draw on a window's picture, and showing it sends the window only the
// pixels that differ from what it shows, enlarged by nearest neighbour.
#pragma once
#include <SDL.h>

#include "game/platform.h"
#include "shell/window_places.h"

// Around the picture in a window the player sized: the dark joints of the playfield's tiles.
constexpr SDL_Color kResizedWindowBorder{0x0C, 0x11, 0x22, 0xFF};

// Picks the enlargement of every window for the screen the program starts on.
void chooseWindowScale();
int windowScale();

// Opens a window with a picture of width x height game pixels, shown windowScale() times
// larger; x and y are the window's place in screen pixels. A window opened resizable shows
// its picture as large as it fits, keeping its shape (see picturePlaceIn's fill). Null when
// no window can be made.
// `size`, when given, is the window's own size in screen pixels instead.
SDL_Window* openPictureWindow(const char* title, int x, int y, int width, int height, Uint32 flags,
                              WindowSize size = {});
void closePictureWindow(SDL_Window* window);

// The picture the screens draw a window on; null for a window without one.
SDL_Surface* windowPicture(SDL_Window* window);

// Shows the window's picture: of the given areas (game pixels; all of it when `count` is 0),
// only the pixels that differ from what the window shows are sent.
void showWindowPicture(SDL_Window* window, const SDL_Rect* areas = nullptr, int count = 0);

// The window lost what it showed (it was uncovered): its next show sends the whole picture.
void windowPictureLost(SDL_Window* window);

// A point of the window's events in the picture's pixels.
Point picturePointOf(SDL_Window* window, int x, int y);

// The screen point where a picture point of the window lies (its window's place added).
SDL_Point screenPointOfPicture(SDL_Window* window, Point picturePoint);

// Toggles the window between its own size and the full screen, where the picture is shown
// centred on black, as large as the screen allows, keeping its shape. Returns whether it is
// now full screen.
bool toggleFullScreen(SDL_Window* window);
