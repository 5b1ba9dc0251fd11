// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// The screens between and after levels: end screen, level intro and final congratulations.
#include "tools/make-data/end_screens.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <string>

#include "game/game_state.h"
#include "screens/final_picture_layout.h"
#include "screens/level_intro_layout.h"
#include "screens/translation.h"
#include "tools/make-data/drawing.h"
#include "tools/make-data/mosaic_motifs.h"

namespace {

constexpr int kWidth = 700;
constexpr int kHeight = 550;
constexpr int kBorder = 10;
constexpr int kValueHeight = 40;
// The black box that covers the plaque after a won run: (350, 10) to (650, 95).
constexpr int kPlateWidth = 300;
constexpr int kPlateHeight = 85;  // the cell of the numbers and the name written over it

// The baseline of a text whose cell's top is at y, in a font of the given cell height.
int baselineOf(int y, int height) { return y + static_cast<int>(std::lround(height * 1974.0 / 2400.0)); }

// A label right-aligned to `right`, on the baseline of a 40-pixel value written at valueTop;
// the label's size shrinks if it would reach the frame.
void labelBeside(SDL_Surface* picture, int right, int valueTop, const char* utf8)
{
    int height = 28;
    while (height > 16 && right - labelWidth(utf8, height, 700) < kBorder + 14) --height;
    const int top = baselineOf(valueTop, kValueHeight) - static_cast<int>(std::lround(height * 1974.0 / 2400.0));
    drawLabel(picture, right, top, utf8, height, 700, hexColour(0x7A2E18), Align::Right);
}

// A dotted line for a value to stand on, from x0 to x1 just under the value's baseline.
void valueLine(SDL_Surface* picture, int x0, int x1, int valueTop)
{
    const int y = baselineOf(valueTop, kValueHeight) + 7;
    for (int x = x0; x < x1; x += 4) fillRect(picture, x, y, 2, 1, faded(hexColour(kUmber), 0.45f));
}

SDL_Surface* marbleScreen(std::uint32_t seed)
{
    SDL_Surface* picture = newCanvas(kWidth, kHeight);
    if (picture == nullptr) return nullptr;
    paintMarble(picture, 0, 0, kWidth, kHeight, seed);
    paintMosaicBorder(picture, 0, 0, kWidth, kHeight, kBorder, seed + 1);
    return picture;
}

// A firework: sparks along rays from (cx, cy), fading and shrinking outwards, over a glow.
void paintFirework(SDL_Surface* picture, float cx, float cy, float radius, Colour colour, std::uint32_t seed)
{
    fillShape(
        picture, static_cast<int>(cx - radius * 1.3f), static_cast<int>(cy - radius * 1.3f),
        static_cast<int>(cx + radius * 1.3f), static_cast<int>(cy + radius * 1.3f),
        [&](float px, float py) { return discDistance(px, py, cx, cy, radius * 1.2f); },
        [&](float px, float py, float) {
            const float d = std::sqrt((px - cx) * (px - cx) + (py - cy) * (py - cy)) / (radius * 1.2f);
            return faded(colour, (1.0f - d) * (1.0f - d) * 0.22f);
        });
    const int rays = 22 + static_cast<int>(latticeHash(static_cast<int>(seed), 0, 9) * 10);
    for (int i = 0; i < rays; ++i) {
        const float angle = (static_cast<float>(i) + latticeHash(i, static_cast<int>(seed), 1) * 0.4f) * 6.2831853f /
                            static_cast<float>(rays);
        const float reach = radius * (0.75f + 0.25f * latticeHash(i, static_cast<int>(seed), 2));
        const float dx = std::cos(angle);
        const float dy = std::sin(angle);
        // A faint trail, then sparks getting smaller towards the end of the ray.
        drawSegment(picture, cx + dx * reach * 0.15f, cy + dy * reach * 0.15f, cx + dx * reach * 0.8f,
                    cy + dy * reach * 0.8f + reach * 0.04f, 1.0f, faded(colour, 0.35f));
        for (int k = 0; k < 5; ++k) {
            const float t = 0.55f + static_cast<float>(k) * 0.11f;
            const float sag = t * t * reach * 0.08f;  // sparks fall a little as they fly
            const float size = 2.4f - static_cast<float>(k) * 0.38f;
            const Colour spark = mix(mix(colour, Colour{1, 1, 0.92f, 1}, 0.55f), colour, static_cast<float>(k) / 2.0f);
            fillDisc(picture, cx + dx * reach * t, cy + dy * reach * t + sag, size,
                     faded(spark, 1.0f - static_cast<float>(k) * 0.15f));
        }
    }
    fillDisc(picture, cx, cy, 3.0f, Colour{1, 1, 0.95f, 0.9f});
}

// The trophy: a gold cup on a foot, with a rosette of tesserae on its bowl; k scales it. When
// `counted`, its plate shows the built-in set's number of levels.
void paintTrophy(SDL_Surface* picture, float cx, float top, float k, bool counted)
{
    const auto gold = [&](float px, float halfWidth) {
        const float t = (px - cx) / std::max(1.0f, halfWidth);
        Colour c = mix(hexColour(0xFFF3B0), hexColour(0xE0A530), smoothStep(-0.55f, 0.1f, t));
        c = mix(c, hexColour(0x7A4A0C), smoothStep(0.2f, 1.0f, t));
        c = mix(c, hexColour(0xFFE07A), smoothStep(-0.75f, -1.0f, t) * 0.6f);
        return c;
    };
    const Colour edge = hexColour(0x5A3606);
    const float bowlRadius = 78 * k;
    const float bowlTop = top + 10 * k;
    // A soft halo behind the cup.
    fillShape(
        picture, static_cast<int>(cx - 160 * k), static_cast<int>(top - 40 * k), static_cast<int>(cx + 160 * k),
        static_cast<int>(top + 220 * k),
        [&](float px, float py) { return discDistance(px, py, cx, bowlTop + 50 * k, 150 * k); },
        [&](float px, float py, float) {
            const float d =
                std::sqrt((px - cx) * (px - cx) + (py - bowlTop - 50 * k) * (py - bowlTop - 50 * k)) / (150 * k);
            return Colour{1.0f, 0.85f, 0.4f, (1.0f - d) * (1.0f - d) * 0.35f};
        });
    // Handles: the outer halves of two rings beside the bowl.
    for (const float side : {-1.0f, 1.0f}) {
        const float hx = cx + side * (bowlRadius - 4 * k);
        const float hy = bowlTop + 32 * k;
        fillShape(
            picture, static_cast<int>(hx - 40 * k), static_cast<int>(hy - 40 * k), static_cast<int>(hx + 40 * k),
            static_cast<int>(hy + 40 * k),
            [&](float px, float py) {
                const float ring = std::fabs(discDistance(px, py, hx, hy, 26 * k)) - 5.5f * k;
                return std::max(ring, -side * (px - hx));
            },
            [&](float, float py, float d) {
                const float t = clamp01((py - (hy - 30 * k)) / (60 * k));
                Colour c = mix(hexColour(0xFFE69A), hexColour(0x8A5610), t);
                if (-d < 1.0f) c = edge;
                return c;
            });
    }
    // The bowl: the lower half of a disc under a rolled rim.
    fillShape(
        picture, static_cast<int>(cx - bowlRadius - 2), static_cast<int>(bowlTop - 2),
        static_cast<int>(cx + bowlRadius + 2), static_cast<int>(bowlTop + bowlRadius + 2),
        [&](float px, float py) { return std::max(discDistance(px, py, cx, bowlTop, bowlRadius), bowlTop - py); },
        [&](float px, float py, float d) {
            Colour c = gold(px, bowlRadius);
            // The bowl rounds away underneath.
            c = lighten(c, -smoothStep(bowlTop + bowlRadius * 0.5f, bowlTop + bowlRadius, py) * 0.25f);
            if (-d < 1.2f) c = edge;
            return c;
        });
    fillShape(
        picture, static_cast<int>(cx - bowlRadius - 10 * k), static_cast<int>(bowlTop - 12 * k),
        static_cast<int>(cx + bowlRadius + 10 * k), static_cast<int>(bowlTop + 8 * k),
        [&](float px, float py) {
            return roundedBoxDistance(px, py, cx - bowlRadius - 6 * k, bowlTop - 8 * k, cx + bowlRadius + 6 * k,
                                      bowlTop + 4 * k, 5 * k);
        },
        [&](float px, float py, float d) {
            Colour c = gold(px, bowlRadius + 6 * k);
            c = lighten(c, (bowlTop - 2 * k - py) / k * 0.05f);
            if (-d < 1.0f) c = edge;
            return c;
        });
    // Stem with a knot, then a two-step foot with a dark plate.
    const float stemTop = bowlTop + bowlRadius - 6 * k;
    fillShape(
        picture, static_cast<int>(cx - 40 * k), static_cast<int>(stemTop), static_cast<int>(cx + 40 * k),
        static_cast<int>(stemTop + 90 * k),
        [&](float px, float py) {
            const float flare = (py - stemTop) * 0.06f;
            const float stem =
                roundedBoxDistance(px, py, cx - 10 * k - flare, stemTop, cx + 10 * k + flare, stemTop + 44 * k, 3 * k);
            const float knot =
                roundedBoxDistance(px, py, cx - 17 * k, stemTop + 14 * k, cx + 17 * k, stemTop + 24 * k, 5 * k);
            return std::min(stem, knot);
        },
        [&](float px, float, float d) {
            Colour c = gold(px, 17 * k);
            if (-d < 1.0f) c = edge;
            return c;
        });
    paintPlaque(picture, cx - 56 * k, stemTop + 42 * k, cx + 56 * k, stemTop + 58 * k, 4 * k, hexColour(0xD9A23C), 3,
                false);
    paintPlaque(picture, cx - 72 * k, stemTop + 56 * k, cx + 72 * k, stemTop + 80 * k, 4 * k, hexColour(0x2A1C10), 3,
                false);
    if (counted) {
        const std::string allLevels = std::to_string(kLevelCount) + " / " + std::to_string(kLevelCount);
        drawLabel(picture, static_cast<int>(cx), kTrophyCountY, allLevels.c_str(), kTrophyCountHeight,
                  kTrophyCountWeight, hexColour(kTrophyCountColour), Align::Centre);
    }
    paintRosette(picture, cx, bowlTop + 36 * k, 17 * k, 1);
    // Glints on the bowl and the rim.
    drawSegment(picture, cx - 54 * k, bowlTop + 14 * k, cx - 44 * k, bowlTop + 50 * k, 4.0f * k,
                Colour{1, 1, 0.95f, 0.5f});
    drawSegment(picture, cx - 60 * k, bowlTop - 5 * k, cx - 20 * k, bowlTop - 5 * k, 1.6f * k,
                Colour{1, 1, 0.95f, 0.7f});
}

}  // namespace

