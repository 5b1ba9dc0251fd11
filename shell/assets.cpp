// Start-up loading of the game's assets, in the order the game relies on: best score, data
// directories, level codes, pictures, the first ball's picture, the menu's buttons.
#include "shell/assets.h"

#include <string>

#include <SDL.h>
#include <sys/stat.h>

#include <cstdio>

#include "game/game_state.h"
#include "game/level_codes.h"
#include "screens/menu_buttons.h"
#include "screens/pictures.h"
#include "shell/data_paths.h"
#include "shell/picture_files.h"
#include "shell/score_file.h"

namespace {

// Loads "<imageDir><name>" into `slot` at the given size. The path is the file system's
// bytes, of any length; the shared scratch text pathBuffer keeps the last one composed, as
// far as it holds.
void loadNamed(SDL_Surface*& slot, const std::string& name, int width, int height)
{
    const std::string path = imageDir + name;
    std::snprintf(pathBuffer.data(), pathBuffer.size(), "%s", path.c_str());
    SDL_FreeSurface(slot);
    slot = loadPictureFile(path.c_str(), width, height);
}

// What the menu shows: its background and its buttons.
void loadMenuPictures()
{
    loadNamed(pictures.buttonIcon, "bouton.ico", 128, 24);
    // File names on disk are UTF-8: é is the two bytes 0xC3 0xA9.
    loadNamed(pictures.buttonHoverIcon, "boutonSurvol\xC3\xA9.ico", 128, 24);
    loadNamed(pictures.menuBackground, "fondmenu.bmp", 285, 445);
}

// Everything else: the game's, the transitions' and the credits' pictures.
void loadOtherPictures()
{
    for (int kind = 1; kind <= kCapsuleKinds; ++kind) {
        loadNamed(pictures.bonusBitmaps[static_cast<std::size_t>(kind)], "bonus" + std::to_string(kind) + ".bmp",
                  kCapsuleWidth, kCapsuleHeight);
    }
    loadNamed(pictures.creditsBackground, "credits.bmp", 700, 550);
    loadNamed(pictures.lostBackground, "Perdu.bmp", 700, 550);
    loadNamed(pictures.victoryPlate, "Victoire.bmp", 300, 85);
    loadNamed(pictures.levelBackground, "Niveau.bmp", 700, 550);
    loadNamed(pictures.finishedBackground, "Fini.bmp", 700, 550);
    loadNamed(pictures.gameBackground, "fond.bmp", 700, 550);
    loadNamed(pictures.paddleIcons[1], "raquette1.ico", 30, 15);
    loadNamed(pictures.paddleIcons[2], "raquette2.ico", 60, 15);
    loadNamed(pictures.paddleIcons[3], "raquette3.ico", 90, 15);
    loadNamed(pictures.armedPaddleIcon, "raquettearme.ico", 60, 15);
    loadNamed(pictures.stickyPaddleIcon, "raquettegolf.ico", 60, 15);
    loadNamed(pictures.bouncePaddleIcon, "raquetteRebonds.ico", 60, 15);
    loadNamed(pictures.ballIconNormal, "ball.ico", 12, 12);
    loadNamed(pictures.ballIconFire, "ballr.ico", 12, 12);
    for (int kind = 1; kind <= kBrickKinds; ++kind) {
        loadNamed(pictures.brickBitmaps[static_cast<std::size_t>(kind)], std::to_string(kind) + ".bmp", kBrickWidth,
                  kBrickHeight);
    }
}

struct ButtonPlace {
    std::int32_t x;
    std::int32_t y;
    std::int32_t textDx;
    const char* label;
};

// Buttons 1 to 5 of the menu, top to bottom.
constexpr ButtonPlace kButtonPlaces[5] = {
    {40, 80, 25, "Commencer"},
    {40, 140, 13, "Entrer un code"},
    {40, 180, 18, "Credits, Aide"},
    {40, 220, 35, "Sons : ON"},
    {40, 260, 35, "QUITTER"},
};

void setUpMenuButtons()
{
    for (MenuButton& button : menuButtons) {
        button.hovered = 0;
        button.icon = pictures.buttonIcon;
        button.hoverIcon = pictures.buttonHoverIcon;
        button.width = 128;
        button.height = 24;
        button.textDx = 35;
        button.textDy = 3;
    }
    for (std::size_t entry = 1; entry <= 5; ++entry) {
        const ButtonPlace& place = kButtonPlaces[entry - 1];
        MenuButton& button = menuButtons[entry];
        button.x = place.x;
        button.y = place.y;
        button.textDx = place.textDx;
        std::snprintf(button.label.data(), button.label.size(), "%s", place.label);
    }
}

// Says once on standard error when no data directory was found: the game then runs without
// pictures and sounds, which a player would otherwise not understand.
void reportMissingDataDirectory()
{
    struct stat status {};
    if (stat(dataDir.c_str(), &status) == 0 && S_ISDIR(status.st_mode)) return;
    std::fprintf(stderr, "Tessaron: data directory not found: %s\n", dataDir.c_str());
}

}  // namespace

void loadAssets()
{
    loadMenuAssets();
    loadRemainingAssets();
}

void loadMenuAssets()
{
    composeScoreFilePath();
    loadScoreFile();
    composeDataDirs();
    reportMissingDataDirectory();
    fillLevelCodes();
    loadMenuPictures();
    game.balls[0].icon = BallIcon::Normal;
    setUpMenuButtons();
}

void loadRemainingAssets() { loadOtherPictures(); }
