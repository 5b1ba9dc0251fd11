// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// The game's flow as modes: each rule, input and wait takes the game from one mode to the next and asks the shell for
// what it needs; slides move by their step or their frame time; the end of a run keeps its record.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <string>
#include <tuple>
#include <vector>

#include "game/controls.h"
#include "game/flow.h"
#include "game/game_state.h"
#include "game/level_set.h"
#include "game/random.h"
#include "game/replay.h"
#include "screens/game_screen.h"
#include "screens/run_rating.h"
#include "shell/game_requests.h"
#include "shell/score_file.h"
#include "shell/shell_state.h"
#include "shell/text_dialogs.h"
#include "tests/fake_platform.h"
#include "tests/scratch_files.h"

namespace {

// What a step does to the game: a rule of the tick, time passing, or an input.
enum class Act { LastBallLost, LevelCleared, Wait, Finish, Click, Key, Yes, No, Name, Close };
struct Step {
    Act act;
    int value = 0;  // ms waited, or the key's code
};

// What the game asked of the shell, as bits.
constexpr unsigned kMusic = 1, kStop = 2, kReload = 4, kSaveRecord = 8, kSaveReplay = 16;

unsigned askedBits(const FlowRequests& asked)
{
    return (asked.startMusic ? kMusic : 0) | (asked.stopSounds ? kStop : 0) | (asked.reloadRecord ? kReload : 0) |
           (asked.saveRecord ? kSaveRecord : 0) | (asked.saveReplay ? kSaveReplay : 0);
}

std::string cuesAsked(const FlowRequests& asked)
{
    std::string cues;
    for (int i = 0; i < asked.cueCount; ++i) cues += std::string(cues.empty() ? "" : " ") + asked.cues[i];
    return cues;
}

void take(const Step& step)
{
    switch (step.act) {
    case Act::LastBallLost: lastBallLost(); break;
    case Act::LevelCleared: levelCleared(); break;
    case Act::Wait: advanceFlow(step.value); break;
    case Act::Finish: finishTimedModes(); break;
    case Act::Click: runHandler(Handler::LeftButton, 0, 0); break;
    case Act::Key: runHandler(Handler::Key, step.value, 0); break;
    case Act::Yes: runHandler(Handler::Answer, 1, 0); break;
    case Act::No: runHandler(Handler::Answer, 0, 0); break;
    case Act::Name: runHandler(Handler::Text, 0, 0, "Zoe"); break;
    case Act::Close: runHandler(Handler::Close, 0, 0); break;
    }
}

}  // namespace

