// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// The game's flow on the recording fake: slides, lost balls, the end of a run, its record, the levels.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <string>
#include <tuple>
#include <vector>

#include "game/flow.h"
#include "game/game_state.h"
#include "game/random.h"
#include "screens/drawing_surface.h"
#include "screens/game_screen.h"
#include "screens/life_loss.h"
#include "shell/score_file.h"
#include "tests/fake_platform.h"
#include "tests/scratch_files.h"
#include "tests/test_pictures.h"

namespace {

int logIndex(const std::string& entry)
{
    const auto found = std::find(fake.log.begin(), fake.log.end(), entry);
    return found == fake.log.end() ? -1 : static_cast<int>(found - fake.log.begin());
}

// A game in play at `level`, timer running, window painted over, score file in a scratch directory.
class Flow : public ::testing::Test {
protected:
    void TearDown() override
    {
        removeTestPictures();
        removeScratchDirectory(scratch);
    }
    void playAtLevel(int level)
    {
        resetWorld();
        scoreFilePath = scorePath;
        installTestPictures();
        fakeWindowPresents = 0;
        SDL_FillRect(fakeWindowSurface(), nullptr, SDL_MapRGBA(fakeWindowSurface()->format, 255, 0, 255, 255));
        game.currentLevel = level;
        newGameReset();
        startLevel();
        game.ballLaunched = true;
        startGameTimer(game.tickIntervalMs);
    }
    bool windowShows(int x, int y, SDL_Color colour) { return hasColour(fakeWindowSurface(), x, y, colour); }

    std::string scratch = makeScratchDirectory(), scorePath = scratch + "/Score.sco";
};

std::vector<std::int32_t> backdropOffsets, overlayOffsets;
void recordBackdrop(SDL_Surface*) { backdropOffsets.push_back(slideOffset); }
void recordOverlay(SDL_Surface*) { overlayOffsets.push_back(slideOffset); }

}  // namespace

// A fixed slide moves 2 pixels a frame, clock unread; a timed one half its ms plus its step, at least 1.
TEST_F(Flow, SlidesMoveByTheirStepOrTheirFrameTimeAndAlwaysEnd)
{
    // Timed or not, the step, the ms added at every reading of the clock (beyond each frame's 5 ms sleep), the
    // frames drawn, the second frame's offset.
    const std::tuple<bool, int, int, std::size_t, int> cases[] = {{false, 2, 7, 301, -2}, {true, 2, 0, 150, -4},
                                                                  {true, 2, 10, 67, -9},  {true, 2, -5, 300, -2},
                                                                  {true, 0, -5, 600, -1}, {true, 2, -1000, 300, -2}};
    for (const auto& [timed, step, clockStepMs, frames, secondOffset] : cases) {
        SCOPED_TRACE(frames);
        playAtLevel(1);
        backdropOffsets.clear();
        overlayOffsets.clear();
        fake.clockStepMs = clockStepMs;
        const std::int64_t clockBefore = fake.clockMs;
        const int stop = timed ? -600 : -1;
        slideTransition(Slide{recordBackdrop, recordOverlay, timed ? 0 : 600, timed, step, stop});
        ASSERT_EQ(overlayOffsets.size(), frames);
        EXPECT_EQ(overlayOffsets[1] - overlayOffsets[0], secondOffset);
        EXPECT_TRUE(overlayOffsets.back() > stop && slideOffset <= stop);
        EXPECT_EQ(backdropOffsets, overlayOffsets);
        EXPECT_EQ(fakeWindowPresents, static_cast<int>(frames));
        EXPECT_TRUE(timed || fake.clockMs - clockBefore == static_cast<std::int64_t>(frames) * 5);
    }
}