SDL_Surface* drawLostBackground()
{
    SDL_Surface* picture = marbleScreen(900);
    if (picture == nullptr) return nullptr;
    const Colour ink = hexColour(kUmber);

    // Title: the game's end on the left, and on the right the plaque that says the game was
    // lost; after a won run the game covers the plaque (350, 10)..(650, 95) in black.
    drawLabel(picture, 180, 24, "Fin de la partie", 36, 1000, ink, Align::Centre);
    paintRule(picture, 60, 300, 70, faded(ink, 0.45f));
    drawLabel(picture, 180, 76, "Les scores", 18, 700, faded(ink, 0.75f), Align::Centre);
    fillRect(picture, 346, 10, 308, 89, hexColour(kGoldDeep));
    fillRect(picture, 347, 10, 306, 88, hexColour(kGold));
    fillRect(picture, 350, 10, 300, 85, hexColour(0x140E0A));
    paintGoldTitle(picture, 500, 18, "Perdu !", 62, 1000);

    // The scores: labels beside the places where the numbers and the name are written.
    paintRule(picture, 40, kWidth - 40, 118, faded(ink, 0.4f));
    labelBeside(picture, 273, 135, "Meilleur score :");
    valueLine(picture, 285, 640, 135);
    labelBeside(picture, 148, 190, "Détenu par :");
    valueLine(picture, 160, 640, 190);
    paintRule(picture, 120, kWidth - 120, 252, faded(ink, 0.3f));
    labelBeside(picture, 243, 270, "Votre score :");
    valueLine(picture, 255, 640, 270);
    // The rating sentence follows this mark.
    paintRosette(picture, 70, 342, 7.0f, 2);

    paintMeander(picture, 40, kWidth - 40, 392, hexColour(kTerracotta));
    drawLabel(picture, kWidth / 2, 452, "Merci d'avoir joué !", 30, 700, faded(ink, 0.9f), Align::Centre);
    drawLabel(picture, kWidth / 2, 500, "Cliquez ou appuyez sur une touche pour revenir au menu", 18, 700,
              faded(ink, 0.7f), Align::Centre);
    return picture;
}

