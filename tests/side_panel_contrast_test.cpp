// The side panel reads well: each of its texts, drawn by the game screen on the panel picture
// that make-data writes, stands out from the picture behind it by at least 4.5:1 at the
// darkest tenth of its strokes against the darkest tenth of the ground behind it.
#include <gtest/gtest.h>

#include <SDL.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "game/game_state.h"
#include "game/level_codes.h"
#include "screens/fonts.h"
#include "screens/game_screen.h"
#include "screens/pictures.h"
#include "shell/picture_files.h"
#include "tests/fake_platform.h"
#include "tests/test_pictures.h"

namespace {

// Relative luminance of an sRGB colour, as the accessibility guidelines define it.
double luminance(SDL_Color c)
{
    const auto linear = [](Uint8 v) {
        const double s = v / 255.0;
        return s <= 0.04045 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(c.r) + 0.7152 * linear(c.g) + 0.0722 * linear(c.b);
}

// The mean of the lowest tenth of the values (at least one value).
double darkestTenth(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t count = std::max<std::size_t>(1, values.size() / 10);
    double sum = 0;
    for (std::size_t i = 0; i < count; ++i) sum += values[i];
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
    game.score = 8888888;
    game.bricksBroken = 888;
    game.livesLeft = 0;
    removeTestPictures();
    pictures.gameBackground = panel;
    SDL_Surface* frame = makeTarget(kGameScreenWidth, kGameScreenHeight, SDL_Color{0, 0, 0, 255});
    drawGameScreen(frame);
    pictures.gameBackground = nullptr;

    // The tops of the seven lines' 25-pixel cells, and where each cell ends.
    const int tops[] = {120, 150, 200, 240, 300, 360, 380, 405};
    const char* const names[] = {"Niveau", "Score", "Tessas", "Vies", "Bonus", "Code Secret", "niveau"};
    for (int line = 0; line < 7; ++line) {
        // The ink: the pixels the text darkened; the ground: the picture across the text's extent.
        std::vector<double> ink;
        int left = 700;
        int right = 0;
        const int bottom = std::min(tops[line] + 25, tops[line + 1]);
        for (int y = tops[line]; y < bottom; ++y)
            for (int x = 505; x < 700; ++x) {
                const double drawn = luminance(pixelAt(frame, x, y));
                if (drawn >= luminance(pixelAt(panel, x, y)) - 0.01) continue;
                ink.push_back(drawn);
                left = std::min(left, x);
                right = std::max(right, x);
            }
        std::vector<double> ground;
        for (int y = tops[line]; y < bottom; ++y)
            for (int x = left; x <= right; ++x) ground.push_back(luminance(pixelAt(panel, x, y)));
        ASSERT_GT(ink.size(), 100u) << names[line] << ": no text drawn";
        const double contrast = (darkestTenth(ground) + 0.05) / (darkestTenth(ink) + 0.05);
        RecordProperty(names[line], std::to_string(contrast));
        EXPECT_GE(contrast, 4.5) << names[line];
    }
    SDL_FreeSurface(frame);
    SDL_FreeSurface(panel);
}
