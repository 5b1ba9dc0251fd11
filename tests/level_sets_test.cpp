// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// The player's sets: the levels folder read, a set chosen with its own record and furthest level,
// the built-in set given back as it was, and the order the menu goes through them.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <tuple>

#include "game/flow.h"
#include "game/game_state.h"
#include "game/level_codes.h"
#include "shell/level_sets.h"
#include "shell/score_file.h"
#include "shell/shell_state.h"
#include "tests/fake_platform.h"
#include "tests/scratch_files.h"

namespace {

std::string setText(const std::string& name, const std::string& kind)
{
    return "tessaron-levels 1\nname " + name + "\nauthor Zoé\nlevel\nbrick 0 0 " + kind +
           "\nlevel\nbrick 40 0 hard\nlevel\nbrick 80 0 hard\n";
}

class PlayerSets : public ::testing::Test {
protected:
    void SetUp() override
    {
        resetWorld();
        setenv("XDG_DATA_HOME", dir.c_str(), 1);
        writeBytes(dir + "/Score.sco", "Ada SCORE= 900");
        shellState.scoreFilePath = dir + "/Score.sco";
    }
    void TearDown() override
    {
        unsetenv("XDG_DATA_HOME");
        shellState.levelSetChoice = LevelSetChoice{};
        resetWorld();
        removeScratchDirectory(dir);
    }
    const std::string dir = makeScratchDirectory();
};

// Only good files ending in .tessaron-levels are offered, in name order and each set once; a
// refused one is told in one line with its file and line.
TEST_F(PlayerSets, TheFolderOffersEachGoodSetOnceAndTellsTheRefusedOnes)
{
    const std::string folder = playerLevelSetDirectory();
    EXPECT_EQ(folder, dir + "/tessaron/levels");
    EXPECT_TRUE(readPlayerLevelSets(folder, stderr).empty());  // no folder yet: nothing, nothing said
    ASSERT_EQ(std::system(("mkdir -p '" + folder + "'").c_str()), 0);
    writeBytes(folder + "/b.tessaron-levels", setText("Bleu", "ordinary1"));
    writeBytes(folder + "/a.tessaron-levels", setText("Ambre", "ordinary1"));
    writeBytes(folder + "/c.tessaron-levels", setText("Bleu", "ordinary1"));  // b's twin
    writeBytes(folder + "/d.tessaron-levels", setText("Dé", "ordinary9"));
    writeBytes(folder + "/e.txt", setText("Écru", "ordinary1"));
    std::FILE* told = std::tmpfile();
    const std::vector<PlayerLevelSet> sets = readPlayerLevelSets(folder, told);
    ASSERT_EQ(sets.size(), 2u);
    EXPECT_EQ(sets[0].set.name + sets[1].set.name, "AmbreBleu");
    EXPECT_EQ(sets[1].path, folder + "/b.tessaron-levels");
    EXPECT_NE(sets[0].key, sets[1].key);
    std::rewind(told);
    char line[300] = {};
    ASSERT_NE(std::fgets(line, sizeof line, told), nullptr);
    EXPECT_EQ(std::string(line), "Tessaron : jeu de niveaux laissé de côté : " + folder +
                                     "/d.tessaron-levels : ligne 5 : genre de brique inconnu « ordinary9 »\n");
    EXPECT_EQ(std::fgets(line, sizeof line, told), nullptr);
    std::fclose(told);
}

// A player's set is played from its first level with its own record, and keeps the furthest level
// reached; the built-in set comes back with Score.sco's record and its selected level.
TEST_F(PlayerSets, EachSetKeepsItsOwnRecordAndFurthestLevel)
{
    PlayerLevelSet named;
    std::string refusal;
    writeBytes(dir + "/mien.tessaron-levels", setText("Mien", "ordinary2"));
    ASSERT_TRUE(readPlayerLevelSet(dir + "/mien.tessaron-levels", named, refusal)) << refusal;
    loadScoreFile();
    game.currentLevel = 7;
    offerLevelSets({}, named);  // as --levels does
    const std::string stem = dir + "/tessaron/sets/" + named.key;
    ASSERT_EQ(shellState.levelSetChoice.chosen, 0);
    EXPECT_EQ(game.levelSet, &shellState.levelSetChoice.sets[0].set);
    EXPECT_EQ(std::tuple(game.currentLevel, game.levelSetReached, shellState.scoreFilePath),
              std::tuple(1, 1, stem + ".sco"));
    EXPECT_NE(game.bestScore, 900);  // not the built-in set's record

    // A game that reached level 3 keeps it; a later one that went less far leaves it.
    game.levelSetReached = 3;
    keepLevelReached();
    game.levelSetReached = 2;
    keepLevelReached();
    EXPECT_EQ(readBytes(stem + ".reached"), "3\n");
    EXPECT_EQ(reachedLevelNumbered("3"), 1);  // the game's value, 2, is what the code dialog allows
    chooseLevelSet(-1);
    EXPECT_EQ(game.levelSet, nullptr);
    EXPECT_EQ(std::pair(game.currentLevel, game.bestScore), std::pair(7, 900));
    chooseLevelSet(0);
    EXPECT_EQ(game.levelSetReached, 3);
    for (const auto& [typed, level] : {std::pair{"3", 3}, {"2", 2}, {"4", 1}, {"0", 1}, {"x", 1}, {"", 1}}) {
        EXPECT_EQ(reachedLevelNumbered(typed), level) << typed;
    }
}

// The menu goes round: the built-in set (-1), then each player's set, then the built-in one again.
TEST(PlayerSetOrder, LeftAndRightGoRoundThroughTheBuiltInSet)
{
    for (const auto& [chosen, count, forward, next] : {std::tuple{-1, 2, true, 0},
                                                       {0, 2, true, 1},
                                                       {1, 2, true, -1},
                                                       {-1, 2, false, 1},
                                                       {0, 2, false, -1},
                                                       {-1, 0, true, -1}}) {
        EXPECT_EQ(steppedLevelSet(chosen, count, forward), next) << chosen << count << forward;
    }
}

}  // namespace