// Each step: frames slid (5 ms each), the screen its last frame shows, the flags it leaves.
TEST_F(Flow, EachStepSlidesToItsScreenAndSetsItsFlags)
{
    enum Event { Loss, Cleared, Won, Next };
    // What happens, at which level, with the final picture or the intro shown, the ms added at every reading of the
    // clock; then the frames presented, the screen shown, and after it the level, its intro, the final picture, the
    // end screen and whether the run is won.
    using Flags = std::array<int, 5>;
    constexpr int L = kLevelCount;
    const std::tuple<const char*, int, int, int, int, Event, int, SDL_Color, Flags> cases[] = {
        {"last ball lost", 1, 0, 0, 0, Loss, 150, kLostBackgroundColour, {1, 0, 0, 1, 0}},
        {"loss in one frame", 1, 0, 0, 2000, Loss, 1, kGameBackgroundColour, {1, 0, 0, 1, 0}},
        {"level 1 cleared", 1, 0, 0, 100, Cleared, 12, kLevelBackgroundColour, {2, 1, 0, 0, 1}},
        {"level before the last cleared", L - 1, 0, 0, 0, Cleared, 300, kLevelBackgroundColour, {L, 1, 0, 0, 1}},
        {"last level cleared", L, 0, 0, 0, Cleared, 150, kFinishedBackgroundColour, {L + 1, 0, 1, 0, 1}},
        {"won run ends", L + 1, 1, 0, 0, Won, 150, kLostBackgroundColour, {L + 1, 0, 0, 1, 1}},
        {"won run in one frame", L + 1, 1, 0, 2000, Won, 1, kFinishedBackgroundColour, {L + 1, 0, 0, 1, 1}},
        {"next level rises", 3, 0, 1, 7, Next, 301, kGameBackgroundColour, {3, 0, 0, 0, 1}},
    };
    for (const auto& [what, level, victoryShown, introShown, clockStepMs, event, presents, shown, after] : cases) {
        SCOPED_TRACE(what);
        playAtLevel(level == L + 1 ? L : level);
        game.currentLevel = level;
        game.victoryShown = victoryShown;
        game.levelIntroShown = introShown;
        if (event == Won || event == Next) stopGameTimer();  // the clearing of the level stopped it
        game.livesLeft = 0;
        game.score = 450000;
        game.bestScore = 1000000;
        game.soundEnabled = 0;
        runWon = 1;
        fake.clockStepMs = clockStepMs;
        if (event == Loss) lifeLost();
        if (event == Cleared) levelComplete();
        if (event == Won) victoryEnd();
        if (event == Next) startNextLevel();
        EXPECT_EQ(fakeWindowPresents, presents);
        EXPECT_TRUE(windowShows(5, 5, shown));
        EXPECT_EQ(slideOffset, 0);
        EXPECT_FALSE(fake.timerRunning);
        EXPECT_EQ((std::array{game.currentLevel, game.levelIntroShown, game.victoryShown, game.gameOverShown, runWon}),
                  after);
        EXPECT_EQ(game.score, 450000);
        EXPECT_EQ(fake.soundStops, event == Won ? 1 : 0);  // the music stops even with sounds off
        EXPECT_STREQ(ratingText.data(), after[3] ? ratingFor(450000) : "");
        // Only a won run's end screen keeps the black box at the top.
        EXPECT_TRUE(!after[3] || presents == 1 || windowShows(352, 12, after[4] ? kBlack : kLostBackgroundColour));
    }
}

// A lost ball with lives left costs one, with its cue; after the end, late losses and wins change nothing.
TEST_F(Flow, ALostBallCostsALifeAndARunEndsOnlyOnce)
{
    playAtLevel(1);
    game.livesLeft = 2;
    lifeLost();
    EXPECT_EQ(game.livesLeft, 1);
    EXPECT_EQ(cueCount("nouvellevie"), 1);
    EXPECT_EQ(fakeWindowPresents, 0);
    game.livesLeft = 0;
    game.score = 10;
    game.bestScore = 5;
    lifeLost();
    const int presents = fakeWindowPresents;
    game.score = 900000;
    game.livesLeft = 2;
    lifeLost();
    game.victoryShown = 1;
    victoryEnd();
    EXPECT_EQ(fakeWindowPresents, presents);
    EXPECT_EQ(cueCount("nouvellevie"), 1);
    EXPECT_EQ(fake.soundStops, 0);
    EXPECT_EQ(fake.dialogs.size(), 1u);
    EXPECT_STREQ(ratingText.data(), ratingFor(10));
    EXPECT_EQ(game.livesLeft, 2);
    EXPECT_EQ(runWon, 0);
}