SDL_Surface* drawVictoryPlate()
{
    SDL_Surface* picture = newCanvas(kPlateWidth, kPlateHeight);
    if (picture == nullptr) return nullptr;
    fillRect(picture, 0, 0, kPlateWidth, kPlateHeight, hexColour(0x000000));
    // The same lettering, at the same place in the box, as the lost run's "Perdu !".
    paintGoldTitle(picture, kPlateWidth / 2, 8, "Victoire !", 62, 1000);
    return picture;
}

SDL_Surface* drawLevelBackground(bool withCode)
{
    SDL_Surface* picture = marbleScreen(1300);
    if (picture == nullptr) return nullptr;
    const Colour ink = hexColour(kUmber);
    const Colour caption = hexColour(0x7A2E18);
    paintPlaque(picture, 175, 26, 525, 100, 10, hexColour(0x1E2A48), 3, false);
    paintGoldTitle(picture, kWidth / 2, 36, "Niveau suivant", 50, 1000);
    paintRosette(picture, 150, 63, 9, 0);
    paintRosette(picture, 550, 63, 9, 2);
    paintRule(picture, 70, kWidth - 70, 124, faded(ink, 0.35f));
    // The lines are written at (100, 140) and (105, 190); under them a card of its own: the
    // level's code on the built-in set's, wide for the code written from its left; a player's
    // set's name and the level's rank, centred, on the other's.
    paintRule(picture, 160, kWidth - 160, 252, faded(ink, 0.3f));
    const SDL_Rect card = withCode ? SDL_Rect{100, 300, 590 - kBorder, 170} : kSetCard;
    if (withCode) {
        drawLabel(picture, kWidth / 2, 266, "Code secret du niveau", 24, 700, caption, Align::Centre);
    } else {
        drawLabel(picture, kWidth / 2, 266, "Jeu de niveaux", 24, 700, caption, Align::Centre);
    }
    paintPlaque(picture, card.x, card.y, card.x + card.w, card.y + card.h, 14, hexColour(0xFBF7EE), 4, true);
    for (const int x : {card.x + 16, card.x + card.w - 16})
        for (const int y : {card.y + 16, card.y + card.h - 16})
            paintRosette(picture, x, y, 5.0f, static_cast<std::uint32_t>(x + y));
    const Colour hint = faded(ink, 0.75f);
    if (withCode) {
        drawLabel(picture, kWidth / 2, 492, "Notez-le : il vous ramène ici depuis le menu.", 18, 700, hint,
                  Align::Centre);
    }
    drawLabel(picture, kWidth / 2, withCode ? 516 : 482, "Cliquez pour commencer le niveau", 18, 700, hint,
              Align::Centre);
    return picture;
}

