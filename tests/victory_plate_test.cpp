// A won run's end screen: the black box over the lost run's plaque carries "Victoire !" in
// the plaque's gold lettering.
#include <gtest/gtest.h>

#include "game/game_state.h"
#include "screens/drawing_surface.h"
#include "screens/game_screen.h"
#include "screens/pictures.h"
#include "shell/picture_files.h"
#include "tests/fake_platform.h"
#include "tests/test_pictures.h"

TEST(VictoryPlate, OnlyAWonRunsBoxShowsThePlateOfGoldLettersOnBlack)
{
    SDL_Surface* plate = loadPictureFile(TESSARON_BIN_DIR "/Tessaron Data/Images/Victoire.bmp", 300, 85);
    ASSERT_NE(plate, nullptr) << "make-data has not written Victoire.bmp";
    int gold = 0;
    for (int y = 0; y < 85; ++y)
        for (int x = 0; x < 300; ++x) {
            const SDL_Color c = pixelAt(plate, x, y);
            gold += c.r > 180 && c.g > 120 && c.b < c.g;
        }
    const int black = countColour(plate, 0, 0, 300, 85, kBlack);
    EXPECT_GT(gold, 1500);             // ten letters' worth
    EXPECT_GT(black, 300 * 85 / 2);    // on the box's black
    EXPECT_EQ(countColour(plate, 0, 0, 300, 1, kBlack) + countColour(plate, 0, 84, 300, 1, kBlack), 600);

    resetWorld();
    installTestPictures();
    pictures.victoryPlate = plate;
    SDL_Surface* frame = makeTarget(kGameScreenWidth, kGameScreenHeight, kBlack);
    game.gameOverShown = 1;
    for (const int won : {0, 1}) {
        runWon = won;
        drawGameScreen(frame);
        EXPECT_EQ(countColour(frame, 350, 10, 300, 85, kLostBackgroundColour), won ? 0 : 300 * 85);
        EXPECT_EQ(countColour(frame, 350, 10, 300, 85, kBlack), won ? black : 0);
    }
    runWon = 0;
    pictures.victoryPlate = nullptr;
    removeTestPictures();
    SDL_FreeSurface(plate);
    SDL_FreeSurface(frame);
}
