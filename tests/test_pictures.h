// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// Pictures of known colours for the drawing suites, picture files built byte by byte for the
// loader's suites, and reading pixels back.
#pragma once
#include <SDL_surface.h>

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

// A picture of width x height in one colour: an icon (alpha blended) or a bitmap (copied).
SDL_Surface* makeSolidPicture(int width, int height, SDL_Color colour, bool icon);
// A 32-bit surface filled with `colour`, the target of a screen in a test.
inline SDL_Surface* makeTarget(int width, int height, SDL_Color colour)
{
    return makeSolidPicture(width, height, colour, false);
}
// A pixel's colour, alpha included (all zero outside the surface); its raw value on an ARGB8888
// surface; whether it has the red, green and blue of `colour`; how many in (x, y, w, h) have them;
// whether all the points given have them.
SDL_Color pixelAt(SDL_Surface* surface, int x, int y);
inline std::uint32_t argbAt(SDL_Surface* surface, int x, int y)
{
    return static_cast<std::uint32_t*>(surface->pixels)[y * surface->pitch / 4 + x];
}
bool hasColour(SDL_Surface* surface, int x, int y, SDL_Color colour);
int countColour(SDL_Surface* surface, int x, int y, int w, int h, SDL_Color colour);
bool allHaveColour(SDL_Surface* surface, std::initializer_list<SDL_Point> points, SDL_Color colour);

// The colours of the test pictures that installTestPictures puts in `pictures`.
constexpr SDL_Color kGameBackgroundColour{10, 20, 30, 255};
constexpr SDL_Color kLostBackgroundColour{40, 10, 10, 255};
constexpr SDL_Color kLevelBackgroundColour{10, 40, 10, 255};
constexpr SDL_Color kLevelSetBackgroundColour{40, 40, 10, 255};
constexpr SDL_Color kFinishedBackgroundColour{10, 10, 40, 255};
constexpr SDL_Color kFinishedSetBackgroundColour{10, 40, 40, 255};
constexpr SDL_Color kCreditsBackgroundColour{30, 30, 30, 255};
constexpr SDL_Color kMenuBackgroundColour{50, 50, 60, 255};
constexpr SDL_Color kArmedPaddleColour{200, 200, 0, 255};
constexpr SDL_Color kStickyPaddleColour{0, 200, 200, 255};
constexpr SDL_Color kBouncePaddleColour{200, 0, 200, 255};
constexpr SDL_Color kBallColour{250, 250, 250, 255};
constexpr SDL_Color kFireBallColour{255, 128, 0, 255};
constexpr SDL_Color kButtonColour{120, 120, 120, 255};
constexpr SDL_Color kButtonHoverColour{160, 160, 160, 255};
// Brick of kind k: (100 + k, 0, 0); capsule of kind k: (0, 100 + k, 0); paddle entry k: (0, 0, 100 + k).
constexpr SDL_Color brickColour(int kind) { return SDL_Color{static_cast<Uint8>(100 + kind), 0, 0, 255}; }
constexpr SDL_Color capsuleColour(int kind) { return SDL_Color{0, static_cast<Uint8>(100 + kind), 0, 255}; }
constexpr SDL_Color paddleColour(int entry) { return SDL_Color{0, 0, static_cast<Uint8>(100 + entry), 255}; }

// Every picture file of the game (name in UTF-8), its entry in `pictures`, its drawn size and
// the colour of its test picture (none for the victory plate, which the suites set themselves).
struct GamePicture {
    std::string file;
    SDL_Surface** slot;
    int width, height;
    SDL_Color colour;
};
std::vector<GamePicture> gamePictures();

// Fills `pictures` with pictures of the right sizes in the colours above (icons alpha blended);
// frees them, leaving every entry null.
void installTestPictures();
void removeTestPictures();

using PictureBytes = std::vector<unsigned char>;
using PixelRule = std::function<std::uint32_t(int x, int y)>;

// One icon entry as a device-independent bitmap, bottom up: `colourOf(x, y)` gives 0xAARRGGBB
// for 32 and 24 bits, a palette index below; `clearAt(x, y)` sets the AND mask bit.
PictureBytes dibEntry(int width, int height, int depth, const std::vector<std::uint32_t>& palette,
                      const PixelRule& colourOf, const std::function<bool(int x, int y)>& clearAt);

// An entry of width x height in one colour (0xAARRGGBB, or 0xRRGGBB for 24 bits), without a mask.
PictureBytes solidDibEntry(int width, int height, int depth, std::uint32_t colour);

// An icon file around entries of the given sizes and depths.
struct IconEntry {
    int width, height, depth;
    PictureBytes image;
};
PictureBytes iconFile(const std::vector<IconEntry>& entries);

// A 24-bit bitmap file whose pixel (x, y) is colourOf(x, y) (0xRRGGBB).
PictureBytes bitmapFile(int width, int height, const PixelRule& colourOf);
