// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// The game's look: the palette's motifs of tesserae, marble, plaques and gold lettering.
#include "tools/make-data/mosaic_motifs.h"

#include <array>
#include <cmath>

namespace {

constexpr float kPlayfieldTile = 12.0f;  // pixels across a tessera of the playfield
constexpr std::uint32_t kPlayfieldSeed = 1207;

// The playfield's large-scale light: a soft glow high in the middle, darker corners.
float playfieldLight(float x, float y)
{
    const float dx = (x - 240.0f) / 330.0f;
    const float dy = (y - 200.0f) / 420.0f;
    return 1.0f - 0.45f * std::min(1.0f, dx * dx + dy * dy);
}

}  // namespace

Colour playfieldColourAt(int x, int y)
{
    const float px = static_cast<float>(x) + 0.5f;
    const float py = static_cast<float>(y) + 0.5f;
    float nearest = 0;
    float second = 0;
    int tileX = 0;
    int tileY = 0;
    mosaicCell(px, py, kPlayfieldTile, kPlayfieldSeed, nearest, second, tileX, tileY);
    const float joint = second - nearest;  // 0 on the joint, growing into the tile
    const float tone = latticeHash(tileX, tileY, kPlayfieldSeed + 3);
    // An inlaid design in slightly lighter tesserae: rings around the middle of the field,
    // with eight rays between them, too faint to distract from the bricks.
    const float cx = static_cast<float>(tileX) * kPlayfieldTile + 6 - 240.0f;
    const float cy = static_cast<float>(tileY) * kPlayfieldTile + 6 - 250.0f;
    const float radius = std::sqrt(cx * cx + cy * cy);
    const float angle = std::atan2(cy, cx);
    const bool ringTile =
        std::fabs(radius - 96.0f) < 6.5f || std::fabs(radius - 190.0f) < 6.5f || std::fabs(radius - 24.0f) < 7.0f;
    const bool rayTile = radius > 36.0f && radius < 180.0f &&
                         std::fabs(std::sin(angle * 4.0f)) < 0.07f * 96.0f / std::max(radius, 40.0f);
    Colour tile = hexColour(kNavyTile);
    if (ringTile) tile = hexColour(0x1F3A5A);
    else if (rayTile) tile = hexColour(0x1E3454);
    tile = lighten(tile, (tone - 0.5f) * 0.10f);
    if (latticeHash(tileX, tileY, kPlayfieldSeed + 11) > 0.97f) tile = mix(tile, hexColour(0x233A5C), 0.6f);
    // Each tessera is slightly domed: lighter towards its top-left.
    const float grain = fractalNoise(px * 0.35f, py * 0.35f, 2, 77) - 0.5f;
    tile = lighten(tile, grain * 0.05f + smoothStep(0.0f, 5.0f, joint) * 0.03f);
    const Colour grout = hexColour(kNavyGrout);
    Colour c = mix(grout, tile, smoothStep(0.6f, 1.8f, joint));
    const float light = playfieldLight(px, py);
    return {c.r * light, c.g * light, c.b * light, 1};
}

Colour playfieldAverage()
{
    float r = 0;
    float g = 0;
    float b = 0;
    int samples = 0;
    for (int y = 40; y < 500; y += 7)
        for (int x = 20; x < 460; x += 7) {
            const Colour c = playfieldColourAt(x, y);
            r += c.r;
            g += c.g;
            b += c.b;
            ++samples;
        }
    return {r / static_cast<float>(samples), g / static_cast<float>(samples), b / static_cast<float>(samples), 1};
}

void paintPlayfield(SDL_Surface* picture, int x0, int y0, int x1, int y1)
{
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x) setPixel(picture, x, y, playfieldColourAt(x, y));
}

void paintMarble(SDL_Surface* picture, int x0, int y0, int x1, int y1, std::uint32_t seed)
{
    const Colour base = hexColour(kMarble);
    const Colour vein = hexColour(kMarbleVein);
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x) {
            const float px = static_cast<float>(x);
            const float py = static_cast<float>(y);
            // Veins: thin lines where a warped diagonal wave crosses zero, a fine one beside
            // each strong one; clouds of slightly warmer and cooler stone.
            const float warp = fractalNoise(px * 0.008f, py * 0.008f, 4, seed) * 4.5f;
            const float band = std::fabs(std::sin(px * 0.006f + py * 0.011f + warp));
            const float fine = std::fabs(std::sin(px * 0.015f - py * 0.007f + warp * 1.7f));
            const float veins = std::pow(1.0f - band, 22.0f) * 0.45f + std::pow(1.0f - fine, 40.0f) * 0.2f;
            const float cloud = fractalNoise(px * 0.015f, py * 0.015f, 3, seed + 5) - 0.5f;
            Colour c = lighten(base, cloud * 0.07f);
            c = mix(c, vein, veins);
            setPixel(picture, x, y, c);
        }
}

