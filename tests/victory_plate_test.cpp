// A won run's end screen: the black box over the lost run's plaque carries "Victoire !" in
// the plaque's gold lettering.
#include <gtest/gtest.h>

#include <SDL.h>

#include "game/game_state.h"
#include "screens/game_screen.h"
#include "screens/pictures.h"
#include "shell/picture_files.h"
#include "tests/fake_platform.h"
#include "tests/test_pictures.h"

TEST(VictoryPlate, AWonRunsBoxShowsThePlateAndALostRunsShowsNone)
{
    resetWorld();
    installTestPictures();
    constexpr SDL_Color kPlate{200, 160, 40, 255};
    pictures.victoryPlate = makeSolidPicture(300, 85, kPlate, false);
    SDL_Surface* frame = makeTarget(kGameScreenWidth, kGameScreenHeight, SDL_Color{255, 0, 255, 255});
    game.gameOverShown = 1;

    for (const int won : {0, 1}) {
        runWon = won;
        drawGameScreen(frame);
        EXPECT_EQ(countColour(frame, 350, 10, 300, 85, kPlate), won ? 300 * 85 : 0) << won;
        // Nothing outside the box changes.
        EXPECT_EQ(countColour(frame, 0, 95, 700, 40, kLostBackgroundColour), 700 * 40) << won;
    }
    runWon = 0;
    SDL_FreeSurface(pictures.victoryPlate);
    pictures.victoryPlate = nullptr;
    removeTestPictures();
    SDL_FreeSurface(frame);
}

TEST(VictoryPlate, TheMadePlateIsGoldLetteringOnBlack)
{
    SDL_Surface* plate = loadPictureFile(TESSARON_BIN_DIR "/Tessaron Data/Images/Victoire.bmp", 300, 85);
    ASSERT_NE(plate, nullptr) << "make-data has not written Victoire.bmp";
    int gold = 0;
    int black = 0;
    for (int y = 0; y < plate->h; ++y)
        for (int x = 0; x < plate->w; ++x) {
            const SDL_Color c = pixelAt(plate, x, y);
            if (c.r > 180 && c.g > 120 && c.b < c.g) ++gold;
            if (c.r < 16 && c.g < 16 && c.b < 16) ++black;
        }
    // Ten letters' worth of gold, on a black ground that fills the rest, edges included.
    EXPECT_GT(gold, 1500);
    EXPECT_GT(black, 300 * 85 / 2);
    for (const SDL_Point corner : {SDL_Point{0, 0}, SDL_Point{299, 0}, SDL_Point{0, 84}, SDL_Point{299, 84}})
        EXPECT_TRUE(hasColour(plate, corner.x, corner.y, SDL_Color{0, 0, 0, 255}));
    SDL_FreeSurface(plate);
}
