// Start-up loading: the data directories, every picture into its slot at its load size, the
// first ball's picture, the menu's buttons, and a missing data directory.
#include <gtest/gtest.h>

#include <SDL.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "game/game_state.h"
#include "game/level_codes.h"
#include "screens/menu_buttons.h"
#include "screens/pictures.h"
#include "shell/assets.h"
#include "shell/data_paths.h"
#include "tests/fake_platform.h"
#include "tests/scratch_files.h"

namespace {

struct ExpectedPicture {
    std::string file;                     // name on disk, UTF-8
    std::function<SDL_Surface*()> slot;   // where loadAssets keeps it
    int width;
    int height;
};

// Every picture of the game, with the size the game draws it at.
std::vector<ExpectedPicture> expectedPictures()
{
    std::vector<ExpectedPicture> all = {
        {"bouton.ico", [] { return pictures.buttonIcon; }, 128, 24},
        {"boutonSurvolé.ico", [] { return pictures.buttonHoverIcon; }, 128, 24},
    };
    for (std::size_t k = 1; k <= 13; ++k) {
        all.push_back({"bonus" + std::to_string(k) + ".bmp", [k] { return pictures.bonusBitmaps[k]; }, 20, 10});
    }
    const std::vector<ExpectedPicture> singles = {
        {"fondmenu.bmp", [] { return pictures.menuBackground; }, 285, 445},
        {"credits.bmp", [] { return pictures.creditsBackground; }, 700, 550},
        {"Perdu.bmp", [] { return pictures.lostBackground; }, 700, 550},
        {"Victoire.bmp", [] { return pictures.victoryPlate; }, 300, 85},
        {"Niveau.bmp", [] { return pictures.levelBackground; }, 700, 550},
        {"Fini.bmp", [] { return pictures.finishedBackground; }, 700, 550},
        {"fond.bmp", [] { return pictures.gameBackground; }, 700, 550},
        {"raquette1.ico", [] { return pictures.paddleIcons[1]; }, 30, 15},
        {"raquette2.ico", [] { return pictures.paddleIcons[2]; }, 60, 15},
        {"raquette3.ico", [] { return pictures.paddleIcons[3]; }, 90, 15},
        {"raquettearme.ico", [] { return pictures.armedPaddleIcon; }, 60, 15},
        {"raquettegolf.ico", [] { return pictures.stickyPaddleIcon; }, 60, 15},
        {"raquetteRebonds.ico", [] { return pictures.bouncePaddleIcon; }, 60, 15},
        {"ball.ico", [] { return pictures.ballIconNormal; }, 12, 12},
        {"ballr.ico", [] { return pictures.ballIconFire; }, 12, 12},
    };
    all.insert(all.end(), singles.begin(), singles.end());
    for (std::size_t k = 1; k <= 8; ++k) {
        all.push_back({std::to_string(k) + ".bmp", [k] { return pictures.brickBitmaps[k]; }, 40, 20});
    }
    return all;
}

// A colour of its own for picture `index`, so that a picture in the wrong slot shows.
SDL_Color colourFor(std::size_t index)
{
    return {static_cast<Uint8>(10 + index * 5), static_cast<Uint8>(200 - index * 4), 77, 255};
}

void putLittleEndian(std::string& out, std::uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i) out += static_cast<char>((value >> (8 * i)) & 0xFF);
}

