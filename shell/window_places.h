// Where the program's windows are placed on a screen of a given size.
#pragma once

#include "game/platform.h"

constexpr int kMenuWindowWidth = 222;
constexpr int kMenuWindowHeight = 310;

// The menu's top-left corner: centred, 12 pixels higher; y raised to 0 if negative.
Point menuWindowPlace(int screenWidth, int screenHeight);

// The game and credits windows' top-left corner: centred as if they were 740 x 625; only y is
// raised to 0, so x may lie off the left edge of a narrow screen.
Point gameWindowPlace(int screenWidth, int screenHeight);
