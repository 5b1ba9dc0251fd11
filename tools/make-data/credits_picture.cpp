// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// The credits window's picture: the controls, the bricks, the capsules and the credits.
#include "tools/make-data/credits_picture.h"

#include <array>

#include "game/game_state.h"
#include "tools/make-data/bricks.h"
#include "tools/make-data/capsules.h"
#include "tools/make-data/drawing.h"
#include "tools/make-data/mosaic_motifs.h"

namespace {

constexpr int kWidth = 700;
constexpr int kHeight = 550;

// What each capsule does, in a few words, in kind order.
struct CapsuleLine {
    CapsuleKind kind;
    const char* text;
};
constexpr std::array<CapsuleLine, kCapsuleKinds> kCapsuleLines = {{
    {kWiderPaddleCapsule, "Raquette élargie"},
    {kNarrowerPaddleCapsule, "Raquette rétrécie"},
    {kFasterBallCapsule, "Balle plus rapide"},
    {kSlowerBallCapsule, "Balle plus lente"},
    {kFireBallCapsule, "Balle de feu : traverse les tessas"},
    {kRandomDirectionsCapsule, "Directions au hasard"},
    {kExtraLifeCapsule, "Une vie en plus"},
    {kLostLifeCapsule, "Une vie en moins"},
    {kMirroredPaddleCapsule, "Raquette inversée (effet miroir)"},
    {kStickyPaddleCapsule, "Raquette collante : cliquez pour lâcher"},
    {kArmedPaddleCapsule, "Raquette armée : cliquez pour tirer"},
    {kSecondBallCapsule, "Une seconde balle"},
    {kRandomBounceCapsule, "Rebonds imprévisibles sur la raquette"},
}};
constexpr bool capsuleLinesInKindOrder()
{
    for (std::size_t i = 0; i < kCapsuleLines.size(); ++i)
        if (kCapsuleLines[i].kind != static_cast<int>(i) + 1 || kCapsuleLines[i].text == nullptr) return false;
    return true;
}
static_assert(capsuleLinesInKindOrder(), "a line for every capsule kind, in kind order");

// The controls: the key or gesture, then what it does.
constexpr std::array<std::array<const char*, 2>, 9> kControls = {{
    {"Souris", "déplace la raquette"},
    {"Flèches", "déplacent la raquette"},
    {"Clic", "lance, tire si armée (Espace)"},
    {"Autre touche", "met le jeu en pause"},
    {"F12", "rend les balles en jeu"},
    {"Échap", "termine la partie"},
    {"F11", "plein écran"},
    {"Manette", "croix ou stick, A lance"},
    {"Codes", "menu « Entrer un code »"},
}};

void heading(SDL_Surface* picture, int x, int y, int width, const char* utf8)
{
    drawLabel(picture, x + width / 2, y, utf8, 26, 1000, hexColour(0x7A2E18), Align::Centre);
    paintRule(picture, x + 10, x + width - 10, y + 31, faded(hexColour(kUmber), 0.45f));
}

}  // namespace

SDL_Surface* drawCreditsBackground()
{
    SDL_Surface* picture = newCanvas(kWidth, kHeight);
    if (picture == nullptr) return nullptr;
    paintMarble(picture, 0, 0, kWidth, kHeight, 3131);
    paintMosaicBorder(picture, 0, 0, kWidth, kHeight, 10, 3132);
    const Colour ink = hexColour(kUmber);

    paintPlaque(picture, 200, 18, 500, 78, 10, hexColour(0x1E2A48), 3, false);
    paintGoldTitle(picture, kWidth / 2, 24, "Tessaron", 46, 1000);
    paintRosette(picture, 178, 48, 8, 0);
    paintRosette(picture, 522, 48, 8, 2);
    drawLabel(picture, kWidth / 2, 84, "Aide et crédits", 20, 700, faded(ink, 0.8f), Align::Centre);

    // Left column: how to play, then the bricks.
    const int leftX = 26;
    const int leftWidth = 300;
    heading(picture, leftX, 112, leftWidth, "Commandes");
    int y = 152;
    for (const auto& control : kControls) {
        drawLabel(picture, leftX + 112, y + 1, control[0], 17, 1000, hexColour(0x7A2E18), Align::Right);
        drawLabel(picture, leftX + 120, y, control[1], 18, 700, ink);
        y += 21;
    }
    heading(picture, leftX, 344, leftWidth, "Les tessas");
    const int brickKinds[4] = {3, 6, 7, 8};
    const char* brickLines[4] = {"un coup la brise", "il en faut deux", "fêlée : plus qu'un", "incassable"};
    y = 384;
    for (int i = 0; i < 4; ++i) {
        stampPicture(picture, drawBrick(brickKinds[i]), leftX + 12, y);
        drawLabel(picture, leftX + 62, y, brickLines[i], 18, 700, ink);
        y += 22;
    }

    // Right column: the capsules, each shown at twice its size.
    const int rightX = 340;
    const int rightWidth = 334;
    heading(picture, rightX, 112, rightWidth, "Les capsules");
    y = 152;
    for (int kind = 1; kind <= kCapsuleKinds; ++kind) {
        stampPicture(picture, drawCapsule(kind, 2), rightX + 8, y - 1);
        drawLabel(picture, rightX + 58, y, kCapsuleLines[static_cast<std::size_t>(kind - 1)].text, 17, 700, ink);
        y += 25;
    }

    // The credits at the foot.
    paintMeander(picture, 26, kWidth - 26, 476, hexColour(kTeal));
    drawLabel(picture, kWidth / 2, 504, "Tessaron, un jeu de l'équipe Tessaron", 19, 1000, ink, Align::Centre);
    // How the window is left, in one small line at its foot.
    drawLabel(picture, kWidth / 2, 526, "Échap, Entrée, Espace, un clic ou B : retour au menu", 13, 700,
              faded(ink, 0.8f), Align::Centre);
    return picture;
}