// An icon file of one 32-bit entry, width x height, filled with `colour`, fully opaque.
std::string iconFile(int width, int height, SDL_Color colour)
{
    const std::uint32_t maskRow = static_cast<std::uint32_t>((width + 31) / 32 * 4);
    const std::uint32_t imageSize = 40 + static_cast<std::uint32_t>(width * height * 4) +
                                    maskRow * static_cast<std::uint32_t>(height);
    std::string out;
    putLittleEndian(out, 0, 2);  // reserved
    putLittleEndian(out, 1, 2);  // icon
    putLittleEndian(out, 1, 2);  // one entry
    out += static_cast<char>(width);
    out += static_cast<char>(height);
    putLittleEndian(out, 0, 2);   // no palette, reserved
    putLittleEndian(out, 1, 2);   // planes
    putLittleEndian(out, 32, 2);  // bits per pixel
    putLittleEndian(out, imageSize, 4);
    putLittleEndian(out, 22, 4);  // the entry's offset
    putLittleEndian(out, 40, 4);  // BITMAPINFOHEADER
    putLittleEndian(out, static_cast<std::uint32_t>(width), 4);
    putLittleEndian(out, static_cast<std::uint32_t>(height * 2), 4);  // image and mask
    putLittleEndian(out, 1, 2);
    putLittleEndian(out, 32, 2);
    for (int i = 0; i < 6; ++i) putLittleEndian(out, 0, 4);
    for (int i = 0; i < width * height; ++i) {
        out += static_cast<char>(colour.b);
        out += static_cast<char>(colour.g);
        out += static_cast<char>(colour.r);
        out += static_cast<char>(0xFF);
    }
    out += std::string(maskRow * static_cast<std::uint32_t>(height), '\0');
    return out;
}

void writeBitmapFile(const std::string& path, int width, int height, SDL_Color colour)
{
    SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormat(0, width, height, 24, SDL_PIXELFORMAT_BGR24);
    ASSERT_NE(surface, nullptr);
    SDL_FillRect(surface, nullptr, SDL_MapRGB(surface->format, colour.r, colour.g, colour.b));
    ASSERT_EQ(SDL_SaveBMP(surface, path.c_str()), 0);
    SDL_FreeSurface(surface);
}

SDL_Color centrePixel(SDL_Surface* surface)
{
    SDL_Color colour{};
    SDL_LockSurface(surface);
    const auto* row = static_cast<const Uint8*>(surface->pixels) + surface->pitch * (surface->h / 2);
    Uint32 pixel = 0;
    std::memcpy(&pixel, row + surface->format->BytesPerPixel * (surface->w / 2), sizeof pixel);
    SDL_GetRGBA(pixel, surface->format, &colour.r, &colour.g, &colour.b, &colour.a);
    SDL_UnlockSurface(surface);
    return colour;
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
    const std::vector<ExpectedPicture> all = expectedPictures();
    for (std::size_t i = 0; i < all.size(); ++i) {
        if (all[i].file.size() > 4 && all[i].file.substr(all[i].file.size() - 4) == ".ico") {
            writeBytes(images + all[i].file, iconFile(7, 5, colourFor(i)));
        } else {
            writeBitmapFile(images + all[i].file, all[i].width, all[i].height, colourFor(i));
        }
    }
    game.balls[0].icon = BallIcon::Fire;

    loadAssets();

    EXPECT_EQ(imageDir, directory + "/Tessaron Data/Images/");
    EXPECT_EQ(soundDir, directory + "/Tessaron Data/Sons/");
    for (std::size_t i = 0; i < all.size(); ++i) {
        SCOPED_TRACE(all[i].file);
        SDL_Surface* picture = all[i].slot();
        ASSERT_NE(picture, nullptr);
        EXPECT_EQ(picture->w, all[i].width);
        EXPECT_EQ(picture->h, all[i].height);
        const SDL_Color want = colourFor(i);
        const SDL_Color got = centrePixel(picture);
        EXPECT_NEAR(got.r, want.r, 2);
        EXPECT_NEAR(got.g, want.g, 2);
        EXPECT_NEAR(got.b, want.b, 2);
    }
    EXPECT_EQ(pictures.bonusBitmaps[0], nullptr);
    EXPECT_EQ(pictures.brickBitmaps[0], nullptr);
    EXPECT_EQ(pictures.paddleIcons[0], nullptr);
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
        EXPECT_EQ(button.width, 128);
        EXPECT_EQ(button.height, 24);
        EXPECT_EQ(button.textDy, 3);
        EXPECT_EQ(button.hovered, 0);
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
