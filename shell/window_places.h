// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// Where the program's windows are placed on a screen of a given size, and how many times
// larger than the game's own pixels they are shown.
#pragma once

#include "game/platform.h"

constexpr int kMenuWindowWidth = 222;
constexpr int kMenuWindowHeight = 310;
// The game and credits windows show the 700 x 550 playfield pictures whole.
constexpr int kGameWindowWidth = 700;
constexpr int kGameWindowHeight = 550;

// The largest whole factor by which windows are enlarged on a big screen.
constexpr int kMaxWindowScale = 4;

// The whole factor k (1 to 4) for a screen whose usable area is the given size: the largest
// for which the game window, k x 700 by k x 550 with the frame a desktop adds around it, fits
// in 85 % of that area. 1 when even that does not fit.
int windowScaleFor(int usableWidth, int usableHeight);

// The menu's top-left corner for windows enlarged `scale` times: centred, 12 game pixels
// higher; y raised to 0 if negative.
Point menuWindowPlace(int screenWidth, int screenHeight, int scale = 1);

// A window's size in screen pixels.
struct WindowSize {
    int width = 0;
    int height = 0;
};

// The game window's size: the one the player left it at (0 x 0 for none), kept within the
// usable area and never below the game's own 700 x 550; without one, or with one equal to
// it, 700 x 550 enlarged `scale` times.
WindowSize gameWindowSize(WindowSize remembered, WindowSize usable, int scale);

// The game and credits windows' top-left corner: centred as if they were 740 x 625 game
// pixels; only y is raised to 0, so x may lie off the left edge of a narrow screen.
Point gameWindowPlace(int screenWidth, int screenHeight, int scale = 1);

// How a window's picture of the game's own size lies in the window's pixels: enlarged a whole
// `scale` times, its top-left corner at (x, y). A full screen may show it at a size between
// two whole factors (width x height window pixels, for a picture of pictureWidth x
// pictureHeight): it is then enlarged `scale` times, the next whole factor up, and reduced
// smoothly to that size. Width 0 means the whole factor's own size.
struct PicturePlace {
    int scale = 1;
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    int pictureWidth = 0;
    int pictureHeight = 0;
};

// Whether the place shows the picture at exactly its whole factor (nearest neighbour only).
bool wholeFactorPlace(const PicturePlace& place);

// The largest whole enlargement (at least 1) of a picture of width x height that fits a
// window of windowWidth x windowHeight pixels, centred in it. With `fill` (a full screen) the
// picture takes the largest size that fits, keeping its shape, whole factor or not.
PicturePlace picturePlaceIn(int windowWidth, int windowHeight, int width, int height, bool fill = false);

// A point of the window in the picture's own pixels: the offset taken off and the result
// scaled down, rounding down, so that every window pixel of one picture pixel gives that
// pixel and points left of or above the picture stay outside it.
Point picturePoint(Point windowPoint, const PicturePlace& place);