// From a game in play (lives, level, score against a record of 1000), the steps that lead to the mode under test,
// then the step tested: the mode it leads to, the cues and requests it asks for, the window closed, lives, level.
TEST(Flow, EachModeGoesToTheNextByItsRuleInputOrWait)
{
    using W = Step;
    const Step lost{Act::LastBallLost}, cleared{Act::LevelCleared}, finish{Act::Finish}, click{Act::Click},
        f12{Act::Key, kKeyF12}, escape{Act::Key, kKeyEscape}, pause{Act::Key, 'P'}, yes{Act::Yes}, no{Act::No},
        name{Act::Name}, close{Act::Close};
    struct Row {
        const char* what;
        int lives, level, score;
        std::vector<Step> before;
        Step step;
        GameMode to;
        const char* cues;
        unsigned asked;
        int closes, livesAfter, levelAfter;
    };
    const Row rows[] = {
        {"last ball, a spare left", 2, 3, 0, {}, lost, GameMode::LostBallPause, "vieperdu", 0, 0, 1, 3},
        {"pause not yet over", 2, 3, 0, {lost}, W{Act::Wait, 1499}, GameMode::LostBallPause, "", 0, 0, 1, 3},
        {"pause over: new life",
         2,
         3,
         0,
         {lost, W{Act::Wait, 1499}},
         W{Act::Wait, 1},
         GameMode::Playing,
         "nouvellevie",
         0,
         0,
         1,
         3},
        {"last ball, none left", 0, 3, 0, {}, lost, GameMode::LostBallPause, "vieperdu", 0, 0, 0, 3},
        {"pause over: run ends", 0, 3, 0, {lost}, W{Act::Wait, 1500}, GameMode::Slide, "", kReload, 0, 0, 3},
        {"lost run's end slid in",
         0,
         3,
         0,
         {lost, W{Act::Wait, 1500}},
         finish,
         GameMode::EndScreen,
         "",
         kSaveReplay,
         0,
         0,
         3},
        {"record beaten: its name",
         0,
         3,
         1000,
         {lost, W{Act::Wait, 1500}},
         finish,
         GameMode::NameEntry,
         "",
         0,
         0,
         0,
         3},
        {"name given", 0, 3, 1000, {lost, finish}, name, GameMode::EndScreen, "", kSaveRecord | kSaveReplay, 0, 0, 3},
        {"end screen left", 0, 3, 0, {lost, finish}, click, GameMode::EndScreen, "", 0, 1, 0, 3},
        {"level cleared", 2, 3, 0, {}, cleared, GameMode::Applause, "CLAP", 0, 0, 2, 3},
        {"applause over", 2, 3, 0, {cleared}, W{Act::Wait, 1000}, GameMode::Slide, "", 0, 0, 2, 4},
        {"last applause: music", 2, 25, 0, {cleared}, W{Act::Wait, 1000}, GameMode::Slide, "", kMusic, 0, 2, 26},
        {"intro slid in",
         2,
         3,
         0,
         {cleared, W{Act::Wait, 1000}},
         W{Act::Wait, 2000},
         GameMode::SlideHold,
         "",
         0,
         0,
         2,
         4},
        {"intro held",
         2,
         3,
         0,
         {cleared, W{Act::Wait, 1000}, W{Act::Wait, 2000}},
         W{Act::Wait, 800},
         GameMode::LevelIntro,
         "",
         0,
         0,
         2,
         4},
        {"click during applause", 2, 3, 0, {cleared}, click, GameMode::Slide, "", 0, 0, 2, 4},
        {"next board risen", 2, 3, 0, {cleared, click}, finish, GameMode::Playing, "", 0, 0, 2, 4},
        {"final picture held", 2, 25, 0, {cleared}, finish, GameMode::FinalPicture, "", kMusic, 0, 2, 26},
        {"final picture left", 2, 25, 0, {cleared, finish}, pause, GameMode::Slide, "", kStop | kReload, 0, 2, 26},
        {"won run's end", 2, 25, 0, {cleared, finish, click}, finish, GameMode::EndScreen, "", kSaveReplay, 0, 2, 26},
        {"F12 asks", 2, 3, 0, {}, f12, GameMode::Question, "", 0, 0, 2, 3},
        {"F12: Non", 2, 3, 0, {f12}, no, GameMode::Playing, "", 0, 0, 2, 3},
        {"F12: Oui", 2, 3, 0, {f12}, yes, GameMode::Playing, "vieperdu nouvellevie", 0, 0, 1, 3},
        {"F12: Oui, none left", 0, 3, 0, {f12}, yes, GameMode::Slide, "vieperdu", kReload, 0, 0, 3},
        {"Escape: Oui", 2, 3, 0, {escape}, yes, GameMode::Slide, "vieperdu", kReload, 0, 0, 3},
        {"pause under a question", 2, 3, 0, {escape}, pause, GameMode::Question, "", 0, 0, 2, 3},
        {"F12 under a question", 2, 3, 0, {escape}, f12, GameMode::Question, "", 0, 0, 2, 3},
        {"closed during a question", 2, 3, 0, {escape}, close, GameMode::Question, "", 0, 1, 2, 3},
        {"closed during applause", 2, 3, 0, {cleared}, close, GameMode::LevelIntro, "", 0, 1, 2, 4},
        {"closed during end slide",
         0,
         3,
         1000,
         {lost},
         close,
         GameMode::EndScreen,
         "",
         kReload | kSaveRecord | kSaveReplay,
         1,
         0,
         3},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        resetWorld();
        game.currentLevel = row.level;
        newGameReset();
        startLevel();
        game.livesLeft = row.lives;
        game.score = row.score;
        game.bestScore = 1000;
        std::snprintf(game.bestScoreName.data(), game.bestScoreName.size(), "Ace");
        game.ballLaunched = true;
        for (const Step& step : row.before) take(step);
        game.requests = FlowRequests{};
        const int closes = fake.windowCloses;
        take(row.step);
        EXPECT_EQ(game.mode, row.to);
        EXPECT_EQ(cuesAsked(game.requests), row.cues);
        EXPECT_EQ(askedBits(game.requests), row.asked);
        EXPECT_EQ(std::tuple(fake.windowCloses - closes, game.livesLeft, game.currentLevel),
                  std::tuple(row.closes, row.livesAfter, row.levelAfter));
        EXPECT_STREQ(game.bestScoreName.data(), row.step.act == Act::Name ? "Zoe" : "Ace");
    }
}

