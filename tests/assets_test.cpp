// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// Start-up loading (pictures, the menu's buttons, a missing data directory), sound cues and the exit note.
#include <gtest/gtest.h>

#include <cstring>
#include <tuple>

#include "game/flow.h"
#include "game/game_state.h"
#include "game/level_codes.h"
#include "screens/menu_buttons.h"
#include "screens/pictures.h"
#include "screens/screen_state.h"
#include "shell/assets.h"
#include "shell/data_paths.h"
#include "shell/shell_state.h"
#include "shell/sound_cues.h"
#include "tests/fake_platform.h"
#include "tests/scratch_files.h"
#include "tests/test_pictures.h"

namespace {

class Assets : public ::testing::Test {
protected:
    void SetUp() override
    {
        resetWorld();
        shellState.exeDir = directory;
        // For a record that cannot stay beside the game.
        setenv("XDG_DATA_HOME", (directory + "/home-data").c_str(), 1);
    }
    void TearDown() override
    {
        unsetenv("XDG_DATA_HOME");
        removeScratchDirectory(directory);
    }
    // The data beside the "executable".
    const std::string directory = makeScratchDirectory(), data = directory + "/Tessaron Data";
};

// Each picture, of its own colour, lands in its slot at its size; the record and codes are read too.
TEST_F(Assets, EveryPictureGoesToItsSlotAtItsLoadSizeAndTheMenuIsSetUp)
{
    const std::vector<GamePicture> all = gamePictures();
    const auto colourFor = [](std::size_t i) {  // each picture its own
        return static_cast<std::uint32_t>((10 + i * 5) << 16 | (200 - i * 4) << 8 | 77);
    };
    std::filesystem::create_directories(data + "/Images");
    for (std::size_t i = 0; i < all.size(); ++i) {
        const std::uint32_t rgb = colourFor(i);
        const PictureBytes bytes = all[i].file.substr(all[i].file.size() - 4) == ".ico"
                                       ? iconFile({{7, 5, 32, solidDibEntry(7, 5, 32, 0xFF000000u | rgb)}})
                                       : bitmapFile(all[i].width, all[i].height, [rgb](int, int) { return rgb; });
        writeBytes(data + "/Images/" + all[i].file, std::string(bytes.begin(), bytes.end()));
    }
    writeBytes(data + "/Score.sco", "Ace SCORE= 4200");
    // All at once, or the menu's first and then the rest one picture a step, as the game's start
    // does between the menu's events; a new start begins the steps again.
    for (const bool inSteps : {false, true, true}) {
        SCOPED_TRACE(inSteps ? "in steps" : "at once");
        for (const GamePicture& picture : all) {
            SDL_FreeSurface(*picture.slot);
            *picture.slot = nullptr;
        }
        game.balls[0].icon = BallIcon::Fire;
        levelCodes = {};
        screenState.menuButtons[kNoMenuButton].hovered = 1;
        screenState.menuButtons[kCreditsButton].hovered = 1;
        if (inSteps) {
            loadMenuAssets();
            std::size_t steps = 1;
            while (loadNextAsset()) ++steps;
            EXPECT_EQ(steps, all.size() - 3);  // all but the menu's button, lit button and background
            EXPECT_FALSE(loadNextAsset());
        } else {
            loadAssets();
        }
        EXPECT_EQ(std::pair(shellState.imageDir, shellState.soundDir), std::pair(data + "/Images/", data + "/Sons/"));
        EXPECT_EQ(
            std::tuple(game.balls[0].icon, std::string(pathBuffer.data()), std::string(game.bestScoreName.data()),
                       game.bestScore),
            std::tuple(BallIcon::Normal, data + "/Images/8.bmp", " Ace", 4200));  // pathBuffer: the last path composed
        for (std::size_t i = 0; i < all.size(); ++i) {
            SCOPED_TRACE(all[i].file);
            SDL_Surface* picture = *all[i].slot;
            ASSERT_NE(picture, nullptr);
            EXPECT_EQ(std::pair(picture->w, picture->h), std::pair(all[i].width, all[i].height));
            const SDL_Color got = pixelAt(picture, picture->w / 2, picture->h / 2);
            for (const auto& [value, shift] : {std::pair(got.r, 16), std::pair(got.g, 8), std::pair(got.b, 0)})
                EXPECT_NEAR(value, colourFor(i) >> shift & 255, 2);
        }
        for (SDL_Surface* unused : {screenState.pictures.bonusBitmaps[0], screenState.pictures.brickBitmaps[0],
                                    screenState.pictures.paddleIcons[0]})
            EXPECT_EQ(unused, nullptr);
        for (std::size_t level = 1; level <= 25; ++level) EXPECT_EQ(std::strlen(levelCodes[level].data()), 6u);
        const std::tuple<int, int, int, std::string> places[kMenuButtonEntries] = {{0, 0, 35, ""},
                                                                                   {40, 80, 25, "Commencer"},
                                                                                   {40, 140, 13, "Entrer un code"},
                                                                                   {40, 180, 18, "Credits, Aide"},
                                                                                   {40, 220, 35, "Sons : ON"},
                                                                                   {40, 260, 35, "QUITTER"}};
        for (std::size_t i = 0; i < screenState.menuButtons.size(); ++i) {
            SCOPED_TRACE(i);
            const MenuButton& b = screenState.menuButtons[i];
            EXPECT_EQ(std::tuple(b.x, b.y, b.textDx, std::string(b.label.data())), places[i]);
            EXPECT_EQ(std::tuple(b.width, b.height, b.textDy, b.hovered, b.icon, b.hoverIcon),
                      std::tuple(128, 24, 3, 0, screenState.pictures.buttonIcon, screenState.pictures.buttonHoverIcon));
        }
    }
}

TEST_F(Assets, AMissingDataDirectoryIsReportedOnceAndTheGameGoesOn)
{
    testing::internal::CaptureStderr();
    loadAssets();
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "Tessaron : dossier de données introuvable : " + data + "\n");
    EXPECT_EQ(std::tuple(screenState.pictures.gameBackground, screenState.pictures.brickBitmaps[8],
                         std::string(screenState.menuButtons[kStartButton].label.data()),
                         std::string(game.bestScoreName.data())),
              std::tuple(nullptr, nullptr, "Commencer", "Trimbalour"));
    // The defaults go to the player's own data directory, made private on the way.
    const std::string own = directory + "/home-data/tessaron";
    EXPECT_EQ(readBytes(own + "/Score.sco"), "Trimbalour SCORE= 1235");
    EXPECT_EQ(std::filesystem::status(own).permissions(), std::filesystem::perms::owner_all);
}

