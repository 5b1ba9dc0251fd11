// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// The menu's pictures: the background with the game's name and the two button faces.
#include "tools/make-data/menu_pictures.h"

#include <cstdio>

#include "screens/translation.h"
#include "screens/windows1252.h"
#include "tools/make-data/drawing.h"
#include "tools/make-data/mosaic_motifs.h"

namespace {

// Every label the menu writes on a button, measured in the language drawn and placed as the
// menu places it.
LayoutFaults menuLabelFaults()
{
    LayoutFaults faults;
    const auto check = [&faults](const MenuLabel& label) {
        const std::string french = utf8FromWindows1252(label.text);
        const std::string shown = tr(french.c_str());
        const int width = labelWidth(french.c_str(), kMenuLabelFontHeight, kMenuLabelFontWeight);
        checkMenuLabel(faults, label, shown, width, shown != french);
    };
    for (const MenuLabel& label : kMenuLabels) check(label);
    check(kSoundOffLabel);
    return faults;
}

constexpr int kWidth = 285;
constexpr int kHeight = 445;
constexpr int kShownWidth = 220;  // what the menu window's client area shows
constexpr int kShownHeight = 308;

}  // namespace

SDL_Surface* drawMenuBackground()
{
    SDL_Surface* picture = newCanvas(kWidth, kHeight);
    if (picture == nullptr) return nullptr;
    paintPlayfield(picture, 0, 0, kWidth, kHeight);
    // Lighter behind the name, dimmer towards the foot.
    paintEach(picture, [](int x, int y) {
        const float dx = (static_cast<float>(x) - 110.0f) / 150.0f;
        const float dy = (static_cast<float>(y) - 40.0f) / 120.0f;
        const float glow = std::max(0.0f, 1.0f - (dx * dx + dy * dy));
        return Colour{0.35f, 0.45f, 0.75f, glow * 0.18f};
    });
    // The frame follows the window's edges; the rest of the picture is never shown.
    paintMosaicBorder(picture, 0, 0, kShownWidth, kShownHeight, 8, 515);
    paintGoldTitle(picture, kShownWidth / 2, 14, "Tessaron", 48, 1000);
    paintRule(picture, 34, kShownWidth - 34, 68, hexColour(kGold));

    // The band where the selected level is written, in black, between the first two buttons.
    paintMarble(picture, 8, 111, kShownWidth - 8, 139, 77);
    fillRect(picture, 8, 110, kShownWidth - 16, 1, hexColour(kGold));
    fillRect(picture, 8, 139, kShownWidth - 16, 1, hexColour(kGold));
    fillRect(picture, 8, 111, kShownWidth - 16, 2, Colour{0, 0, 0, 0.12f});

    // Soft shadows where the buttons will stand, so they seem to float over the tiles.
    const int buttonTops[5] = {80, 140, 180, 220, 260};
    for (const int top : buttonTops) {
        fillShape(
            picture, 30, top - 6, 185, top + 36,
            [&](float px, float py) {
                return roundedBoxDistance(px, py, 41, static_cast<float>(top) + 3, 171, static_cast<float>(top) + 28,
                                          6);
            },
            [&](float, float, float d) {
                return Colour{0, 0, 0, 0.45f * smoothStep(4.0f, -3.0f, d)};
            });
    }
    paintRosette(picture, 22, 293, 5.5f, 0);
    paintRosette(picture, kShownWidth - 22, 293, 5.5f, 2);
    drawLabel(picture, kShownWidth / 2, 286, "l'équipe Tessaron", 14, 700, faded(hexColour(kCream), 0.75f),
              Align::Centre);
    return picture;
}

SDL_Surface* drawButton(bool hovered, int scale)
{
    if (!hovered) {
        const LayoutFaults faults = menuLabelFaults();
        if (!faults.text.empty()) {
            std::fprintf(stderr, "make-data: a picture's contents leave their box:\n%s", faults.text.c_str());
            return nullptr;
        }
    }
    const float s = static_cast<float>(scale);
    const float w = kMenuButtonWidth * s;
    const float h = kMenuButtonHeight * s;
    SDL_Surface* picture = newCanvas(kMenuButtonWidth * scale, kMenuButtonHeight * scale);
    if (picture == nullptr) return nullptr;
    const Colour top = hovered ? hexColour(0xFFF6D0) : hexColour(0xF7F0E0);
    const Colour bottom = hovered ? hexColour(0xF2C54E) : hexColour(0xD6C49C);
    const Colour rim = hovered ? hexColour(0x8A5A0A) : hexColour(0x6E5A3A);
    fillShape(
        picture, 0, 0, picture->w, picture->h,
        [&](float px, float py) {
            return roundedBoxDistance(px, py, 0.5f * s, 0.5f * s, w - 0.5f * s, h - 0.5f * s, 6.0f * s);
        },
        [&](float px, float py, float d) {
            const float v = py / h;
            Colour c = mix(top, bottom, smoothStep(0.1f, 1.0f, v));
            // A glassy step across the middle.
            if (v < 0.48f) c = lighten(c, 0.18f * (1.0f - v * 2.0f));
            const float depth = -d;
            if (depth < 2.5f * s) {
                const float facing = v < 0.5f ? 0.45f : -0.25f;
                c = lighten(c, facing * (1.0f - depth / (2.5f * s)));
            }
            if (hovered) {
                // A warm glow from the middle outwards.
                const float dx = (px - w * 0.5f) / (w * 0.5f);
                c = mix(c, hexColour(0xFFE27A), (1.0f - dx * dx) * 0.25f);
            }
            if (depth < 1.1f * s) c = rim;
            return c;
        });
    // Small gold studs at both ends.
    const float inset = static_cast<float>(kMenuButtonStudInset) * s;
    const float studs[2] = {inset, w - inset};
    for (const float x : studs) {
        fillDisc(picture, x + 0.4f * s, h * 0.5f + 0.6f * s, 3.0f * s, Colour{0, 0, 0, 0.3f});
        fillDisc(picture, x, h * 0.5f, 2.8f * s, hovered ? hexColour(0xD9501E) : hexColour(kTeal));
        fillDisc(picture, x - 0.8f * s, h * 0.5f - 0.9f * s, 1.0f * s, Colour{1, 1, 1, 0.8f});
    }
    return picture;
}
