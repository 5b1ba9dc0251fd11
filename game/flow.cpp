// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// The flow between the game's screens: each rule sets the next mode, and time, inputs and the
// record read again move it on.
#include "game/flow.h"

#include <algorithm>
#include <cstdio>

#include "game/game_state.h"
#include "game/level_codes.h"
#include "game/levels.h"
#include "game/platform.h"
#include "game/random.h"

namespace {

// How many frames a slide may take before finishTimedModes gives up on it: more than any slide
// takes at its slowest, one pixel a frame.
constexpr int kLongestSlideFrames = 2000;

void beginWait(GameMode mode, std::int64_t ms)
{
    game.mode = mode;
    game.waitLeftMs = ms;
}

void beginSlide(SlideKind kind)
{
    game.mode = GameMode::Slide;
    game.slide = kind;
    game.slideOffset = slideMotion(kind).start;
}

// The run is over: its end screen slides in, the board (or the final picture) sliding off it,
// while the record is read again (another game of the player's may have set a higher one).
void endRun(SlideKind slide)
{
    stopGameTimer();
    game.requests.reloadRecord = true;
    beginSlide(slide);
}

// The run's score compared with the record, once the end screen is in: a tie or better asks for
// the holder.
void compareWithRecord()
{
    if (game.score < game.bestScore) {
        game.mode = GameMode::EndScreen;
        game.requests.saveReplay = true;
        return;
    }
    game.bestScore = game.score;
    game.mode = GameMode::NameEntry;
}

void slideEnded()
{
    game.slideOffset = 0;
    switch (game.slide) {
    case SlideKind::IntroUncovered:
    case SlideKind::FinalUncovered: beginWait(GameMode::SlideHold, kSlideHoldMs); break;
    case SlideKind::BoardRises: game.mode = GameMode::Playing; break;
    default: compareWithRecord(); break;
    }
}

void waitEnded()
{
    switch (game.mode) {
    case GameMode::LostBallPause:
        if (game.runEnding) {
            endRun(SlideKind::EndUncovered);
        } else {
            playCue("nouvellevie");
            game.mode = GameMode::Playing;
        }
        break;
    case GameMode::Applause:
        game.currentLevel += 1;
        if (game.levelSet != nullptr && game.currentLevel <= levelCountOf(game.levelSet)) {
            game.levelSetReached = std::max(game.levelSetReached, game.currentLevel);
        }
        if (game.currentLevel > levelCountOf(game.levelSet)) {
            game.requests.startMusic = true;
            beginSlide(SlideKind::FinalUncovered);
        } else {
            game.introDraw = static_cast<std::int32_t>(nextRandom() % 5);
            beginSlide(SlideKind::IntroUncovered);
        }
        break;
    default: game.mode = game.slide == SlideKind::FinalUncovered ? GameMode::FinalPicture : GameMode::LevelIntro; break;
    }
    requestRepaint();
}

// A life given up or lost with no pause: a spare ball replaces it, or the run ends.
void lifeLost()
{
    if (game.livesLeft >= 1) {
        playCue("nouvellevie");
        lifeLostReset();
        game.mode = GameMode::Playing;
        return;
    }
    game.runWon = false;
    endRun(SlideKind::EndUncovered);
}

}  // namespace

SlideMotion slideMotion(SlideKind kind)
{
    switch (kind) {
    case SlideKind::IntroUncovered: return SlideMotion{0, true, 0, -600};
    case SlideKind::BoardRises: return SlideMotion{600, false, 2, -1};
    default: return SlideMotion{0, true, 2, -600};
    }
}

void playCue(const char* cue)
{
    FlowRequests& asked = game.requests;
    if (asked.cueCount < kMostCuesAsked) asked.cues[static_cast<std::size_t>(asked.cueCount)] = cue;
    asked.cueCount += 1;
}

void lastBallLost()
{
    playCue("vieperdu");
    game.runEnding = game.livesLeft < 1;
    if (game.runEnding) {
        game.runWon = false;
        stopGameTimer();
    } else {
        // The spare ball is laid at once, for the rest of the tick; the board on screen stands
        // still as it was until the pause ends.
        lifeLostReset();
    }
    beginWait(GameMode::LostBallPause, kLostBallPauseMs);
}

void questionAnswered(bool yes)
{
    if (game.mode != GameMode::Question) return;
    game.mode = GameMode::Playing;
    if (!yes) return;
    playCue("vieperdu");
    if (game.question == QuestionKind::QuitGame) game.livesLeft = 0;
    lifeLost();
}

void levelCleared()
{
    game.paused = false;
    stopGameTimer();
    playCue("CLAP");
    beginWait(GameMode::Applause, kApplauseMs);
}

void leaveWaitingScreen()
{
    switch (game.mode) {
    case GameMode::EndScreen: closeGameWindow(); break;
    case GameMode::LevelIntro:
        startLevel();
        beginSlide(SlideKind::BoardRises);
        break;
    case GameMode::FinalPicture:
        game.requests.stopSounds = true;
        game.runWon = true;
        endRun(SlideKind::WonEndUncovered);
        break;
    default: break;
    }
}

void textEntered(const char* text)
{
    if (game.mode == GameMode::CodeEntry) {
        // A player's set has no codes: its levels already reached are chosen by their number.
        game.currentLevel = game.levelSet == nullptr ? levelForCode(text) : reachedLevelNumbered(text);
        game.mode = GameMode::Playing;
        return;
    }
    if (game.mode != GameMode::NameEntry) return;
    // The holder's name keeps at most 63 characters.
    std::snprintf(game.bestScoreName.data(), game.bestScoreName.size(), "%.63s", text);
    game.mode = GameMode::EndScreen;
    game.requests.saveRecord = true;
    game.requests.saveReplay = true;
    requestRepaint();
}

void recordRead(std::int32_t score, const char* name)
{
    game.bestScore = score;
    std::snprintf(game.bestScoreName.data(), game.bestScoreName.size(), "%.63s", name);
    requestRepaint();
}

void beginCodeEntry() { game.mode = GameMode::CodeEntry; }

bool flowWaitsForTime()
{
    return game.mode == GameMode::LostBallPause || game.mode == GameMode::Applause || game.mode == GameMode::Slide ||
           game.mode == GameMode::SlideHold;
}

void advanceFlow(std::int64_t elapsedMs)
{
    if (game.mode == GameMode::Slide) {
        const SlideMotion motion = slideMotion(game.slide);
        std::int64_t step = motion.fixedStep;
        if (motion.timed && elapsedMs > 0) step += elapsedMs / 2;
        // A frame always moves: a stalled clock must not hold the game window forever.
        if (step < 1) step = 1;
        if (step > 1000) step = 1000;
        game.slideOffset -= static_cast<std::int32_t>(step);
        if (game.slideOffset <= motion.stopAtOrBelow) slideEnded();
        return;
    }
    if (!flowWaitsForTime()) return;
    game.waitLeftMs -= elapsedMs > 0 ? elapsedMs : 0;
    if (game.waitLeftMs <= 0) waitEnded();
}

void finishTimedModes()
{
    for (int frame = 0; frame < kLongestSlideFrames && flowWaitsForTime(); ++frame) advanceFlow(1000);
}
