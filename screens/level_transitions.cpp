// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// Level complete and the next level's start: the applause, the next level's intro sliding
// out from under the cleared board (or the final picture after the last level), and the new
// board rising over the intro.
#include <cstdio>

#include "game/flow.h"
#include "game/game_state.h"
#include "game/random.h"
#include "screens/game_screen.h"
#include "screens/translation.h"

namespace {

// Fills the two intro lines with set `draw` (0 to 4) for the level `level` that comes next.
void fillIntroLines(int draw, int level)
{
    char* first = introLine1.data();
    char* second = introLine2.data();
    const std::size_t firstSize = introLine1.size();
    const std::size_t secondSize = introLine2.size();
    std::snprintf(second, secondSize, " ");
    switch (draw) {
    case 0:
        std::snprintf(first, firstSize, "%s", drawnText("reprenons notre soufle avant ").c_str());
        std::snprintf(second, secondSize, drawnText("le terrifiant niveau %d?").c_str(), level);
        break;
    case 1: std::snprintf(first, firstSize, drawnText("Pret pour l'attaque du niveau %d?").c_str(), level); break;
    case 2:
        std::snprintf(first, firstSize, "%s", drawnText("Plongeons ensemble dans ").c_str());
        std::snprintf(second, secondSize, drawnText("le niveau %d !").c_str(), level);
        break;
    case 3:
        std::snprintf(first, firstSize, drawnText("Le niveau %d etait facile...").c_str(), level - 1);
        std::snprintf(second, secondSize, drawnText("Mais le niveau %d l'est moins !!").c_str(), level);
        break;
    default: std::snprintf(first, firstSize, drawnText("Le niveau %d vous attend !!").c_str(), level); break;
    }
}

}  // namespace

void levelComplete()
{
    game.paused = false;
    stopGameTimer();
    playCue("CLAP");
    sleepMs(1000);
    game.currentLevel += 1;
    if (game.currentLevel > kLevelCount) {
        startMusic();
        // The cleared board slides up and off the final picture.
        slideTransition(Slide{drawFinalPicture, drawGameScreen, 0, true, 2, -600});
        sleepMs(800);
        slideOffset = 0;
        game.victoryShown = 1;
        return;
    }
    fillIntroLines(nextRandom() % 5, game.currentLevel);
    // The cleared board slides up and off the next level's intro.
    slideTransition(Slide{drawLevelIntroScreen, drawGameScreen, 0, true, 0, -600});
    slideOffset = 0;
    game.levelIntroShown = 1;
    sleepMs(800);
}

void startNextLevel()
{
    game.levelIntroShown = 0;
    startLevel();
    // The new board rises from the bottom edge, 2 pixels a frame, until it covers the intro.
    slideTransition(Slide{drawLevelIntroScreen, drawGameScreen, 600, false, 2, -1});
    slideOffset = 0;
}