// A player's set ends after its own last level, and each level reached goes into the furthest one
// the menu may start at; its levels are laid from the set, the built-in boards never.
TEST(Flow, APlayersSetIsWonAfterItsLastLevelAndKeepsTheFurthestReached)
{
    LevelSet set{"Mien", "Zoé", {}};
    for (int x : {0, 40, 80}) set.levels.push_back({"", {{x, 60, 6, 0}}});
    for (const auto& [level, reachedBefore, mode, reachedAfter] : {std::tuple{1, 1, GameMode::LevelIntro, 2},
                                                                   {2, 3, GameMode::LevelIntro, 3},
                                                                   {3, 3, GameMode::FinalPicture, 3}}) {
        resetWorld();
        game.levelSet = &set;
        game.levelSetReached = reachedBefore;
        game.currentLevel = level;
        newGameReset();
        startLevel();
        EXPECT_EQ(std::pair(game.brickTable[0].x, game.brickTable[0].kind), std::pair(40 * (level - 1), 6));
        take({Act::LevelCleared});
        take({Act::Finish});
        EXPECT_EQ(std::tuple(game.mode, game.levelSetReached, game.currentLevel),
                  std::tuple(mode, reachedAfter, level + 1))
            << "level " << level;
    }
}

// A fixed slide moves 2 pixels a frame whatever the time; a timed one half its ms plus its step, at least 1 and at
// most 1000; each ends at its stop and leaves the next mode.
TEST(Flow, SlidesMoveByTheirStepOrTheirFrameTimeAndAlwaysEnd)
{
    // The slide, the frame time, the frames it takes, the first frame's offset (0 once it has ended), the mode after.
    const std::tuple<SlideKind, int, int, int, GameMode> cases[] = {
        {SlideKind::BoardRises, 7, 301, 598, GameMode::Playing},
        {SlideKind::BoardRises, 5000, 301, 598, GameMode::Playing},
        {SlideKind::IntroUncovered, 6, 200, -3, GameMode::SlideHold},
        {SlideKind::IntroUncovered, 0, 600, -1, GameMode::SlideHold},
        {SlideKind::IntroUncovered, -40, 600, -1, GameMode::SlideHold},
        {SlideKind::EndUncovered, 10, 86, -7, GameMode::EndScreen},
        {SlideKind::WonEndUncovered, 4000, 1, 0, GameMode::EndScreen}};
    for (const auto& [slide, frameMs, frames, first, after] : cases) {
        SCOPED_TRACE(frameMs);
        resetWorld();
        game.mode = GameMode::Slide;
        game.slide = slide;
        game.slideOffset = slideMotion(slide).start;
        std::vector<int> offsets;
        while (game.mode == GameMode::Slide && offsets.size() < 5000) {
            advanceFlow(frameMs);
            offsets.push_back(game.slideOffset);
        }
        EXPECT_EQ(static_cast<int>(offsets.size()), frames);
        EXPECT_EQ(offsets[0], first);
        EXPECT_EQ(std::pair(game.mode, game.slideOffset), std::pair(after, 0));
    }
}

// At the end of a run the record is read again (another game's higher one is kept), a tie or better asks for the
// holder (the dialog opening on the old one), then the record and the replay are saved.
TEST(Flow, ARunsEndKeepsTheRecord)
{
    // The score, the record on disk meanwhile (nullptr: as loaded), the name given; the best and holder after, the
    // score file.
    const std::tuple<int, const char*, const char*, int, const char*, const char*> cases[] = {
        {10000, nullptr, "Zoe", 10000, "Zoe", "Zoe SCORE= 10000"},
        {10001, nullptr, nullptr, 10001, " Ace", " Ace SCORE= 10001"},
        {9999, nullptr, nullptr, 10000, " Ace", " Ace SCORE= 10000"},
        {10001, "Bob SCORE= 20000", nullptr, 20000, " Bob", "Bob SCORE= 20000"}};
    const std::string scratch = makeScratchDirectory(), path = scratch + "/Score.sco";
    for (const auto& [score, meanwhile, typed, best, holder, file] : cases) {
        SCOPED_TRACE(score);
        resetWorld();
        shellState.scoreFilePath = path;
        writeBytes(path, " Ace SCORE= 10000");
        loadScoreFile();
        if (meanwhile) writeBytes(path, meanwhile);
        newGameReset();
        startLevel();
        game.score = score;
        endRun();
        if (game.mode == GameMode::NameEntry) {
            composeDialogOpening(TextDialog::PlayerName);
            EXPECT_STREQ(pathBuffer.data(), " Ace");
            input(Handler::Text, 0, typed ? typed : pathBuffer.data());
        }
        EXPECT_EQ(game.mode, GameMode::EndScreen);
        EXPECT_EQ(std::pair(game.bestScore, std::string(game.bestScoreName.data())),
                  std::pair(best, std::string(holder)));
        EXPECT_EQ(readBytes(path), file);
        EXPECT_EQ(std::count(fake.log.begin(), fake.log.end(), "save replay"), 1);
    }
    removeScratchDirectory(scratch);
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
