// The program's icon and its two cursors as 32 x 32 ARGB pixels (0xAARRGGBB, row by row).
#pragma once
#include <array>
#include <cstdint>

constexpr int kLookSize = 32;
using LookPixels = std::array<std::uint32_t, kLookSize * kLookSize>;

// The program's icon: a small wall of bricks with a ball rising from a paddle.
LookPixels programIconPixels();

// The game window's cursor: a two-colour arrow, hot spot (1, 1).
LookPixels gameCursorPixels();
constexpr int kGameCursorHotX = 1;
constexpr int kGameCursorHotY = 1;

// The menu's cursor: a shaded arrow in the colours of the game, hot spot (0, 0).
LookPixels menuCursorPixels();
constexpr int kMenuCursorHotX = 0;
constexpr int kMenuCursorHotY = 0;