SDL_Surface* drawFinishedBackground(bool counted)
{
    SDL_Surface* picture = newCanvas(kWidth, kHeight);
    if (picture == nullptr) return nullptr;
    // A night sky, deep blue at the top to violet near the horizon.
    paintEach(picture, [](int x, int y) {
        const float v = static_cast<float>(y) / kHeight;
        Colour c = mix(hexColour(0x070B24), hexColour(0x2A1450), smoothStep(0.2f, 1.0f, v));
        c = lighten(c,
                    (fractalNoise(static_cast<float>(x) * 0.01f, static_cast<float>(y) * 0.01f, 3, 12) - 0.5f) * 0.1f);
        return c;
    });
    for (int i = 0; i < 220; ++i) {
        const float x = latticeHash(i, 1, 555) * kWidth;
        const float y = latticeHash(i, 2, 555) * kHeight * 0.9f;
        const float size = 0.4f + latticeHash(i, 3, 555) * 0.9f;
        fillDisc(picture, x, y, size, Colour{1, 1, 0.95f, 0.35f + latticeHash(i, 4, 555) * 0.6f});
    }
    const std::array<std::uint32_t, 6> colours = {0xFF5A5A, 0x5AD0FF, 0xFFD24A, 0x8AFF7A, 0xFF7AE0, 0xFFA040};
    const float bursts[][3] = {{105, 150, 70}, {600, 150, 78}, {150, 330, 52},
                               {560, 330, 58}, {90, 440, 36},  {630, 450, 40}};
    int index = 0;
    for (const auto& b : bursts) {
        paintFirework(picture, b[0], b[1], b[2], hexColour(colours[static_cast<std::size_t>(index) % colours.size()]),
                      static_cast<std::uint32_t>(index) + 3);
        ++index;
    }
    paintMosaicBorder(picture, 0, 0, kWidth, kHeight, kBorder, 2525);
    paintGoldTitle(picture, kWidth / 2, 30, "Félicitations !", 74, 1000);
    if (counted) {
        std::array<char, 96> allCleared{};
        std::snprintf(allCleared.data(), allCleared.size(), tr("Les %d niveaux sont terminés"), kLevelCount);
        drawLabel(picture, kFinishedPictureCentreX, kClearedLineY, allCleared.data(), kClearedLineHeight,
                  kClearedLineWeight, hexColour(kClearedLineColour), Align::Centre);
    }
    paintTrophy(picture, kWidth / 2, 172, 1.3f, counted);
    drawLabel(picture, kWidth / 2, 452, "Vous avez brisé toutes les tessas !", 34, 700, hexColour(0xFFE9A8),
              Align::Centre);
    drawLabel(picture, kWidth / 2, 504, "Cliquez pour voir votre score", 18, 700, faded(hexColour(kCream), 0.75f),
              Align::Centre);
    return picture;
}