void paintMosaicBorder(SDL_Surface* picture, int x0, int y0, int x1, int y1, int thickness, std::uint32_t seed)
{
    const std::array<Colour, 5> tesserae = {hexColour(kTerracotta), hexColour(kOchre), hexColour(kTeal),
                                            hexColour(kLapis), hexColour(kCream)};
    const float tile = static_cast<float>(thickness) * 0.5f;
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x) {
            const int inset = std::min(std::min(x - x0, x1 - 1 - x), std::min(y - y0, y1 - 1 - y));
            if (inset >= thickness) continue;
            const float px = static_cast<float>(x) + 0.5f;
            const float py = static_cast<float>(y) + 0.5f;
            Colour c;
            if (inset < 2 || inset >= thickness - 2) {
                // Gold fillets on both sides of the band.
                const float shine = (inset == 0 || inset == thickness - 2) ? 0.25f : -0.15f;
                c = lighten(hexColour(kGold), shine);
            } else {
                float nearest = 0;
                float second = 0;
                int tx = 0;
                int ty = 0;
                mosaicCell(px, py, tile, seed, nearest, second, tx, ty);
                // A repeating pattern along the band: one colour for every few tiles.
                const int along = (std::abs(tx) + std::abs(ty)) % 6;
                const std::size_t index = along < 2 ? 0 : along < 3 ? 1 : along < 5 ? 2 : 4;
                Colour t = tesserae[index];
                if (latticeHash(tx, ty, seed + 9) > 0.86f) t = tesserae[3];
                t = lighten(t, (latticeHash(tx, ty, seed + 2) - 0.5f) * 0.16f);
                t = lighten(t, smoothStep(0.5f, 3.0f, second - nearest) * 0.08f);
                c = mix(hexColour(0x4A3A2C), t, smoothStep(0.5f, 1.3f, second - nearest));
            }
            setPixel(picture, x, y, c);
        }
}

void paintPlaque(SDL_Surface* picture, float x0, float y0, float x1, float y1, float radius, Colour face, float rim,
                 bool sunken)
{
    const float sign = sunken ? -1.0f : 1.0f;
    fillShape(
        picture, static_cast<int>(x0) - 2, static_cast<int>(y0) - 2, static_cast<int>(x1) + 3, static_cast<int>(y1) + 3,
        [&](float px, float py) { return roundedBoxDistance(px, py, x0, y0, x1, y1, radius); },
        [&](float px, float py, float d) {
            const float depth = -d;  // distance inside the edge
            Colour c = face;
            if (depth < rim) {
                // The rim faces the light on the top and left, away from it on the bottom and right.
                const float nx = (px - (x0 + x1) * 0.5f) / std::max(1.0f, (x1 - x0) * 0.5f);
                const float ny = (py - (y0 + y1) * 0.5f) / std::max(1.0f, (y1 - y0) * 0.5f);
                const float facing = -(nx * 0.45f + ny * 0.9f);
                c = lighten(face, sign * facing * 0.35f);
            }
            if (depth < 1.0f) c = lighten(c, -0.35f);  // a dark outline
            return c;
        });
}

void paintGoldTitle(SDL_Surface* picture, int cx, int y, const char* utf8, int height, int weight)
{
    const int margin = 8;
    SDL_Surface* mask = labelMask(utf8, height, weight, margin);
    if (mask == nullptr) return;
    const int x = cx - mask->w / 2;
    const int top = y - margin;
    SDL_Surface* outline = thickenMask(mask, 2.2f, 0.0f);
    SDL_Surface* shadow = thickenMask(mask, 3.0f, 3.0f);
    const float textTop = static_cast<float>(y) + static_cast<float>(height) * 0.22f;
    const float textBottom = static_cast<float>(y) + static_cast<float>(height) * 0.82f;
    stampMask(picture, shadow, x + 2, top + 3, [](int, int) { return Colour{0, 0, 0, 0.45f}; });
    stampMask(picture, outline, x, top, [](int, int) { return hexColour(kUmber); });
    stampMask(picture, mask, x, top, [&](int, int py) {
        const float t = clamp01((static_cast<float>(py) - textTop) / (textBottom - textTop));
        // Bright gold at the top, a burnished band below the middle, warmer at the foot.
        Colour c = mix(hexColour(0xFFF1B8), hexColour(kGold), smoothStep(0.0f, 0.45f, t));
        c = mix(c, hexColour(0xB87A1E), smoothStep(0.5f, 0.62f, t) * 0.7f);
        c = mix(c, hexColour(0xF3C65A), smoothStep(0.65f, 1.0f, t));
        return c;
    });
    SDL_FreeSurface(shadow);
    SDL_FreeSurface(outline);
    SDL_FreeSurface(mask);
}

