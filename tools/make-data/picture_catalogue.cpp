// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// Every picture of the data directory, in the order the game loads them.
#include "tools/make-data/picture_catalogue.h"

#include "game/game_state.h"
#include "tools/make-data/bricks.h"
#include "tools/make-data/capsules.h"
#include "tools/make-data/credits_picture.h"
#include "tools/make-data/end_screens.h"
#include "tools/make-data/game_background.h"
#include "tools/make-data/menu_pictures.h"
#include "tools/make-data/paddles_balls.h"

std::vector<PictureRecipe> pictureRecipes()
{
    std::vector<PictureRecipe> recipes = {
        {"bouton.ico", PictureKind::Icon, 128, 24, [] { return drawButton(false); }},
        {"boutonSurvolé.ico", PictureKind::Icon, 128, 24, [] { return drawButton(true); }},
    };
    for (int kind = 1; kind <= kCapsuleKinds; ++kind)
        recipes.push_back({"bonus" + std::to_string(kind) + ".bmp", PictureKind::Bitmap, kCapsuleWidth, kCapsuleHeight,
                           [kind] { return drawCapsule(kind); }});
    const std::vector<PictureRecipe> singles = {
        {"fondmenu.bmp", PictureKind::Bitmap, 285, 445, drawMenuBackground},
        {"credits.bmp", PictureKind::Bitmap, 700, 550, drawCreditsBackground},
        {"Perdu.bmp", PictureKind::Bitmap, 700, 550, drawLostBackground},
        {"Victoire.bmp", PictureKind::Bitmap, 300, 85, drawVictoryPlate},
        {"Niveau.bmp", PictureKind::Bitmap, 700, 550, [] { return drawLevelBackground(true); }},
        {"NiveauJeu.bmp", PictureKind::Bitmap, 700, 550, [] { return drawLevelBackground(false); }},
        {"Fini.bmp", PictureKind::Bitmap, 700, 550, [] { return drawFinishedBackground(true); }},
        {"FiniJeu.bmp", PictureKind::Bitmap, 700, 550, [] { return drawFinishedBackground(false); }},
        {"fond.bmp", PictureKind::Bitmap, 700, 550, drawGameBackground},
        {"raquette1.ico", PictureKind::Icon, 30, 15, [] { return drawPaddle(30); }},
        {"raquette2.ico", PictureKind::Icon, 60, 15, [] { return drawPaddle(60); }},
        {"raquette3.ico", PictureKind::Icon, 90, 15, [] { return drawPaddle(90); }},
        {"raquettearme.ico", PictureKind::Icon, 60, 15, [] { return drawArmedOverlay(); }},
        {"raquettegolf.ico", PictureKind::Icon, 60, 15, [] { return drawStickyOverlay(); }},
        {"raquetteRebonds.ico", PictureKind::Icon, 60, 15, [] { return drawBouncePaddle(); }},
        {"ball.ico", PictureKind::Icon, 12, 12, [] { return drawBall(false); }},
        {"ballr.ico", PictureKind::Icon, 12, 12, [] { return drawBall(true); }},
    };
    recipes.insert(recipes.end(), singles.begin(), singles.end());
    for (int kind = 1; kind <= kBrickKinds; ++kind)
        recipes.push_back({std::to_string(kind) + ".bmp", PictureKind::Bitmap, kBrickWidth, kBrickHeight,
                           [kind] { return drawBrick(kind); }});
    return recipes;
}
