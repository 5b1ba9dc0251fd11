// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// Start-up loading of the game's assets, in the order the game relies on: best score, data
// directories, level codes, pictures, the first ball's picture, the menu's buttons.
#include "shell/assets.h"

#include <iterator>
#include <string>

#include <SDL.h>
#include <sys/stat.h>

#include <cstdio>

#include "game/game_state.h"
#include "game/level_codes.h"
#include "screens/menu_buttons.h"
#include "screens/menu_labels.h"
#include "screens/menu_screen.h"
#include "screens/pictures.h"
#include "screens/screen_state.h"
#include "screens/translation.h"
#include "shell/data_paths.h"
#include "shell/picture_files.h"
#include "shell/score_file.h"
#include "shell/shell_state.h"

namespace {

// Loads "<imageDir><name>" into `slot` at the given size, or "<imageDir><language>/<name>" when
// the player's language has its own version of the picture. The path is the file system's
// bytes, of any length; the shared scratch text pathBuffer keeps the last one composed, as
// far as it holds.
void loadNamed(SDL_Surface*& slot, const std::string& name, int width, int height)
{
    const std::string language = catalogueLanguage();
    const std::string translated = shellState.imageDir + language + "/" + name;
    struct stat status {};
    const bool ownPicture = !language.empty() && stat(translated.c_str(), &status) == 0 && S_ISREG(status.st_mode);
    const std::string path = ownPicture ? translated : shellState.imageDir + name;
    std::snprintf(pathBuffer.data(), pathBuffer.size(), "%s", path.c_str());
    SDL_FreeSurface(slot);
    slot = loadPictureFile(path.c_str(), width, height);
}

// What the menu shows: its background and its buttons.
void loadMenuPictures()
{
    loadNamed(screenState.pictures.buttonIcon, "bouton.ico", kMenuButtonWidth, kMenuButtonHeight);
    // File names on disk are UTF-8: é is the two bytes 0xC3 0xA9.
    loadNamed(screenState.pictures.buttonHoverIcon, "boutonSurvol\xC3\xA9.ico", kMenuButtonWidth, kMenuButtonHeight);
    loadNamed(screenState.pictures.menuBackground, "fondmenu.bmp", 285, 445);
}

// Everything else, one picture a step: the game's, the transitions' and the credits' pictures.
struct PictureStep {
    const char* name;
    int width;
    int height;
    SDL_Surface*& (*slot)();
};

constexpr PictureStep kSinglePictures[] = {
    {"credits.bmp", 700, 550, []() -> SDL_Surface*& { return screenState.pictures.creditsBackground; }},
    {"Perdu.bmp", 700, 550, []() -> SDL_Surface*& { return screenState.pictures.lostBackground; }},
    {"Victoire.bmp", 300, 85, []() -> SDL_Surface*& { return screenState.pictures.victoryPlate; }},
    {"Niveau.bmp", 700, 550, []() -> SDL_Surface*& { return screenState.pictures.levelBackground; }},
    {"NiveauJeu.bmp", 700, 550, []() -> SDL_Surface*& { return screenState.pictures.levelSetBackground; }},
    {"Fini.bmp", 700, 550, []() -> SDL_Surface*& { return screenState.pictures.finishedBackground; }},
    {"FiniJeu.bmp", 700, 550, []() -> SDL_Surface*& { return screenState.pictures.finishedSetBackground; }},
    {"fond.bmp", 700, 550, []() -> SDL_Surface*& { return screenState.pictures.gameBackground; }},
    {"raquette1.ico", 30, 15, []() -> SDL_Surface*& { return screenState.pictures.paddleIcons[1]; }},
    {"raquette2.ico", 60, 15, []() -> SDL_Surface*& { return screenState.pictures.paddleIcons[2]; }},
    {"raquette3.ico", 90, 15, []() -> SDL_Surface*& { return screenState.pictures.paddleIcons[3]; }},
    {"raquettearme.ico", 60, 15, []() -> SDL_Surface*& { return screenState.pictures.armedPaddleIcon; }},
    {"raquettegolf.ico", 60, 15, []() -> SDL_Surface*& { return screenState.pictures.stickyPaddleIcon; }},
    {"raquetteRebonds.ico", 60, 15, []() -> SDL_Surface*& { return screenState.pictures.bouncePaddleIcon; }},
    {"ball.ico", 12, 12, []() -> SDL_Surface*& { return screenState.pictures.ballIconNormal; }},
    {"ballr.ico", 12, 12, []() -> SDL_Surface*& { return screenState.pictures.ballIconFire; }},
};
constexpr int kSingleSteps = static_cast<int>(std::size(kSinglePictures));
constexpr int kPictureSteps = kCapsuleKinds + kSingleSteps + kBrickKinds;

// Step 0 is the first capsule, then the single pictures in the table's order, then the bricks.
void loadPictureStep(int step)
{
    if (step < kCapsuleKinds) {
        const int kind = step + 1;
        loadNamed(screenState.pictures.bonusBitmaps[static_cast<std::size_t>(kind)],
                  "bonus" + std::to_string(kind) + ".bmp", kCapsuleWidth, kCapsuleHeight);
    } else if (step < kCapsuleKinds + kSingleSteps) {
        const PictureStep& picture = kSinglePictures[step - kCapsuleKinds];
        loadNamed(picture.slot(), picture.name, picture.width, picture.height);
    } else {
        const int kind = step - kCapsuleKinds - kSingleSteps + 1;
        loadNamed(screenState.pictures.brickBitmaps[static_cast<std::size_t>(kind)], std::to_string(kind) + ".bmp",
                  kBrickWidth, kBrickHeight);
    }
}

void setUpMenuButtons()
{
    for (MenuButton& button : screenState.menuButtons) {
        button.hovered = 0;
        button.icon = screenState.pictures.buttonIcon;
        button.hoverIcon = screenState.pictures.buttonHoverIcon;
        button.width = kMenuButtonWidth;
        button.height = kMenuButtonHeight;
        button.textDx = 35;
        button.textDy = kMenuLabelDy;
    }
    for (int entry = kFirstDrawnButton; entry <= kLastDrawnButton; ++entry) {
        const MenuLabel& label = kMenuLabels[static_cast<std::size_t>(entry - kFirstDrawnButton)];
        MenuButton& button = screenState.menuButtons[static_cast<std::size_t>(entry)];
        button.x = label.x;
        button.y = label.y;
        labelMenuButton(button, label);
    }
    // The sound button says what the player's settings chose.
    labelSoundButton();
}

// Says once on standard error when no data directory was found: the game then runs without
// pictures and sounds, which a player would otherwise not understand.
void reportMissingDataDirectory()
{
    struct stat status {};
    if (stat(shellState.dataDir.c_str(), &status) == 0 && S_ISDIR(status.st_mode)) return;
    std::fprintf(stderr, tr("Tessaron : dossier de données introuvable : %s\n"), shellState.dataDir.c_str());
}

}  // namespace

void loadAssets()
{
    loadMenuAssets();
    loadRemainingAssets();
}

void loadMenuAssets()
{
    shellState.assetLoading = AssetLoading{};
    composeScoreFilePath();
    loadScoreFile();
    composeDataDirs();
    reportMissingDataDirectory();
    fillLevelCodes();
    loadMenuPictures();
    game.balls[0].icon = BallIcon::Normal;
    setUpMenuButtons();
}

bool loadNextAsset()
{
    if (shellState.assetLoading.nextStep < kPictureSteps) loadPictureStep(shellState.assetLoading.nextStep++);
    return shellState.assetLoading.nextStep < kPictureSteps;
}

void loadRemainingAssets()
{
    while (loadNextAsset()) {
    }
}
