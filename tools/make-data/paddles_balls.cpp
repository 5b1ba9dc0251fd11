// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// The paddles, their overlays and the balls, drawn with anti-aliased edges over transparency.
#include "tools/make-data/paddles_balls.h"

#include <cmath>

#include "tools/make-data/drawing.h"

namespace {

// The paddle's body: a rounded bar of blue-grey metal with red end caps and a glowing line
// along its middle, lit from above. Its top is one pixel below the box so a ball resting on
// it seems to touch it.
void paintPaddleBody(SDL_Surface* picture, float w, float s, Colour metal, Colour caps, Colour glow)
{
    const float h = 15 * s;
    const float top = 1.0f * s;
    const float radius = (h - top) * 0.5f;
    const float capLength = std::min(9.0f * s, w * 0.22f);
    fillShape(
        picture, 0, 0, picture->w, picture->h,
        [&](float px, float py) {
            return roundedBoxDistance(px, py, 0.3f * s, top, w - 0.3f * s, h - 0.3f * s, radius);
        },
        [&](float px, float py, float d) {
            const float v = (py - top) / (h - top);
            const bool cap = px < capLength || px > w - capLength;
            const Colour base = cap ? caps : metal;
            Colour c = mix(lighten(base, 0.55f), base, smoothStep(0.0f, 0.4f, v));
            c = mix(c, lighten(base, -0.5f), smoothStep(0.55f, 1.0f, v));
            // The seam between a cap and the body.
            const float seam = std::min(std::fabs(px - capLength), std::fabs(px - (w - capLength)));
            if (seam < 0.8f * s) c = lighten(c, -0.45f);
            if (!cap) {
                const float line = std::fabs(py - (top + (h - top) * 0.52f));
                c = mix(c, glow, (1.0f - smoothStep(0.6f * s, 1.8f * s, line)) * 0.9f);
            }
            if (-d < 0.9f * s) c = lighten(c, -0.4f);
            return c;
        });
    // A glint on the top edge.
    fillShape(
        picture, 0, 0, picture->w, picture->h,
        [&](float px, float py) {
            return roundedBoxDistance(px, py, capLength * 0.5f, top + 1.8f * s, w - capLength * 0.5f, top + 3.0f * s,
                                      0.6f * s);
        },
        [&](float, float, float) {
            return Colour{1, 1, 1, 0.55f};
        });
}

}  // namespace

SDL_Surface* drawPaddle(int width, int scale)
{
    const float s = static_cast<float>(scale);
    SDL_Surface* picture = newCanvas(width * scale, 15 * scale);
    if (picture == nullptr) return nullptr;
    paintPaddleBody(picture, static_cast<float>(width) * s, s, hexColour(0x8FA3BF), hexColour(0xD23A2E),
                    hexColour(0x7FF4FF));
    return picture;
}

SDL_Surface* drawArmedOverlay(int scale)
{
    const float s = static_cast<float>(scale);
    SDL_Surface* picture = newCanvas(60 * scale, 15 * scale);
    if (picture == nullptr) return nullptr;
    const float cannons[2] = {10.0f, 50.0f};
    for (const float centre : cannons) {
        const float cx = centre * s;
        // The turret: a dark dome on the paddle.
        fillShape(
            picture, static_cast<int>(cx - 7 * s), 0, static_cast<int>(cx + 7 * s) + 1, picture->h,
            [&](float px, float py) {
                return roundedBoxDistance(px, py, cx - 5.5f * s, 5.0f * s, cx + 5.5f * s, 13.0f * s, 3.0f * s);
            },
            [&](float px, float py, float d) {
                const float t = clamp01((py - 5.0f * s) / (8.0f * s));
                Colour c = mix(hexColour(0x9AA4AE), hexColour(0x2E343A), t);
                c = lighten(c, -(px - cx) / (6.0f * s) * 0.2f);
                if (-d < 0.9f * s) c = hexColour(0x15191D);
                return c;
            });
        // The barrel, pointing up, with a red muzzle.
        fillShape(
            picture, static_cast<int>(cx - 3 * s), 0, static_cast<int>(cx + 3 * s) + 1, picture->h,
            [&](float px, float py) {
                return roundedBoxDistance(px, py, cx - 1.8f * s, 0.0f, cx + 1.8f * s, 8.0f * s, 0.6f * s);
            },
            [&](float px, float, float d) {
                const float t = clamp01((px - (cx - 1.8f * s)) / (3.6f * s));
                Colour c = mix(hexColour(0xE8EDF2), hexColour(0x3A424A), t);
                if (-d < 0.7f * s) c = hexColour(0x15191D);
                return c;
            });
        fillRect(picture, static_cast<int>(cx - 1.8f * s), 0, static_cast<int>(3.6f * s),
                 static_cast<int>(std::max(1.0f, 1.2f * s)), hexColour(0xFF4A2A));
        fillDisc(picture, cx, 9.5f * s, 1.3f * s, hexColour(0xFF5A3A));
    }
    return picture;
}

