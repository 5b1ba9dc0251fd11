// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// The program's icon, 32 x 32 and 16 x 16: a wall of tiles, the ball and the paddle on the
// game's dark mosaic, in a gold frame.
#pragma once
#include "resources/pixel_art.h"

// The pictures are drawn row by row, one string a row: the formatter leaves them be.
// clang-format off
constexpr PixelArtColour kProgramIconPalette[] = {
    {'k', 0xFF0C1122}, {'d', 0xFFD9A23C}, {'n', 0xFF1A2542}, {'r', 0xFFD7412F},
    {'R', 0xFFF07A66}, {'o', 0xFFEE9A1E}, {'O', 0xFFFFC766}, {'g', 0xFF3DAA46},
    {'G', 0xFF7FD98A}, {'w', 0xFFFFFFFF}, {'s', 0xFF9FB0C4}, {'p', 0xFF8FA3BF},
    {'P', 0xFFD0DCEB}, {'c', 0xFFD23A2E}, {'y', 0xFF7FF4FF},
};

constexpr const char* kProgramIcon32Rows[] = {
    ".kkkkkkkkkkkkkkkkkkkkkkkkkkkkkk.",
    "kkddddddddddddddddddddddddddddkk",
    "kdnnnnnnnnnnnnnnnnnnnnnnnnnnnndk",
    "kdnnnnnnnnnnnnnnnnnnnnnnnnnnnndk",
    "kdnRRRRRRRRnRRRRRRRRnRRRRRRRRndk",
    "kdnRrrrrrrrnRrrrrrrrnRrrrrrrrndk",
    "kdnRrrrrrrrnRrrrrrrrnRrrrrrrrndk",
    "kdnRrrrrrrrnRrrrrrrrnRrrrrrrrndk",
    "kdnnnnnnnnnnnnnnnnnnnnnnnnnnnndk",
    "kdnOOOOnOOOOOOOOnOOOOOOOOnOOOndk",
    "kdnOooonOooooooonOooooooonOoondk",
    "kdnOooonOooooooonOooooooonOoondk",
    "kdnOooonOooooooonOooooooonOoondk",
    "kdnnnnnnnnnnnnnnnnnnnnnnnnnnnndk",
    "kdnGGGGGGGGnGGGGGGGGnnnnnnnnnndk",
    "kdnGgggggggnGgggggggnnnGnnnnnndk",
    "kdnGgggggggnGgggggggnnnnnnnnGndk",
    "kdnGgggggggnGgggggggnnnnnngnnndk",
    "kdnnnnnnnnnnnnnnnnnnnnnnnnnnnndk",
    "kdnnnnnnnnnnnnnnnnnnnwwnnnnnnndk",
    "kdnnnnnnnnnnnnnnnnnnwwwwnnnnnndk",
    "kdnnnnnnnnnnnnnnnnnnwwwsnnnnnndk",
    "kdnnnnnnnnnnnnnnnnnnnssnnnnnnndk",
    "kdnnnnnnnnnnnnnnnnnnnnnnnnnnnndk",
    "kdnnnnnnnnnnnnnnnnnnnnnnnnnnnndk",
    "kdnnnnnnnnPPPPPPPPPPPPnnnnnnnndk",
    "kdnnnnnnnccppppppppppccnnnnnnndk",
    "kdnnnnnnnccyyyyyyyyyyccnnnnnnndk",
    "kdnnnnnnnccppppppppppccnnnnnnndk",
    "kdnnnnnnnnnnnnnnnnnnnnnnnnnnnndk",
    "kkddddddddddddddddddddddddddddkk",
    ".kkkkkkkkkkkkkkkkkkkkkkkkkkkkkk.",
};

constexpr const char* kProgramIcon16Rows[] = {
    ".kkkkkkkkkkkkkk.",
    "kddddddddddddddk",
    "kdnnnnnnnnnnnndk",
    "kdnRRRRRnRRRRndk",
    "kdnrrrrrnrrrrndk",
    "kdnnnnnnnnnnnndk",
    "kdnOOOnOOOOOOndk",
    "kdnooonoooooondk",
    "kdnnnnnnnnnnnndk",
    "kdnGGGGnnwwnnndk",
    "kdnggggnnwsnnndk",
    "kdnnnnnnnnnnnndk",
    "kdnnncPPPPcnnndk",
    "kdnnncppppcnnndk",
    "kddddddddddddddk",
    ".kkkkkkkkkkkkkk.",
};
// clang-format on

// The icon at 32 x 32, for the window's title bar and task list.
constexpr PixelArt kProgramIcon32 = {
    32, 32, kProgramIcon32Rows, kProgramIconPalette, sizeof kProgramIconPalette / sizeof kProgramIconPalette[0], 0, 0};

// The icon at 16 x 16.
constexpr PixelArt kProgramIcon16 = {
    16, 16, kProgramIcon16Rows, kProgramIconPalette, sizeof kProgramIconPalette / sizeof kProgramIconPalette[0], 0, 0};

static_assert(pixelArtWellFormed(kProgramIcon32));
static_assert(pixelArtWellFormed(kProgramIcon16));
