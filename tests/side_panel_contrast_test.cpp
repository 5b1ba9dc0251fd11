// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// The side panel reads well: each text, drawn by the game screen on make-data's panel picture,
// stands out by at least 4.5:1 between the darkest tenth of its strokes and of the ground under it.
#include <gtest/gtest.h>

#include <SDL.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "game/game_state.h"
#include "game/level_codes.h"
#include "screens/fonts.h"
#include "screens/game_screen.h"
#include "screens/pictures.h"
#include "screens/screen_state.h"
#include "shell/picture_files.h"
#include "tests/fake_platform.h"
#include "tests/test_pictures.h"

namespace {

// Relative luminance of a pixel's sRGB colour, as the accessibility guidelines define it.
double luminance(SDL_Surface* surface, int x, int y)
{
    const SDL_Color c = pixelAt(surface, x, y);
    double sum = 0;
    for (const auto& [value, weight] : {std::pair{c.r, 0.2126}, {c.g, 0.7152}, {c.b, 0.0722}}) {
        const double s = value / 255.0;
        sum += weight * (s <= 0.04045 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4));
    }
    return sum;
}

double darkestTenth(std::vector<double> values)
{
    const auto count = static_cast<long>(std::max<std::size_t>(1, values.size() / 10));
    std::partial_sort(values.begin(), values.begin() + count, values.end());
    double sum = 0;
    for (long i = 0; i < count; ++i) sum += values[static_cast<std::size_t>(i)];
    return sum / static_cast<double>(count);
}

}  // namespace

TEST(SidePanel, EveryTextHasAContrastOfAtLeast4_5To1AtItsDarkestStrokes)
{
    if (openGameFont(25, 30).face == nullptr) GTEST_SKIP() << "fonts-lato is not installed";
    SDL_Surface* panel = loadPictureFile(TESSARON_BIN_DIR "/Tessaron Data/Images/fond.bmp", 700, 550);
    ASSERT_NE(panel, nullptr) << "make-data has not written fond.bmp";
    resetWorld();
    fillLevelCodes();
    game.currentLevel = 25;
    startLevel();
    game.score = 8888888;  // long values reach far along the panel
    game.bricksBroken = 888;
    game.livesLeft = 0;
    screenState.pictures.gameBackground = panel;
    SDL_Surface* frame = makeTarget(kGameScreenWidth, kGameScreenHeight, SDL_Color{0, 0, 0, 255});
    drawGameScreen(frame);
    screenState.pictures.gameBackground = nullptr;
    // The tops of the seven lines' 25-pixel cells; a cell ends where the next line starts.
    const int tops[] = {120, 150, 200, 240, 300, 360, 380, 405};
    for (int line = 0; line < 7; ++line) {
        std::vector<double> ink;  // the pixels the text darkened
        int left = 700, right = 0;
        const int bottom = std::min(tops[line] + 25, tops[line + 1]);
        for (int y = tops[line]; y < bottom; ++y)
            for (int x = 505; x < 700; ++x) {
                if (luminance(frame, x, y) >= luminance(panel, x, y) - 0.01) continue;
                ink.push_back(luminance(frame, x, y));
                left = std::min(left, x);
                right = std::max(right, x);
            }
        ASSERT_GT(ink.size(), 100u) << "line " << line << " drew no text";
        std::vector<double> ground;  // the picture across the text's extent
        for (int y = tops[line]; y < bottom; ++y)
            for (int x = left; x <= right; ++x) ground.push_back(luminance(panel, x, y));
        EXPECT_GE((darkestTenth(ground) + 0.05) / (darkestTenth(ink) + 0.05), 4.5) << "line " << line;
    }
    SDL_FreeSurface(frame);
    SDL_FreeSurface(panel);
}
