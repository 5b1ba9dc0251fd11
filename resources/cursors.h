// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// The program's two pointers: a black-and-white arrow over the game and credits windows (hot
// spot (1, 1)), and a gold arrow with a soft shadow over the menu (hot spot (0, 0)), 32 x 32.
#pragma once
#include "resources/pixel_art.h"

// The pictures are drawn row by row, one string a row: the formatter leaves them be.
// clang-format off
constexpr PixelArtColour kGameCursorPalette[] = {
    {'k', 0xFF000000}, {'w', 0xFFFFFFFF},
};

constexpr const char* kGameCursorRows[] = {
    "................................",
    ".k..............................",
    ".kk.............................",
    ".kwk............................",
    ".kwwk...........................",
    ".kwwwk..........................",
    ".kwwwwk.........................",
    ".kwwwwwk........................",
    ".kwwwwwwk.......................",
    ".kwwwwwwwk......................",
    ".kwwwwwwwwk.....................",
    ".kwwwwwkkkkk....................",
    ".kwwkwwk........................",
    ".kwk.kwwk.......................",
    ".kk..kwwk.......................",
    ".k....kwwk......................",
    "......kwwk......................",
    ".......kk.......................",
    "................................",
    "................................",
    "................................",
    "................................",
    "................................",
    "................................",
    "................................",
    "................................",
    "................................",
    "................................",
    "................................",
    "................................",
    "................................",
    "................................",
};

constexpr PixelArtColour kMenuCursorPalette[] = {
    {'k', 0xFF3A281C}, {'L', 0xFFFFF1B8}, {'g', 0xFFF3C65A}, {'G', 0xFFD9A23C},
    {'s', 0x50000000},
};

constexpr const char* kMenuCursorRows[] = {
    "k...............................",
    "kk..............................",
    "kLk.............................",
    "kLLk............................",
    "kLLgk...........................",
    "kLLggk..........................",
    "kLLgggk.........................",
    "kLLggggk........................",
    "kLLgggGGk.......................",
    "kLLggGGGGk......................",
    "kLLgGGkkkkk.....................",
    "kLLkGGksssss....................",
    "kLkskGGksssss...................",
    "kksskGGks.......................",
    "k.ssskGGks......................",
    "..ss.kGGks......................",
    "..s...kksss.....................",
    ".......ssss.....................",
    "........ss......................",
    "................................",
    "................................",
    "................................",
    "................................",
    "................................",
    "................................",
    "................................",
    "................................",
    "................................",
    "................................",
    "................................",
    "................................",
    "................................",
};
// clang-format on

// The pointer over the game and credits windows: two colours, hot spot (1, 1).
constexpr PixelArt kGameCursor = {
    32, 32, kGameCursorRows, kGameCursorPalette, sizeof kGameCursorPalette / sizeof kGameCursorPalette[0], 1, 1};

// The pointer over the menu: full colour, hot spot (0, 0).
constexpr PixelArt kMenuCursor = {
    32, 32, kMenuCursorRows, kMenuCursorPalette, sizeof kMenuCursorPalette / sizeof kMenuCursorPalette[0], 0, 0};

static_assert(pixelArtWellFormed(kGameCursor));
static_assert(pixelArtWellFormed(kMenuCursor));
