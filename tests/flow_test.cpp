// The game's flow through the screens, on the recording fake: a new life, the end of a run
// with its slide, rating and best-score check, the level intro and the final picture, the next
// level rising, and the slide frames themselves.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <string>
#include <vector>

#include "game/controls.h"
#include "game/flow.h"
#include "game/game_state.h"
#include "game/level_codes.h"
#include "game/random.h"
#include "screens/drawing_surface.h"
#include "screens/game_screen.h"
#include "screens/life_loss.h"
#include "shell/score_file.h"
#include "tests/fake_platform.h"
#include "tests/scratch_files.h"
#include "tests/test_pictures.h"

namespace {

constexpr SDL_Color kSentinel{255, 0, 255, 255};

bool endsWith(const std::string& text, const std::string& end)
{
    return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

int logIndex(const std::string& entry)
{
    const auto found = std::find(fake.log.begin(), fake.log.end(), entry);
    return found == fake.log.end() ? -1 : static_cast<int>(found - fake.log.begin());
}

int logIndexEndingWith(const std::string& end)
{
    for (std::size_t i = 0; i < fake.log.size(); ++i) {
        if (endsWith(fake.log[i], end)) return static_cast<int>(i);
    }
    return -1;
}

// A game in play at `level`, its timer running, the test pictures installed, the game window's
// surface painted over and no present counted yet; the score file in a scratch directory.
class Flow : public ::testing::Test {
protected:
    void SetUp() override
    {
        scratch = makeScratchDirectory();
        scorePath = scratch + "/Score.sco";
        savedScoreFilePath = scoreFilePath;
        scoreFilePath = scorePath;
        freshWorld();
    }
    void TearDown() override
    {
        removeTestPictures();
        scoreFilePath = savedScoreFilePath;
        removeScratchDirectory(scratch);
    }

    void freshWorld()
    {
        resetWorld();
        installTestPictures();
        for (int level = 1; level <= 25; ++level) {
            std::snprintf(levelCodes[static_cast<std::size_t>(level)].data(), 9, "CODE%02d", level);
        }
        slideOffset = 0;
        runWon = 0;
        ratingText.fill('\0');
        fakeWindowPresents = 0;
        SDL_FillRect(fakeWindowSurface(), nullptr,
                     SDL_MapRGBA(fakeWindowSurface()->format, 255, 0, 255, 255));
    }

    void playAtLevel(int level)
    {
        game.currentLevel = level;
        newGameReset();
        startLevel();
        game.ballLaunched = true;
        startGameTimer(game.tickIntervalMs);
    }
    bool windowShows(int x, int y, SDL_Color colour)
    {
        return hasColour(fakeWindowSurface(), x, y, colour);
    }

    std::string scratch;
    std::string scorePath;
    std::string savedScoreFilePath{};
};

// The first seed whose first draw of the generator modulo 5 is `draw`.
std::uint32_t seedGivingDraw(int draw)
{
    for (std::uint32_t seed = 1;; ++seed) {
        seedRandom(seed);
        if (nextRandom() % 5 == draw) return seed;
    }
}

std::vector<std::int32_t> backdropOffsets;
std::vector<std::int32_t> overlayOffsets;
void recordBackdrop(SDL_Surface*) { backdropOffsets.push_back(slideOffset); }
void recordOverlay(SDL_Surface*) { overlayOffsets.push_back(slideOffset); }

}  // namespace

// A slide with a fixed step moves two pixels a frame and never reads the clock; a timed one
// moves by half the frame's time plus its step, and at least a pixel when the clock stalls or
// goes back, so that it always ends.
TEST_F(Flow, SlidesMoveByTheirStepOrTheirFrameTimeAndAlwaysEnd)
{
    struct Case {
        bool timed;
        int step;
        int clockStepMs;  // added at every clock reading, beyond the 5 ms sleep of each frame
        std::size_t frames;
        int secondOffset;
    };
    const Case cases[] = {
        {false, 2, 7, 301, -2},     {true, 2, 0, 150, -4},      {true, 2, 10, 67, -9},
        {true, 2, -5, 300, -2},     {true, 0, -5, 600, -1},     {true, 2, -1000, 300, -2},
    };
    for (const Case& c : cases) {
        freshWorld();
        backdropOffsets.clear();
        overlayOffsets.clear();
        fake.clockStepMs = c.clockStepMs;
        const std::int64_t clockBefore = fake.clockMs;
        const int stop = c.timed ? -600 : -1;
        slideTransition(Slide{recordBackdrop, recordOverlay, c.timed ? 0 : 600, c.timed, c.step, stop});
        SCOPED_TRACE(c.frames);
        ASSERT_EQ(overlayOffsets.size(), c.frames);
        EXPECT_EQ(overlayOffsets[1] - overlayOffsets[0], c.secondOffset);
        EXPECT_GT(overlayOffsets.back(), stop);
        EXPECT_LE(slideOffset, stop);
        EXPECT_EQ(backdropOffsets, overlayOffsets);
        EXPECT_EQ(fakeWindowPresents, static_cast<int>(c.frames));
        if (!c.timed) {
            EXPECT_EQ(fake.clockMs - clockBefore, static_cast<std::int64_t>(c.frames) * 5);
        }
    }
}

// What a new life adds to the reset of the board: its cue, one life less, no slide.
TEST_F(Flow, NewLifePutsABallOnThePaddle)
{
    playAtLevel(1);
    game.soundEnabled = 1;
    game.livesLeft = 2;
    game.score = 4321;
    lifeLost();
    EXPECT_EQ(game.livesLeft, 1);
    ASSERT_FALSE(fake.sounds.empty());
    EXPECT_TRUE(endsWith(fake.sounds.back(), "nouvellevie.wav"));
    EXPECT_DOUBLE_EQ(game.balls[0].y, 512.0);
    EXPECT_EQ(game.score, 4321);
    EXPECT_EQ(game.gameOverShown, 0);
    EXPECT_EQ(fakeWindowPresents, 0);
}

TEST_F(Flow, LastBallLostSlidesTheBoardOffTheEndScreen)
{
    playAtLevel(1);
    game.livesLeft = 0;
    game.score = 5000;
    game.bestScore = 10000;
    lifeLost();
    EXPECT_FALSE(fake.timerRunning);
    EXPECT_EQ(runWon, 0);
    EXPECT_STREQ(ratingText.data(), "Essai de jouer avec la souris...");
    EXPECT_EQ(fakeWindowPresents, 150);  // 5 ms a frame: 2 + 2 pixels
    EXPECT_EQ(slideOffset, 0);
    EXPECT_EQ(game.gameOverShown, 1);
    // The last frame shows the end screen, uncovered.
    EXPECT_TRUE(windowShows(5, 5, kLostBackgroundColour));
    EXPECT_TRUE(windowShows(400, 50, kLostBackgroundColour));  // no black box for a lost run
    EXPECT_TRUE(fake.dialogs.empty());
    EXPECT_EQ(game.bestScore, 10000);
    EXPECT_EQ(fake.repaints, 0);
    EXPECT_FALSE(pathExists(scorePath));
}

TEST_F(Flow, EndSlideOverlayIsThePlayScreenAsItWasAtTheLoss)
{
    playAtLevel(1);
    game.livesLeft = 0;
    fake.clockStepMs = 2000;  // one frame of seconds: the slide's only frame
    lifeLost();
    EXPECT_EQ(fakeWindowPresents, 1);
    EXPECT_TRUE(windowShows(5, 5, kGameBackgroundColour));
    EXPECT_TRUE(windowShows(255, 506, kBallColour));
    EXPECT_EQ(game.gameOverShown, 1);
    EXPECT_EQ(slideOffset, 0);
}

TEST_F(Flow, ARunEndsOnlyOnce)
{
    playAtLevel(1);
    game.livesLeft = 0;
    game.score = 10;
    game.bestScore = 5;
    lifeLost();
    ASSERT_EQ(game.gameOverShown, 1);
    const int presents = fakeWindowPresents;
    const int timerStops = fake.timerStops;
    const std::string rating = ratingText.data();

    game.score = 900000;
    game.livesLeft = 2;
    lifeLost();
    game.victoryShown = 1;
    victoryEnd();
    EXPECT_EQ(fakeWindowPresents, presents);
    EXPECT_EQ(fake.timerStops, timerStops);
    EXPECT_EQ(fake.soundStops, 0);
    EXPECT_EQ(fake.dialogs.size(), 1u);
    EXPECT_EQ(ratingText.data(), rating);
    EXPECT_EQ(game.livesLeft, 2);
    EXPECT_EQ(runWon, 0);
    EXPECT_EQ(game.bestScore, 10);
    EXPECT_EQ(readBytes(scorePath), " SCORE= 10");
}

TEST(Rating, EachBoundBelongsToItsOwnSentence)
{
    const char* const sentences[] = {
        "Essai de jouer avec la souris...",
        "Tu as trouv\xe9 comment bouger la raquette mais c'est tout...",
        "Voila, continu de t'entrainer et tu peut y arriver .",
        "Tout \xe0 fait respectable...",
        "Essai de te concentrer pour \xeatre plus vif!!",
        "Je vois que tu maitrise ta balle, Bravo!",
        "Essai de prendre un maximum de bonus pour booster ton score!",
        "Le casse brique n'as plus de secrets pour toi!!...",
    };
    const int bounds[] = {10000, 30000, 100000, 200000, 300000, 400000, 500000};
    EXPECT_STREQ(ratingFor(-5), sentences[0]);
    for (int i = 0; i < 7; ++i) {
        EXPECT_STREQ(ratingFor(bounds[i]), sentences[i]) << bounds[i];
        EXPECT_STREQ(ratingFor(bounds[i] + 1), sentences[i + 1]) << bounds[i] + 1;
    }
}

// A score that ties or beats the best asks for the name (offered the old one) once the end
// screen is in place, and saves it; a lower one asks nothing and writes nothing.
TEST_F(Flow, ARecordAsksForTheNameAndSavesIt)
{
    struct Case {
        int score;
        const char* typed;  // nullptr: the player presses OK on the old name
        int best;
        const char* name;
        const char* file;  // nullptr: no file written
    };
    const Case cases[] = {
        {10000, "Zoe", 10000, "Zoe", "Zoe SCORE= 10000"},
        {10001, nullptr, 10001, " Ace", " Ace SCORE= 10001"},
        {9999, "Zoe", 10000, " Ace", nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.score);
        std::remove(scorePath.c_str());
        freshWorld();
        playAtLevel(1);
        game.livesLeft = 0;
        game.score = c.score;
        game.bestScore = 10000;
        std::snprintf(game.bestScoreName.data(), game.bestScoreName.size(), " Ace");
        fake.typeText = c.typed != nullptr;
        fake.typedText = c.typed ? c.typed : "";
        lifeLost();
        EXPECT_EQ(game.bestScore, c.best);
        EXPECT_STREQ(game.bestScoreName.data(), c.name);
        EXPECT_EQ(pathExists(scorePath), c.file != nullptr);
        EXPECT_EQ(fake.dialogs.size(), c.file ? 1u : 0u);
        EXPECT_EQ(fake.repaints, c.file ? 1 : 0);
        if (!c.file) continue;
        EXPECT_EQ(readBytes(scorePath), c.file);
        EXPECT_EQ(fake.dialogs[0], TextDialog::PlayerName);
        EXPECT_EQ(fake.dialogInitialText, " Ace");
        EXPECT_GT(logIndex("dialog"), logIndex("sleep 5"));
        EXPECT_GT(logIndex("repaint"), logIndex("dialog"));
    }
}

TEST_F(Flow, LevelCompleteShowsEachIntroSet)
{
    struct Expected {
        const char* first;
        const char* second;
    };
    const Expected sets[] = {
        {"reprenons notre soufle avant ", "le terrifiant niveau 2?"},
        {"Pret pour l'attaque du niveau 2?", " "},
        {"Plongeons ensemble dans ", "le niveau 2 !"},
        {"Le niveau 1 etait facile...", "Mais le niveau 2 l'est moins !!"},
        {"Le niveau 2 vous attend !!", " "},
    };
    for (int draw = 0; draw < 5; ++draw) {
        freshWorld();
        playAtLevel(1);
        game.paused = true;
        game.soundEnabled = 1;
        std::snprintf(introLine2.data(), introLine2.size(), "stale");
        fake.clockStepMs = 100;  // slow frames: a short slide
        seedRandom(seedGivingDraw(draw));
        levelComplete();
        SCOPED_TRACE(draw);
        EXPECT_STREQ(introLine1.data(), sets[draw].first);
        EXPECT_STREQ(introLine2.data(), sets[draw].second);
    }
    // Whatever the draw: the next level is introduced after the clap, the game unpaused and
    // its timer stopped, the intro slid in place in 105 ms frames (52 pixels, no extra step).
    EXPECT_EQ(game.currentLevel, 2);
    EXPECT_EQ(game.levelIntroShown, 1);
    EXPECT_EQ(game.victoryShown, 0);
    EXPECT_FALSE(game.paused);
    EXPECT_FALSE(fake.timerRunning);
    EXPECT_EQ(slideOffset, 0);
    ASSERT_FALSE(fake.sounds.empty());
    EXPECT_TRUE(endsWith(fake.sounds.front(), "CLAP.wav"));
    ASSERT_GE(fake.sleeps.size(), 2u);
    EXPECT_EQ(fake.sleeps.front(), 1000u);
    EXPECT_EQ(fake.sleeps.back(), 800u);
    EXPECT_EQ(fakeWindowPresents, 12);
    EXPECT_TRUE(windowShows(5, 5, kLevelBackgroundColour));
    EXPECT_TRUE(fake.loops.empty());
}

TEST_F(Flow, ClearingLevelTwentyFourIntroducesTheLastLevel)
{
    playAtLevel(24);
    levelComplete();
    EXPECT_EQ(fakeWindowPresents, 300);  // 5 ms a frame, 2 pixels, no extra step
    EXPECT_TRUE(windowShows(5, 5, kLevelBackgroundColour));
    EXPECT_EQ(game.currentLevel, 25);
    EXPECT_EQ(game.levelIntroShown, 1);
    EXPECT_EQ(game.victoryShown, 0);
    EXPECT_STREQ(levelCodeText(game.currentLevel), "CODE25");
}

TEST_F(Flow, ClearingTheLastLevelPlaysTheMusicOnlyWithSoundsOn)
{
    playAtLevel(25);
    game.soundEnabled = 1;
    levelComplete();
    EXPECT_EQ(game.currentLevel, 26);
    EXPECT_EQ(game.victoryShown, 1);
    EXPECT_EQ(game.levelIntroShown, 0);
    ASSERT_EQ(fake.loops.size(), 1u);
    EXPECT_TRUE(endsWith(fake.loops[0], "musique.wav"));
    EXPECT_LT(logIndexEndingWith("musique.wav"), logIndex("sleep 5"));
    EXPECT_EQ(fake.sleeps.front(), 1000u);
    EXPECT_EQ(fake.sleeps.back(), 800u);
    EXPECT_EQ(fakeWindowPresents, 150);  // the extra 2 pixels a frame
    EXPECT_EQ(slideOffset, 0);
    EXPECT_TRUE(windowShows(5, 5, kFinishedBackgroundColour));

    freshWorld();
    playAtLevel(25);
    game.soundEnabled = 0;
    levelComplete();
    EXPECT_EQ(game.currentLevel, 26);
    EXPECT_EQ(game.victoryShown, 1);
    EXPECT_TRUE(fake.loops.empty());
}

TEST_F(Flow, NextLevelRisesInThreeHundredAndOneFramesAndKeepsTheRun)
{
    playAtLevel(2);
    stopGameTimer();
    game.currentLevel = 3;
    game.levelIntroShown = 1;
    game.score = 777;
    game.livesLeft = 2;
    game.shotsLeft = 9;
    game.bricksBroken = 5;
    fake.clockStepMs = 7;
    const std::int64_t clockBefore = fake.clockMs;
    startNextLevel();
    EXPECT_EQ(fakeWindowPresents, 301);
    EXPECT_EQ(fake.clockMs - clockBefore, 301 * 5);  // no time reading
    EXPECT_EQ(slideOffset, 0);
    EXPECT_EQ(game.levelIntroShown, 0);
    EXPECT_EQ(game.score, 777);
    EXPECT_EQ(game.livesLeft, 2);
    EXPECT_EQ(game.shotsLeft, 9);
    EXPECT_EQ(game.bricksBroken, 0);
    EXPECT_FALSE(game.ballLaunched);
    EXPECT_FALSE(fake.timerRunning);
    // The last frame lands the new board at 0, covering the intro.
    EXPECT_TRUE(windowShows(5, 5, kGameBackgroundColour));
}

TEST_F(Flow, VictoryEndSlidesTheFinalPictureOffTheEndScreenWithItsBlackBox)
{
    playAtLevel(25);
    stopGameTimer();
    game.currentLevel = 26;
    game.victoryShown = 1;
    game.score = 450000;
    game.bestScore = 1000000;
    game.soundEnabled = 0;
    victoryEnd();
    EXPECT_EQ(fake.soundStops, 1);  // stopped with sounds off too
    EXPECT_STREQ(ratingText.data(), "Essai de prendre un maximum de bonus pour booster ton score!");
    EXPECT_EQ(game.victoryShown, 0);
    EXPECT_EQ(runWon, 1);
    EXPECT_EQ(game.gameOverShown, 1);
    EXPECT_EQ(slideOffset, 0);
    EXPECT_EQ(fakeWindowPresents, 150);
    EXPECT_TRUE(windowShows(5, 5, kLostBackgroundColour));
    EXPECT_TRUE(windowShows(352, 12, kBlack));  // the box, under the won run's plate
    EXPECT_TRUE(fake.dialogs.empty());
    EXPECT_FALSE(pathExists(scorePath));
}

TEST_F(Flow, VictoryEndsFirstFrameShowsTheFinalPictureAndARecordIsAsked)
{
    playAtLevel(25);
    game.victoryShown = 1;
    game.score = 300000;
    game.bestScore = 300000;
    fake.clockStepMs = 2000;
    victoryEnd();
    EXPECT_EQ(fakeWindowPresents, 1);
    EXPECT_TRUE(windowShows(5, 5, kFinishedBackgroundColour));
    EXPECT_EQ(fake.dialogs.size(), 1u);
    EXPECT_EQ(game.gameOverShown, 1);
}
