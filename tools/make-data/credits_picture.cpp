// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// The credits window's picture: the controls, the bricks, the capsules and the credits.
#include "tools/make-data/credits_picture.h"

#include <array>
#include <cstdio>
#include <string>

#include "game/game_state.h"
#include "screens/translation.h"
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
    {kWiderPaddleCapsule, trId("Raquette élargie")},
    {kNarrowerPaddleCapsule, trId("Raquette rétrécie")},
    {kFasterBallCapsule, trId("Balle plus rapide")},
    {kSlowerBallCapsule, trId("Balle plus lente")},
    {kFireBallCapsule, trId("Balle de feu : traverse les tessas")},
    {kRandomDirectionsCapsule, trId("Directions au hasard")},
    {kExtraLifeCapsule, trId("Une vie en plus")},
    {kLostLifeCapsule, trId("Une vie en moins")},
    {kMirroredPaddleCapsule, trId("Raquette inversée (effet miroir)")},
    {kStickyPaddleCapsule, trId("Raquette collante : cliquez pour lâcher")},
    {kArmedPaddleCapsule, trId("Raquette armée : cliquez pour tirer")},
    {kSecondBallCapsule, trId("Une seconde balle")},
    {kRandomBounceCapsule, trId("Rebonds imprévisibles sur la raquette")},
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
    {trId("Souris"), trId("déplace la raquette")},
    {trId("Flèches"), trId("déplacent la raquette")},
    {trId("Clic"), trId("lance, tire si armée (Espace)")},
    {trId("Autre touche"), trId("met le jeu en pause")},
    {"F12", trId("rend les balles en jeu")},
    {trId("Échap"), trId("termine la partie")},
    {"F11", trId("plein écran")},
    {trId("Manette"), trId("croix ou stick, A lance")},
    {trId("Codes"), trId("menu « Entrer un code »")},
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

    // Left column: how to play, then the bricks. Every text is measured against its column:
    // the left one ends where the capsules' pictures begin.
    LayoutFaults faults = creditsRowFaults(static_cast<int>(kControls.size()), kCapsuleKinds);
    const int leftX = 26;
    const int leftWidth = 300;
    const int rightX = 340;
    const int rightWidth = 334;
    const int leftEnd = rightX + 8;
    const int rightEnd = kWidth - 10;
    const auto fits = [&](const char* text, int height, int weight, int x, Align align, int low, int high) {
        const int width = labelWidth(text, height, weight);
        const int from = align == Align::Left ? x : align == Align::Right ? x - width : x - width / 2;
        checkSpan(faults, "credits.bmp", std::string("the line \"") + text + "\"", from, from + width, low, high,
                  "its column");
    };
    heading(picture, leftX, 112, leftWidth, "Commandes");
    for (std::size_t i = 0; i < kControls.size(); ++i) {
        const int y = rowTop(kControlRows, static_cast<int>(i));
        const auto& control = kControls[i];
        fits(control[0], 17, 1000, leftX + 112, Align::Right, leftX, leftX + 112);
        fits(control[1], 18, 700, leftX + 120, Align::Left, leftX + 120, leftEnd);
        drawLabel(picture, leftX + 112, y + 1, control[0], 17, 1000, hexColour(0x7A2E18), Align::Right);
        drawLabel(picture, leftX + 120, y, control[1], 18, 700, ink);
    }
    const int controlLines = static_cast<int>(kControls.size());
    heading(picture, leftX, bricksHeadingTop(controlLines), leftWidth, "Les tessas");
    const int brickKinds[kBrickLines] = {3, 6, 7, 8};
    const char* brickLines[kBrickLines] = {trId("un coup la brise"), trId("il en faut deux"),
                                           trId("fêlée : plus qu'un"), trId("incassable")};
    for (int i = 0; i < kBrickLines; ++i) {
        const int y = rowTop(brickRows(controlLines), i);
        fits(brickLines[i], 18, 700, leftX + 62, Align::Left, leftX + 62, leftEnd);
        stampPicture(picture, drawBrick(brickKinds[i]), leftX + 12, y);
        drawLabel(picture, leftX + 62, y, brickLines[i], 18, 700, ink);
    }

    // Right column: the capsules, each shown at twice its size.
    heading(picture, rightX, 112, rightWidth, "Les capsules");
    for (int kind = 1; kind <= kCapsuleKinds; ++kind) {
        const int y = rowTop(kCapsuleRows, kind - 1);
        const char* line = kCapsuleLines[static_cast<std::size_t>(kind - 1)].text;
        fits(line, 17, 700, rightX + 58, Align::Left, rightX + 58, rightEnd);
        stampPicture(picture, drawCapsule(kind, 2), rightX + 8, y - 1);
        drawLabel(picture, rightX + 58, y, line, 17, 700, ink);
    }

    // The credits at the foot, and how the window is left, in one small line under them.
    const char* credits = trId("Tessaron, un jeu de l'équipe Tessaron");
    const char* leaving = trId("Échap, Entrée, Espace, un clic ou B : retour au menu");
    fits(credits, 19, 1000, kWidth / 2, Align::Centre, 10, rightEnd);
    fits(leaving, 13, 700, kWidth / 2, Align::Centre, 10, rightEnd);
    paintMeander(picture, 26, kWidth - 26, kCreditsFootTop, hexColour(kTeal));
    drawLabel(picture, kWidth / 2, 504, credits, 19, 1000, ink, Align::Centre);
    drawLabel(picture, kWidth / 2, 526, leaving, 13, 700, faded(ink, 0.8f), Align::Centre);
    if (!faults.text.empty()) {
        std::fprintf(stderr, "make-data: a picture's contents leave their box:\n%s", faults.text.c_str());
        SDL_FreeSurface(picture);
        return nullptr;
    }
    return picture;
}
