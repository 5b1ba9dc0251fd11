// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// The bricks: glazed tiles lit from the top left, stone for the hard ones, steel for the last.
#include "tools/make-data/bricks.h"

#include <array>
#include <cmath>

#include "tools/make-data/drawing.h"
#include "tools/make-data/mosaic_motifs.h"

namespace {

// Face colours of the ordinary bricks, kinds 1 to 5: vermilion, amber, green, lapis, violet.
constexpr std::array<std::uint32_t, 5> kGlazes = {0xE5402C, 0xF4A21E, 0x34B24C, 0x2D84E6, 0x9A55D8};

// The light on a bevel: how much the rim of a rounded box faces the light from the top left
// (+1) or turns away from it (-1), fading to 0 at `bevel` pixels inside the edge.
float bevelLight(float px, float py, float x0, float y0, float x1, float y1, float radius, float bevel)
{
    const float d = roundedBoxDistance(px, py, x0, y0, x1, y1, radius);
    if (-d > bevel) return 0;
    const float nx = roundedBoxDistance(px + 0.5f, py, x0, y0, x1, y1, radius) -
                     roundedBoxDistance(px - 0.5f, py, x0, y0, x1, y1, radius);
    const float ny = roundedBoxDistance(px, py + 0.5f, x0, y0, x1, y1, radius) -
                     roundedBoxDistance(px, py - 0.5f, x0, y0, x1, y1, radius);
    const float length = std::max(1e-4f, std::sqrt(nx * nx + ny * ny));
    const float facing = -(nx * 0.45f + ny * 0.89f) / length;
    return facing * (1.0f - smoothStep(0.0f, bevel, -d) * 0.6f);
}

// A glazed ceramic tile: a bevelled face, glossy on its upper half.
void paintGlazed(SDL_Surface* picture, Colour glaze, float s, std::uint32_t seed)
{
    const float w = 40 * s;
    const float h = 20 * s;
    const float x0 = 0.5f * s;
    const float y0 = 0.5f * s;
    const float x1 = w - 0.5f * s;
    const float y1 = h - 0.5f * s;
    const float radius = 2.5f * s;
    fillShape(
        picture, 0, 0, picture->w, picture->h,
        [&](float px, float py) { return roundedBoxDistance(px, py, x0, y0, x1, y1, radius); },
        [&](float px, float py, float d) {
            const float v = py / h;
            Colour c = mix(lighten(glaze, 0.18f), lighten(glaze, -0.18f), v);
            const float light = bevelLight(px, py, x0, y0, x1, y1, radius, 3.2f * s);
            c = light > 0 ? mix(c, Colour{1, 1, 0.95f, 1}, light * 0.55f)
                          : mix(c, Colour{0, 0, 0.05f, 1}, -light * 0.5f);
            // Gloss: a bright band across the upper part of the face, inside the bevel.
            if (-d > 3.0f * s) {
                const float gloss = smoothStep(0.55f * h, 0.25f * h, py);
                c = mix(c, Colour{1, 1, 1, 1}, gloss * 0.20f);
            }
            // The glaze is never quite even.
            c = lighten(c, (fractalNoise(px / s * 0.4f, py / s * 0.4f, 2, seed) - 0.5f) * 0.10f);
            if (-d < 0.9f * s) c = lighten(glaze, -0.62f);
            return c;
        });
    // A glint where the light strikes the top-left corner.
    fillDisc(picture, 5.5f * s, 4.5f * s, 1.5f * s, Colour{1, 1, 1, 0.65f});
}

// Grey-brown granite with a deeper bevel and an engraved inner frame: it takes two strikes.
void paintStone(SDL_Surface* picture, float s, bool cracked)
{
    const float w = 40 * s;
    const float h = 20 * s;
    const Colour stone = hexColour(0x8A8078);
    fillShape(
        picture, 0, 0, picture->w, picture->h,
        [&](float px, float py) {
            return roundedBoxDistance(px, py, 0.5f * s, 0.5f * s, w - 0.5f * s, h - 0.5f * s, 2.0f * s);
        },
        [&](float px, float py, float d) {
            const float qx = px / s;
            const float qy = py / s;
            Colour c = mix(lighten(stone, 0.1f), lighten(stone, -0.2f), py / h);
            const float speck = latticeHash(static_cast<int>(qx * 1.3f), static_cast<int>(qy * 1.3f), 61);
            if (speck > 0.86f) c = lighten(c, 0.25f);
            if (speck < 0.10f) c = lighten(c, -0.3f);
            c = lighten(c, (fractalNoise(qx * 0.3f, qy * 0.3f, 3, 17) - 0.5f) * 0.25f);
            const float facing = bevelLight(px, py, 0.5f * s, 0.5f * s, w - 0.5f * s, h - 0.5f * s, 2.0f * s, 4.0f * s);
            c = lighten(c, facing * 0.4f);
            // The engraved frame: a dark groove with a lit lower lip.
            const float inner = roundedBoxDistance(px, py, 6.0f * s, 5.0f * s, w - 6.0f * s, h - 5.0f * s, 1.5f * s);
            if (std::fabs(inner) < 0.6f * s) c = lighten(c, -0.45f);
            else if (inner > 0.6f * s && inner < 1.4f * s && py > h * 0.5f) c = lighten(c, 0.25f);
            if (-d < 1.0f * s) c = lighten(c, -0.6f);
            return c;
        });
    if (!cracked) return;
    // A crack from the top edge branching down across the face: a dark fissure with a
    // lit lower edge.
    const float path[][2] = {{17, 0}, {19, 5}, {16.5f, 9}, {20, 13}, {18.5f, 20}};
    const float branch[][2] = {{16.5f, 9}, {11, 11}, {7, 10}, {4, 14}};
    const float branch2[][2] = {{20, 13}, {26, 11.5f}, {31, 14}, {36, 12}};
    const auto crack = [&](const float(*points)[2], int count, float width) {
        for (int i = 0; i + 1 < count; ++i) {
            drawSegment(picture, points[i][0] * s, points[i][1] * s + 0.8f * s, points[i + 1][0] * s,
                        points[i + 1][1] * s + 0.8f * s, width * s, Colour{1, 0.95f, 0.85f, 0.35f});
            drawSegment(picture, points[i][0] * s, points[i][1] * s, points[i + 1][0] * s, points[i + 1][1] * s,
                        width * s, hexColour(0x1E1712));
        }
    };
    crack(path, 5, 1.3f);
    crack(branch, 4, 0.9f);
    crack(branch2, 4, 0.9f);
}

// Brushed steel with a rivet in each corner: nothing breaks it.
void paintSteel(SDL_Surface* picture, float s)
{
    const float w = 40 * s;
    const float h = 20 * s;
    fillShape(
        picture, 0, 0, picture->w, picture->h,
        [&](float px, float py) {
            return roundedBoxDistance(px, py, 0.5f * s, 0.5f * s, w - 0.5f * s, h - 0.5f * s, 1.5f * s);
        },
        [&](float px, float py, float d) {
            const float v = py / h;
            // Polished metal: light above, a dark band below the middle, a lighter foot.
            Colour c = mix(hexColour(0xE4E9EE), hexColour(0x8E99A4), smoothStep(0.0f, 0.55f, v));
            c = mix(c, hexColour(0xB9C2CA), smoothStep(0.6f, 1.0f, v));
            // Brushing: fine streaks along the length.
            const float streak = valueNoise(px / s * 0.08f, py / s * 2.2f, 5) - 0.5f;
            c = lighten(c, streak * 0.22f);
            const float facing = bevelLight(px, py, 0.5f * s, 0.5f * s, w - 0.5f * s, h - 0.5f * s, 1.5f * s, 2.5f * s);
            c = lighten(c, facing * 0.45f);
            if (-d < 1.0f * s) c = hexColour(0x3C444C);
            return c;
        });
    const float rivets[4][2] = {{4.5f, 4.5f}, {35.5f, 4.5f}, {4.5f, 15.5f}, {35.5f, 15.5f}};
    for (const auto& r : rivets) {
        const float cx = r[0] * s;
        const float cy = r[1] * s;
        fillDisc(picture, cx + 0.5f * s, cy + 0.6f * s, 1.9f * s, Colour{0, 0, 0, 0.45f});
        fillShape(
            picture, static_cast<int>(cx - 3 * s), static_cast<int>(cy - 3 * s), static_cast<int>(cx + 3 * s) + 1,
            static_cast<int>(cy + 3 * s) + 1,
            [&](float px, float py) { return discDistance(px, py, cx, cy, 1.8f * s); },
            [&](float px, float py, float) {
                const float t = clamp01(((px - cx) + (py - cy)) / (3.6f * s) + 0.5f);
                return mix(hexColour(0xFFFFFF), hexColour(0x59636D), t);
            });
    }
}

}  // namespace

SDL_Surface* drawBrick(int kind, int scale)
{
    const float s = static_cast<float>(scale);
    SDL_Surface* picture = newCanvas(40 * scale, 20 * scale);
    if (picture == nullptr) return nullptr;
    // The joint around each brick is the playfield's grout, so a wall of them reads as tiles.
    fillRect(picture, 0, 0, picture->w, picture->h, hexColour(kNavyGrout));
    if (kind >= 1 && kind <= 5)
        paintGlazed(picture, hexColour(kGlazes[static_cast<std::size_t>(kind - 1)]), s,
                    static_cast<std::uint32_t>(kind) * 13u);
    else if (kind == 6 || kind == 7) paintStone(picture, s, kind == 7);
    else paintSteel(picture, s);
    return picture;
}
