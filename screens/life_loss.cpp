// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// A lost last ball: a new life, or the end of the run with the end screen sliding into view,
// the rating and the best-score check; and the end of a won run after the final picture.
#include "screens/life_loss.h"

#include <cstdio>
#include <string>

#include "game/flow.h"
#include "game/game_state.h"
#include "game/platform.h"
#include "game/replay.h"
#include "screens/game_screen.h"
#include "screens/translation.h"
#include "screens/windows1252.h"

namespace {

struct Rating {
    int highestScore;
    const char* sentence;
};

constexpr Rating kRatings[] = {
    {10000, drawnTextId("Essai de jouer avec la souris...")},
    {30000, drawnTextId("Tu as trouv\xe9 comment bouger la raquette mais c'est tout...")},
    {100000, drawnTextId("Voila, continu de t'entrainer et tu peut y arriver .")},
    {200000, drawnTextId("Tout \xe0 fait respectable...")},
    {300000, drawnTextId("Essai de te concentrer pour \xeatre plus vif!!")},
    {400000, drawnTextId("Je vois que tu maitrise ta balle, Bravo!")},
    {500000, drawnTextId("Essai de prendre un maximum de bonus pour booster ton score!")},
};
constexpr const char* kBestRating = drawnTextId("Le casse brique n'as plus de secrets pour toi!!...");

// Also clears the previous run's failed-save line before the end screen slides in.
void rateRun()
{
    std::snprintf(ratingText.data(), ratingText.size(), "%s", drawnText(ratingFor(game.score)).c_str());
    recordNotSavedText[0] = '\0';
    replayNotSavedText[0] = '\0';
}

// The end screen's line telling that the record was not saved and why (the reason is UTF-8;
// one that Windows-1252 cannot hold leaves the bare line).
void tellRecordNotSaved(const std::string& reason)
{
    std::string shown;
    if (!windows1252FromUtf8(reason, shown)) shown.clear();
    std::snprintf(recordNotSavedText.data(), recordNotSavedText.size(), "%s%s%s",
                  drawnText("Record non enregistr\xe9").c_str(), shown.empty() ? "" : drawnText(" : ").c_str(),
                  shown.c_str());
}

// The slide that uncovers the end screen: 600 pixels at half a pixel per millisecond plus 2
// per frame.
void uncoverEndScreen(SlideLayer overlay)
{
    slideTransition(Slide{drawEndScreen, overlay, 0, true, 2, -600});
    slideOffset = 0;
    game.gameOverShown = 1;
}

}  // namespace

const char* ratingFor(int score)
{
    for (const Rating& rating : kRatings) {
        if (score <= rating.highestScore) return rating.sentence;
    }
    return kBestRating;
}

namespace {

// The end screen's line telling that the replay was not saved, under the record's line when
// both failed (the line is UTF-8 and names what was and was not saved).
void tellReplayNotSaved(const std::string& line)
{
    std::string shown;
    if (line.empty() || !windows1252FromUtf8(line, shown)) shown.clear();
    std::snprintf(replayNotSavedText.data(), replayNotSavedText.size(), "%s", shown.c_str());
    if (!shown.empty()) requestRepaint();
}

// The record settled, the run's replay is saved while its end screen shows.
void finishRun()
{
    checkRecord();
    tellReplayNotSaved(saveRunReplay());
}

}  // namespace

void checkRecord()
{
    // Another game of the player's may have set a higher record since this one started.
    const std::int32_t scoreBefore = game.bestScore;
    const std::array<char, 64> nameBefore = game.bestScoreName;
    if (replay.mode != ReplayMode::Playing) reloadBestScore();
    seamBestScore(scoreBefore, nameBefore.data());
    if (game.score < game.bestScore) return;
    game.bestScore = game.score;
    // The dialog opens on the previous holder's name.
    std::snprintf(pathBuffer.data(), pathBuffer.size(), "%s", game.bestScoreName.data());
    seamDialogText(TextDialog::PlayerName);
    // The holder's name keeps at most 63 characters.
    std::snprintf(game.bestScoreName.data(), game.bestScoreName.size(), "%.63s", pathBuffer.data());
    std::string reason;
    const std::int32_t savedScore = game.bestScore;
    const std::array<char, 64> savedName = game.bestScoreName;
    if (!replay.keepsNoRecord && !saveScoreFile(reason)) tellRecordNotSaved(reason);
    // The save keeps a higher record written meanwhile by another game, and shows it.
    seamBestScore(savedScore, savedName.data());
    requestRepaint();
}

void lifeLost()
{
    // A run that has ended stays ended: a late F12 or Escape answer changes nothing.
    if (game.gameOverShown == 1) return;
    if (game.livesLeft >= 1) {
        playCue("nouvellevie");
        lifeLostReset();
        return;
    }
    runWon = 0;
    rateRun();
    stopGameTimer();
    // The board as it was at the loss slides up and off the end screen.
    uncoverEndScreen(drawGameScreen);
    finishRun();
}

void victoryEnd()
{
    if (game.gameOverShown == 1) return;
    stopSounds();
    rateRun();
    game.victoryShown = 0;
    runWon = 1;
    // The final picture slides up and off the end screen, black box included.
    uncoverEndScreen(drawSlidingFinalPicture);
    finishRun();
}