SDL_Surface* drawStickyOverlay(int scale)
{
    const float s = static_cast<float>(scale);
    const float w = 60 * s;
    SDL_Surface* picture = newCanvas(60 * scale, 15 * scale);
    if (picture == nullptr) return nullptr;
    // Glue: a wavy coat over the top of the paddle with drips running down its side.
    const auto glue = [&](float px, float py) {
        const float x = px / s;
        const float surface = (1.0f + 0.8f * std::sin(x * 0.55f) + 0.5f * std::sin(x * 1.37f + 1.0f)) * s;
        float d = std::max(surface - py, py - 7.0f * s);
        const float drips[][2] = {{9, 12}, {23, 10.5f}, {36, 13}, {49, 11}};
        for (const auto& drip : drips) {
            const float dx = drip[0] * s;
            d = std::min(d, segmentDistance(px, py, dx, 5.0f * s, dx, drip[1] * s, 1.6f * s));
        }
        // Rounded ends of the coat where the paddle's caps turn down.
        d = std::max(d, roundedBoxDistance(px, py, 0.5f * s, 0, w - 0.5f * s, 15 * s, 6.0f * s));
        return d;
    };
    fillShape(picture, 0, 0, picture->w, picture->h, glue, [&](float, float py, float d) {
        const float v = py / (15 * s);
        Colour c = mix(hexColour(0xC8FF6A), hexColour(0x3E9A1A), smoothStep(0.0f, 0.8f, v));
        c.a = 0.86f;
        if (-d < 0.9f * s) c = Colour{0.12f, 0.35f, 0.05f, 0.9f};
        return c;
    });
    // Wet highlights.
    const float glints[][2] = {{7, 2.2f}, {20, 2.6f}, {33, 1.8f}, {46, 2.4f}};
    for (const auto& g : glints)
        fillShape(
            picture, 0, 0, picture->w, picture->h,
            [&](float px, float py) {
                return roundedBoxDistance(px, py, g[0] * s, g[1] * s, (g[0] + 5) * s, (g[1] + 1.1f) * s, 0.55f * s);
            },
            [&](float, float, float) {
                return Colour{1, 1, 0.9f, 0.8f};
            });
    return picture;
}

SDL_Surface* drawBouncePaddle(int scale)
{
    const float s = static_cast<float>(scale);
    SDL_Surface* picture = newCanvas(60 * scale, 15 * scale);
    if (picture == nullptr) return nullptr;
    paintPaddleBody(picture, 60 * s, s, hexColour(0xC0389A), hexColour(0x5A1A78), hexColour(0xFFE45A));
    // A spring's zigzag along the bumper, in yellow with a dark edge.
    const float top = 4.5f * s;
    const float bottom = 11.5f * s;
    for (int i = 0; i < 8; ++i) {
        const float x0 = (11.0f + static_cast<float>(i) * 4.75f) * s;
        const float x1 = x0 + 4.75f * s;
        const float y0 = i % 2 ? bottom : top;
        const float y1 = i % 2 ? top : bottom;
        drawSegment(picture, x0, y0, x1, y1, 2.6f * s, Colour{0.2f, 0.05f, 0.2f, 0.8f});
    }
    for (int i = 0; i < 8; ++i) {
        const float x0 = (11.0f + static_cast<float>(i) * 4.75f) * s;
        const float x1 = x0 + 4.75f * s;
        const float y0 = i % 2 ? bottom : top;
        const float y1 = i % 2 ? top : bottom;
        drawSegment(picture, x0, y0, x1, y1, 1.4f * s, hexColour(0xFFE45A));
    }
    return picture;
}

SDL_Surface* drawBall(bool fire, int scale)
{
    const float s = static_cast<float>(scale);
    SDL_Surface* picture = newCanvas(12 * scale, 12 * scale);
    if (picture == nullptr) return nullptr;
    const float c = 6.0f * s;
    const float radius = 5.6f * s;
    fillShape(
        picture, 0, 0, picture->w, picture->h, [&](float px, float py) { return discDistance(px, py, c, c, radius); },
        [&](float px, float py, float d) {
            // Lit from the top left: distance from the highlight sets the shade.
            const float lx = px - (c - 2.0f * s);
            const float ly = py - (c - 2.2f * s);
            const float t = clamp01(std::sqrt(lx * lx + ly * ly) / (radius * 1.55f));
            Colour col;
            if (fire) {
                col = mix(hexColour(0xFFFBD0), hexColour(0xFFC21A), smoothStep(0.0f, 0.4f, t));
                col = mix(col, hexColour(0xE8400E), smoothStep(0.35f, 0.8f, t));
                col = mix(col, hexColour(0x8A1004), smoothStep(0.8f, 1.0f, t));
            } else {
                col = mix(hexColour(0xFFFFFF), hexColour(0xC9D6E4), smoothStep(0.0f, 0.35f, t));
                col = mix(col, hexColour(0x6A7C92), smoothStep(0.35f, 0.85f, t));
                col = mix(col, hexColour(0x2A3444), smoothStep(0.85f, 1.0f, t));
                // A reflection of the floor along the bottom edge.
                const float rim = smoothStep(-2.0f * s, 0.0f, d) * smoothStep(c, c + radius, py);
                col = mix(col, hexColour(0xA8C8F0), rim * 0.5f);
            }
            return col;
        });
    fillDisc(picture, c - 2.0f * s, c - 2.2f * s, 1.3f * s, Colour{1, 1, 1, 0.9f});
    return picture;
}