// Each bound of the rating's bands belongs to the band below it.
TEST(Rating, EachBoundBelongsToItsOwnSentence)
{
    const int bounds[] = {-5, 10000, 30000, 100000, 200000, 300000, 400000, 500000};
    EXPECT_STREQ(ratingFor(-5), "Essai de jouer avec la souris...");
    EXPECT_STREQ(ratingFor(500001), "Le casse brique n'as plus de secrets pour toi!!...");
    for (int i = 1; i < 8; ++i) {
        EXPECT_STREQ(ratingFor(bounds[i]), ratingFor(bounds[i - 1] + 1)) << bounds[i];
        EXPECT_STRNE(ratingFor(bounds[i]), ratingFor(bounds[i] + 1)) << bounds[i];
    }
}

// A score that ties or beats the best asks the name (offered the old one) after the slide, then saves it.
TEST_F(Flow, ARecordAsksForTheNameAndSavesIt)
{
    // The score, the name typed (nullptr: OK on the old name), whether the run was won; then the best score and its
    // holder, and the score file (nullptr: none written).
    const std::tuple<int, const char*, bool, int, const char*, const char*> cases[] = {
        {10000, "Zoe", false, 10000, "Zoe", "Zoe SCORE= 10000"},
        {10001, nullptr, false, 10001, " Ace", " Ace SCORE= 10001"},
        {10000, "Zoe", true, 10000, "Zoe", "Zoe SCORE= 10000"},
        {9999, "Zoe", false, 10000, " Ace", nullptr},
    };
    for (const auto& [score, typed, won, best, name, file] : cases) {
        SCOPED_TRACE(score);
        std::remove(scorePath.c_str());
        playAtLevel(1);
        game.livesLeft = 0;
        game.victoryShown = won;
        game.score = score;
        game.bestScore = 10000;
        std::snprintf(game.bestScoreName.data(), game.bestScoreName.size(), " Ace");
        fake.typeText = typed != nullptr;
        fake.typedText = typed ? typed : "";
        won ? victoryEnd() : lifeLost();
        EXPECT_EQ(game.bestScore, best);
        EXPECT_STREQ(game.bestScoreName.data(), name);
        const int asked = file ? 1 : 0;
        EXPECT_EQ((std::array{pathExists(scorePath) ? 1 : 0, static_cast<int>(fake.dialogs.size()), fake.repaints}),
                  (std::array{asked, asked, asked}));
        if (!file) continue;
        EXPECT_EQ(readBytes(scorePath), file);
        EXPECT_EQ(fake.dialogInitialText, " Ace");
        EXPECT_GT(logIndex("dialog"), logIndex("sleep 5"));
        EXPECT_GT(logIndex("repaint"), logIndex("dialog"));
    }
}

// Clearing a level: the clap, the intro's five sets, 800 ms on the intro; the last plays the music first.
TEST_F(Flow, LevelCompleteShowsEachIntroSetAndTheLastPlaysTheMusic)
{
    const char* const sets[][2] = {{"reprenons notre soufle avant ", "le terrifiant niveau 2?"},
                                   {"Pret pour l'attaque du niveau 2?", " "},
                                   {"Plongeons ensemble dans ", "le niveau 2 !"},
                                   {"Le niveau 1 etait facile...", "Mais le niveau 2 l'est moins !!"},
                                   {"Le niveau 2 vous attend !!", " "}};
    for (int draw = 0; draw < 5; ++draw) {
        SCOPED_TRACE(draw);
        playAtLevel(1);
        game.paused = true;
        std::snprintf(introLine2.data(), introLine2.size(), "stale");
        fake.clockStepMs = 100;
        std::uint32_t seed = 1;
        while (seedRandom(seed), nextRandom() % 5 != draw) ++seed;
        seedRandom(seed);
        levelComplete();
        EXPECT_STREQ(introLine1.data(), sets[draw][0]);
        EXPECT_STREQ(introLine2.data(), sets[draw][1]);
        EXPECT_FALSE(game.paused);
        EXPECT_EQ(cueCount("CLAP"), 1);
        EXPECT_EQ((std::array{fake.sleeps.front(), fake.sleeps.back()}), (std::array{1000u, 800u}));
        EXPECT_TRUE(fake.loops.empty());
    }
    for (const int sound : {1, 0}) {
        playAtLevel(kLevelCount);
        game.soundEnabled = sound;
        levelComplete();
        ASSERT_EQ(fake.loops.size(), static_cast<std::size_t>(sound));
        EXPECT_TRUE(!sound || (fake.loops[0].find("musique.wav") != std::string::npos &&
                               logIndex("loop " + fake.loops[0]) < logIndex("sleep 5")));
    }
}
