// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// The bonus capsules: glossy pills, one colour and one pixel-drawn sign per kind.
#include "tools/make-data/capsules.h"

#include <array>
#include <cstring>

#include "game/game_state.h"
#include "tools/make-data/drawing.h"
#include "tools/make-data/mosaic_motifs.h"

namespace {

// A capsule's look: its colour and its sign, drawn pixel by pixel ('#' the sign's colour,
// '+' its second colour), rows of equal length.
struct CapsuleLook {
    CapsuleKind kind;
    std::uint32_t body;
    std::uint32_t sign;
    std::uint32_t accent;
    const char* const* rows;
    int rowCount;
};

constexpr const char* kWider[] = {".#.......#.", "##.......##", "###########", "##.......##", ".#.......#."};
constexpr const char* kNarrower[] = {"...#...#...", "...##.##...", "#####.#####", "...##.##...", "...#...#..."};
constexpr const char* kFaster[] = {".###....#..", "#####...#..", "#####.#####", "#####...#..", ".###....#.."};
constexpr const char* kSlower[] = {".###.......", "#####......", "#####.#####", "#####......", ".###......."};
constexpr const char* kFire[] = {"...#...", "..##.#.", ".#+##..", "##++##.", "#+++##.", ".###..."};
constexpr const char* kRandom[] = {".###.", "#...#", "...#.", "..#..", ".....", "..#.."};
constexpr const char* kLife[] = {".##.##.", "#######", "#######", ".#####.", "..###..", "...#..."};
constexpr const char* kDeath[] = {".#####.", "#######", "#..#..#", "#######", ".#####.", ".#.#.#."};
constexpr const char* kMirror[] = {"......#..", "########.", "......#..", "..#......", ".########", "..#......"};
constexpr const char* kSticky[] = {"...#...", "..###..", ".#####.", "##+####", "#+#####", ".#####."};
constexpr const char* kArmed[] = {"..#...#..", ".###.###.", "#.#.#.#.#", "..#...#..", "..#...#.."};
constexpr const char* kTwoBalls[] = {".###..###.", "#####+####", "#####+####", "#####+####", ".###..###."};
constexpr const char* kBounce[] = {"#.......#", ".#.....#.", "..#...#..", "...#.#...", "#########"};

constexpr std::array<CapsuleLook, kCapsuleKinds> kLooks = {{
    {kWiderPaddleCapsule, 0x2BAE5C, 0xFFFFFF, 0xFFFFFF, kWider, 5},
    {kNarrowerPaddleCapsule, 0xE07A1F, 0xFFFFFF, 0xFFFFFF, kNarrower, 5},
    {kFasterBallCapsule, 0xD8302C, 0xFFFFFF, 0xFFFFFF, kFaster, 5},
    {kSlowerBallCapsule, 0x2E86DE, 0xFFFFFF, 0xFFFFFF, kSlower, 5},
    {kFireBallCapsule, 0x9E1B12, 0xFFD23A, 0xFF7A1A, kFire, 6},
    {kRandomDirectionsCapsule, 0x8A44C8, 0xFFFFFF, 0xFFFFFF, kRandom, 6},
    {kExtraLifeCapsule, 0xF06292, 0xFFFFFF, 0xFFFFFF, kLife, 6},
    {kLostLifeCapsule, 0x30343A, 0xF2F2F2, 0xF2F2F2, kDeath, 6},
    {kMirroredPaddleCapsule, 0x14B8C8, 0xFFFFFF, 0xFFFFFF, kMirror, 6},
    {kStickyPaddleCapsule, 0xA8D43A, 0x1F5A10, 0x8CD050, kSticky, 6},
    {kArmedPaddleCapsule, 0x7D8A96, 0xFFFFFF, 0xFF4A3A, kArmed, 5},
    {kSecondBallCapsule, 0xEDEFF5, 0x2F6FD0, 0xEDEFF5, kTwoBalls, 5},
    {kRandomBounceCapsule, 0xF4C20D, 0x3A2A00, 0x3A2A00, kBounce, 5},
}};
constexpr bool looksInKindOrder()
{
    for (std::size_t i = 0; i < kLooks.size(); ++i)
        if (kLooks[i].kind != static_cast<int>(i) + 1 || kLooks[i].rows == nullptr) return false;
    return true;
}
static_assert(looksInKindOrder(), "a look for every capsule kind, in kind order");

}  // namespace

SDL_Surface* drawCapsule(int kind, int scale)
{
    if (kind < 1 || kind > kCapsuleKinds) return nullptr;
    const CapsuleLook& look = kLooks[static_cast<std::size_t>(kind - 1)];
    const float s = static_cast<float>(scale);
    const float w = 20 * s;
    const float h = 10 * s;
    SDL_Surface* picture = newCanvas(20 * scale, 10 * scale);
    if (picture == nullptr) return nullptr;
    fillRect(picture, 0, 0, picture->w, picture->h, playfieldAverage());

    const Colour body = hexColour(look.body);
    fillShape(
        picture, 0, 0, picture->w, picture->h,
        [&](float px, float py) { return roundedBoxDistance(px, py, 0, 0, w, h, h * 0.5f); },
        [&](float px, float py, float d) {
            const float v = py / h;
            // A glossy cylinder: bright near the top, the colour's own shade in the middle,
            // darker underneath, with a reflected glint along the bottom.
            Colour c = mix(lighten(body, 0.45f), body, smoothStep(0.05f, 0.45f, v));
            c = mix(c, lighten(body, -0.45f), smoothStep(0.55f, 1.0f, v));
            c = mix(c, lighten(body, 0.1f), smoothStep(0.82f, 0.95f, v) * 0.5f);
            // The two ends of the pill turn away from the light.
            const float end = std::fabs(px - w * 0.5f) / (w * 0.5f);
            c = lighten(c, -smoothStep(0.7f, 1.0f, end) * 0.25f);
            if (-d < 0.9f * s) c = mix(c, lighten(body, -0.6f), 0.8f);
            return c;
        });

    // The sign, centred, with a dark shadow one pixel below for contrast.
    const int rowLength = static_cast<int>(std::strlen(look.rows[0]));
    const int left = (20 - rowLength) / 2;
    const int top = (10 - look.rowCount) / 2;
    const bool darkSign = brightness(hexColour(look.sign)) < 0.5f;
    const Colour shadow = darkSign ? Colour{1, 1, 1, 0.35f} : Colour{0, 0, 0, 0.45f};
    for (int pass = 0; pass < 2; ++pass)
        for (int row = 0; row < look.rowCount; ++row)
            for (int col = 0; col < rowLength; ++col) {
                const char mark = look.rows[row][col];
                if (mark == '.') continue;
                const Colour c = pass == 0 ? shadow : hexColour(mark == '+' ? look.accent : look.sign);
                const int x = (left + col) * scale;
                const int y = (top + row + (pass == 0 ? 1 : 0)) * scale;
                for (int dy = 0; dy < scale; ++dy)
                    for (int dx = 0; dx < scale; ++dx) blendPixel(picture, x + dx, y + dy, c);
            }
    // The shine over everything: a thin highlight along the top of the pill.
    fillShape(
        picture, 0, 0, picture->w, picture->h,
        [&](float px, float py) {
            return roundedBoxDistance(px, py, 3.5f * s, 1.2f * s, w - 3.5f * s, 2.6f * s, 0.7f * s);
        },
        [&](float, float, float) {
            return Colour{1, 1, 1, 0.45f};
        });
    return picture;
}