void paintRosette(SDL_Surface* picture, float cx, float cy, float radius, std::uint32_t seed)
{
    fillDisc(picture, cx + 0.8f, cy + 1.2f, radius + 1.0f, Colour{0, 0, 0, 0.3f});
    fillDisc(picture, cx, cy, radius + 1.0f, hexColour(kGoldDeep));
    const std::array<std::uint32_t, 4> petals = {kTerracotta, kTeal, kOchre, kLapis};
    const int count = 8;
    for (int i = 0; i < count; ++i) {
        const float angle = static_cast<float>(i) * 6.2831853f / count;
        const float px = cx + std::cos(angle) * radius * 0.62f;
        const float py = cy + std::sin(angle) * radius * 0.62f;
        const Colour c = hexColour(petals[(static_cast<std::size_t>(i) + seed) % petals.size()]);
        fillDisc(picture, px, py, radius * 0.32f, lighten(c, 0.1f));
    }
    fillDisc(picture, cx, cy, radius * 0.34f, hexColour(kCream));
    fillDisc(picture, cx - radius * 0.1f, cy - radius * 0.1f, radius * 0.12f, Colour{1, 1, 1, 0.7f});
}

void paintRule(SDL_Surface* picture, int x0, int x1, int y, Colour colour)
{
    const float mid = static_cast<float>(x0 + x1) * 0.5f;
    const float fy = static_cast<float>(y) + 0.5f;
    drawSegment(picture, static_cast<float>(x0), fy, mid - 8, fy, 1.2f, colour);
    drawSegment(picture, mid + 8, fy, static_cast<float>(x1), fy, 1.2f, colour);
    fillShape(
        picture, static_cast<int>(mid) - 6, y - 6, static_cast<int>(mid) + 7, y + 7,
        [&](float px, float py) { return std::fabs(px - mid) + std::fabs(py - fy) - 4.5f; },
        [&](float, float, float) { return colour; });
}

void paintMeander(SDL_Surface* picture, int x0, int x1, int y0, Colour colour)
{
    const float top = static_cast<float>(y0);
    fillRect(picture, x0, y0, x1 - x0, 32, hexColour(kCream));
    for (int y = y0; y < y0 + 32; ++y)
        for (int x = x0; x < x1; ++x) {
            float nearest = 0;
            float second = 0;
            int tx = 0;
            int ty = 0;
            mosaicCell(static_cast<float>(x), static_cast<float>(y), 5.0f, 404, nearest, second, tx, ty);
            const float joint = 1.0f - smoothStep(0.3f, 1.0f, second - nearest);
            blendPixel(picture, x, y, Colour{0.45f, 0.35f, 0.2f, joint * 0.35f});
        }
    fillRect(picture, x0, y0, x1 - x0, 3, hexColour(kGold));
    fillRect(picture, x0, y0 + 29, x1 - x0, 3, hexColour(kGold));
    fillRect(picture, x0, y0 + 2, x1 - x0, 1, hexColour(kGoldDeep));
    fillRect(picture, x0, y0 + 29, x1 - x0, 1, hexColour(kGoldDeep));
    // One turn of the key every 24 pixels, whole turns centred in the band; the bottom line
    // runs on from one turn into the next and out to both ends.
    const float key[][2] = {{0, 21}, {20, 21}, {20, 3}, {4, 3}, {4, 15}, {14, 15}, {14, 9}, {10, 9}};
    const int turns = (x1 - x0 - 12) / 24;
    const float first = static_cast<float>(x0) + static_cast<float>(x1 - x0 - turns * 24 + 4) * 0.5f;
    const float base = top + 4 + 21;
    drawSegment(picture, static_cast<float>(x0) + 4, base, first, base, 3.0f, colour);
    for (int turn = 0; turn < turns; ++turn) {
        const float sx = first + static_cast<float>(turn) * 24.0f;
        for (int i = 0; i + 1 < 8; ++i)
            drawSegment(picture, sx + key[i][0], top + 4 + key[i][1], sx + key[i + 1][0], top + 4 + key[i + 1][1], 3.0f,
                        colour);
        drawSegment(picture, sx + 20, base, sx + 24, base, 3.0f, colour);
    }
    drawSegment(picture, first + static_cast<float>(turns) * 24.0f - 4, base, static_cast<float>(x1) - 4, base, 3.0f,
                colour);
}
