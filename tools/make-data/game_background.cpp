// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// The game screen's background: the playfield of dark tesserae and the light side panel.
#include "tools/make-data/game_background.h"

#include <cstdio>
#include <string>

#include "game/game_state.h"
#include "screens/side_panel_layout.h"
#include "screens/translation.h"
#include "tools/make-data/drawing.h"
#include "tools/make-data/mosaic_motifs.h"

namespace {

constexpr int kWidth = 700;
constexpr int kHeight = 550;
constexpr int kFieldRight = kPlayfieldWidth;  // the ball turns back at this edge
constexpr int kPanelLeft = 490;               // beyond the pilaster
constexpr int kBorder = 10;

// The edges of the playfield sink under the frame: a soft shadow along the top, the left
// and the pilaster, and a reddish dusk at the bottom, where balls are lost.
void shadeFieldEdges(SDL_Surface* picture)
{
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kFieldRight; ++x) {
            const float fx = static_cast<float>(x);
            const float fy = static_cast<float>(y);
            const float shadow = 0.55f * (1.0f - smoothStep(0.0f, 14.0f, fy)) +
                                 0.45f * (1.0f - smoothStep(0.0f, 10.0f, fx)) +
                                 0.55f * (1.0f - smoothStep(0.0f, 12.0f, static_cast<float>(kFieldRight) - fx));
            blendPixel(picture, x, y, Colour{0, 0, 0, clamp01(shadow) * 0.6f});
            const float dusk = smoothStep(500.0f, 550.0f, fy);
            blendPixel(picture, x, y, Colour{0.45f, 0.05f, 0.08f, dusk * 0.35f});
        }
}

// The pilaster between playfield and panel: polished bronze, lit from the left.
void paintPilaster(SDL_Surface* picture)
{
    for (int y = 0; y < kHeight; ++y)
        for (int x = kFieldRight; x < kPanelLeft; ++x) {
            const float t = static_cast<float>(x - kFieldRight) / static_cast<float>(kPanelLeft - kFieldRight - 1);
            Colour c = mix(hexColour(0xF6D27A), hexColour(0x7A4E12), smoothStep(0.1f, 1.0f, t));
            c = mix(c, hexColour(0xFFF0C0), std::max(0.0f, 1.0f - std::fabs(t - 0.28f) * 7.0f) * 0.6f);
            c = lighten(
                c, (fractalNoise(static_cast<float>(x) * 0.5f, static_cast<float>(y) * 0.02f, 2, 31) - 0.5f) * 0.12f);
            if (x == kFieldRight || x == kPanelLeft - 1) c = hexColour(0x2A1A08);
            setPixel(picture, x, y, c);
        }
    // Little gold studs along it.
    for (int y = 30; y < kHeight; y += 64) {
        fillDisc(picture, 485.5f, static_cast<float>(y) + 1.0f, 3.0f, Colour{0, 0, 0, 0.35f});
        fillDisc(picture, 485.0f, static_cast<float>(y), 3.0f, hexColour(0xB8862A));
        fillDisc(picture, 484.2f, static_cast<float>(y) - 0.8f, 1.4f, hexColour(0xFFF4C8));
    }
}

// Paints the side panel; returns what would overflow it.
LayoutFaults paintPanel(SDL_Surface* picture)
{
    LayoutFaults faults = effectSlotFaults(kEffectMarkSlotCount);
    paintMarble(picture, kPanelLeft, 0, kWidth, kHeight, 4242);
    // Bands of tesserae along the top and the foot only: the panel's longest lines run on
    // to the window's right edge.
    paintMosaicBorder(picture, kPanelLeft - kBorder, 0, kWidth + kBorder, kBorder, kBorder, 88);
    paintMosaicBorder(picture, kPanelLeft - kBorder, kHeight - kBorder, kWidth + kBorder, kHeight, kBorder, 89);
    const Colour ink = hexColour(kUmber);

    // The name of the game on a dark plaque.
    paintPlaque(picture, 505, 18, 685, 96, 8, hexColour(0x1E2A48), 3, false);
    paintGoldTitle(picture, 595, 32, "Tessaron", 46, 1000);
    paintRosette(picture, 516, 30, 4.5f, 1);
    paintRosette(picture, 674, 30, 4.5f, 2);
    paintRosette(picture, 516, 84, 4.5f, 3);
    paintRosette(picture, 674, 84, 4.5f, 0);

    // Quiet dividers between the groups of lines.
    paintRule(picture, 512, 680, 109, faded(ink, 0.45f));
    paintRule(picture, 512, 680, 189, faded(ink, 0.30f));
    // The tray where the spare balls rest and the slots of the running bonuses.
    paintPlaque(picture, 514, 266, 690, 287, 10, hexColour(0xE2D4B4), 2, true);
    for (int slot = 0; slot < kEffectMarkSlotCount; ++slot) {
        const float x = static_cast<float>(effectMarkX(slot));
        paintPlaque(picture, x - 4, kEffectMarkY - 4, x + kCapsuleWidth + 4, kEffectMarkY + kCapsuleHeight + 4, 5,
                    hexColour(0xE2D4B4), 2, true);
    }
    // The level's code on a card of its own.
    paintPlaque(picture, kCardLeft, kCardTop, kCardRight, kCardBottom, 6, hexColour(0xFBF6EA), 2, false);

    // The keys, as a reminder at the foot of the panel.
    paintRule(picture, 512, 680, 424, faded(ink, 0.45f));
    const Colour hint = faded(ink, 0.85f);
    const char* lines[] = {trId("Clic, Espace : lancer, tirer"), trId("Flèches : raquette"),
                           trId("Autre touche : pause"), trId("F12 : rendre les balles"),
                           trId("Échap : quitter la partie")};
    constexpr RowStack kHintRows{431, 18, 16};
    const int lineCount = static_cast<int>(sizeof lines / sizeof lines[0]);
    checkRows(faults, "fond.bmp", "key lines", kHintRows, lineCount, 529, "the space above the rosette");
    for (int i = 0; i < lineCount; ++i) {
        const int width = labelWidth(lines[i], 16, 700);
        checkSpan(faults, "fond.bmp", std::string("the line \"") + lines[i] + "\"", 596 - width / 2,
                  596 - width / 2 + width, 512, 680, "the panel's rules");
        drawLabel(picture, 596, rowTop(kHintRows, i), lines[i], 16, 700, hint, Align::Centre);
    }
    paintRosette(picture, 596, 534, 5.0f, 3);
    return faults;
}

}  // namespace

SDL_Surface* drawGameBackground()
{
    SDL_Surface* picture = newCanvas(kWidth, kHeight);
    if (picture == nullptr) return nullptr;
    paintPlayfield(picture, 0, 0, kFieldRight, kHeight);
    shadeFieldEdges(picture);
    paintPilaster(picture);
    const LayoutFaults faults = paintPanel(picture);
    if (!faults.text.empty()) {
        std::fprintf(stderr, "make-data: a picture's contents leave their box:\n%s", faults.text.c_str());
        SDL_FreeSurface(picture);
        return nullptr;
    }
    return picture;
}
