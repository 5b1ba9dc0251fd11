// Start-up loading: the data directories, every picture into its slot at its load size, the
// first ball's picture, the menu's buttons, and a missing data directory.
#include <gtest/gtest.h>

#include <SDL.h>

#include <cstdint>
#include <cstring>
#include <filesystem>
#include <string>
#include <tuple>
#include <vector>

#include "game/game_state.h"
#include "game/level_codes.h"
#include "screens/menu_buttons.h"
#include "screens/pictures.h"
#include "shell/assets.h"
#include "shell/data_paths.h"
#include "tests/fake_platform.h"
#include "tests/scratch_files.h"
#include "tests/test_pictures.h"

namespace {

// A colour of its own (0xRRGGBB) for picture `index`, so that a picture in the wrong slot shows.
std::uint32_t colourFor(std::size_t index)
{
    return static_cast<std::uint32_t>((10 + index * 5) << 16 | (200 - index * 4) << 8 | 77);
}

class Assets : public ::testing::Test {
protected:
    void SetUp() override
    {
        resetWorld();
        directory = makeScratchDirectory();
        exeDir = directory;
        // A record that cannot stay beside the executable goes to the player's data directory.
        setenv("XDG_DATA_HOME", (directory + "/home-data").c_str(), 1);
    }
    void TearDown() override
    {
        unsetenv("XDG_DATA_HOME");
        removeScratchDirectory(directory);
    }
    std::string dataDirectory() const { return directory + "/Tessaron Data"; }
    std::string directory;  // stands for the executable's directory
};

TEST_F(Assets, EveryPictureGoesToItsSlotAtItsLoadSize)
{
    // Icons at a size other than the game's (their nearest entry is stretched), bitmaps at the
    // game's size (a bitmap stating another size is refused), each of its own colour.
    const std::string images = dataDirectory() + "/Images/";
    std::filesystem::create_directories(images);
    const std::vector<GamePicture> all = gamePictures();
    for (std::size_t i = 0; i < all.size(); ++i) {
        const std::uint32_t rgb = colourFor(i);
        const PictureBytes bytes =
            all[i].file.substr(all[i].file.size() - 4) == ".ico"
                ? iconFile({{7, 5, 32, dibEntry(7, 5, 32, {}, [rgb](int, int) { return 0xFF000000u | rgb; }, [](int, int) { return false; })}})
                : bitmapFile(all[i].width, all[i].height, [rgb](int, int) { return rgb; });
        writeBytes(images + all[i].file, std::string(bytes.begin(), bytes.end()));
    }
    game.balls[0].icon = BallIcon::Fire;

    loadAssets();

    EXPECT_EQ(imageDir, directory + "/Tessaron Data/Images/");
    EXPECT_EQ(soundDir, directory + "/Tessaron Data/Sons/");
    for (std::size_t i = 0; i < all.size(); ++i) {
        SCOPED_TRACE(all[i].file);
        SDL_Surface* picture = *all[i].slot;
        ASSERT_NE(picture, nullptr);
        EXPECT_EQ(picture->w, all[i].width);
        EXPECT_EQ(picture->h, all[i].height);
        const std::uint32_t want = colourFor(i);
        const SDL_Color got = pixelAt(picture, picture->w / 2, picture->h / 2);
        EXPECT_NEAR(got.r, want >> 16 & 255, 2);
        EXPECT_NEAR(got.g, want >> 8 & 255, 2);
        EXPECT_NEAR(got.b, want & 255, 2);
    }
    for (SDL_Surface* unused : {pictures.bonusBitmaps[0], pictures.brickBitmaps[0], pictures.paddleIcons[0]})
        EXPECT_EQ(unused, nullptr);
    EXPECT_EQ(game.balls[0].icon, BallIcon::Normal);

    // The last composition was the eighth brick's path.
    EXPECT_EQ(std::string(pathBuffer.data()), images + "8.bmp");
}

TEST_F(Assets, TheBestScoreIsReadFromTheDataDirectoryAndTheCodesAreFilled)
{
    std::filesystem::create_directories(dataDirectory());
    writeBytes(dataDirectory() + "/Score.sco", "Ace SCORE= 4200");
    levelCodes = {};
    loadAssets();
    EXPECT_STREQ(game.bestScoreName.data(), " Ace");
    EXPECT_EQ(game.bestScore, 4200);
    for (int level = 1; level <= 25; ++level) EXPECT_EQ(std::strlen(levelCodes[static_cast<std::size_t>(level)].data()), 6u);
}

TEST_F(Assets, TheMenuButtonsAreSetUpAsTheMenuDrawsThem)
{
    std::filesystem::create_directories(dataDirectory());
    menuButtons[0].hovered = 1;
    menuButtons[3].hovered = 1;
    loadAssets();

    struct Place {
        int x, y, textDx;
        const char* label;
    };
    const Place places[6] = {{0, 0, 35, ""},
                             {40, 80, 25, "Commencer"},
                             {40, 140, 13, "Entrer un code"},
                             {40, 180, 18, "Credits, Aide"},
                             {40, 220, 35, "Sons : ON"},
                             {40, 260, 35, "QUITTER"}};
    for (std::size_t i = 0; i < 6; ++i) {
        SCOPED_TRACE(i);
        const MenuButton& button = menuButtons[i];
        EXPECT_EQ(button.x, places[i].x);
        EXPECT_EQ(button.y, places[i].y);
        EXPECT_EQ(button.textDx, places[i].textDx);
        EXPECT_STREQ(button.label.data(), places[i].label);
        EXPECT_EQ(std::tie(button.width, button.height, button.textDy, button.hovered), std::tuple(128, 24, 3, 0));
        EXPECT_EQ(button.icon, pictures.buttonIcon);
        EXPECT_EQ(button.hoverIcon, pictures.buttonHoverIcon);
    }
}

TEST_F(Assets, AMissingDataDirectoryIsReportedOnceAndTheGameGoesOn)
{
    testing::internal::CaptureStderr();
    loadAssets();
    const std::string said = testing::internal::GetCapturedStderr();

    const std::string line = "Tessaron: data directory not found: " + dataDirectory() + "\n";
    EXPECT_EQ(said, line);
    EXPECT_EQ(pictures.gameBackground, nullptr);
    EXPECT_EQ(pictures.brickBitmaps[8], nullptr);
    EXPECT_STREQ(menuButtons[1].label.data(), "Commencer");
    EXPECT_STREQ(game.bestScoreName.data(), "Trimbalour");
    EXPECT_EQ(game.bestScore, 1235);
    // The defaults go to the player's own data directory, made private on the way.
    const std::string own = directory + "/home-data/tessaron";
    EXPECT_EQ(readBytes(own + "/Score.sco"), "Trimbalour SCORE= 1235");
    EXPECT_EQ(std::filesystem::status(own).permissions(), std::filesystem::perms::owner_all);
}

}  // namespace
