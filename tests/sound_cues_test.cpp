// Sound cues and the exit note: paths composed in pathBuffer, the sound switch, and the note
// written only where its directory exists.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "game/flow.h"
#include "game/game_state.h"
#include "shell/data_paths.h"
#include "shell/sound_cues.h"
#include "tests/fake_platform.h"
#include "tests/scratch_files.h"

namespace {

class SoundCues : public ::testing::Test {
protected:
    void SetUp() override
    {
        resetWorld();
        soundDir = "/jeux/Tessaron Data/Sons/";
    }
};

TEST_F(SoundCues, WithSoundsOffTheCueIsComposedButNotPlayed)
{
    game.soundEnabled = 0;
    playCue("balle pause");
    EXPECT_STREQ(pathBuffer.data(), "/jeux/Tessaron Data/Sons/balle pause.wav");
    EXPECT_TRUE(fake.sounds.empty());

    startMusic();
    EXPECT_STREQ(pathBuffer.data(), "/jeux/Tessaron Data/Sons/musique.wav");
    EXPECT_TRUE(fake.loops.empty());
}

TEST_F(SoundCues, WithSoundsOnEveryCuePlaysItsFile)
{
    game.soundEnabled = 1;
    playCue("balle decolle");
    playCue("balle decolle");
    playCue("CLAP");
    EXPECT_EQ(fake.sounds, (std::vector<std::string>{"/jeux/Tessaron Data/Sons/balle decolle.wav",
                                                     "/jeux/Tessaron Data/Sons/balle decolle.wav",
                                                     "/jeux/Tessaron Data/Sons/CLAP.wav"}));
    startMusic();
    EXPECT_EQ(fake.loops, std::vector<std::string>{"/jeux/Tessaron Data/Sons/musique.wav"});
}

TEST_F(SoundCues, OnlyTheValueOneLetsSoundsPlay)
{
    game.soundEnabled = 2;
    playCue("murs");
    EXPECT_TRUE(fake.sounds.empty());
}

// Runs in a scratch directory as the current directory, which the exit note is relative to.
class ExitNote : public ::testing::Test {
protected:
    void SetUp() override
    {
        directory = makeScratchDirectory();
        previous = std::filesystem::current_path();
        std::filesystem::current_path(directory);
    }
    void TearDown() override
    {
        std::filesystem::current_path(previous);
        removeScratchDirectory(directory);
    }
    std::string directory;
    std::filesystem::path previous;
};

TEST_F(ExitNote, HoldsExactlyTheWordWhenItsDirectoryExists)
{
    std::filesystem::create_directories("Korvel900 data/Sons");
    writeBytes("Korvel900 data/Sons/MusicCfg.cfg", "an older and longer note\n");
    writeExitNote("EXIT");
    EXPECT_EQ(readBytes(directory + "/Korvel900 data/Sons/MusicCfg.cfg"), "EXIT");
    writeExitNote("EXIT");
    EXPECT_EQ(readBytes(directory + "/Korvel900 data/Sons/MusicCfg.cfg"), "EXIT");
}

TEST_F(ExitNote, WithoutItsDirectoryNothingIsWritten)
{
    writeExitNote("EXIT");
    EXPECT_FALSE(pathExists(directory + "/Korvel900 data"));
    EXPECT_TRUE(std::filesystem::is_empty(directory));
}

}  // namespace