// A cue's path is composed in pathBuffer whatever the switch; only the value 1 lets it play.
TEST_F(Assets, SoundCuesPlayOnlyWithSoundsOnAndTheExitNoteIsWrittenOnlyInItsDirectory)
{
    for (const int enabled : {0, 2, 1}) {
        resetWorld();
        shellState.soundDir = "/jeux/Sons/";
        game.soundEnabled = enabled;
        playCueSound("balle pause");
        EXPECT_STREQ(pathBuffer.data(), "/jeux/Sons/balle pause.wav");
        playCueSound("CLAP");
        startMusic();
        EXPECT_STREQ(pathBuffer.data(), "/jeux/Sons/musique.wav");
        const std::vector<std::string> none, cues = {"/jeux/Sons/balle pause.wav", "/jeux/Sons/CLAP.wav"},
                                             music = {"/jeux/Sons/musique.wav"};
        EXPECT_EQ(fake.sounds, enabled == 1 ? cues : none);
        EXPECT_EQ(fake.loops, enabled == 1 ? music : none);
    }
    // The exit note, relative to the current directory, holds exactly its word, and only where its directory exists.
    const std::filesystem::path previous = std::filesystem::current_path();
    std::filesystem::current_path(directory);
    writeExitNote("EXIT");
    EXPECT_TRUE(std::filesystem::is_empty(directory));
    std::filesystem::create_directories("Korvel900 data/Sons");
    writeBytes("Korvel900 data/Sons/MusicCfg.cfg", "an older and longer note\n");
    writeExitNote("EXIT");
    EXPECT_EQ(readBytes(directory + "/Korvel900 data/Sons/MusicCfg.cfg"), "EXIT");
    std::filesystem::current_path(previous);
}

}  // namespace
