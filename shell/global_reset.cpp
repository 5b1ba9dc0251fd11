// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// Every global of the screens and the shell back to its program-start value.
#include "shell/global_reset.h"

#include <SDL_surface.h>

#include <utility>
#include <vector>

#include "screens/font_paths.h"
#include "screens/game_screen.h"
#include "screens/game_window_paint.h"
#include "screens/menu_buttons.h"
#include "screens/menu_screen.h"
#include "screens/pictures.h"
#include "shell/assets.h"
#include "shell/data_paths.h"
#include "shell/level_sets.h"
#include "shell/score_file.h"
#include "shell/settings_file.h"

namespace {

// Frees each loaded picture and empties its slot (every slot owns its surface: the loader never
// puts one surface in two slots).
void releasePictures()
{
    std::vector<SDL_Surface**> slots = {
        &pictures.buttonIcon,     &pictures.buttonHoverIcon, &pictures.menuBackground,   &pictures.creditsBackground,
        &pictures.lostBackground, &pictures.victoryPlate,    &pictures.levelBackground,  &pictures.finishedBackground,
        &pictures.gameBackground, &pictures.armedPaddleIcon, &pictures.stickyPaddleIcon, &pictures.bouncePaddleIcon,
        &pictures.ballIconNormal, &pictures.ballIconFire};
    for (SDL_Surface*& slot : pictures.bonusBitmaps) slots.push_back(&slot);
    for (SDL_Surface*& slot : pictures.paddleIcons) slots.push_back(&slot);
    for (SDL_Surface*& slot : pictures.brickBitmaps) slots.push_back(&slot);
    for (SDL_Surface** slot : slots) SDL_FreeSurface(std::exchange(*slot, nullptr));
}

}  // namespace

void resetScreenAndShellGlobals()
{
    // The screens.
    recordNotSavedText.fill('\0');
    replayNotSavedText.fill('\0');
    watchingReplay = false;
    pauseTextX = 0;
    pauseTextY = 0;
    pauseTextDx = 2;
    pauseTextDy = 2;
    selectedLevelText.fill('\0');
    menuNotice = {};
    menuOffersLevelSets = false;
    menuButtons = {};
    fontPathCache = FontPathCache{};
    forgetGameWindowPaint();
    releasePictures();

    // The shell.
    exeDir.clear();
    dataDir.clear();
    imageDir.clear();
    soundDir.clear();
    scoreFilePath.clear();
    scoreFileUnreadable = false;
    assetLoading = AssetLoading{};
    playerSettings = StoredSettings{};
    levelSetChoice = LevelSetChoice{};
}
